// Argument mode as a user lives it: the application starts the updater and
// exits, the updater replaces it, and OK relaunches it and removes the updater.
#include <gtest/gtest.h>

#include "driver.h"
#include "updater_fixture.h"

using namespace driver;
using namespace updater;

namespace {

// The stand-in's windows, from any process.
std::vector<HWND> ApplicationWindows() {
  std::vector<HWND> found;
  for (HWND window = FindWindowExA(nullptr, nullptr, "ZarvoDemo", nullptr); window;
       window = FindWindowExA(nullptr, window, "ZarvoDemo", nullptr))
    if (IsWindowVisible(window)) found.push_back(window);
  return found;
}

void CloseApplicationWindows() {
  for (HWND window : ApplicationWindows()) PostMessageA(window, WM_CLOSE, 0, 0);
  for (int i = 0; i < 100 && !ApplicationWindows().empty(); ++i) Sleep(50);
}

bool GoneWithin(const std::string& path, DWORD timeoutMs) {
  for (DWORD waited = 0; waited <= timeoutMs; waited += 100) {
    if (!FileExists(path)) return true;
    Sleep(100);
  }
  return false;
}

std::string ReadSetting(const char* key) {
  char value[512] = {};
  GetPrivateProfileStringA("103", key, "", value, sizeof value, SettingsPath().c_str());
  return value;
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

class FinishTest : public ::testing::Test {
 protected:
  // An installation in `name` with a "DATA" folder and the updater beside the 1.0010 stand-in.
  void Install(const std::string& name) {
    CloseApplicationWindows();
    folder_ = FreshFolder(name);
    exe_ = folder_ + "\\Zarvo2025.exe";
    updater_ = folder_ + "\\ZarvoUpdate.exe";
    script_ = folder_ + "\\suicide.bat";
    CreateDirectoryA((folder_ + "\\DATA").c_str(), nullptr);
    WriteFileBytes(exe_, OldExecutable());
    WriteFileBytes(updater_, ReadFileBytes(UpdaterPath()));
    WriteSettings(folder_, "1.0010");
  }
  void TearDown() override {
    CloseApplicationWindows();
    RemoveSettings();
  }

  // Presses OK in the updater's window; it must end and remove itself and its script.
  void PressOkAndExpectRemoval(Process& updater) {
    HWND form = WaitForUpdateWindow(updater);
    ASSERT_NE(form, nullptr);
    PressOk(form);
    EXPECT_EQ(updater.WaitExit(), 0);
    EXPECT_TRUE(GoneWithin(updater_, 5000));
    EXPECT_TRUE(GoneWithin(script_, 5000));
  }

  // Starts the updater as the application does, with the application's path.
  Process StartInArgumentMode() { return Process::Start(Quoted(updater_) + " " + Quoted(exe_), folder_); }

  std::string folder_, exe_, updater_, script_;
};

TEST_F(FinishTest, TheApplicationIsUpdatedRelaunchedAndTheUpdaterRemovesItself) {
  Install("Zarvo 2025 Gratuit");
  Process application = Process::Start(Quoted(exe_), folder_);
  HWND window = WaitForWindow("ZarvoDemo", application.Id());
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(BringToFront(window));
  Click(ChildWindows(window, "Button").at(0));  // the stand-in's update button
  EXPECT_EQ(application.WaitExit(), 0);

  HWND form = WaitForWindow("TForm1");
  ASSERT_NE(form, nullptr);
  ExpectLines(ReadOutcome(form), {"Aveti instalata versiunea 1.0010", kUpdating, "", kSuccess});
  EXPECT_EQ(ReadFileBytes(exe_), NewExecutable());
  PressOk(form);

  // The new version runs, and records itself as the real application does.
  for (int i = 0; i < 100 && ApplicationWindows().empty(); ++i) Sleep(50);
  EXPECT_EQ(ApplicationWindows().size(), 1u);
  EXPECT_EQ(ReadSetting("VER"), "1.0011");
  EXPECT_TRUE(GoneWithin(updater_, 5000));
  EXPECT_TRUE(GoneWithin(script_, 5000));
}

TEST_F(FinishTest, TheUpdaterWaitsForTheExitingApplicationWithoutAsking) {
  Install("Zarvo 2025 Gratuit");
  Process application = Process::Start(Quoted(exe_), folder_);
  HWND window = WaitForWindow("ZarvoDemo", application.Id());
  ASSERT_NE(window, nullptr);
  Process updater = StartInArgumentMode();
  EXPECT_TRUE(NoWindowWithin("TErori", updater.Id(), 2000));
  EXPECT_EQ(ReadFileBytes(exe_), OldExecutable());
  PostMessageA(window, WM_CLOSE, 0, 0);
  HWND form = WaitForUpdateWindow(updater);
  ASSERT_NE(form, nullptr);
  ExpectLines(ReadOutcome(form), {"Aveti instalata versiunea 1.0010", kUpdating, "", kSuccess});
  EXPECT_EQ(ReadFileBytes(exe_), NewExecutable());
  // Closed otherwise than by OK: nothing is started and the updater stays.
  PostMessageA(WaitForWindow("TApplication", updater.Id()), WM_CLOSE, 0, 0);
  EXPECT_EQ(updater.WaitExit(), 0);
}

TEST_F(FinishTest, AnExecutableThatNeverGoesAwayIsAskedAboutAfterHalfAMinute) {
  Install("Zarvo 2025 Gratuit");
  Process application = Process::Start(Quoted(exe_), folder_);
  ASSERT_NE(WaitForWindow("ZarvoDemo", application.Id()), nullptr);
  Process updater = StartInArgumentMode();
  EXPECT_TRUE(NoWindowWithin("TErori", updater.Id(), 25000)) << "asked while the application may still be exiting";
  HWND question = WaitForQuestion(updater, 15000);
  ASSERT_NE(question, nullptr);
  Answer(question, VK_ESCAPE);
  HWND form = WaitForUpdateWindow(updater);
  ASSERT_NE(form, nullptr);
  ExpectLines(ReadOutcome(form), {"Aveti instalata versiunea 1.0010", kUpdating, std::string("!") + kCannotModify, ""});
  EXPECT_FALSE(FileExists(folder_ + "\\Tmp"));
  EXPECT_EQ(ReadFileBytes(exe_), OldExecutable());
  PostMessageA(WaitForWindow("TApplication", updater.Id()), WM_CLOSE, 0, 0);
  EXPECT_EQ(updater.WaitExit(), 0);
}

TEST_F(FinishTest, AfterEveryOtherOutcomeTheUpdaterStillRemovesItselfAndStartsNothing) {
  struct Case {
    const char* outcome;
    void (*prepare)(const std::string& folder);
  } cases[] = {
      {"not installed", [](const std::string& folder) { WriteSettings(folder, "1.0000"); }},
      {"up to date", [](const std::string& folder) { WriteSettings(folder, "1.0011"); }},
      {"old Tmp not deletable",
       [](const std::string& folder) {
         WriteFileBytes(folder + "\\Tmp", "leftover");
         SetFileAttributesA((folder + "\\Tmp").c_str(), FILE_ATTRIBUTE_READONLY);
       }},
      {"extraction failed", [](const std::string& folder) { CreateDirectoryA((folder + "\\Tmp").c_str(), nullptr); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.outcome);
    Install("Zarvo 2025 Gratuit");
    c.prepare(folder_);
    Process updater = StartInArgumentMode();
    HWND form = WaitForUpdateWindow(updater);
    ASSERT_NE(form, nullptr);
    EXPECT_FALSE(ReadOutcome(form).lines[3].visible) << "no success line";
    PressOk(form);
    EXPECT_EQ(updater.WaitExit(), 0);
    EXPECT_TRUE(GoneWithin(updater_, 5000));
    EXPECT_TRUE(GoneWithin(script_, 5000));
    Sleep(500);
    EXPECT_TRUE(ApplicationWindows().empty()) << "an application was started";
    EXPECT_EQ(ReadFileBytes(exe_), OldExecutable());
  }
}

TEST_F(FinishTest, TheScriptHasExactlyItsFourLinesAndReplacesAnOldOne) {
  struct Case {
    const char* folder;
    const char* written;  // the folder as the script must write it
  } cases[] = {
      {"Zarvo 2025 Gratuit", "Zarvo 2025 Gratuit"},
      {"100% %TEMP% sure", "100%% %%TEMP%% sure"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.folder);
    Install(c.folder);
    WriteFileBytes(script_, std::string(5000, 'x'));
    // Held open, the updater cannot be deleted: the script waits, and can be read.
    HANDLE hold = CreateFileA(updater_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    Process updater = StartInArgumentMode();
    HWND form = WaitForUpdateWindow(updater);
    ASSERT_NE(form, nullptr);
    PressOk(form);
    EXPECT_EQ(updater.WaitExit(), 0);

    std::string path = std::string("C:\\zarvo-tests\\") + c.written;
    std::string expected = ":redo\r\n@del \"" + path + "\\ZarvoUpdate.exe\"\r\nif EXIST \"" + path +
                           "\\ZarvoUpdate.exe\" GOTO redo\r\n@del \"" + path + "\\suicide.bat\"\r\n";
    EXPECT_EQ(ReadFileBytes(script_), expected);
    CloseHandle(hold);
    EXPECT_TRUE(GoneWithin(updater_, 5000));
    EXPECT_TRUE(GoneWithin(script_, 5000));
  }
}

TEST_F(FinishTest, OnlyTheIntendedProgramsRunWhenAProgramIsPlantedOnAPathPrefix) {
  // "C:\zarvo-tests\dir.exe" is what an unquoted "C:\zarvo-tests\dir with blanks\..." would run.
  Install("dir with blanks");
  WriteFileBytes("C:\\zarvo-tests\\dir.exe", OldExecutable());
  Process updater = StartInArgumentMode();
  PressOkAndExpectRemoval(updater);
  for (int i = 0; i < 100 && ApplicationWindows().empty(); ++i) Sleep(50);
  Sleep(500);
  EXPECT_EQ(ApplicationWindows().size(), 1u);
  EXPECT_EQ(ReadSetting("CALE"), folder_ + "\\") << "the planted program ran";
  EXPECT_EQ(ReadSetting("VER"), "1.0011");
  DeleteFileA("C:\\zarvo-tests\\dir.exe");
}

TEST_F(FinishTest, AReadOnlyUpdaterIsStillRemoved) {
  Install("Zarvo 2025 Gratuit");
  SetFileAttributesA(updater_.c_str(), FILE_ATTRIBUTE_READONLY);
  Process updater = StartInArgumentMode();
  PressOkAndExpectRemoval(updater);
}

TEST_F(FinishTest, AScriptThatCannotBeWrittenIsReportedAndTheWindowStays) {
  Install("Zarvo 2025 Gratuit");
  CreateDirectoryA(script_.c_str(), nullptr);  // no file can take the script's name
  Process updater = StartInArgumentMode();
  HWND form = WaitForUpdateWindow(updater);
  ASSERT_NE(form, nullptr);
  for (int press = 0; press < 2; ++press) {
    PressOk(form);
    HWND box = WaitForWindow("#32770", updater.Id());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(WindowText(box), "Actualizare Zarvo2025");
    std::string text;
    for (HWND child : ChildWindows(box, "Static")) text += WindowText(child);
    std::string start = "Cannot create file \"" + script_ + "\". ";
    EXPECT_EQ(text.substr(0, start.size()), start);
    EXPECT_EQ(text.back(), '.');
    EXPECT_NE(text.substr(text.size() - 2), "..");
    Answer(box, VK_RETURN);
    for (int i = 0; i < 50 && IsWindow(box); ++i) Sleep(20);
    EXPECT_TRUE(updater.Running());
    EXPECT_TRUE(Visible(form));
  }
  // Closed from the taskbar: it ends without starting anything or removing itself.
  PostMessageA(WaitForWindow("TApplication", updater.Id()), WM_CLOSE, 0, 0);
  EXPECT_EQ(updater.WaitExit(), 0);
  Sleep(500);
  EXPECT_TRUE(FileExists(updater_));
  EXPECT_TRUE(ApplicationWindows().empty());
}

TEST_F(FinishTest, ClosingOtherwiseThanByOkNeitherRelaunchesNorRemoves) {
  Install("Zarvo 2025 Gratuit");
  Process updater = StartInArgumentMode();
  HWND form = WaitForUpdateWindow(updater);
  ASSERT_NE(form, nullptr);
  PostMessageA(WaitForWindow("TApplication", updater.Id()), WM_CLOSE, 0, 0);
  EXPECT_EQ(updater.WaitExit(), 0);
  Sleep(1000);
  EXPECT_TRUE(FileExists(updater_));
  EXPECT_FALSE(FileExists(script_));
  EXPECT_TRUE(ApplicationWindows().empty());
}

TEST_F(FinishTest, UserModeOkWritesAndStartsNothing) {
  Install("Zarvo 2025 Gratuit");
  Process updater = Process::Start(Quoted(updater_), folder_);
  HWND form = WaitForUpdateWindow(updater);
  ASSERT_NE(form, nullptr);
  PressOk(form);
  EXPECT_EQ(updater.WaitExit(), 0);
  Sleep(1000);
  EXPECT_TRUE(FileExists(updater_));
  EXPECT_FALSE(FileExists(script_));
  EXPECT_TRUE(ApplicationWindows().empty());
}

}  // namespace
