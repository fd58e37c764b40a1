#pragma once
#include "toolkit/control.h"

struct TButtonLayout {
  const char* Name;
  TBounds Bounds;
  const char* Caption;  // "&" marks the accelerator letter
  TModalResult ModalResult = mrNone;
  TCursor Cursor = TCursor::crDefault;
  bool Visible = true;
};

// A push button in the form's font. Pressing it sets the form's ModalResult to
// the button's own, when that is not mrNone, and then runs OnClick.
class TButton : public TControl {
 public:
  TButton(TControl* parent, const TButtonLayout& layout);

  bool Press() override;
  TNotifyEvent OnClick;

 protected:
  void Notify(WORD code) override;
  const char* WindowText() const override { return caption_; }
  void WindowCreated() override;

 private:
  const char* caption_;
  TModalResult modalResult_;
};
