#pragma once
// What the process knows about itself and its system, and how it starts
// programs, handles pending window events and ends.
#include "core/ansi_string.h"
#include "platform/text_rules.h"

// The Windows folder, at most 100 characters; empty when the system gives none.
AnsiString WindowsFolder();
// The full path of the updater's own executable.
AnsiString OwnExecutable();
// The process's command line, split in the system's ANSI code page.
Arguments CommandLineArguments();
// The system's ANSI code page.
unsigned AnsiCodePage();

// Starts a program; `show` is 0 for hidden, 1 for a normal window. The outcome is not reported.
void StartProgram(const AnsiString& commandLine, unsigned show);
// Dispatches every window message waiting for this thread; never waits for one.
void ProcessPendingEvents();
// Destroys this thread's windows and ends the process with exit code 0.
[[noreturn]] void EndNow();
