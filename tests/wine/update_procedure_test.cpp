// The whole update run of the real updater in user mode, against a real
// installation folder (with blanks in its name) and a real settings file.
// In every outcome the folder must hold a complete executable.
#include <gtest/gtest.h>

#include "driver.h"
#include "updater_fixture.h"

using namespace driver;
using namespace updater;

namespace {

class UpdateProcedureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = FreshFolder("Zarvo 2025 Gratuit");
    exe_ = folder_ + "\\Zarvo2025.exe";
    tmp_ = folder_ + "\\Tmp";
  }
  void TearDown() override { RemoveSettings(); }

  void InstallOld(const std::string& version) {
    WriteFileBytes(exe_, OldExecutable());
    WriteSettings(folder_, version);
  }

  // Runs the updater in user mode to its window, reads the outcome and presses OK.
  Outcome Run(const std::string& updater = UpdaterPath()) {
    Process process = Process::Start("\"" + updater + "\"");
    HWND form = WaitForUpdateWindow(process);
    EXPECT_NE(form, nullptr) << "the update window did not appear";
    if (!form) return {};
    Outcome outcome = ReadOutcome(form);
    PressOk(form);
    EXPECT_EQ(process.WaitExit(), 0);
    return outcome;
  }

  std::string folder_, exe_, tmp_;
};

TEST_F(UpdateProcedureTest, VersionGateDecidesBetweenUpdateUpToDateAndNotInstalled) {
  struct Case {
    const char* stored;  // "VER" in the settings file; null: no settings file
    bool executablePresent;
    std::string lines[4];
    bool replaced;
  } cases[] = {
      {"1.0000", true, {"", std::string("!") + kNotInstalled, "", ""}, false},
      {nullptr, true, {"", std::string("!") + kNotInstalled, "", ""}, false},
      {"abc", true, {"", std::string("!") + kNotInstalled, "", ""}, false},
      {"1.0001", true, {"Aveti instalata versiunea 1.0001", kUpdating, "", kSuccess}, true},
      {"1.0010", false, {"Aveti instalata versiunea 1.0010", kUpdating, "", kSuccess}, true},
      {"1,0010", true, {"Aveti instalata versiunea 1.0010", kUpdating, "", kSuccess}, true},
      {"1.0011", true, {"Aveti instalata versiunea 1.0011", std::string("!") + kLatest, "", ""}, false},
      {"1.0011", false, {"Aveti instalata versiunea 1.0011", kUpdating, "", kSuccess}, true},
      {"2", true, {"Aveti instalata versiunea 2.0000", std::string("!") + kLatest, "", ""}, false},
      {"2", false, {"Aveti instalata versiunea 2.0000", kUpdating, "", kSuccess}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("VER=") + (c.stored ? c.stored : "(no settings file)") +
                 (c.executablePresent ? ", executable present" : ", executable missing"));
    SetUp();
    if (c.executablePresent) WriteFileBytes(exe_, OldExecutable());
    if (c.stored)
      WriteSettings(folder_, c.stored);
    else
      RemoveSettings();
    ExpectLines(Run(), c.lines);
    EXPECT_FALSE(FileExists(tmp_));
    if (c.replaced) {
      EXPECT_EQ(ReadFileBytes(exe_), NewExecutable());
    } else if (c.executablePresent) {
      EXPECT_EQ(ReadFileBytes(exe_), OldExecutable());
    }
  }
}

TEST_F(UpdateProcedureTest, ReplacesAReadOnlyExecutableAndALeftoverTmp) {
  InstallOld("1.0010");
  SetFileAttributesA(exe_.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
  WriteFileBytes(tmp_, std::string(100000, 'x'));
  ExpectLines(Run(), {"Aveti instalata versiunea 1.0010", kUpdating, "", kSuccess});
  EXPECT_EQ(ReadFileBytes(exe_), NewExecutable());
  EXPECT_FALSE(FileExists(tmp_));
}

TEST_F(UpdateProcedureTest, AReadOnlyLeftoverTmpCannotBeWrittenAndNothingIsTouched) {
  InstallOld("1.0010");
  WriteFileBytes(tmp_, "old leftover");
  SetFileAttributesA(tmp_.c_str(), FILE_ATTRIBUTE_READONLY);
  ExpectLines(Run(), {"Aveti instalata versiunea 1.0010", kUpdating, "!" + CannotWrite(folder_), ""});
  EXPECT_EQ(ReadFileBytes(tmp_), "old leftover");
  EXPECT_EQ(ReadFileBytes(exe_), OldExecutable());
  SetFileAttributesA(tmp_.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(UpdateProcedureTest, AMissingInstallFolderFailsTheExtraction) {
  WriteSettings(folder_ + "\\missing\\", "1.0010");
  ExpectLines(Run(), {"Aveti instalata versiunea 1.0010", kUpdating, std::string("!") + kExtraction, ""});
  EXPECT_FALSE(FolderExists(folder_ + "\\missing"));
}

TEST_F(UpdateProcedureTest, WithoutAFolderThePathsStartAtTheRootOfTheCurrentDrive) {
  WriteSettingsText("[103]\r\nVER=1.0010\r\n");
  DeleteFileA("C:\\Zarvo2025.exe");
  Process process = Process::Start("\"" + UpdaterPath() + "\"", folder_);
  HWND form = WaitForUpdateWindow(process);
  ASSERT_NE(form, nullptr);
  ExpectLines(ReadOutcome(form), {"Aveti instalata versiunea 1.0010", kUpdating, "", kSuccess});
  PressOk(form);
  EXPECT_EQ(process.WaitExit(), 0);
  EXPECT_EQ(ReadFileBytes("C:\\Zarvo2025.exe"), NewExecutable());
  EXPECT_FALSE(FileExists("C:\\Tmp"));
  DeleteFileA("C:\\Zarvo2025.exe");
}

TEST_F(UpdateProcedureTest, AFailedRenameKeepsTmpAsTheOnlyCopyAndSaysSo) {
  // A folder under the executable's name: it is no file, so nothing is deleted,
  // but "Tmp" cannot take that name.
  WriteSettings(folder_, "1.0010");
  CreateDirectoryA(exe_.c_str(), nullptr);
  ExpectLines(Run(), {"Aveti instalata versiunea 1.0010", kUpdating, "!" + CannotWrite(folder_), ""});
  EXPECT_EQ(ReadFileBytes(tmp_), NewExecutable());
}

TEST_F(UpdateProcedureTest, WhileTheApplicationRunsTheUserIsAskedToCloseIt) {
  InstallOld("1.0010");
  Process application = Process::Start("\"" + exe_ + "\"", folder_);
  ASSERT_NE(WaitForWindow("ZarvoDemo", application.Id()), nullptr);
  WriteSettings(folder_, "1.0010");  // the stand-in records itself with a trailing backslash

  Process process = Process::Start("\"" + UpdaterPath() + "\"");
  HWND question = WaitForQuestion(process);
  ASSERT_NE(question, nullptr);
  EXPECT_EQ(WindowText(question), "Atentie !");
  std::vector<HWND> texts = ChildWindows(question, "TLabel");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(WindowText(texts[0]), "Actualizare Zarvo 2025 Gratuit");
  EXPECT_EQ(WindowText(texts[1]), " Inchideti mai intai programul Zarvo 2025 Gratuit!");
  EXPECT_EQ(WaitForWindow("TForm1", process.Id(), 0), nullptr) << "the update window shows before the outcome";

  // OK while the application still runs: asked again.
  Answer(question, 'O');
  Sleep(500);
  question = WaitForQuestion(process);
  ASSERT_NE(question, nullptr);
  EXPECT_TRUE(application.Running());
  EXPECT_EQ(ReadFileBytes(exe_), OldExecutable());

  // Closed, then OK: the update completes.
  PostMessageA(WaitForWindow("ZarvoDemo", application.Id()), WM_CLOSE, 0, 0);
  EXPECT_EQ(application.WaitExit(), 0);
  Answer(question, 'O');
  HWND form = WaitForUpdateWindow(process);
  ASSERT_NE(form, nullptr);
  ExpectLines(ReadOutcome(form), {"Aveti instalata versiunea 1.0010", kUpdating, "", kSuccess});
  EXPECT_EQ(ReadFileBytes(exe_), NewExecutable());
  EXPECT_FALSE(FileExists(tmp_));
  PressOk(form);
  EXPECT_EQ(process.WaitExit(), 0);
}

TEST_F(UpdateProcedureTest, GivingUpDeletesTmpAndKeepsTheOldExecutable) {
  struct Case {
    const char* how;
    WORD key;
  } cases[] = {{"Enter on the focused Renunt", VK_RETURN}, {"Esc", VK_ESCAPE}, {"R", 'R'}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    SetUp();
    InstallOld("1.0010");
    Process application = Process::Start("\"" + exe_ + "\"", folder_);
    ASSERT_NE(WaitForWindow("ZarvoDemo", application.Id()), nullptr);
    WriteSettings(folder_, "1.0010");
    Process process = Process::Start("\"" + UpdaterPath() + "\"");
    HWND question = WaitForQuestion(process);
    ASSERT_NE(question, nullptr);
    Answer(question, c.key);
    HWND form = WaitForUpdateWindow(process);
    ASSERT_NE(form, nullptr);
    ExpectLines(ReadOutcome(form), {"Aveti instalata versiunea 1.0010", kUpdating, std::string("!") + kCannotModify, ""});
    EXPECT_FALSE(FileExists(tmp_));
    EXPECT_EQ(ReadFileBytes(exe_), OldExecutable());
    PressOk(form);
    EXPECT_EQ(process.WaitExit(), 0);
  }
}

TEST_F(UpdateProcedureTest, WritesAFullSizePayloadByteForByte) {
  InstallOld("1.0010");
  WriteFileBytes(tmp_, std::string(20000000, 'x'));  // longer than the payload: replaced whole
  ExpectLines(Run(BuildPath("big\\ZarvoUpdate.exe")),
              {"Aveti instalata versiunea 1.0010", kUpdating, "", kSuccess});
  std::string written = ReadFileBytes(exe_);
  EXPECT_EQ(written.size(), 14708224u);
  EXPECT_TRUE(written == ReadFileBytes(BuildPath("big\\payload\\Zarvo2025.exe")));
}

TEST_F(UpdateProcedureTest, AFullDiskFailsTheExtractionAndLeavesTheOldExecutable) {
  // Q: is a 4 MiB disk (see cmake/full-disk); the full-size payload does not fit.
  if (!FolderExists("Q:\\")) GTEST_SKIP() << "no small disk Q: (mounting needs root)";
  std::string small = "Q:\\Zarvo";
  RemoveTree(small);
  CreateDirectoryA(small.c_str(), nullptr);
  WriteFileBytes(small + "\\Zarvo2025.exe", OldExecutable());
  WriteSettings(small, "1.0010");
  ExpectLines(Run(BuildPath("big\\ZarvoUpdate.exe")),
              {"Aveti instalata versiunea 1.0010", kUpdating, std::string("!") + kExtraction, ""});
  EXPECT_EQ(ReadFileBytes(small + "\\Zarvo2025.exe"), OldExecutable());
  EXPECT_TRUE(FileExists(small + "\\Tmp")) << "the partial file stays for the next run to delete";
  RemoveTree(small);
}

}  // namespace
