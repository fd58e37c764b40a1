#pragma once
#include "dialog/mesaj_types.h"

// The row of the dialog's buttons BE1 to BE4 (index 0 to 3), always in that
// order from left to right: Da, Nu, Renunt, OK.
struct ButtonRow {
  int Count = 0;             // buttons shown
  bool Shown[4] = {};        // BE1..BE4
  int Left[4] = {};          // left edge of each shown button; 0 for hidden ones
};

// The element that shows button BE<k>, k = 1..4. BE3 and BE4 cross the bit
// order: Renunt (bit 3) drives BE3 and OK (bit 2) drives BE4.
MesajButton ButtonElement(int k);

// The space before, between and after `count` buttons (1 to 4), truncated to
// whole pixels. The row is laid out as 342 pixels wide with 73 per button.
int ButtonGap(int count);

// Which buttons a set shows and where: the j-th shown one at gap*j + 73*(j-1).
ButtonRow LayOutButtons(MesajButtons buttons);
