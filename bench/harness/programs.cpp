#include "programs.h"

#include "install.h"

Programs ProgramsOfBuild() {
  std::string build = ZARVO_BUILD_DIR;
  Programs programs{
      .floor = build + "\\bench\\floor.exe",
      .floorBig = build + "\\bench\\floor-big.exe",
      .floorBigOther = build + "\\bench\\floor-big-other-alignment.exe",
      .floorCommonControls = build + "\\bench\\floor-common-controls.exe",
      .updater = build + "\\big\\ZarvoUpdate.exe",
      .updaterSmall = build + "\\bench\\small\\ZarvoUpdate.exe",
      .updaterOther = build + "\\bench\\other-alignment\\ZarvoUpdate.exe",
      .peer = build + "\\bench\\peer.exe",
      .peerNoCrc = build + "\\bench\\peer-nocrc.exe",
      .extract = build + "\\bench\\extract.exe",
      .oldExe = build + "\\demo\\1.0010\\Zarvo2025.exe",
      .payload = build + "\\big\\payload\\Zarvo2025.exe",
      .payloadSize = 0,
      .smallPayloadSize = 0,
  };
  programs.payloadSize = FileSize(programs.payload);
  programs.smallPayloadSize = FileSize(build + "\\bench\\small\\payload.bin");
  return programs;
}
