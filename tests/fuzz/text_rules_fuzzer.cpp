// Any bytes as a command line or path, in a single-byte or a double-byte code
// page: the rules must not read past the text and must keep their promises.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/text_rules.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsPrefix(const AnsiString& part, const AnsiString& whole) {
  return part.length() <= whole.length() && std::memcmp(part.c_str(), whole.c_str(), part.length()) == 0;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const unsigned kCodePages[] = {1252, 932, 936, 949, 950};
  unsigned codePage = kCodePages[data[0] % 5];
  // The command line exactly as long as the input, in a buffer of its own so
  // that reading past its end is caught.
  std::string line(reinterpret_cast<const char*>(data + 1), size - 1);
  line.resize(std::strlen(line.c_str()));
  char* exact = static_cast<char*>(std::malloc(line.size() + 1));
  std::memcpy(exact, line.c_str(), line.size() + 1);

  int items = 0;
  AnsiString argument, second;
  for (const char* cursor = exact; (cursor = NextArgument(cursor, codePage, argument));) {
    Require(cursor >= exact && cursor <= exact + line.size());
    Require(argument.length() <= line.size());
    if (++items == 2) second = argument;
  }
  Arguments arguments = SplitArguments(exact, codePage);
  Require(arguments.Count == (items > 0 ? items - 1 : 0));
  Require(arguments.First == second);
  std::free(exact);

  AnsiString path(reinterpret_cast<const char*>(data + 1), size - 1);
  AnsiString folder = FolderPart(path, codePage);
  Require(IsPrefix(folder, path));
  Require(folder.empty() || folder[folder.length() - 1] == '\\' || folder[folder.length() - 1] == ':');
  AnsiString trimmed = Trim(path);
  Require(trimmed.empty() || (static_cast<unsigned char>(trimmed[0]) > 32 &&
                              static_cast<unsigned char>(trimmed[trimmed.length() - 1]) > 32));
  AnsiString shorter = WithoutTrailingBackslash(path, codePage);
  Require(IsPrefix(shorter, path) && path.length() - shorter.length() <= 1);
  AnsiString message = TrimMessageEnd(path);
  Require(IsPrefix(message, path));
  return 0;
}
