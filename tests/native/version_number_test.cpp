#include "app/version_number.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

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

TEST(VersionTextTest, CleansUpAndParsesAsTheWorkedExamplesShow) {
  struct Case {
    const char* stored;
    const char* cleaned;
    VersionNumber version;
  } cases[] = {
      {"1.0010", "1.0010", 10010},
      {"1,0010", "1.0010", 10010},
      {"1 0010", "1.0010", 10010},
      {"2", "2", 20000},
      {"10010", "10010", 100100000},
      {"1.", "1.", 10000},
      {".5", ".5", 5000},
      {".", ".", 0},
      {"", "", 0},
      {"1.2.3", "1.2.3", 0},
      {"v1.0010", ".1.0010", 0},
      {"1.0010b", "1.0010.", 0},
      {"1.00115", "1.00115", 10012},
      {"1.00125", "1.00125", 10012},
      {"1.00135", "1.00135", 10014},
      {"1.001149", "1.001149", 10011},
  };
  for (const Case& c : cases) {
    AnsiString cleaned = CleanUpVersionText(c.stored, '.');
    EXPECT_EQ(cleaned, c.cleaned) << c.stored;
    EXPECT_EQ(ParseVersion(cleaned, '.'), c.version) << c.stored;
  }
}

TEST(VersionTextTest, CleanUpKeepsTheLengthAndEveryDigit) {
  std::string stored("-1\0\xff+9e", 7);
  AnsiString cleaned = CleanUpVersionText(AnsiString(stored.data(), stored.size()), '.');
  EXPECT_EQ(std::string(cleaned.c_str(), cleaned.length()), ".1...9.");
  EXPECT_EQ(CleanUpVersionText("1.5", ','), "1,5");
}

TEST(ParseVersionTest, RoundsHalfToEvenOverAllDecimals) {
  struct Case {
    const char* text;
    VersionNumber version;
  } cases[] = {
      {"0.00005", 0},
      {"0.00015", 2},
      {"0.000050000000000000000000000000000001", 1},
      {"0.000049999999999999999999999999999999", 0},
      {"0.00006", 1},
      {"1.99995", 20000},
      {"9.99999999999999999999", 100000},
      {"0000000000000000000000000000001.5", 15000},
      {"00000", 0},
      {"0.", 0},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseVersion(c.text, '.'), c.version) << c.text;
}

TEST(ParseVersionTest, GivesZeroWhenTheCountDoesNotFit64Bits) {
  struct Case {
    const char* text;
    VersionNumber version;
  } cases[] = {
      {"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
      {"922337203685477.58074999", std::numeric_limits<std::int64_t>::max()},
      {"922337203685477.58075", 0},  // a half rounds up to even, past the largest count
      {"922337203685477.5808", 0},
      {"922337203685478", 0},
      {"9223372036854775807", 0},
      {"18446744073709551617", 0},  // wraps to 1 in 64 unsigned bits
      {"99999999999999999999999999999999999999", 0},
      {"922337203685477", 922337203685477 * VersionNumber{10000}},
  };
  for (const Case& c : cases) EXPECT_EQ(ParseVersion(c.text, '.'), c.version) << c.text;
}

TEST(ParseVersionTest, AcceptsOnlyDigitsAndOneSeparator) {
  const char* rejected[] = {"1,5", "+1", "-1", " 1", "1 ", "1..", "..1", "1e5"};
  for (const char* text : rejected) EXPECT_EQ(ParseVersion(text, '.'), 0) << text;
  EXPECT_EQ(ParseVersion("1,5", ','), 15000);
  EXPECT_EQ(ParseVersion(AnsiString("1\0", 2), '.'), 0);
}
