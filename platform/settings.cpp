#include "platform/settings.h"

#include <windows.h>

AnsiString ReadProfileString(const AnsiString& file, const char* section, const char* key) {
  char buffer[2048];
  DWORD length = GetPrivateProfileStringA(section, key, "", buffer, sizeof buffer, file.c_str());
  return AnsiString(buffer, length);
}
