#pragma once
#include <string>

// Under Wine every Windows process is a Linux process, and /proc (seen as
// Z:\proc) tells its CPU time, which Wine's own accounting does not.

// The newest Linux process whose first command-line word is `exePath` (Wine
// shows there the Windows path that the program was started with); 0 when none.
long FindLinuxProcess(const std::string& exePath);
// User plus system CPU time of that process in milliseconds; -1 when unreadable.
double CpuMs(long linuxPid);
