#pragma once
// Where the application is installed and which version is installed: from
// the first command-line argument or the settings file in the Windows folder.
#include "app/version_number.h"
#include "core/ansi_string.h"
#include "platform/text_rules.h"

struct InstallInfo {
  AnsiString WindowsDir;
  bool LaunchedWithArgument = false;
  AnsiString InstallDir;  // without a trailing backslash; may be empty
  VersionNumber InstalledVersion = 0;  // 0 when it cannot be read
};

// The value under `key` in the application's section of the settings file in
// `windowsDir`, read afresh; empty when the file, section or key is missing.
AnsiString ReadSetting(const AnsiString& windowsDir, const char* key);

// The installation as the command line's arguments and the settings file
// tell it. `ownExecutable` is the updater's path, `codePage` the ANSI code
// page of the paths and `decimalSeparator` the one of the stored version.
InstallInfo LookUpInstallation(const Arguments& arguments, const AnsiString& ownExecutable,
                               const AnsiString& windowsDir, unsigned codePage, char decimalSeparator);
