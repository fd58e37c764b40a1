#include "app/install_lookup.h"

#include "app/constants.h"
#include "platform/files.h"
#include "platform/settings.h"

AnsiString ReadSetting(const AnsiString& windowsDir, const char* key) {
  return ReadProfileString(windowsDir + "\\" + SettingsFileName, SettingsSection, key);
}

InstallInfo LookUpInstallation(const Arguments& arguments, const AnsiString& ownExecutable,
                               const AnsiString& windowsDir, unsigned codePage, char decimalSeparator) {
  InstallInfo info;
  info.WindowsDir = windowsDir;
  info.LaunchedWithArgument = arguments.Count > 0;

  // The application names its own executable; it is trusted only beside an
  // updater that sits in the installation, which has a "DATA" folder.
  AnsiString ownFolder = FolderPart(ownExecutable, codePage);
  AnsiString candidate = FileExists(arguments.First) && FolderExists(ownFolder + "DATA")
                             ? arguments.First
                             : ownFolder + ExeFileName;

  AnsiString folder = info.LaunchedWithArgument ? FolderPart(candidate, codePage) : ReadSetting(info.WindowsDir, "CALE");
  info.InstallDir = WithoutTrailingBackslash(Trim(folder), codePage);

  AnsiString versionText = Trim(ReadSetting(info.WindowsDir, "VER"));
  info.InstalledVersion = ParseVersion(CleanUpVersionText(versionText, decimalSeparator), decimalSeparator);
  return info;
}
