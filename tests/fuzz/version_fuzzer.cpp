// Any bytes as the stored version text: the clean-up keeps the length, the
// parse gives a count of 0 or more that formats and parses back to itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>

#include "app/version_number.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  AnsiString stored(reinterpret_cast<const char*>(data), size);
  for (char separator : {'.', ','}) {
    AnsiString cleaned = CleanUpVersionText(stored, separator);
    Require(cleaned.length() == stored.length());
    for (std::size_t i = 0; i < cleaned.length(); ++i)
      Require(cleaned[i] == separator || (cleaned[i] >= '0' && cleaned[i] <= '9'));
    VersionNumber version = ParseVersion(cleaned, separator);
    Require(version >= 0);
    Require(ParseVersion(FormatVersion(version, separator), separator) == version);
    Require(ParseVersion(stored, separator) == 0 || stored == cleaned);
  }
  return 0;
}
