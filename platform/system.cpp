#include "platform/system.h"

#include <windows.h>

namespace {

BOOL CALLBACK DestroyEach(HWND window, LPARAM) {
  DestroyWindow(window);
  return TRUE;
}

}  // namespace

AnsiString WindowsFolder() {
  constexpr UINT kSize = 100;
  char buffer[kSize];
  // A folder that does not fit leaves the buffer as it was: blanks.
  FillMemory(buffer, kSize, ' ');
  UINT length = GetWindowsDirectoryA(buffer, kSize);
  return AnsiString(buffer, length < kSize ? length : kSize);
}

AnsiString OwnExecutable() {
  constexpr DWORD kSize = 261;
  char buffer[kSize];
  DWORD length = GetModuleFileNameA(nullptr, buffer, kSize);
  return AnsiString(buffer, length < kSize ? length : kSize);
}

Arguments CommandLineArguments() { return SplitArguments(GetCommandLineA(), AnsiCodePage()); }

unsigned AnsiCodePage() { return GetACP(); }

void StartProgram(const AnsiString& commandLine, unsigned show) { WinExec(commandLine.c_str(), show); }

void ProcessPendingEvents() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}

void EndNow() {
  // Destroying a window destroys its children and the windows it owns too.
  EnumThreadWindows(GetCurrentThreadId(), DestroyEach, 0);
  ExitProcess(0);
}

