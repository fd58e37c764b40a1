#include "memory.h"

#include <psapi.h>

#include <algorithm>

double PeakPrivateKiB(HANDLE process) {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters)) return -1;
  return static_cast<double>(std::max<SIZE_T>(counters.PeakPagefileUsage, counters.PrivateUsage)) / 1024.0;
}
