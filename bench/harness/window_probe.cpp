#include "window_probe.h"

#include "stopwatch.h"

namespace {

// Few calls per look: under Wine each one is a request to the wine server,
// which the measured program needs too.
HWND FindVisible(const char* className, DWORD processId) {
  for (HWND window = FindWindowExA(nullptr, nullptr, className, nullptr); window;
       window = FindWindowExA(nullptr, window, className, nullptr)) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == processId && IsWindowVisible(window)) return window;
  }
  return nullptr;
}

}  // namespace

HWND WaitForVisibleWindow(const char* className, DWORD processId, DWORD timeoutMs) {
  double deadline = NowMs() + timeoutMs;
  for (;;) {
    if (HWND window = FindVisible(className, processId)) return window;
    if (NowMs() > deadline) return nullptr;
    Sleep(1);
  }
}
