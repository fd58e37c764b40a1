#include <windows.h>

#include <cstdio>

#include "figures.h"

void ReportSample(const char* figure, const char* subject, double value) {
  std::printf("%s\t%s\t%.3f\n", figure, subject, value);
  std::fflush(stdout);
}

bool Fail(const char* figure, const char* what) {
  std::fprintf(stderr, "bench_harness: %s: %s (last error %lu)\n", figure, what, GetLastError());
  return false;
}
