#include <windows.h>

#include <string>

#include "child.h"
#include "figures.h"
#include "install.h"
#include "linux_cpu.h"
#include "stopwatch.h"
#include "window_probe.h"

namespace {

constexpr char kFolder[] = "C:\\bench\\wait";
constexpr double kHoldMs = 3000;  // the old executable stays open this long after the updater starts
constexpr DWORD kTimeoutMs = 30000;

bool RunOnce(const Programs& programs, bool report) {
  std::string folder = kFolder;
  std::string installed = folder + "\\" + kExeName, temporary = folder + "\\Tmp";
  if (!ResetInstall(folder, programs.oldExe)) return Fail("wait", "cannot reset the folder");

  Child holder;
  if (!holder.Start("\"" + installed + "\"")) return Fail("wait", "cannot start the application");
  HWND holderWindow = WaitForVisibleWindow("ZarvoDemo", holder.Id(), kTimeoutMs);
  if (!holderWindow) return Fail("wait", "the application shows no window");

  Child updater;
  double start = NowMs();
  if (!updater.Start("\"" + folder + "\\ZarvoUpdate.exe\" \"" + installed + "\"")) {
    return Fail("wait", "cannot start the updater");
  }
  long linuxPid = 0;
  while (!(linuxPid = FindLinuxProcess(folder + "\\ZarvoUpdate.exe")) && NowMs() - start < kHoldMs) Sleep(5);
  // The wait begins once "Tmp" is complete and closed.
  while (!(FileSize(temporary) == programs.payloadSize && FileClosed(temporary)) && NowMs() - start < kHoldMs) {
    Sleep(2);
  }
  double waitStart = NowMs(), cpuAtStart = CpuMs(linuxPid);
  if (!linuxPid || cpuAtStart < 0 || waitStart - start >= kHoldMs) return Fail("wait", "the wait did not begin");

  if (double left = start + kHoldMs - NowMs(); left > 0) Sleep(static_cast<DWORD>(left));
  PostMessageA(holderWindow, WM_CLOSE, 0, 0);
  if (!holder.WaitExit(kTimeoutMs)) return Fail("wait", "the application did not exit");
  double holderExit = NowMs(), cpuAtExit = CpuMs(linuxPid);
  if (!WaitForVisibleWindow("TForm1", updater.Id(), kTimeoutMs)) {
    std::string state = "no update window; updater " + std::string(updater.WaitExit(0) ? "ended" : "running") +
                        ", Tmp " + std::to_string(FileSize(temporary)) + " B, executable " +
                        std::to_string(FileSize(installed)) + " B";
    return Fail("wait", state.c_str());
  }
  double visible = NowMs();
  if (FileSize(installed) != programs.payloadSize) return Fail("wait", "the executable was not replaced");
  if (!report) return true;
  ReportSample("wait_cpu_percent", "updater", 100.0 * (cpuAtExit - cpuAtStart) / (holderExit - waitStart));
  ReportSample("wait_observed_ms", "updater", holderExit - waitStart);
  ReportSample("exit_to_outcome_ms", "updater", visible - holderExit);
  return true;
}

}  // namespace

bool RunWaitFigure(const Programs& programs, int runs) {
  std::string folder = kFolder;
  MakeFolder(folder + "\\DATA");
  if (!WriteSettings(folder, "1.0010")) return Fail("wait", "cannot write the settings file");
  if (!CopyFileA(programs.updater.c_str(), (folder + "\\ZarvoUpdate.exe").c_str(), FALSE)) {
    return Fail("wait", "cannot copy the updater");
  }
  for (int round = -1; round < runs; ++round) {
    if (!RunOnce(programs, round >= 0)) return false;
  }
  return true;
}
