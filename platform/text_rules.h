#pragma once
// Text rules for paths and the command line, in the system's ANSI code page.
// The code page is a parameter so that the rules hold, and are tested, for any
// system: in a double-byte code page a lead byte and the byte after it form
// one character, whose second byte may look like "\", " " or a double quote.
#include "core/ansi_string.h"

// True when `byte` starts a two-byte character in `codePage`. Only the
// double-byte ANSI code pages of Windows (932, 936, 949, 950) have lead bytes.
bool IsLeadByte(unsigned char byte, unsigned codePage);

// The arguments of a command line whose first item is the program's name.
struct Arguments {
  int Count = 0;      // the arguments after the program's name
  AnsiString First;   // argument 1, or empty when there is none
};

// Splits a NUL-terminated command line: codes 1 to 32 separate arguments
// outside double quotes; a double quote opens or closes a quoted stretch (no
// escape), quotes are dropped and touching stretches join; a pair of double
// quotes where an argument would begin is skipped.
Arguments SplitArguments(const char* commandLine, unsigned codePage);

// Reads the argument that starts at or after `cursor` into `argument` and
// returns where the rest of the line starts, or nullptr when none is left.
const char* NextArgument(const char* cursor, unsigned codePage, AnsiString& argument);

// Without the characters of codes 0 to 32 at both ends.
AnsiString Trim(const AnsiString& text);

// Without the blanks, control characters and periods at its end: how a system
// message reads inside a sentence.
AnsiString TrimMessageEnd(const AnsiString& message);

// The path up to and including its last "\" or ":" that is not the second byte
// of a two-byte character; empty when it has neither.
AnsiString FolderPart(const AnsiString& path, unsigned codePage);

// Without its last character when that is a "\" (a second backslash stays).
AnsiString WithoutTrailingBackslash(const AnsiString& path, unsigned codePage);
