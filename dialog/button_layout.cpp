#include "dialog/button_layout.h"

namespace {
constexpr int kRowWidth = 342;
constexpr int kButtonPitch = 73;
}  // namespace

MesajButton ButtonElement(int k) {
  constexpr MesajButton elements[4] = {MesajButton::Da, MesajButton::Nu, MesajButton::Renunt, MesajButton::OK};
  return elements[k - 1];
}

int ButtonGap(int count) {
  // Divided in floating point and truncated, never rounded: three buttons get 30, not 31.
  return static_cast<int>(static_cast<double>(kRowWidth - kButtonPitch * count) / (count + 1));
}

ButtonRow LayOutButtons(MesajButtons buttons) {
  ButtonRow row;
  for (int k = 1; k <= 4; ++k) {
    row.Shown[k - 1] = buttons.Contains(ButtonElement(k));
    row.Count += row.Shown[k - 1];
  }
  if (row.Count == 0) return row;
  int gap = ButtonGap(row.Count), j = 0;
  for (int index = 0; index < 4; ++index) {
    if (!row.Shown[index]) continue;
    ++j;
    row.Left[index] = gap * j + kButtonPitch * (j - 1);
  }
  return row;
}
