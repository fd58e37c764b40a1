#include "core/gradient.h"

namespace {

std::uint32_t Channel(std::uint32_t color, int shift) { return (color >> shift) & 0xFF; }

std::uint32_t Blend(std::uint32_t from, std::uint32_t to, int index, int count) {
  std::uint32_t blended = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    int a = static_cast<int>(Channel(from, shift)), b = static_cast<int>(Channel(to, shift));
    int value = count > 1 ? a + (b - a) * index / (count - 1) : a;
    blended |= static_cast<std::uint32_t>(value) << shift;
  }
  return blended;
}

}  // namespace

GradientStep GradientStepAt(int index, int count, int length, std::uint32_t from, std::uint32_t to) {
  return {length * index / count, length * (index + 1) / count, Blend(from, to, index, count)};
}
