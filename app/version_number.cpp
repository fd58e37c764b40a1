#include "app/version_number.h"

namespace {

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
