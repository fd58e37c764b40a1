#pragma once
#include "app/version_number.h"

// The version of the executable that the updater carries.
inline constexpr VersionNumber NewVersion = 10011;
inline constexpr char SettingsSection[] = "103";
inline constexpr char ProductName[] = "Zarvo 2025 Gratuit";
inline constexpr char ExeFileName[] = "Zarvo2025.exe";
// The last two letters are capital I, as the application names the file.
inline constexpr char SettingsFileName[] = "Kelmo.dII";
