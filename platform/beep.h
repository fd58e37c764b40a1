#pragma once

// The system's default sound (MessageBeep with type 0). Tests link a
// recording stand-in in place of platform/beep.cpp.
void Beep();
