#pragma once
#include "programs.h"

// Each figure runs its subjects `runs` times, interleaved, and prints one line
// per sample: "<figure>\t<subject>\t<value>". False when a run went wrong.

// Start to visible window (or to exit, for the NSIS peer) and private memory.
bool RunStartFigures(const Programs& programs, int runs);
// The extraction path against CopyFileA plus FlushFileBuffers.
bool RunExtractFigure(const Programs& programs, int runs);
// Argument mode with the old executable held open: CPU while waiting, and
// the time from the holder's exit to the outcome.
bool RunWaitFigure(const Programs& programs, int runs);

void ReportSample(const char* figure, const char* subject, double value);
// Prints why a run failed; returns false.
bool Fail(const char* figure, const char* what);
