#pragma once
#include <string>

// The programs and files that the benchmarks run and compare, in the build folder.
struct Programs {
  std::string floor;                // a program that only opens one window
  std::string floorBig;             // the same carrying the full-size payload, linked as the updater
  std::string floorBigOther;        // and with the other file alignment
  std::string floorCommonControls;  // the floor with the updater's manifest and a push button
  std::string updater;              // the updater with the full-size payload
  std::string updaterSmall;         // the same build with a 1 KB payload
  std::string updaterOther;         // the full-size updater linked with the other file alignment
  std::string peer;                 // the NSIS installer carrying the same payload
  std::string peerNoCrc;            // the same without NSIS's check of its own file
  std::string extract;              // the extraction path against CopyFileA
  std::string oldExe;               // the installed application, version 1.0010
  std::string payload;              // the full-size payload
  long long payloadSize;
  long long smallPayloadSize;
};

Programs ProgramsOfBuild();
