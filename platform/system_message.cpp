#include "platform/system_message.h"

#include <windows.h>

#include "platform/text_rules.h"

AnsiString SystemMessage(unsigned long error) {
  char buffer[1024];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                buffer, sizeof buffer, nullptr);
  return TrimMessageEnd(AnsiString(buffer, length));
}
