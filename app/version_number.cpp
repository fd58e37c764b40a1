#include "app/version_number.h"

#include <limits>

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

AnsiString Digits(std::uint64_t value, int minimumDigits) {
  char buffer[24];
  int length = 0;
  do {
    buffer[sizeof buffer - 1 - length++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value || length < minimumDigits);
  return AnsiString(buffer + sizeof buffer - length, static_cast<std::size_t>(length));
}

}  // namespace

AnsiString FormatVersion(VersionNumber version, char separator) {
  // Computed on the magnitude, so that the most negative count formats too.
  std::uint64_t magnitude = version < 0 ? 0 - static_cast<std::uint64_t>(version) : static_cast<std::uint64_t>(version);
  AnsiString text = version < 0 ? "-" : "";
  return text + Digits(magnitude / 10000, 1) + separator + Digits(magnitude % 10000, 4);
}

AnsiString CleanUpVersionText(const AnsiString& text, char separator) {
  AnsiString cleaned = text;
  for (std::size_t i = 0; i < cleaned.length(); ++i) {
    if (!IsDigit(cleaned[i])) cleaned[i] = separator;
  }
  return cleaned;
}

VersionNumber ParseVersion(const AnsiString& cleaned, char separator) {
  constexpr std::uint64_t kLargest = static_cast<std::uint64_t>(std::numeric_limits<VersionNumber>::max());
  // The count is built from the integer digits and the first four decimals;
  // further decimals only decide the rounding.
  std::uint64_t count = 0;
  int decimals = -1;  // decimals read so far, up to 5; -1 until the separator is seen
  char firstDropped = '0';
  bool nonZeroAfterIt = false;
  for (std::size_t i = 0; i < cleaned.length(); ++i) {
    char c = cleaned[i];
    if (c == separator && decimals < 0) {
      decimals = 0;
    } else if (!IsDigit(c)) {
      return 0;
    } else if (decimals < 4) {
      unsigned digit = static_cast<unsigned>(c - '0');
      if (count > (kLargest - digit) / 10) return 0;
      count = count * 10 + digit;
      if (decimals >= 0) ++decimals;
    } else if (decimals == 4) {
      firstDropped = c;
      decimals = 5;
    } else if (c != '0') {
      nonZeroAfterIt = true;
    }
  }
  bool hasSeparator = decimals >= 0;
  if (cleaned.length() == (hasSeparator ? 1u : 0u)) return 0;  // no digit: the separator alone
  for (int kept = hasSeparator ? (decimals < 4 ? decimals : 4) : 0; kept < 4; ++kept) {
    if (count > kLargest / 10) return 0;
    count *= 10;
  }
  bool roundUp = firstDropped > '5' || (firstDropped == '5' && (nonZeroAfterIt || count % 2 == 1));
  if (roundUp) {
    if (count == kLargest) return 0;
    ++count;
  }
  return static_cast<VersionNumber>(count);
}
