#include "child.h"

#include "platform/unique_handle.h"

bool Child::Start(const std::string& commandLine) {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = commandLine;
  return CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info_);
}

Child::~Child() {
  if (!info_.hProcess) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    // Let it finish starting (painting, activation) first: ended halfway, it
    // leaves the wine server and the X server work that slows the next run.
    WaitForInputIdle(info_.hProcess, 2000);
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Child::WaitExit(DWORD timeoutMs) { return WaitForSingleObject(info_.hProcess, timeoutMs) == WAIT_OBJECT_0; }

std::string RunForOutput(const std::string& commandLine) {
  SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inheritable, 0)) return "";
  UniqueKernelHandle reader(readEnd), writer(writeEnd);
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = writeEnd;
  startup.hStdError = writeEnd;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION info{};
  std::string command = commandLine;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) return "";
  UniqueKernelHandle process(info.hProcess), thread(info.hThread);
  writer.reset();  // our copy; the pipe ends when the child's copy closes

  std::string output;
  char buffer[256];
  DWORD got = 0;
  while (ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0) output.append(buffer, got);
  WaitForSingleObject(info.hProcess, INFINITE);
  return output;
}
