#include "platform/text_rules.h"

namespace {

bool Separates(char byte) { return byte >= 1 && byte <= 32; }
bool IsBlankOrControl(char byte) { return static_cast<unsigned char>(byte) <= 32; }
bool Leads(char byte, unsigned codePage) { return IsLeadByte(static_cast<unsigned char>(byte), codePage); }

// Where the last character of the path starts, and where its last "\" or ":" ends (0 for none).
struct PathEnd {
  std::size_t lastChar = 0;
  std::size_t folderLength = 0;
};

PathEnd FindPathEnd(const AnsiString& path, unsigned codePage) {
  PathEnd end;
  for (std::size_t at = 0; at < path.length();) {
    end.lastChar = at;
    if (path[at] == '\\' || path[at] == ':') end.folderLength = at + 1;
    at += Leads(path[at], codePage) && at + 1 < path.length() ? 2 : 1;
  }
  return end;
}

}  // namespace

bool IsLeadByte(unsigned char byte, unsigned codePage) {
  switch (codePage) {
    case 932:  // Shift JIS
      return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:  // GBK
    case 949:  // Unified Hangul Code
    case 950:  // Big5
      return byte >= 0x81 && byte <= 0xFE;
    default:
      return false;
  }
}

const char* NextArgument(const char* cursor, unsigned codePage, AnsiString& argument) {
  for (;;) {
    while (Separates(*cursor)) ++cursor;
    if (cursor[0] != '"' || cursor[1] != '"') break;
    cursor += 2;
  }
  if (*cursor == '\0') return nullptr;

  argument = AnsiString();
  bool quoted = false;
  while (*cursor != '\0' && (quoted || !Separates(*cursor))) {
    if (*cursor == '"') {
      quoted = !quoted;
      ++cursor;
      continue;
    }
    // A lead byte at the end of the line stands alone.
    std::size_t length = Leads(cursor[0], codePage) && cursor[1] != '\0' ? 2 : 1;
    argument.Append(cursor, length);
    cursor += length;
  }
  return cursor;
}

Arguments SplitArguments(const char* commandLine, unsigned codePage) {
  Arguments arguments;
  AnsiString argument;
  const char* cursor = NextArgument(commandLine, codePage, argument);  // the program's name
  while (cursor && (cursor = NextArgument(cursor, codePage, argument))) {
    if (++arguments.Count == 1) arguments.First = argument;
  }
  return arguments;
}

AnsiString Trim(const AnsiString& text) {
  std::size_t start = 0, end = text.length();
  while (start < end && IsBlankOrControl(text[start])) ++start;
  while (end > start && IsBlankOrControl(text[end - 1])) --end;
  return text.Mid(start).Left(end - start);
}

AnsiString TrimMessageEnd(const AnsiString& message) {
  std::size_t end = message.length();
  while (end > 0 && (IsBlankOrControl(message[end - 1]) || message[end - 1] == '.')) --end;
  return message.Left(end);
}

AnsiString FolderPart(const AnsiString& path, unsigned codePage) {
  return path.Left(FindPathEnd(path, codePage).folderLength);
}

AnsiString WithoutTrailingBackslash(const AnsiString& path, unsigned codePage) {
  PathEnd end = FindPathEnd(path, codePage);
  bool backslashLast = !path.empty() && path[end.lastChar] == '\\';
  return backslashLast ? path.Left(end.lastChar) : path;
}
