// The real updater finds the installation from its own command line, its own
// path and the Windows folder's settings file. Until the update procedure
// writes them, the status lines show folder, installed version and mode.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"

using namespace driver;

namespace {

struct StatusLines {
  std::string folder, version, mode;
};

StatusLines ShowStatusLines(const std::string& commandLine) {
  Process updater = Process::Start(commandLine);
  HWND form = WaitForWindow("TForm1", updater.Id());
  EXPECT_NE(form, nullptr);
  if (!form) return {};
  std::vector<HWND> labels = ChildWindows(form, "TLabel");
  EXPECT_EQ(labels.size(), 5u);
  if (labels.size() != 5) return {};
  return {WindowText(labels[1]), WindowText(labels[2]), WindowText(labels[3])};
}

// A copy of the updater in <root>\updater beside a "DATA" folder, and an
// installation in <root>\Program Files\Zarvo.
class InstallInfoWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string root = FreshFolder("install-info");
    CreateDirectoryA((root + "\\Program Files").c_str(), nullptr);
    appFolder_ = root + "\\Program Files\\Zarvo";
    CreateDirectoryA(appFolder_.c_str(), nullptr);
    WriteFileBytes(appFolder_ + "\\Zarvo2025.exe", "MZ");
    updaterFolder_ = root + "\\updater";
    CreateDirectoryA(updaterFolder_.c_str(), nullptr);
    CreateDirectoryA((updaterFolder_ + "\\DATA").c_str(), nullptr);
    updater_ = updaterFolder_ + "\\ZarvoUpdate.exe";
    ASSERT_TRUE(CopyFileA(UpdaterPath().c_str(), updater_.c_str(), FALSE));
    WriteSettings("  C:\\Apps\\Zarvo\\ ", "1,0010");
  }
  void TearDown() override { RemoveSettings(); }

  std::string appFolder_, updaterFolder_, updater_;
};

TEST_F(InstallInfoWindowTest, UserModeReadsTheSettingsFile) {
  StatusLines lines = ShowStatusLines("\"" + updater_ + "\"");
  EXPECT_EQ(lines.folder, "C:\\Apps\\Zarvo");
  EXPECT_EQ(lines.version, "1.0010");
  EXPECT_EQ(lines.mode, "utilizator");
}

TEST_F(InstallInfoWindowTest, ArgumentModeTakesTheFolderOfTheQuotedArgument) {
  StatusLines lines = ShowStatusLines("\"" + updater_ + "\" \"" + appFolder_ + "\\Zarvo2025.exe\"");
  EXPECT_EQ(lines.folder, appFolder_);
  EXPECT_EQ(lines.version, "1.0010");
  EXPECT_EQ(lines.mode, "argument");
}

TEST_F(InstallInfoWindowTest, AnUnquotedPathWithBlanksFallsBackToTheUpdatersFolder) {
  StatusLines lines = ShowStatusLines("\"" + updater_ + "\" " + appFolder_ + "\\Zarvo2025.exe");
  EXPECT_EQ(lines.folder, updaterFolder_);
  EXPECT_EQ(lines.mode, "argument");
}

}  // namespace
