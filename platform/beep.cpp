#include "platform/beep.h"

#include <windows.h>

void Beep() { MessageBeep(0); }
