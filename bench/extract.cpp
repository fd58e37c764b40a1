// Times one write of the payload into a file, each in a new process as in the updater:
//   bench_extract extract TARGET       the updater's extraction path, from this program's own resource
//   bench_extract copy SOURCE TARGET   CopyFileA, then FlushFileBuffers on the copy
// Prints the milliseconds taken.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "bench/harness/stopwatch.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/unique_handle.h"

namespace {

// The body of TForm1::ExtractPayload.
bool Extract(const char* target) {
  OwnResource payload = FindOwnResource("Zarvo", "UpGrade");
  return payload.Found && WriteFileBytes(target, payload.Bytes, payload.Size, /*flush=*/true).ok();
}

bool CopyAndFlush(const char* source, const char* target) {
  if (!CopyFileA(source, target, FALSE)) return false;
  UniqueFile copy(CreateFileA(target, GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return copy && FlushFileBuffers(copy.get());
}

}  // namespace

int main(int argc, char** argv) {
  bool extract = argc == 3 && std::strcmp(argv[1], "extract") == 0;
  bool copy = argc == 4 && std::strcmp(argv[1], "copy") == 0;
  if (!extract && !copy) {
    std::fprintf(stderr, "usage: bench_extract extract TARGET | copy SOURCE TARGET\n");
    return 2;
  }
  double start = NowMs();
  bool ok = extract ? Extract(argv[2]) : CopyAndFlush(argv[2], argv[3]);
  double elapsed = NowMs() - start;
  if (!ok) return 1;
  std::printf("%.3f\n", elapsed);
  return 0;
}
