#include <windows.h>

#include <cstdlib>
#include <string>

#include "child.h"
#include "figures.h"
#include "install.h"

namespace {

constexpr char kFolder[] = "C:\\bench\\extract";

}  // namespace

bool RunExtractFigure(const Programs& programs, int runs) {
  MakeFolder(kFolder);
  std::string folder = kFolder;
  std::string source = folder + "\\payload.bin", target = folder + "\\Tmp";
  if (!CopyFileA(programs.payload.c_str(), source.c_str(), FALSE)) return Fail("extract", "cannot copy the payload");
  std::string tool = "\"" + programs.extract + "\" ";
  const std::string commands[2] = {tool + "extract " + target, tool + "copy " + source + " " + target};
  const char* names[2] = {"extract_payload", "copyfile_flush"};
  // Each operation runs in a new process, as in the updater; one warm-up round.
  for (int round = -1; round < runs; ++round) {
    for (int i = 0; i < 2; ++i) {
      int which = (round + 1 + i) % 2;
      DeleteFileA(target.c_str());
      std::string output = RunForOutput(commands[which]);
      if (output.empty() || FileSize(target) != programs.payloadSize) return Fail("extract", names[which]);
      if (round >= 0) ReportSample("write_ms", names[which], std::strtod(output.c_str(), nullptr));
    }
  }
  DeleteFileA(target.c_str());
  DeleteFileA(source.c_str());
  return true;
}
