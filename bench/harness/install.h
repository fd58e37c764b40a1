#pragma once
#include <string>

// The installation that each run works on, laid anew before every run.

inline constexpr char kExeName[] = "Zarvo2025.exe";

// Makes `folder` (and its parent) exist.
void MakeFolder(const std::string& folder);
// `folder` holds the old executable copied from `oldExe`, and no "Tmp"; what
// the folder held before is on the disk, so no run pays for an earlier one's writes.
bool ResetInstall(const std::string& folder, const std::string& oldExe);
// The settings file "Kelmo.dII" in the Windows folder, section [103].
bool WriteSettings(const std::string& folder, const std::string& version);
// -1 when there is no such file.
long long FileSize(const std::string& path);
// True when no other process has the file open (an exclusive open succeeds).
bool FileClosed(const std::string& path);
