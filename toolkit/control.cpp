#include "toolkit/control.h"

#include <cstring>

#include "toolkit/application.h"
#include "toolkit/form.h"
#include "toolkit/graphics.h"

LRESULT CALLBACK ControlWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
    auto* control = static_cast<TControl*>(create->lpCreateParams);
    control->handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(control));
  }
  TControl* control = TControl::FromHandle(window);
  return control ? control->WindowProc(message, wParam, lParam)
                 : DefWindowProcA(window, message, wParam, lParam);
}

namespace {

void RegisterControlClass(const char* className) {
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA known{};
  known.cbSize = sizeof known;
  if (GetClassInfoExA(instance, className, &known)) return;
  WNDCLASSEXA windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = ControlWindowProc;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  windowClass.hIcon = LoadIconA(instance, "MAINICON");
  windowClass.lpszClassName = className;
  RegisterClassExA(&windowClass);
}

RECT ScaledRect(const TBounds& bounds) {
  int left = ScalePixels(bounds.Left), top = ScalePixels(bounds.Top);
  return {left, top, left + ScalePixels(bounds.Width), top + ScalePixels(bounds.Height)};
}

}  // namespace

TControl::TControl(TControl* parent, const char* name, TBounds bounds, TAlign align)
    : name_(name), parent_(parent), bounds_(bounds) {
  if (!parent) return;
  // Aligned controls span the parent's width at its top or bottom edge.
  if (align != TAlign::alNone) {
    bounds_.Left = 0;
    bounds_.Width = parent->bounds_.Width;
    bounds_.Top = align == TAlign::alTop ? 0 : parent->bounds_.Height - bounds_.Height;
  }
  (parent->lastChild_ ? parent->lastChild_->nextSibling_ : parent->firstChild_) = this;
  parent->lastChild_ = this;
}

TControl::~TControl() {
  if (!handle_) return;
  SetWindowLongPtrA(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
}

TForm* TControl::Form() {
  TControl* control = this;
  while (control->parent_) control = control->parent_;
  return static_cast<TForm*>(control);
}

TControl* TControl::FindChild(const char* name) const {
  for (TControl* child = firstChild_; child; child = child->nextSibling_)
    if (std::strcmp(child->name_, name) == 0) return child;
  return nullptr;
}

TControl* TControl::FromHandle(HWND handle) {
  return handle ? reinterpret_cast<TControl*>(GetWindowLongPtrA(handle, GWLP_USERDATA)) : nullptr;
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
  if (!visible && parent_) Form()->ForgetActiveControl(this);
  if (handle_) ShowWindow(handle_, visible ? SW_SHOWNA : SW_HIDE);
}

void TControl::SetLeft(int left) {
  bounds_.Left = left;
  if (!handle_) return;
  RECT area = DeviceBounds();
  SetWindowPos(handle_, nullptr, area.left, area.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

RECT TControl::DeviceBounds() const { return ScaledRect(bounds_); }

void TControl::HandleNeeded() {
  if (handle_) return;
  // A parent makes its children's windows right after its own.
  if (parent_ && !parent_->handle_) return parent_->HandleNeeded();
  CreateWindowNow();
  WindowCreated();
  for (TControl* child = firstChild_; child; child = child->nextSibling_) child->HandleNeeded();
}

void TControl::CreateWindowNow() {
  bool systemClass = windowClass_.System;
  if (!systemClass) RegisterControlClass(windowClass_.Name);
  RECT area = DeviceBounds();
  DWORD style = windowClass_.Style;
  if (parent_) style |= WS_CHILD | WS_CLIPSIBLINGS | (visible_ ? WS_VISIBLE : 0);
  HWND window = CreateWindowExA(windowClass_.ExStyle, windowClass_.Name, WindowText(), style, area.left, area.top,
                                area.right - area.left, area.bottom - area.top,
                                parent_ ? parent_->handle_ : Application.Handle(), nullptr,
                                GetModuleHandleA(nullptr),
                                systemClass ? nullptr : this);
  if (systemClass && window) {
    handle_ = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  if (parent_ && !IsBackdrop()) {
    // A new child is linked beneath all its siblings, so beneath the backdrops
    // too, which would then cover it: put it just under its last earlier
    // sibling that is not one, so that stacking and tab order follow creation.
    TControl* above = nullptr;
    for (TControl* sibling = parent_->firstChild_; sibling != this; sibling = sibling->nextSibling_)
      if (!sibling->IsBackdrop()) above = sibling;
    SetWindowPos(handle_, above ? above->handle_ : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
}

void TControl::Paint(HDC dc) {
  RECT client;
  GetClientRect(handle_, &client);
  PaintGround(dc, client);
}

void TControl::PaintGround(HDC dc, const RECT& client) { FillSolid(dc, client, color_); }

void TControl::PaintBeneathChild(HDC dc, const TControl& child) {
  RECT own;
  GetClientRect(handle_, &own);
  RECT at = child.DeviceBounds();
  int saved = SaveDC(dc);
  OffsetViewportOrgEx(dc, -at.left, -at.top, nullptr);
  PaintGround(dc, own);
  for (TControl* sibling = firstChild_; sibling && sibling != &child; sibling = sibling->nextSibling_) {
    if (!sibling->IsBackdrop() || !sibling->visible_) continue;
    RECT place = sibling->DeviceBounds();
    int inner = SaveDC(dc);
    OffsetViewportOrgEx(dc, place.left, place.top, nullptr);
    IntersectClipRect(dc, 0, 0, place.right - place.left, place.bottom - place.top);
    sibling->Paint(dc);
    RestoreDC(dc, inner);
  }
  RestoreDC(dc, saved);
}

LRESULT TControl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND:
      if (TControl* child = FromHandle(reinterpret_cast<HWND>(lParam))) child->Notify(HIWORD(wParam));
      return 0;
    case WM_SETCURSOR: {
      TControl* hovered = FromHandle(reinterpret_cast<HWND>(wParam));
      if (hovered && hovered->Cursor == TCursor::crHandPoint && LOWORD(lParam) == HTCLIENT) {
        SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
        return TRUE;
      }
      break;
    }
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT paints everything, without flicker
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wParam));
      return 0;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(handle_, &paint);
      Paint(dc);
      EndPaint(handle_, &paint);
      return 0;
    }
  }
  return DefWindowProcA(handle_, message, wParam, lParam);
}
