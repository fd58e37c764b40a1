#pragma once
// File operations on byte-string paths in the ANSI code page.
#include <cstddef>

#include "core/ansi_string.h"
#include "core/status.h"

// True when an entry matches `path` and the first match is not a folder.
bool FileExists(const AnsiString& path);
bool FolderExists(const AnsiString& path);

// Clears read-only, hidden and system; 0 on success, else the system's error code.
unsigned long ClearAttributes(const AnsiString& path);

// False for a missing or read-only file or the executable of a running program.
bool RemoveFile(const AnsiString& path);

// False when `to` exists.
bool RenameFile(const AnsiString& from, const AnsiString& to);

// Creates or replaces the file with exactly these bytes, written straight from
// the caller's buffer; with `flush`, waits until they are on the disk.
// Fails with "Cannot create file "<full path>". <system message>" or
// "Stream write error".
Status WriteFileBytes(const AnsiString& path, const void* bytes, std::size_t size, bool flush);
