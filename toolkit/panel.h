#pragma once
#include "toolkit/control.h"

struct TPanelLayout {
  const char* Name;
  TBounds Bounds;
  TAlign Align = TAlign::alNone;
  TColor Color;
};

// A plain container with one raised bevel, one pixel wide.
class TPanel : public TControl {
 public:
  TPanel(TControl* parent, const TPanelLayout& layout);

 protected:
  void PaintGround(HDC dc, const RECT& client) override;
};
