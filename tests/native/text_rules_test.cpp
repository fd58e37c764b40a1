#include "platform/text_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr unsigned kWesternEurope = 1252;
constexpr unsigned kJapanese = 932;

std::vector<std::string> AllArguments(const char* commandLine, unsigned codePage) {
  std::vector<std::string> arguments;
  AnsiString argument;
  for (const char* cursor = commandLine; (cursor = NextArgument(cursor, codePage, argument));)
    arguments.emplace_back(argument.c_str(), argument.length());
  return arguments;
}

std::string Text(const AnsiString& text) { return std::string(text.c_str(), text.length()); }

}  // namespace

TEST(SplitArgumentsTest, FollowsTheQuotingRule) {
  struct Case {
    const char* line;
    std::vector<std::string> items;  // the program's name first
  } cases[] = {
      {"", {}},
      {"   \t ", {}},
      {"prog", {"prog"}},
      {"prog a b", {"prog", "a", "b"}},
      {"\"C:\\Program Files\\u.exe\" x", {"C:\\Program Files\\u.exe", "x"}},
      {"u \"C:\\Program Files\\Zarvo\\Zarvo2025.exe\"", {"u", "C:\\Program Files\\Zarvo\\Zarvo2025.exe"}},
      {"u C:\\Program Files\\Zarvo\\Zarvo2025.exe", {"u", "C:\\Program", "Files\\Zarvo\\Zarvo2025.exe"}},
      // Every code from 1 to 32 separates.
      {"u\x01" "a\x1f" "b\tc\nd\re\x20" "f", {"u", "a", "b", "c", "d", "e", "f"}},
      // ...but not inside quotes, and bytes from 127 up never do.
      {"u \"a\x01\tb\" \x7f\xa0\xff", {"u", "a\x01\tb", "\x7f\xa0\xff"}},
      // Touching stretches join; the quotes are dropped.
      {"u a\"b c\"d \"e\"\"f\"", {"u", "ab cd", "ef"}},
      {"u C:\\\"Program Files\"\\x.exe", {"u", "C:\\Program Files\\x.exe"}},
      // No escape: a backslash before a quote is an ordinary character.
      {"u \"a\\\" b", {"u", "a\\", "b"}},
      // A pair of quotes where an argument would begin is skipped, repeatedly.
      {"u \"\"", {"u"}},
      {"u \"\" \"\" x", {"u", "x"}},
      {"u \"\"\"\"x", {"u", "x"}},
      {"u \"\"\"x y\"", {"u", "x y"}},
      {"\"\"u x", {"u", "x"}},
      // ...but inside an argument an empty stretch joins nothing.
      {"u x\"\"y", {"u", "xy"}},
      // An unterminated quote runs to the end of the line.
      {"u \"a b", {"u", "a b"}},
      {"u \"", {"u", ""}},
      {"u \" ", {"u", " "}},
      {"u a\"", {"u", "a"}},
  };
  for (const Case& c : cases) EXPECT_EQ(AllArguments(c.line, kWesternEurope), c.items) << c.line;
}

TEST(SplitArgumentsTest, CountsTheArgumentsAfterTheProgramsNameAndGivesTheFirst) {
  struct Case {
    const char* line;
    int count;
    const char* first;
  } cases[] = {
      {"", 0, ""},
      {"\"C:\\dir with blank\\ZarvoUpdate.exe\"", 0, ""},
      {"ZarvoUpdate.exe \"\"", 0, ""},
      {"ZarvoUpdate.exe \"\" \t", 0, ""},
      {"ZarvoUpdate.exe \"C:\\Program Files\\Zarvo\\Zarvo2025.exe\"", 1, "C:\\Program Files\\Zarvo\\Zarvo2025.exe"},
      {"ZarvoUpdate.exe one two three", 3, "one"},
      {"ZarvoUpdate.exe \"", 1, ""},
  };
  for (const Case& c : cases) {
    Arguments arguments = SplitArguments(c.line, kWesternEurope);
    EXPECT_EQ(arguments.Count, c.count) << c.line;
    EXPECT_EQ(Text(arguments.First), c.first) << c.line;
  }
}

TEST(SplitArgumentsTest, TakesTwoByteCharactersWhole) {
  // In code page 932 0x81 leads; its second byte may be 0x22 ("), 0x5C (\) or 0x20 ( ).
  struct Case {
    const char* line;
    std::vector<std::string> items;
  } cases[] = {
      {"u \x81\x22" "a b", {"u", "\x81\x22" "a", "b"}},
      {"u \"\x81\x22 x\" y", {"u", "\x81\x22 x", "y"}},
      {"u \x81\x20" "a", {"u", "\x81\x20" "a"}},
      {"u \x81\\\"a b\"", {"u", "\x81\\a b"}},
      // A lead byte at the very end stands alone.
      {"u a\x81", {"u", "a\x81"}},
  };
  for (const Case& c : cases) EXPECT_EQ(AllArguments(c.line, kJapanese), c.items) << c.line;
  // In a single-byte code page the same bytes are characters of their own.
  EXPECT_EQ(AllArguments("u \x81\x22" "a b", kWesternEurope), (std::vector<std::string>{"u", "\x81" "a b"}));
}

TEST(LeadByteTest, KnowsTheDoubleByteCodePages) {
  struct Case {
    unsigned codePage;
    unsigned char byte;
    bool leads;
  } cases[] = {
      {932, 0x80, false}, {932, 0x81, true},  {932, 0x9f, true},  {932, 0xa0, false}, {932, 0xdf, false},
      {932, 0xe0, true},  {932, 0xfc, true},  {932, 0xfd, false}, {936, 0x80, false}, {936, 0x81, true},
      {936, 0xfe, true},  {936, 0xff, false}, {949, 0x81, true},  {949, 0xa0, true},  {950, 0xfe, true},
      {950, 0x40, false}, {1252, 0x81, false}, {1250, 0xe0, false}, {65001, 0xc3, false}, {0, 0x81, false},
  };
  for (const Case& c : cases) EXPECT_EQ(IsLeadByte(c.byte, c.codePage), c.leads) << c.codePage << " " << int(c.byte);
}

TEST(TrimTest, RemovesCodesUpTo32AtBothEndsOnly) {
  struct Case {
    std::string text;
    std::string trimmed;
  } cases[] = {
      {"", ""},
      {" \t\r\n", ""},
      {std::string("\0 a\0", 4), "a"},
      {"  C:\\Apps\\Zarvo\\  ", "C:\\Apps\\Zarvo\\"},
      {"\x01" "a b\x1f", "a b"},
      {"\xa0x\xa0", "\xa0x\xa0"},  // no-break space in code page 1252: not trimmed
      {"\xff", "\xff"},
      {"!x!", "!x!"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Text(Trim(AnsiString(c.text.data(), c.text.size()))), c.trimmed) << c.text;
  }
}

TEST(TrimMessageEndTest, RemovesBlanksLineEndsAndPeriodsAtTheEnd) {
  struct Case {
    const char* message;
    const char* trimmed;
  } cases[] = {
      {"Access denied.\r\n", "Access denied"},
      {"Path not found. . \r\n", "Path not found"},
      {" a.b ", " a.b"},
      {"...", ""},
      {"", ""},
      {"Gata\xe9", "Gata\xe9"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(TrimMessageEnd(c.message)), c.trimmed) << c.message;
}

TEST(FolderPartTest, KeepsThePathUpToItsLastBackslashOrColon) {
  struct Case {
    unsigned codePage;
    const char* path;
    const char* folder;
  } cases[] = {
      {kWesternEurope, "C:\\Apps\\Zarvo\\Zarvo2025.exe", "C:\\Apps\\Zarvo\\"},
      {kWesternEurope, "C:\\Apps\\Zarvo\\", "C:\\Apps\\Zarvo\\"},
      {kWesternEurope, "C:Zarvo2025.exe", "C:"},
      {kWesternEurope, "C:\\", "C:\\"},
      {kWesternEurope, "\\\\server\\share\\u.exe", "\\\\server\\share\\"},
      {kWesternEurope, "dir\\a:b", "dir\\a:"},
      {kWesternEurope, "Zarvo2025.exe", ""},
      {kWesternEurope, "", ""},
      // 0x95 0x5C is one character in code page 932: its second byte is no backslash.
      {kJapanese, "C:\\\x95\\", "C:\\"},
      {kJapanese, "C:\\\x95\\\\u.exe", "C:\\\x95\\\\"},
      {kJapanese, "\x81:", ""},
      {kJapanese, "a\\\x81", "a\\"},  // a lead byte at the end stands alone
      {kWesternEurope, "C:\\\x95\\", "C:\\\x95\\"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(FolderPart(c.path, c.codePage)), c.folder) << c.path;
}

TEST(WithoutTrailingBackslashTest, RemovesOneBackslashThatIsACharacterOfItsOwn) {
  struct Case {
    unsigned codePage;
    const char* path;
    const char* without;
  } cases[] = {
      {kWesternEurope, "C:\\Apps\\Zarvo\\", "C:\\Apps\\Zarvo"},
      {kWesternEurope, "C:\\Apps\\Zarvo\\\\", "C:\\Apps\\Zarvo\\"},
      {kWesternEurope, "C:\\", "C:"},
      {kWesternEurope, "\\", ""},
      {kWesternEurope, "C:\\Apps", "C:\\Apps"},
      {kWesternEurope, "", ""},
      {kJapanese, "C:\\\x95\\", "C:\\\x95\\"},
      {kJapanese, "C:\\\x95\\\\", "C:\\\x95\\"},
      {kWesternEurope, "C:\\\x95\\", "C:\\\x95"},
  };
  for (const Case& c : cases) EXPECT_EQ(Text(WithoutTrailingBackslash(c.path, c.codePage)), c.without) << c.path;
}
