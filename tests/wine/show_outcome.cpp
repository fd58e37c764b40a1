// Prints what the update window shows, for the demo: waits for the window of
// a running updater and prints its header and status lines.
#include <cstdio>

#include "driver.h"
#include "updater_fixture.h"

int main() {
  HWND form = driver::WaitForWindow("TForm1", 0, 30000);
  if (!form) {
    std::puts("The update window did not appear.");
    return 1;
  }
  std::vector<HWND> labels = driver::ChildWindows(form, "TLabel");
  if (!labels.empty()) std::printf("%s\n", driver::WindowText(labels[0]).c_str());
  updater::Outcome outcome = updater::ReadOutcome(form);
  for (int i = 0; i < 4; ++i) {
    const updater::StatusLine& line = outcome.lines[i];
    if (line.visible) std::printf("  Linia%d: %s%s\n", i + 1, line.text.c_str(), line.red ? "  (red)" : "");
  }
  return 0;
}
