#include "window_probe.h"

#include <cstring>

#include "stopwatch.h"

namespace {

struct Query {
  const char* className;
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK Match(HWND window, LPARAM context) {
  auto* query = reinterpret_cast<Query*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != query->processId || !IsWindowVisible(window)) return TRUE;
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, query->className) != 0) return TRUE;
  query->found = window;
  return FALSE;
}

}  // namespace

HWND WaitForVisibleWindow(const char* className, DWORD processId, DWORD timeoutMs) {
  double deadline = NowMs() + timeoutMs;
  for (;;) {
    Query query{className, processId};
    EnumWindows(Match, reinterpret_cast<LPARAM>(&query));
    if (query.found) return query.found;
    if (NowMs() > deadline) return nullptr;
    Sleep(1);
  }
}
