#pragma once
#include "core/ansi_string.h"

// The text of the standard error box: the message, with a full stop appended
// when it is not empty and its last character sorts after ".".
AnsiString ErrorBoxText(const AnsiString& message);
