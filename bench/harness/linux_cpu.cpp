#include "linux_cpu.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

#include "platform/unique_handle.h"

namespace {

constexpr double kMsPerClockTick = 10.0;  // USER_HZ is 100 on Linux

std::string ReadProcFile(const std::string& path) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              0, nullptr));
  std::string text;
  if (!file) return text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

}  // namespace

long FindLinuxProcess(const std::string& exePath) {
  WIN32_FIND_DATAA entry;
  UniqueFind find(FindFirstFileA("Z:\\proc\\*", &entry));
  if (!find) return 0;
  long newest = 0;
  do {
    long pid = std::strtol(entry.cFileName, nullptr, 10);
    if (pid <= 0) continue;
    std::string first = ReadProcFile("Z:\\proc\\" + std::string(entry.cFileName) + "\\cmdline").c_str();
    if (_stricmp(first.c_str(), exePath.c_str()) == 0 && pid > newest) newest = pid;
  } while (FindNextFileA(find.get(), &entry));
  return newest;
}

double CpuMs(long linuxPid) {
  std::string stat = ReadProcFile("Z:\\proc\\" + std::to_string(linuxPid) + "\\stat");
  // After the command's closing parenthesis: state, five ids, flags, four fault counts, utime, stime.
  size_t close = stat.rfind(')');
  unsigned long long user = 0, system = 0;
  if (close == std::string::npos ||
      std::sscanf(stat.c_str() + close + 1, " %*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %llu %llu", &user,
                  &system) != 2) {
    return -1;
  }
  return static_cast<double>(user + system) * kMsPerClockTick;
}
