#include "core/ansi_string.h"

#include <gtest/gtest.h>

#include <string>

TEST(AnsiStringTest, ConcatenatesAndCompares) {
  AnsiString text = AnsiString("Nu pot scrie in ") + "C:\\Apps" + '!';
  EXPECT_EQ(text, "Nu pot scrie in C:\\Apps!");
  EXPECT_EQ(text.length(), 24u);
  EXPECT_STREQ(AnsiString().c_str(), "");
  EXPECT_TRUE(AnsiString("").empty());
}

TEST(AnsiStringTest, KeepsEmbeddedNulAndHighBytes) {
  AnsiString text("a\0\xE9", 3);
  EXPECT_EQ(text.length(), 3u);
  EXPECT_EQ(text[1], '\0');
  EXPECT_FALSE(text == AnsiString("a"));
}

TEST(AnsiStringTest, AppendsItselfWhileGrowing) {
  AnsiString text = "abc";
  for (int i = 0; i < 6; ++i) text += text;
  EXPECT_EQ(text.length(), 3u << 6);
  EXPECT_EQ(text.Left(6), "abcabc");
}

TEST(AnsiStringTest, LeftAndMidStayInsideTheString) {
  AnsiString text = "C:\\Zarvo";
  EXPECT_EQ(text.Left(2), "C:");
  EXPECT_EQ(text.Left(100), text);
  EXPECT_EQ(text.Mid(3), "Zarvo");
  EXPECT_EQ(text.Mid(100), "");
}

TEST(AnsiStringTest, CopiesAndMovesIndependently) {
  AnsiString original = "Tmp";
  AnsiString copy = original;
  copy += "2";
  AnsiString moved = std::move(copy);
  EXPECT_EQ(original, "Tmp");
  EXPECT_EQ(moved, "Tmp2");
  original = moved;
  EXPECT_EQ(original, "Tmp2");
}
