#pragma once
#include "core/ansi_string.h"

// The system's text for an error code, without trailing blanks or periods,
// so that it can end a sentence; empty for a code the system has no text for.
AnsiString SystemMessage(unsigned long error);
