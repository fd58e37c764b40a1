#include "toolkit/button.h"

#include "toolkit/application.h"
#include "toolkit/form.h"

TButton::TButton(TControl* parent, const TButtonLayout& layout)
    : TControl(parent, layout.Name, layout.Bounds), caption_(layout.Caption), modalResult_(layout.ModalResult) {
  Cursor = layout.Cursor;
  DeclareWindow({"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, /*System=*/true});
  if (!layout.Visible) SetVisible(false);
}

void TButton::WindowCreated() {
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Form()->Font()), FALSE);
}

bool TButton::Press() {
  if (modalResult_ != mrNone) Form()->ModalResult = modalResult_;
  Application.Report(OnClick(this));
  return true;
}

void TButton::Notify(WORD code) {
  if (code == BN_CLICKED) Press();
}
