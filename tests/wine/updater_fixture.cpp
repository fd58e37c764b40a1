#include "updater_fixture.h"

using namespace driver;

namespace updater {

HWND WaitForUpdateWindow(const Process& process, DWORD timeoutMs) {
  return WaitForWindow("TForm1", process.Id(), timeoutMs);
}

namespace {

Outcome ReadOnce(const std::vector<HWND>& labels) {
  Outcome outcome;
  for (size_t i = 1; i < labels.size() && i <= 4; ++i) {
    StatusLine& line = outcome.lines[i - 1];
    line.visible = Visible(labels[i]);
    line.text = WindowText(labels[i]);
    line.red = line.visible && CountPixels(labels[i], RGB(255, 0, 0)) > 0;
  }
  return outcome;
}

bool Same(const Outcome& a, const Outcome& b) {
  for (int i = 0; i < 4; ++i)
    if (a.lines[i].visible != b.lines[i].visible || a.lines[i].text != b.lines[i].text ||
        a.lines[i].red != b.lines[i].red)
      return false;
  return true;
}

}  // namespace

Outcome ReadOutcome(HWND form) {
  std::vector<HWND> labels = ChildWindows(form, "TLabel");
  EXPECT_EQ(labels.size(), 5u);
  // The window may still be drawing when it first shows: read until two reads agree.
  DWORD_PTR ignored;
  SendMessageTimeoutA(form, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &ignored);
  Outcome outcome = ReadOnce(labels);
  for (int attempt = 0; attempt < 20; ++attempt) {
    Sleep(100);
    Outcome again = ReadOnce(labels);
    if (Same(outcome, again)) break;
    outcome = again;
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
