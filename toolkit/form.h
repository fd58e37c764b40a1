#pragma once
#include "core/ansi_string.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

struct TFormLayout {
  const char* ClassName;  // the window class, named after the form's class
  const char* Caption;
  int ClientWidth, ClientHeight;
  TColor Color;
  TBorderStyle BorderStyle;
  TBorderIcons BorderIcons;
  TFormStyle FormStyle;
  TPosition Position;
  TFontSpec Font;
  bool KeyPreview = false;
};

// A top-level window, owned by the application window. Created hidden; the
// first form created becomes the application's main form.
class TForm : public TControl {
 public:
  explicit TForm(const TFormLayout& layout);

  // Makes the form visible; its OnShow handler runs first, while it is still hidden.
  void Show();
  void Hide();
  // Shows the form modally: the application's other windows take no input until
  // ModalResult becomes non-zero; then the form hides and the result is returned.
  TModalResult ShowModal();
  // Closing a modal form cancels it; closing the main form ends the application.
  void Close();
  void SetCaption(const AnsiString& caption);

  HFONT Font() const { return font_.get(); }
  // Keyboard handling for a message bound to one of the form's windows: key
  // preview, Enter on the focused button, Tab and accelerator letters. True when consumed.
  bool PreTranslateMessage(MSG& message);
  // Forgets `control` as the one to focus at the next showing.
  void ForgetActiveControl(const TControl* control);

  TModalResult ModalResult = mrNone;
  TNotifyEvent OnShow;
  TKeyEvent OnKeyDown;

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  const char* WindowText() const override { return caption_.c_str(); }
  void WindowCreated() override;

 private:
  void PlaceAtCentre();
  void RememberFocus();
  void FocusActiveControl();

  TPosition position_;
  bool keyPreview_;
  bool shownBefore_ = false;
  bool modal_ = false;
  TControl* activeControl_ = nullptr;
  AnsiString caption_;
  UniqueFont font_;
};
