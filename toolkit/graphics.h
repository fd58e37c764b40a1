#pragma once
#include <windows.h>

#include "platform/unique_handle.h"
#include "toolkit/types.h"

// Pixels of the 96-dpi layout on this screen; the program is system-DPI aware.
int ScalePixels(int layoutPixels);
void InitializeScaling();

COLORREF ColorToRGB(TColor color);

struct TFontSpec {
  const char* Name = "MS Sans Serif";
  int Height = 11;  // character height in layout pixels, internal leading excluded
  bool Bold = false;
  TColor Color = clWindowText;
};

UniqueFont CreateLayoutFont(const TFontSpec& spec);
void FillSolid(HDC dc, const RECT& area, TColor color);
