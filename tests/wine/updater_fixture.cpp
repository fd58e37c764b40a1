#include "updater_fixture.h"

using namespace driver;

namespace updater {

HWND WaitForUpdateWindow(const Process& process, DWORD timeoutMs) {
  return WaitForWindow("TForm1", process.Id(), timeoutMs);
}

Outcome ReadOutcome(HWND form) {
  Outcome outcome;
  std::vector<HWND> labels = ChildWindows(form, "TLabel");
  EXPECT_EQ(labels.size(), 5u);
  for (size_t i = 1; i < labels.size() && i <= 4; ++i) {
    StatusLine& line = outcome.lines[i - 1];
    line.visible = Visible(labels[i]);
    line.text = WindowText(labels[i]);
    line.red = line.visible && CountPixels(labels[i], RGB(255, 0, 0)) > 0;
  }
  return outcome;
}

void PressOk(HWND form) {
  std::vector<HWND> buttons = ChildWindows(form, "Button");
  ASSERT_FALSE(buttons.empty());
  ASSERT_TRUE(BringToFront(form));
  Click(buttons[0]);
}

HWND WaitForQuestion(const Process& process, DWORD timeoutMs) {
  return WaitForWindow("TErori", process.Id(), timeoutMs);
}

void Answer(HWND dialog, WORD key) {
  ASSERT_TRUE(BringToFront(dialog));
  PressKey(key);
}

std::string NewExecutable() { return ReadFileBytes(BuildPath("demo\\1.0011\\Zarvo2025.exe")); }
std::string OldExecutable() { return ReadFileBytes(BuildPath("demo\\1.0010\\Zarvo2025.exe")); }

void ExpectLines(const Outcome& outcome, const std::string (&expected)[4]) {
  for (int i = 0; i < 4; ++i) {
    const StatusLine& line = outcome.lines[i];
    SCOPED_TRACE("Linia" + std::to_string(i + 1));
    if (expected[i].empty()) {
      EXPECT_FALSE(line.visible) << "shows \"" << line.text << "\"";
      continue;
    }
    bool red = expected[i][0] == '!';
    EXPECT_TRUE(line.visible);
    EXPECT_EQ(line.text, red ? expected[i].substr(1) : expected[i]);
    EXPECT_EQ(line.red, red);
  }
}

}  // namespace updater
