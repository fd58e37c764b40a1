#include "toolkit/button.h"

#include "toolkit/application.h"
#include "toolkit/form.h"

TButton::TButton(TControl* parent, const TButtonLayout& layout)
    : TControl(parent, layout.Name, layout.Bounds), modalResult_(layout.ModalResult) {
  Cursor = layout.Cursor;
  CreateHandle("BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, layout.Caption, /*systemClass=*/true);
  SendMessageA(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(Form()->Font()), FALSE);
  if (!layout.Visible) SetVisible(false);
}

bool TButton::Press() {
  if (modalResult_ != mrNone) Form()->ModalResult = modalResult_;
  Application.Report(OnClick(this));
  return true;
}

void TButton::Notify(WORD code) {
  if (code == BN_CLICKED) Press();
}
