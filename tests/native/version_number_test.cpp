#include "app/version_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

TEST(FormatVersionTest, FourDecimalsAtLeastOneIntegerDigitNoGrouping) {
  struct Case {
    VersionNumber version;
    const char* shown;
  } cases[] = {
      {10011, "1.0011"},
      {10010, "1.0010"},
      {0, "0.0000"},
      {5000, "0.5000"},
      {1, "0.0001"},
      {100100000, "10010.0000"},
      {12345678901234, "1234567890.1234"},
      {std::numeric_limits<std::int64_t>::max(), "922337203685477.5807"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatVersion(c.version, '.'), c.shown) << c.version;
}

TEST(FormatVersionTest, UsesTheSeparatorItIsGiven) {
  EXPECT_EQ(FormatVersion(10011, ','), "1,0011");
}
