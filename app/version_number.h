#pragma once
#include <cstdint>

#include "core/ansi_string.h"

// A version as a count of ten-thousandths: 1.0011 is held as 10011.
using VersionNumber = std::int64_t;

// The version with at least one integer digit, no grouping, `separator` as
// the decimal mark and exactly four decimals: 10011 gives "1.0011".
AnsiString FormatVersion(VersionNumber version, char separator);
