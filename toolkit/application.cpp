#include "toolkit/application.h"

#include <commctrl.h>

#include "core/error_text.h"
#include "core/format_settings.h"
#include "toolkit/form.h"
#include "toolkit/graphics.h"

TApplication Application;

namespace {

constexpr char kClassName[] = "TApplication";

void ReadFormatSettings() {
  char separator[4] = {};
  if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 1)
    FormatSettings.DecimalSeparator = separator[0];
}

// The form that a message is bound for, if it is one of ours.
TForm* FormOf(HWND window) {
  TControl* root = TControl::FromHandle(GetAncestor(window, GA_ROOT));
  return root && !root->Parent() ? static_cast<TForm*>(root) : nullptr;
}

}  // namespace

void TApplication::Initialize() {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  InitializeScaling();
  ReadFormatSettings();

  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconA(instance, "MAINICON");
  windowClass.lpszClassName = kClassName;
  RegisterClassExA(&windowClass);
  // A window of no size that stands for the whole program on the taskbar.
  handle_ = CreateWindowExA(0, kClassName, "", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0, 0,
                            nullptr, nullptr, instance, nullptr);
}

void TApplication::SetTitle(const char* title) {
  title_ = title;
  SetWindowTextA(handle_, title);
}

void TApplication::AddForm(TForm& form) {
  if (!mainForm_) mainForm_ = &form;
}

void TApplication::Run() {
  ShowWindow(handle_, SW_SHOWNA);
  if (mainForm_) mainForm_->Show();
  MSG message;
  while (GetMessageA(&message, nullptr, 0, 0) > 0) ProcessMessage(message);
}

void TApplication::ProcessMessage(MSG& message) {
  TForm* form = FormOf(message.hwnd);
  if (form && form->PreTranslateMessage(message)) return;
  TranslateMessage(&message);
  DispatchMessageA(&message);
}

void TApplication::Report(const Status& status) {
  if (status.ok()) return;
  HWND owner = GetActiveWindow();
  MessageBoxA(owner ? owner : handle_, ErrorBoxText(status.message()).c_str(), title_.c_str(),
              MB_OK | MB_ICONSTOP);
}

LRESULT CALLBACK TApplication::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_SETTINGCHANGE:
      if (Application.UpdateFormatSettings) ReadFormatSettings();
      break;
    case WM_CLOSE:  // from the taskbar button's menu
      if (Application.mainForm_) Application.mainForm_->Close();
      return 0;
    case WM_SETFOCUS:  // the taskbar button was clicked: bring the form forward
      if (Application.mainForm_ && IsWindowVisible(Application.mainForm_->Handle()))
        SetForegroundWindow(GetLastActivePopup(window));
      return 0;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}
