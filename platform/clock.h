#pragma once
#include <cstdint>

// Milliseconds since the system started; for measuring waits.
std::uint64_t Milliseconds();
// Gives up the processor for about `milliseconds`.
void Pause(unsigned milliseconds);
