#include <string>
#include <vector>

#include "child.h"
#include "figures.h"
#include "install.h"
#include "memory.h"
#include "stopwatch.h"
#include "window_probe.h"

namespace {

constexpr char kFolder[] = "C:\\bench\\app";
constexpr DWORD kTimeoutMs = 30000;

struct Subject {
  const char* name;
  std::string commandLine;
  const char* windowClass;      // null: measured to the process's exit
  long long installedSize;      // the executable's size after the run; 0: no installation
};

bool RunOnce(const Subject& subject, const Programs& programs, bool report) {
  if (subject.installedSize && !ResetInstall(kFolder, programs.oldExe)) return Fail("start", "cannot reset the folder");
  Child child;
  double start = NowMs();
  if (!child.Start(subject.commandLine)) return Fail("start", subject.name);
  if (subject.windowClass) {
    if (!WaitForVisibleWindow(subject.windowClass, child.Id(), kTimeoutMs)) {
      std::string state = std::string(subject.name) + ": no window; " +
                          (child.WaitExit(0) ? "ended" : WaitForVisibleWindow("TErori", child.Id(), 0)
                                                             ? "asking a question"
                                                             : "running");
      return Fail("start", state.c_str());
    }
  } else if (!child.WaitExit(kTimeoutMs)) {
    return Fail("start", "no exit");
  }
  double elapsed = NowMs() - start;
  double memoryKiB = PeakPrivateKiB(child.Handle());
  std::string folder = kFolder;
  if (subject.installedSize &&
      (FileSize(folder + "\\" + kExeName) != subject.installedSize || FileSize(folder + "\\Tmp") >= 0)) {
    return Fail("start", "the executable was not replaced");
  }
  if (!report) return true;
  ReportSample("start_ms", subject.name, elapsed);
  if (subject.windowClass) ReportSample("peak_private_kib", subject.name, memoryKiB);
  return true;
}

}  // namespace

bool RunStartFigures(const Programs& programs, int runs) {
  if (!WriteSettings(kFolder, "1.0010")) return Fail("start", "cannot write the settings file");
  auto quoted = [](const std::string& path) { return "\"" + path + "\""; };
  std::vector<Subject> subjects = {
      {"floor", quoted(programs.floor), "ZarvoFloor", 0},
      {"floor_common_controls", quoted(programs.floorCommonControls), "ZarvoFloor", 0},
      {"floor_payload", quoted(programs.floorBig), "ZarvoFloor", 0},
      {"floor_payload_other_alignment", quoted(programs.floorBigOther), "ZarvoFloor", 0},
      {"updater", quoted(programs.updater), "TForm1", programs.payloadSize},
      {"updater_1k", quoted(programs.updaterSmall), "TForm1", programs.smallPayloadSize},
      {"updater_other_alignment", quoted(programs.updaterOther), "TForm1", programs.payloadSize},
      // NSIS takes the folder from /D=, which must come last and unquoted.
      {"nsis", quoted(programs.peer) + " /S /D=" + kFolder, nullptr, programs.payloadSize},
      {"nsis_nocrc", quoted(programs.peerNoCrc) + " /S /D=" + kFolder, nullptr, programs.payloadSize},
  };
  // One warm-up round, not reported, then rounds in a rotating order.
  for (int round = -1; round < runs; ++round) {
    for (size_t i = 0; i < subjects.size(); ++i) {
      if (!RunOnce(subjects[(round + 1 + i) % subjects.size()], programs, round >= 0)) return false;
    }
  }
  return true;
}
