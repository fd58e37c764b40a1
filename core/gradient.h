#pragma once
#include <cstdint>

// One colour step of a gradient band: pixels [Start, End) counted from the
// edge that shows the first colour, and its 0x00BBGGRR colour.
struct GradientStep {
  int Start, End;
  std::uint32_t Color;
};

// Step `index` of `count` (1 to 255) over `length` pixels, shading from `from`
// at step 0 to `to` at the last step. Steps tile the length without gaps.
GradientStep GradientStepAt(int index, int count, int length, std::uint32_t from, std::uint32_t to);
