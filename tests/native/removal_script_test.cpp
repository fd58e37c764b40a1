#include "app/removal_script.h"

#include <gtest/gtest.h>

#include <string>

TEST(RemovalScriptTest, FourLinesEachEndedByCrLf) {
  struct Case {
    const char* updater;
    const char* script;
    const char* expected;
  } cases[] = {
      {"C:\\Zarvo\\ZarvoUpdate.exe", "C:\\Zarvo\\suicide.bat",
       ":redo\r\n"
       "@del \"C:\\Zarvo\\ZarvoUpdate.exe\"\r\n"
       "if EXIST \"C:\\Zarvo\\ZarvoUpdate.exe\" GOTO redo\r\n"
       "@del \"C:\\Zarvo\\suicide.bat\"\r\n"},
      {"C:\\Program Files\\Zarvo 2025\\ZarvoUpdate.exe", "C:\\Program Files\\Zarvo 2025\\suicide.bat",
       ":redo\r\n"
       "@del \"C:\\Program Files\\Zarvo 2025\\ZarvoUpdate.exe\"\r\n"
       "if EXIST \"C:\\Program Files\\Zarvo 2025\\ZarvoUpdate.exe\" GOTO redo\r\n"
       "@del \"C:\\Program Files\\Zarvo 2025\\suicide.bat\"\r\n"},
      // "%" would start a variable even inside quotes: it is doubled.
      {"C:\\100%\\%TEMP%\\ZarvoUpdate.exe", "C:\\100%\\%TEMP%\\suicide.bat",
       ":redo\r\n"
       "@del \"C:\\100%%\\%%TEMP%%\\ZarvoUpdate.exe\"\r\n"
       "if EXIST \"C:\\100%%\\%%TEMP%%\\ZarvoUpdate.exe\" GOTO redo\r\n"
       "@del \"C:\\100%%\\%%TEMP%%\\suicide.bat\"\r\n"},
  };
  for (const Case& c : cases) {
    AnsiString script = RemovalScript(c.updater, c.script);
    EXPECT_EQ(std::string(script.c_str(), script.length()), c.expected);
  }
}

TEST(RemovalScriptTest, SizeIsTheFourLinesPlusEightWithoutPercentSigns) {
  AnsiString updater = "D:\\a b\\ZarvoUpdate.exe", script = "D:\\a b\\suicide.bat";
  std::size_t lines = 5 + (5 + updater.length() + 2) + (9 + updater.length() + 2 + 10) + (5 + script.length() + 2);
  EXPECT_EQ(RemovalScript(updater, script).length(), lines + 8);
}
