#include "toolkit/panel.h"

#include "toolkit/graphics.h"

TPanel::TPanel(TControl* parent, const TPanelLayout& layout)
    : TControl(parent, layout.Name, layout.Bounds, layout.Align) {
  color_ = layout.Color;
  DeclareWindow({"TPanel", WS_CLIPCHILDREN, WS_EX_CONTROLPARENT});
}

void TPanel::PaintGround(HDC dc, const RECT& client) {
  FillSolid(dc, client, color_);
  int bevel = ScalePixels(1);
  RECT edge = client;
  edge.bottom = edge.top + bevel;  // top and left: highlight
  FillSolid(dc, edge, clBtnHighlight);
  edge = client;
  edge.right = edge.left + bevel;
  FillSolid(dc, edge, clBtnHighlight);
  edge = client;
  edge.top = edge.bottom - bevel;  // bottom and right: shadow
  FillSolid(dc, edge, clBtnShadow);
  edge = client;
  edge.left = edge.right - bevel;
  FillSolid(dc, edge, clBtnShadow);
}
