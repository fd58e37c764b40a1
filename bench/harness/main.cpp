// Runs the benchmark figures under Wine and prints their samples; the
// medians and ratios are worked out by scripts/bench.
//   bench_harness FIGURE RUNS    FIGURE: start, extract or wait
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "figures.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: bench_harness start|extract|wait RUNS\n");
    return 2;
  }
  int runs = std::atoi(argv[2]);
  Programs programs = ProgramsOfBuild();
  if (programs.payloadSize <= 0) return Fail("setup", "the full-size payload is missing") ? 0 : 1;
  bool ok = false;
  if (std::strcmp(argv[1], "start") == 0) ok = RunStartFigures(programs, runs);
  else if (std::strcmp(argv[1], "extract") == 0) ok = RunExtractFigure(programs, runs);
  else if (std::strcmp(argv[1], "wait") == 0) ok = RunWaitFigure(programs, runs);
  else return 2;
  return ok ? 0 : 1;
}
