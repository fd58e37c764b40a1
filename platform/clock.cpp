#include "platform/clock.h"

#include <windows.h>

std::uint64_t Milliseconds() { return GetTickCount64(); }

void Pause(unsigned milliseconds) { Sleep(milliseconds); }
