#include "dialog/button_layout.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using M = MesajButton;
constexpr int kHidden = -1;

// Left of BE1..BE4 as laid out, kHidden for a button the set hides.
std::array<int, 4> Lefts(MesajButtons buttons) {
  ButtonRow row = LayOutButtons(buttons);
  std::array<int, 4> lefts{};
  for (int i = 0; i < 4; ++i) lefts[i] = row.Shown[i] ? row.Left[i] : kHidden;
  return lefts;
}

}  // namespace

TEST(ButtonLayoutTest, GapIsTruncatedNotRounded) {
  const struct { int count, gap; } cases[] = {{1, 134}, {2, 65}, {3, 30}, {4, 10}};
  for (const auto& c : cases) EXPECT_EQ(ButtonGap(c.count), c.gap) << c.count << " buttons";
}

TEST(ButtonLayoutTest, ButtonsFollowTheSetByRankNotByElement) {
  const struct {
    const char* name;
    MesajButtons buttons;
    std::array<int, 4> lefts;  // BE1 Da, BE2 Nu, BE3 Renunt, BE4 OK
  } cases[] = {
      {"OK alone", {M::OK}, {kHidden, kHidden, kHidden, 134}},
      {"Da alone", {M::Da}, {134, kHidden, kHidden, kHidden}},
      {"Renunt alone", {M::Renunt}, {kHidden, kHidden, 134, kHidden}},
      {"the updater's question", {M::OK, M::Renunt}, {kHidden, kHidden, 65, 203}},
      {"Da and Nu", {M::Da, M::Nu}, {65, 203, kHidden, kHidden}},
      {"Da and OK", {M::Da, M::OK}, {65, kHidden, kHidden, 203}},
      {"three", {M::Da, M::Nu, M::Renunt}, {30, 133, 236, kHidden}},
      {"three without Nu", {M::Da, M::Renunt, M::OK}, {30, kHidden, 133, 236}},
      {"all four", {M::Da, M::Nu, M::OK, M::Renunt}, {10, 93, 176, 259}},
      {"none", {}, {kHidden, kHidden, kHidden, kHidden}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Lefts(c.buttons), c.lefts) << c.name;
    int shown = 0;
    for (int left : c.lefts) shown += left != kHidden;
    EXPECT_EQ(LayOutButtons(c.buttons).Count, shown) << c.name;
  }
}

TEST(ButtonLayoutTest, BitsTwoAndThreeCrossToTheLastTwoButtons) {
  EXPECT_EQ(MesajButtons({M::OK}).Byte(), 4);
  EXPECT_EQ(MesajButtons({M::Renunt}).Byte(), 8);
  // Bit 2 (OK) drives BE4 and bit 3 (Renunt) drives BE3.
  EXPECT_EQ(Lefts(MesajButtons::FromByte(4)), (std::array<int, 4>{kHidden, kHidden, kHidden, 134}));
  EXPECT_EQ(Lefts(MesajButtons::FromByte(8)), (std::array<int, 4>{kHidden, kHidden, 134, kHidden}));
  EXPECT_EQ(ButtonElement(3), M::Renunt);
  EXPECT_EQ(ButtonElement(4), M::OK);
}

TEST(ButtonLayoutTest, BitsOutsideTheFourElementsShowNothing) {
  EXPECT_EQ(LayOutButtons(MesajButtons::FromByte(0xF0)).Count, 0);
  EXPECT_EQ(Lefts(MesajButtons::FromByte(0x11)), (std::array<int, 4>{134, kHidden, kHidden, kHidden}));
}
