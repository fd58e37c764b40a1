// A stand-in for the application, for tests and the demo. At start it records
// its folder and version in the settings file, as the real application does;
// its button starts the updater beside it with its own path, then exits.
#include <windows.h>

namespace {

constexpr char kTitle[] = "Zarvo 2025 Gratuit";
char ownPath[MAX_PATH];

void RecordInstallation() {
  char settings[MAX_PATH];
  UINT length = GetWindowsDirectoryA(settings, MAX_PATH - 16);
  lstrcpyA(settings + length, "\\Kelmo.dII");
  char folder[MAX_PATH];
  lstrcpyA(folder, ownPath);
  *(strrchr(folder, '\\') + 1) = '\0';
  WritePrivateProfileStringA("103", "CALE", folder, settings);
  WritePrivateProfileStringA("103", "VER", ZARVO_VERSION, settings);
}

void StartUpdater() {
  char command[3 * MAX_PATH];
  lstrcpyA(command, "\"");
  lstrcatA(command, ownPath);
  *(strrchr(command, '\\') + 1) = '\0';
  lstrcatA(command, "ZarvoUpdate.exe\" \"");
  lstrcatA(command, ownPath);
  lstrcatA(command, "\"");
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process;
  if (CreateProcessA(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && LOWORD(wParam) == 1) {
    StartUpdater();
    DestroyWindow(window);
    return 0;
  }
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  GetModuleFileNameA(nullptr, ownPath, MAX_PATH);
  RecordInstallation();
  WNDCLASSA windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = "ZarvoDemo";
  RegisterClassA(&windowClass);
  HWND window = CreateWindowA("ZarvoDemo", kTitle, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, CW_USEDEFAULT,
                              CW_USEDEFAULT, 320, 140, nullptr, nullptr, instance, nullptr);
  CreateWindowA("STATIC", "Versiunea " ZARVO_VERSION, WS_CHILD | WS_VISIBLE, 16, 16, 280, 20, window, nullptr,
                instance, nullptr);
  CreateWindowA("BUTTON", "Actualizare", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 16, 48, 120, 28, window,
                reinterpret_cast<HMENU>(1), instance, nullptr);
  ShowWindow(window, show);
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
  return 0;
}
