#pragma once
#include "core/ansi_string.h"

// The batch script that deletes the updater once it has exited, then itself:
// four lines, each ended by CR LF. The command interpreter expands "%" even
// inside quotes, so each "%" of a path is written doubled.
AnsiString RemovalScript(const AnsiString& updaterPath, const AnsiString& scriptPath);
