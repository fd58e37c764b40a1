#pragma once
#include <windows.h>

#include <string>

// A program started by the harness; ended at destruction if it still runs,
// once it waits for input.
class Child {
 public:
  // `commandLine` is passed as it stands; false when the program cannot start.
  bool Start(const std::string& commandLine);
  Child() = default;
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;
  ~Child();

  HANDLE Handle() const { return info_.hProcess; }
  DWORD Id() const { return info_.dwProcessId; }
  bool WaitExit(DWORD timeoutMs);

 private:
  PROCESS_INFORMATION info_{};
};

// Runs a console program to its end and returns what it wrote to its output.
std::string RunForOutput(const std::string& commandLine);
