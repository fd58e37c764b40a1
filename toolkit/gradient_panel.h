#pragma once
#include "toolkit/control.h"

enum class TGradientDirection { BottomToTop, RightToLeft };

struct TGradientPanelLayout {
  const char* Name;
  TBounds Bounds;
  TAlign Align = TAlign::alNone;
  TColor ColorFrom, ColorTo;
  int ColorCount = 64;
  TGradientDirection Direction;
};

// A band shading in ColorCount steps from ColorFrom (at the bottom edge, or the
// right edge) to ColorTo (at the top, or the left). It takes no input and lies
// beneath its siblings, which show it through where they are transparent.
class TGradientPanel : public TControl {
 public:
  TGradientPanel(TControl* parent, const TGradientPanelLayout& layout);

  TColor ColorFrom() const { return from_; }
  TColor ColorTo() const { return to_; }
  void SetColorFrom(TColor color);
  void SetColorTo(TColor color);

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  bool IsBackdrop() const override { return true; }
  void Paint(HDC dc) override;
  void WindowCreated() override;

 private:
  void Repaint();

  TColor from_, to_;
  int count_;
  TGradientDirection direction_;
};
