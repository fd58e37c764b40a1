#pragma once
#include <windows.h>

// Polls every millisecond for a visible top-level window of that class
// belonging to that process; null when none shows up in time.
HWND WaitForVisibleWindow(const char* className, DWORD processId, DWORD timeoutMs);
