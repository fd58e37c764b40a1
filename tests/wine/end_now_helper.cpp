// Shows a window whose destruction is recorded in the file named by its
// argument, then ends through EndNow.
#include <windows.h>

#include "platform/system.h"

namespace {

const char* marker;

LRESULT CALLBACK RecordingWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) {
    HANDLE file = CreateFileA(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written;
    WriteFile(file, "destroyed", 9, &written, nullptr);
    CloseHandle(file);
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return 2;
  marker = argv[1];
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = RecordingWindowProc;
  windowClass.hInstance = GetModuleHandleA(nullptr);
  windowClass.lpszClassName = "EndNowHelper";
  RegisterClassA(&windowClass);
  CreateWindowA("EndNowHelper", "", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr);
  EndNow();
}
