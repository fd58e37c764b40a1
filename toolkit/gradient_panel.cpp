#include "toolkit/gradient_panel.h"

#include "core/gradient.h"
#include "toolkit/graphics.h"

TGradientPanel::TGradientPanel(TControl* parent, const TGradientPanelLayout& layout)
    : TControl(parent, layout.Name, layout.Bounds, layout.Align),
      from_(layout.ColorFrom),
      to_(layout.ColorTo),
      count_(layout.ColorCount < 1 ? 1 : layout.ColorCount > 255 ? 255 : layout.ColorCount),
      direction_(layout.Direction) {
  DeclareWindow({"TGradientPanel"});
}

void TGradientPanel::WindowCreated() {
  SetWindowPos(Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TGradientPanel::SetColorFrom(TColor color) {
  from_ = color;
  Repaint();
}

void TGradientPanel::SetColorTo(TColor color) {
  to_ = color;
  Repaint();
}

void TGradientPanel::Repaint() {
  // Siblings drawn over the band show it through, so they repaint too.
  if (Handle()) RedrawWindow(Parent()->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void TGradientPanel::Paint(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  bool vertical = direction_ == TGradientDirection::BottomToTop;
  int length = vertical ? client.bottom : client.right;
  for (int index = 0; index < count_; ++index) {
    GradientStep step = GradientStepAt(index, count_, length, ColorToRGB(from_), ColorToRGB(to_));
    // The first colour lies at the bottom (or right) edge.
    RECT band = client;
    if (vertical) {
      band.top = length - step.End;
      band.bottom = length - step.Start;
    } else {
      band.left = length - step.End;
      band.right = length - step.Start;
    }
    FillSolid(dc, band, step.Color);
  }
}

LRESULT TGradientPanel::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCHITTEST) return HTTRANSPARENT;
  return TControl::WindowProc(message, wParam, lParam);
}
