#pragma once
#include <windows.h>

// The peak of the process's private committed memory in KiB. Wine leaves
// PrivateUsage of another process at 0 and gives as PeakPagefileUsage the
// process's resident anonymous memory and swap, which excludes mapped files.
double PeakPrivateKiB(HANDLE process);
