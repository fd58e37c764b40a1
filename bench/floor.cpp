// The floor for start-up: a Win32 program that only opens one window. Built
// with ZARVO_FLOOR_COMMON_CONTROLS it also carries the updater's manifest,
// which brings in Common Controls 6, and shows one push button: what the
// updater's window needs of the system before any of its own work.
#include <windows.h>

#ifdef ZARVO_FLOOR_COMMON_CONTROLS
#include <commctrl.h>
#endif

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
#ifdef ZARVO_FLOOR_COMMON_CONTROLS
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
#endif
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
  windowClass.lpszClassName = "ZarvoFloor";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("ZarvoFloor", "Floor", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 377, 182,
                              nullptr, nullptr, instance, nullptr);
#ifdef ZARVO_FLOOR_COMMON_CONTROLS
  CreateWindowA("BUTTON", "OK", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 144, 112, 75, 25, window,
                nullptr, instance, nullptr);
#endif
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  return 0;
}
