#include "core/error_text.h"

#include <gtest/gtest.h>

TEST(ErrorBoxTextTest, AppendsAFullStopAfterCharactersSortingAfterIt) {
  struct Case {
    const char* message;
    const char* shown;
  } cases[] = {
      {"", ""},
      {"Stream write error", "Stream write error."},
      {"Already ends.", "Already ends."},
      {"Ends in a comma,", "Ends in a comma,"},  // ',' sorts before '.'
      {"Ends in a slash/", "Ends in a slash/."},
      {"Ends in a digit 5", "Ends in a digit 5."},
      {"Ends high \xE9", "Ends high \xE9."},  // bytes from 128 up sort after '.'
  };
  for (const Case& c : cases) EXPECT_EQ(ErrorBoxText(c.message), c.shown) << c.message;
}
