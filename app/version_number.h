#pragma once
#include <cstdint>

#include "core/ansi_string.h"

// A version as a count of ten-thousandths: 1.0011 is held as 10011.
using VersionNumber = std::int64_t;

// The version with at least one integer digit, no grouping, `separator` as
// the decimal mark and exactly four decimals: 10011 gives "1.0011".
AnsiString FormatVersion(VersionNumber version, char separator);

// The text with every character that is neither a digit nor `separator`
// replaced by `separator`; the length stays.
AnsiString CleanUpVersionText(const AnsiString& text, char separator);

// Digits with at most one `separator`, at least one character in all, read as
// a decimal number times 10000, an exact half rounded to the even neighbour.
// 0 when the text has another form or the count does not fit 64 bits.
VersionNumber ParseVersion(const AnsiString& cleaned, char separator);
