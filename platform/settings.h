#pragma once
#include "core/ansi_string.h"

// The value under `key` in `section` of the private-profile file `file`, at
// most 2047 characters; empty when the file, the section or the key is missing.
AnsiString ReadProfileString(const AnsiString& file, const char* section, const char* key);
