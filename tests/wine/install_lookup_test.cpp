// The installation lookup against real files, folders and settings files in
// the Wine prefix; the updater's own path and command line are given.
#include "app/install_lookup.h"

#include <gtest/gtest.h>

#include <string>

#include "driver.h"

namespace {

constexpr unsigned kCodePage = 1252;

// An installation at <root>\Program Files\Zarvo and an updater at <root>\updater.
class InstallLookupTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = driver::FreshFolder("lookup");
    appFolder_ = root_ + "\\Program Files\\Zarvo";
    CreateDirectoryA((root_ + "\\Program Files").c_str(), nullptr);
    CreateDirectoryA(appFolder_.c_str(), nullptr);
    appExe_ = appFolder_ + "\\Zarvo2025.exe";
    driver::WriteFileBytes(appExe_, "MZ");
    updaterFolder_ = root_ + "\\updater";
    CreateDirectoryA(updaterFolder_.c_str(), nullptr);
    CreateDirectoryA((updaterFolder_ + "\\DATA").c_str(), nullptr);
    driver::WriteSettings("C:\\FromSettings", "1.0010");
  }
  void TearDown() override { driver::RemoveSettings(); }

  InstallInfo LookUp(const std::string& commandLine, char separator = '.') {
    Arguments arguments = SplitArguments(commandLine.c_str(), kCodePage);
    return LookUpInstallation(arguments, (updaterFolder_ + "\\ZarvoUpdate.exe").c_str(),
                              driver::WindowsDir().c_str(), kCodePage, separator);
  }
  InstallInfo LookUpWithArgument(const std::string& argument) {
    return LookUp("\"" + updaterFolder_ + "\\ZarvoUpdate.exe\" " + argument);
  }

  std::string root_, appFolder_, appExe_, updaterFolder_;
};

std::string Text(const AnsiString& text) { return std::string(text.c_str(), text.length()); }

TEST_F(InstallLookupTest, UserModeTakesFolderAndVersionFromTheSettingsFile) {
  InstallInfo info = LookUp("ZarvoUpdate.exe");
  EXPECT_EQ(Text(info.WindowsDir), driver::WindowsDir());
  EXPECT_FALSE(info.LaunchedWithArgument);
  EXPECT_EQ(Text(info.InstallDir), "C:\\FromSettings");
  EXPECT_EQ(info.InstalledVersion, 10010);
}

TEST_F(InstallLookupTest, AnEmptyQuotedArgumentIsNoArgument) {
  InstallInfo info = LookUp("ZarvoUpdate.exe \"\"");
  EXPECT_FALSE(info.LaunchedWithArgument);
  EXPECT_EQ(Text(info.InstallDir), "C:\\FromSettings");
}

TEST_F(InstallLookupTest, AQuotedPathWithBlanksNamesTheInstallation) {
  InstallInfo info = LookUpWithArgument("\"" + appExe_ + "\"");
  EXPECT_TRUE(info.LaunchedWithArgument);
  EXPECT_EQ(Text(info.InstallDir), appFolder_);
  EXPECT_EQ(info.InstalledVersion, 10010);
}

TEST_F(InstallLookupTest, ArgumentsThatNameNoFileFallBackToTheUpdatersFolder) {
  CreateDirectoryA((root_ + "\\Folder.exe").c_str(), nullptr);
  const std::string arguments[] = {
      appExe_,                                 // unquoted: splits at the blank into "...\Program"
      root_ + "\\Folder.exe",                  // a folder is not a file
      "\"" + appFolder_ + "\\Missing.exe\"",   // no such file
      "\"" + appFolder_ + "\\\"",              // the folder with a trailing backslash
  };
  for (const std::string& argument : arguments) {
    InstallInfo info = LookUpWithArgument(argument);
    EXPECT_TRUE(info.LaunchedWithArgument) << argument;
    EXPECT_EQ(Text(info.InstallDir), updaterFolder_) << argument;
  }
}

TEST_F(InstallLookupTest, AFileUnderAnotherNameGivesItsFolder) {
  driver::WriteFileBytes(appFolder_ + "\\Other.exe", "MZ");
  EXPECT_EQ(Text(LookUpWithArgument("\"" + appFolder_ + "\\Other.exe\"").InstallDir), appFolder_);
}

TEST_F(InstallLookupTest, TheArgumentIsTrustedOnlyWithADataFolderBesideTheUpdater) {
  RemoveDirectoryA((updaterFolder_ + "\\DATA").c_str());
  driver::WriteFileBytes(updaterFolder_ + "\\DATA", "not a folder");
  InstallInfo info = LookUpWithArgument("\"" + appExe_ + "\"");
  EXPECT_TRUE(info.LaunchedWithArgument);
  EXPECT_EQ(Text(info.InstallDir), updaterFolder_);
}

TEST_F(InstallLookupTest, ABareFileNameFoundInTheCurrentFolderGivesAnEmptyFolder) {
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(appFolder_.c_str()));
  InstallInfo info = LookUpWithArgument("Zarvo2025.exe");
  SetCurrentDirectoryA(previous);
  EXPECT_TRUE(info.LaunchedWithArgument);
  EXPECT_EQ(Text(info.InstallDir), "");
}

TEST_F(InstallLookupTest, TheVersionComesFromTheSettingsFileAlsoInArgumentMode) {
  driver::WriteSettings("C:\\Elsewhere", "2,5");
  EXPECT_EQ(LookUpWithArgument("\"" + appExe_ + "\"").InstalledVersion, 25000);
  driver::RemoveSettings();
  InstallInfo info = LookUpWithArgument("\"" + appExe_ + "\"");
  EXPECT_EQ(Text(info.InstallDir), appFolder_);
  EXPECT_EQ(info.InstalledVersion, 0);
}

TEST_F(InstallLookupTest, CleansTheFolderOfTheSettingsFile) {
  struct Case {
    std::string stored;
    std::string folder;
  } cases[] = {
      {"  C:\\Apps\\Zarvo\\  ", "C:\\Apps\\Zarvo"},
      {"\tC:\\Apps\\Zarvo\\\t", "C:\\Apps\\Zarvo"},
      {"C:\\Apps\\Zarvo\\\\", "C:\\Apps\\Zarvo\\"},
      {"C:\\", "C:"},
      {"C:\\Apps\\Zarvo", "C:\\Apps\\Zarvo"},
      {"", ""},
  };
  for (const Case& c : cases) {
    driver::WriteSettings(c.stored, "1.0010");
    EXPECT_EQ(Text(LookUp("ZarvoUpdate.exe").InstallDir), c.folder) << c.stored;
  }
}

TEST_F(InstallLookupTest, ReadsTheVersionAsTheSettingsFileHoldsIt) {
  struct Case {
    std::string stored;
    VersionNumber version;
  } cases[] = {
      {"1.0010", 10010}, {"  1,0010  ", 10010}, {"1 0010", 10010}, {"v1.0010", 0},
      {"1.00125", 10012}, {"", 0}, {"922337203685478", 0}, {"abc", 0},
  };
  for (const Case& c : cases) {
    driver::WriteSettings("C:\\Apps", c.stored);
    EXPECT_EQ(LookUp("ZarvoUpdate.exe").InstalledVersion, c.version) << c.stored;
  }
}

TEST_F(InstallLookupTest, UsesTheDecimalSeparatorItIsGiven) {
  driver::WriteSettings("C:\\Apps", "1.0010");
  EXPECT_EQ(LookUp("ZarvoUpdate.exe", ',').InstalledVersion, 10010);
}

TEST_F(InstallLookupTest, AMissingFileSectionOrKeyReadsAsEmpty) {
  const std::string settings[] = {
      "",                                   // no file at all (removed below)
      "[104]\r\nCALE=C:\\Apps\r\nVER=1.0010\r\n",
      "[103]\r\nPATH=C:\\Apps\r\nVERSION=1.0010\r\n",
      "CALE=C:\\Apps\r\nVER=1.0010\r\n",     // keys outside any section
  };
  for (const std::string& text : settings) {
    if (text.empty())
      driver::RemoveSettings();
    else
      driver::WriteSettingsText(text);
    InstallInfo info = LookUp("ZarvoUpdate.exe");
    EXPECT_EQ(Text(info.InstallDir), "") << text;
    EXPECT_EQ(info.InstalledVersion, 0) << text;
  }
}

TEST_F(InstallLookupTest, WithoutAWindowsFolderTheSettingsFileIsLookedForAtTheRoot) {
  char previous[MAX_PATH];
  GetCurrentDirectoryA(MAX_PATH, previous);
  ASSERT_TRUE(SetCurrentDirectoryA(root_.c_str()));
  driver::WriteFileBytes("C:\\Kelmo.dII", "[103]\r\nCALE=C:\\AtTheRoot\r\nVER=3\r\n");
  InstallInfo info = LookUpInstallation(SplitArguments("u", kCodePage), "C:\\u\\ZarvoUpdate.exe", "", kCodePage, '.');
  DeleteFileA("C:\\Kelmo.dII");
  SetCurrentDirectoryA(previous);
  EXPECT_EQ(Text(info.InstallDir), "C:\\AtTheRoot");
  EXPECT_EQ(info.InstalledVersion, 30000);
}

TEST_F(InstallLookupTest, ReadSettingReadsTheFileAfreshEveryTime) {
  AnsiString windowsDir = driver::WindowsDir().c_str();
  EXPECT_EQ(Text(ReadSetting(windowsDir, "VER")), "1.0010");
  driver::WriteSettings("C:\\Apps", "1.0011");
  EXPECT_EQ(Text(ReadSetting(windowsDir, "VER")), "1.0011");
  EXPECT_EQ(Text(ReadSetting(windowsDir, "cale")), "C:\\Apps");  // keys match regardless of case
}

}  // namespace
