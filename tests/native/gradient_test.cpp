#include "core/gradient.h"

#include <gtest/gtest.h>

TEST(GradientTest, ShadesFromFirstToLastColourInSteps) {
  const std::uint32_t from = 0x00DFEEEE, to = 0x00FFFFFF;
  EXPECT_EQ(GradientStepAt(0, 64, 39, from, to).Color, from);
  EXPECT_EQ(GradientStepAt(63, 64, 39, from, to).Color, to);
  EXPECT_EQ(GradientStepAt(0, 1, 39, from, to).Color, from);
}

TEST(GradientTest, StepsTileTheLengthWithoutGapsOrOverlap) {
  for (int length : {1, 39, 49, 339, 375}) {
    int covered = 0;
    for (int index = 0; index < 64; ++index) {
      GradientStep step = GradientStepAt(index, 64, length, 0, 0xFFFFFF);
      EXPECT_EQ(step.Start, covered) << "length " << length << " step " << index;
      EXPECT_GE(step.End, step.Start);
      covered = step.End;
    }
    EXPECT_EQ(covered, length);
  }
}

TEST(GradientTest, EachChannelMovesMonotonically) {
  const std::uint32_t from = 0x008AB1B7, to = 0x00233638;  // sand to dark olive
  std::uint32_t previous = GradientStepAt(0, 64, 339, from, to).Color;
  for (int index = 1; index < 64; ++index) {
    std::uint32_t color = GradientStepAt(index, 64, 339, from, to).Color;
    for (int shift = 0; shift <= 16; shift += 8)
      EXPECT_LE((color >> shift) & 0xFF, (previous >> shift) & 0xFF);
    previous = color;
  }
}
