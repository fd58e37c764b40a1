#pragma once
#include "core/ansi_string.h"
#include "toolkit/control.h"
#include "toolkit/graphics.h"

struct TLabelLayout {
  const char* Name;
  TBounds Bounds;
  const char* Caption = "";
  TFontSpec Font;
  bool AutoSize = true;  // the width follows the text
  TAlignment Alignment = TAlignment::taLeftJustify;
  bool WordWrap = false;  // lines from the top down; a line only partly inside is not drawn
};

// A text drawn transparently over whatever lies beneath it.
class TLabel : public TControl {
 public:
  TLabel(TControl* parent, const TLabelLayout& layout);

  const AnsiString& Caption() const { return caption_; }
  void SetCaption(const AnsiString& caption);
  TColor FontColor() const { return fontColor_; }
  void SetFontColor(TColor color);

 protected:
  void Paint(HDC dc) override;
  const char* WindowText() const override { return caption_.c_str(); }
  void WindowCreated() override { FitWidthToText(); }

 private:
  void FitWidthToText();
  UINT TextFormat() const;

  AnsiString caption_;
  UniqueFont font_;
  TColor fontColor_;
  bool autoSize_;
  TAlignment alignment_;
  bool wordWrap_;
};
