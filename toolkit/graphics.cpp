#include "toolkit/graphics.h"

namespace {
int screenDpi = USER_DEFAULT_SCREEN_DPI;
}

void InitializeScaling() {
  HDC screen = GetDC(nullptr);
  screenDpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  if (screenDpi <= 0) screenDpi = USER_DEFAULT_SCREEN_DPI;
}

int ScalePixels(int layoutPixels) { return MulDiv(layoutPixels, screenDpi, USER_DEFAULT_SCREEN_DPI); }

COLORREF ColorToRGB(TColor color) {
  return (color & 0xFF000000) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

UniqueFont CreateLayoutFont(const TFontSpec& spec) {
  return UniqueFont(CreateFontA(-ScalePixels(spec.Height), 0, 0, 0, spec.Bold ? FW_BOLD : FW_NORMAL, FALSE,
                                FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, spec.Name));
}

void FillSolid(HDC dc, const RECT& area, TColor color) {
  SetDCBrushColor(dc, ColorToRGB(color));
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}
