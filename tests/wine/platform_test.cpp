// The file, settings-file, resource and process operations against the real
// thing under Wine.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/settings.h"
#include "platform/system.h"
#include "platform/system_message.h"

namespace {

std::string Text(const AnsiString& text) { return std::string(text.c_str(), text.length()); }
AnsiString Ansi(const std::string& text) { return AnsiString(text.data(), text.size()); }

// What the message of an error reads like inside a sentence, computed here on its own.
std::string ExpectedMessage(DWORD error) {
  char buffer[1024] = {};
  FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, buffer,
                 sizeof buffer, nullptr);
  std::string message = buffer;
  while (!message.empty() && (static_cast<unsigned char>(message.back()) <= ' ' || message.back() == '.'))
    message.pop_back();
  return message;
}

class PlatformFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { folder_ = driver::FreshFolder("platform"); }
  std::string Path(const std::string& name) const { return folder_ + "\\" + name; }
  std::string folder_;
};

TEST_F(PlatformFilesTest, FileExistsOnlyForFiles) {
  driver::WriteFileBytes(Path("a.exe"), "MZ");
  CreateDirectoryA(Path("dir").c_str(), nullptr);
  struct Case {
    std::string path;
    bool file, folder;
  } cases[] = {
      {Path("a.exe"), true, false},
      {Path("A.EXE"), true, false},
      {Path("dir"), false, true},
      {Path("dir\\"), false, true},
      {Path("missing"), false, false},
      {Path("missing\\a.exe"), false, false},
      {"", false, false},
      {Path("*.exe"), true, false},  // the first match is a file
      {Path("d*"), false, false},    // the first match is a folder
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FileExists(Ansi(c.path)), c.file) << c.path;
    EXPECT_EQ(FolderExists(Ansi(c.path)), c.folder) << c.path;
  }
}

TEST_F(PlatformFilesTest, ClearAttributesLetsAReadOnlyFileBeRemoved) {
  std::string path = Path("locked");
  driver::WriteFileBytes(path, "x");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
  EXPECT_FALSE(RemoveFile(Ansi(path)));
  EXPECT_TRUE(driver::FileExists(path));

  EXPECT_EQ(ClearAttributes(Ansi(path)), 0u);
  EXPECT_EQ(GetFileAttributesA(path.c_str()) &
                (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM),
            0u);
  EXPECT_TRUE(RemoveFile(Ansi(path)));
  EXPECT_FALSE(driver::FileExists(path));
}

TEST_F(PlatformFilesTest, ClearAttributesReportsTheSystemsErrorCode) {
  EXPECT_EQ(ClearAttributes(Ansi(Path("missing"))), static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
  EXPECT_EQ(ClearAttributes(Ansi(Path("missing\\x"))), static_cast<unsigned long>(ERROR_PATH_NOT_FOUND));
}

TEST_F(PlatformFilesTest, RemoveFileFailsForAMissingFileAndARunningProgram) {
  EXPECT_FALSE(RemoveFile(Ansi(Path("missing"))));
  std::string running = Path("running.exe");
  ASSERT_TRUE(CopyFileA(driver::UpdaterPath().c_str(), running.c_str(), FALSE));
  {
    driver::Process program = driver::Process::Start("\"" + running + "\"");
    ASSERT_NE(driver::WaitForWindow("TForm1", program.Id()), nullptr);
    EXPECT_FALSE(RemoveFile(Ansi(running)));
    EXPECT_TRUE(driver::FileExists(running));
  }
  EXPECT_TRUE(RemoveFile(Ansi(running)));  // once it has ended
}

TEST_F(PlatformFilesTest, RenameFailsOntoAnExistingName) {
  driver::WriteFileBytes(Path("Tmp"), "new");
  driver::WriteFileBytes(Path("Zarvo2025.exe"), "old");
  EXPECT_FALSE(RenameFile(Ansi(Path("Tmp")), Ansi(Path("Zarvo2025.exe"))));
  EXPECT_EQ(driver::ReadFileBytes(Path("Zarvo2025.exe")), "old");
  EXPECT_EQ(driver::ReadFileBytes(Path("Tmp")), "new");

  ASSERT_TRUE(RemoveFile(Ansi(Path("Zarvo2025.exe"))));
  EXPECT_TRUE(RenameFile(Ansi(Path("Tmp")), Ansi(Path("Zarvo2025.exe"))));
  EXPECT_EQ(driver::ReadFileBytes(Path("Zarvo2025.exe")), "new");
  EXPECT_FALSE(driver::FileExists(Path("Tmp")));
  EXPECT_FALSE(RenameFile(Ansi(Path("Tmp")), Ansi(Path("other"))));
}

TEST_F(PlatformFilesTest, WriteFileBytesReplacesAFileWhole) {
  std::string path = Path("Tmp");
  driver::WriteFileBytes(path, std::string(5000, 'o'));
  const std::string contents[] = {std::string("MZ\0\x90\r\n\xff", 7), "", std::string(6000, 'n')};
  for (const std::string& bytes : contents) {
    for (bool flush : {false, true}) {
      Status status = WriteFileBytes(Ansi(path), bytes.data(), bytes.size(), flush);
      EXPECT_TRUE(status.ok()) << status.message().c_str();
      EXPECT_EQ(driver::ReadFileBytes(path), bytes);
    }
  }
  EXPECT_EQ(GetFileAttributesA(path.c_str()) & FILE_ATTRIBUTE_READONLY, 0u);
}

TEST_F(PlatformFilesTest, WriteFileBytesWritesMoreThanOneChunk) {
  std::string bytes(20 * 1024 * 1024 + 3, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7 + i / 4099);
  std::string path = Path("large");
  ASSERT_TRUE(WriteFileBytes(Ansi(path), bytes.data(), bytes.size(), true).ok());
  EXPECT_TRUE(driver::ReadFileBytes(path) == bytes);
}

TEST_F(PlatformFilesTest, AWriteThatRunsOutOfSpaceIsAStreamWriteErrorAndLeavesThePart) {
  // Q: is a 4 MiB disk (see cmake/full-disk).
  if (!driver::FolderExists("Q:\\")) GTEST_SKIP() << "no small disk Q: (mounting needs root)";
  std::string bytes(6 << 20, 'z');
  Status written = WriteFileBytes("Q:\\full", bytes.data(), bytes.size(), /*flush=*/true);
  EXPECT_FALSE(written.ok());
  EXPECT_EQ(Text(written.message()), "Stream write error");
  EXPECT_TRUE(driver::FileExists("Q:\\full"));
  DeleteFileA("Q:\\full");
}

TEST_F(PlatformFilesTest, WriteFileBytesTellsWhyAFileCannotBeCreated) {
  CreateDirectoryA(Path("dir").c_str(), nullptr);
  struct Case {
    std::string path;
    DWORD error;
  } cases[] = {
      {Path("dir"), ERROR_ACCESS_DENIED},
      {Path("missing\\Tmp"), ERROR_PATH_NOT_FOUND},
  };
  for (const Case& c : cases) {
    Status status = WriteFileBytes(Ansi(c.path), "x", 1, false);
    ASSERT_FALSE(status.ok()) << c.path;
    ASSERT_NE(ExpectedMessage(c.error), "");
    EXPECT_EQ(Text(status.message()), "Cannot create file \"" + c.path + "\". " + ExpectedMessage(c.error));
  }
  EXPECT_TRUE(driver::FolderExists(Path("dir")));
}

TEST_F(PlatformFilesTest, WriteFileBytesLeavesAReadOnlyFileAlone) {
  std::string path = Path("readonly");
  driver::WriteFileBytes(path, "kept");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
  // Wine run as root opens read-only files for writing all the same.
  HANDLE probe = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (probe != INVALID_HANDLE_VALUE) {
    CloseHandle(probe);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    GTEST_SKIP() << "this system lets read-only files be written";
  }
  Status status = WriteFileBytes(Ansi(path), "x", 1, false);
  EXPECT_EQ(Text(status.message()),
            "Cannot create file \"" + path + "\". " + ExpectedMessage(ERROR_ACCESS_DENIED));
  EXPECT_EQ(driver::ReadFileBytes(path), "kept");
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(PlatformFilesTest, TheFailureNamesTheFullPath) {
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(folder_.c_str()));
  Status status = WriteFileBytes("missing\\Tmp", "x", 1, false);
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(Text(status.message()),
            "Cannot create file \"" + Path("missing\\Tmp") + "\". " + ExpectedMessage(ERROR_PATH_NOT_FOUND));
}

TEST(SystemMessageTest, EndsWithoutBlanksOrPeriods) {
  std::string message = Text(SystemMessage(ERROR_FILE_NOT_FOUND));
  ASSERT_FALSE(message.empty());
  EXPECT_NE(message.back(), '.');
  EXPECT_GT(static_cast<unsigned char>(message.back()), ' ');
  EXPECT_EQ(message, ExpectedMessage(ERROR_FILE_NOT_FOUND));
}

class ReadProfileStringTest : public ::testing::Test {
 protected:
  void TearDown() override { driver::RemoveSettings(); }
  static AnsiString Read(const char* section, const char* key) {
    return ReadProfileString(driver::SettingsPath().c_str(), section, key);
  }
};

TEST_F(ReadProfileStringTest, ReadsOneValueOrEmpty) {
  driver::WriteSettingsText("[103]\r\nCALE = C:\\Apps\\Zarvo \r\nVER=1.0010\r\n[104]\r\nX=y\r\n");
  EXPECT_EQ(Text(Read("103", "CALE")), "C:\\Apps\\Zarvo");
  EXPECT_EQ(Text(Read("103", "VER")), "1.0010");
  EXPECT_EQ(Text(Read("103", "X")), "");
  EXPECT_EQ(Text(Read("105", "VER")), "");
  driver::RemoveSettings();
  EXPECT_EQ(Text(Read("103", "VER")), "");
  EXPECT_FALSE(driver::FileExists(driver::SettingsPath()));  // reading writes nothing
}

TEST_F(ReadProfileStringTest, CutsALongValueTo2047Characters) {
  std::string value(3000, 'a');
  for (std::size_t i = 0; i < value.size(); ++i) value[i] = static_cast<char>('a' + i % 26);
  driver::WriteSettingsText("[103]\r\nCALE=" + value + "\r\n");
  EXPECT_EQ(Text(Read("103", "CALE")), value.substr(0, 2047));
}

TEST(SystemTest, KnowsTheWindowsFolderAndItsOwnExecutable) {
  EXPECT_EQ(Text(WindowsFolder()), driver::WindowsDir());
  std::string own = Text(OwnExecutable());
  EXPECT_TRUE(driver::FileExists(own)) << own;
  EXPECT_EQ(own.substr(own.size() - 17), "platform_test.exe");
}

TEST(SystemTest, StartProgramRunsACommandLineHidden) {
  std::string marker = driver::FreshFolder("start") + "\\started";
  StartProgram(("cmd /c echo started>" + marker).c_str(), 0);
  for (int i = 0; i < 100 && !driver::FileExists(marker); ++i) Sleep(50);
  EXPECT_TRUE(driver::FileExists(marker));
}

LRESULT CALLBACK CountingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_APP) ++*reinterpret_cast<int*>(GetWindowLongPtrA(window, GWLP_USERDATA));
  return DefWindowProcA(window, message, wParam, lParam);
}

TEST(SystemTest, ProcessPendingEventsDispatchesWhatWaitsAndReturns) {
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = CountingWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "PendingEventsTest";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("PendingEventsTest", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  int dispatched = 0;
  SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&dispatched));

  ProcessPendingEvents();  // with nothing waiting it returns at once
  for (int i = 0; i < 3; ++i) PostMessageA(window, WM_APP, 0, 0);
  ProcessPendingEvents();
  EXPECT_EQ(dispatched, 3);
  MSG left;
  EXPECT_FALSE(PeekMessageA(&left, nullptr, 0, 0, PM_NOREMOVE));
  DestroyWindow(window);
}

TEST(SystemTest, EndNowDestroysTheWindowsAndEndsWithExitCodeZero) {
  std::string marker = driver::FreshFolder("end-now") + "\\destroyed";
  driver::Process helper =
      driver::Process::Start("\"" + driver::BuildPath("tests\\wine\\end_now_helper.exe") + "\" " + marker);
  EXPECT_EQ(helper.WaitExit(), 0);
  EXPECT_EQ(driver::ReadFileBytes(marker), "destroyed");
}

TEST(OwnResourceTest, FindsItsBytesInPlaceWhateverTheCase) {
  std::string expected = driver::ReadFileBytes(driver::BuildPath("tests\\wine\\resource_bytes.bin"));
  ASSERT_FALSE(expected.empty());
  for (const char* name : {"TestBytes", "TESTBYTES", "testbytes"}) {
    OwnResource resource = FindOwnResource("Zarvo", name);
    ASSERT_TRUE(resource.Found) << name;
    EXPECT_EQ(std::string(static_cast<const char*>(resource.Bytes), resource.Size), expected);
  }
  EXPECT_TRUE(FindOwnResource("zarvo", "TestBytes").Found);
}

TEST(OwnResourceTest, TellsWhenThereIsNone) {
  EXPECT_FALSE(FindOwnResource("Zarvo", "UpGrade").Found);
  EXPECT_FALSE(FindOwnResource("Other", "TestBytes").Found);
}

}  // namespace
