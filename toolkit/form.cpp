#include "toolkit/form.h"

#include "toolkit/application.h"

namespace {

DWORD FormStyle(const TFormLayout& layout) {
  DWORD style = WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN;
  if (layout.BorderIcons == TBorderIcons::biSystemMenu) style |= WS_SYSMENU;
  return style;
}

DWORD FormExStyle(const TFormLayout& layout) {
  DWORD exStyle = WS_EX_CONTROLPARENT;
  if (layout.BorderStyle == TBorderStyle::bsDialog) exStyle |= WS_EX_DLGMODALFRAME;
  if (layout.FormStyle == TFormStyle::fsStayOnTop) exStyle |= WS_EX_TOPMOST;
  return exStyle;
}

TShiftState CurrentShiftState() {
  TShiftState shift = 0;
  if (GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  if (GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  return shift;
}

// The first visible control that takes the focus, in creation (tab) order.
HWND FirstTabStop(HWND parent) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    LONG style = GetWindowLongA(child, GWL_STYLE);
    if (!(style & WS_VISIBLE)) continue;
    if (style & WS_TABSTOP) return child;
    if (HWND inner = FirstTabStop(child)) return inner;
  }
  return nullptr;
}

// The top-level windows of this thread that are visible and take input, but for one.
struct DisabledWindows {
  HWND keep = nullptr;
  HWND windows[16] = {};
  int count = 0;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM context) {
  auto* disabled = reinterpret_cast<DisabledWindows*>(context);
  if (window != disabled->keep && IsWindowVisible(window) && IsWindowEnabled(window) &&
      disabled->count < 16) {
    EnableWindow(window, FALSE);
    disabled->windows[disabled->count++] = window;
  }
  return TRUE;
}

}  // namespace

TForm::TForm(const TFormLayout& layout)
    : TControl(nullptr, layout.ClassName, {0, 0, layout.ClientWidth, layout.ClientHeight}),
      position_(layout.Position),
      keyPreview_(layout.KeyPreview),
      caption_(layout.Caption),
      font_(CreateLayoutFont(layout.Font)) {
  color_ = layout.Color;
  DeclareWindow({layout.ClassName, FormStyle(layout), FormExStyle(layout)});
  Application.AddForm(*this);
}

void TForm::SetCaption(const AnsiString& caption) {
  caption_ = caption;
  if (Handle()) SetWindowTextA(Handle(), caption_.c_str());
}

void TForm::WindowCreated() {
  // The layout gives the client area; the frame comes around it.
  RECT frame = {0, 0, ScalePixels(Bounds().Width), ScalePixels(Bounds().Height)};
  AdjustWindowRectEx(&frame, GetWindowLongA(Handle(), GWL_STYLE), FALSE, GetWindowLongA(Handle(), GWL_EXSTYLE));
  SetWindowPos(Handle(), nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::Show() {
  HandleNeeded();
  if (IsWindowVisible(Handle())) return;
  Application.Report(OnShow(this));
  if (position_ == TPosition::poDesktopCenter || (position_ == TPosition::poScreenCenter && !shownBefore_))
    PlaceAtCentre();
  shownBefore_ = true;
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  FocusActiveControl();
}

void TForm::Hide() {
  if (!Handle()) return;
  RememberFocus();
  ShowWindow(Handle(), SW_HIDE);
}

void TForm::RememberFocus() {
  TControl* focused = FromHandle(GetFocus());
  if (focused && focused != this && focused->Form() == this) activeControl_ = focused;
}

TModalResult TForm::ShowModal() {
  ModalResult = mrNone;
  HandleNeeded();
  DisabledWindows disabled;
  disabled.keep = Handle();
  EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
  modal_ = true;
  Show();
  while (ModalResult == mrNone) {
    MSG message;
    BOOL got = GetMessageA(&message, nullptr, 0, 0);
    if (got <= 0) {
      // The application was told to end: cancel, and let the outer loop end too.
      ModalResult = mrCancel;
      PostQuitMessage(got == 0 ? static_cast<int>(message.wParam) : 0);
      break;
    }
    Application.ProcessMessage(message);
  }
  modal_ = false;
  // Enable the other windows before hiding, so that activation returns to them.
  for (int i = 0; i < disabled.count; ++i) EnableWindow(disabled.windows[i], TRUE);
  Hide();
  return ModalResult;
}

void TForm::Close() {
  if (modal_)
    ModalResult = mrCancel;
  else if (Application.MainForm() == this)
    Application.Terminate();
  else
    Hide();
}

void TForm::ForgetActiveControl(const TControl* control) {
  if (activeControl_ == control) activeControl_ = nullptr;
}

bool TForm::PreTranslateMessage(MSG& message) {
  if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
    if (keyPreview_ && OnKeyDown) {
      auto key = static_cast<std::uint16_t>(message.wParam);
      Application.Report(OnKeyDown(this, key, CurrentShiftState()));
      if (key == 0) return true;
      message.wParam = key;
    }
    // No button is a default button: Enter presses the focused one.
    if (message.wParam == VK_RETURN) {
      TControl* focused = FromHandle(GetFocus());
      if (focused && focused->Form() == this && focused->Press()) return true;
    }
  }
  return IsDialogMessageA(Handle(), &message);
}

void TForm::PlaceAtCentre() {
  RECT frame;
  GetWindowRect(Handle(), &frame);
  int width = frame.right - frame.left, height = frame.bottom - frame.top;
  bool desktop = position_ == TPosition::poDesktopCenter;
  int left = desktop ? GetSystemMetrics(SM_XVIRTUALSCREEN) : 0;
  int top = desktop ? GetSystemMetrics(SM_YVIRTUALSCREEN) : 0;
  int areaWidth = GetSystemMetrics(desktop ? SM_CXVIRTUALSCREEN : SM_CXSCREEN);
  int areaHeight = GetSystemMetrics(desktop ? SM_CYVIRTUALSCREEN : SM_CYSCREEN);
  SetWindowPos(Handle(), nullptr, left + (areaWidth - width) / 2, top + (areaHeight - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::FocusActiveControl() {
  if (activeControl_ && activeControl_->Visible()) {
    SetFocus(activeControl_->Handle());
  } else if (HWND first = FirstTabStop(Handle())) {
    SetFocus(first);
  }
}

LRESULT TForm::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_CLOSE:
      Close();
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wParam) == WA_INACTIVE) RememberFocus();
      break;
    case WM_SETFOCUS:
      // Activation focuses the form itself, also when it comes late (as from
      // the X server under Wine): hand the focus on to its control, as a dialog does.
      FocusActiveControl();
      return 0;
  }
  return TControl::WindowProc(message, wParam, lParam);
}
