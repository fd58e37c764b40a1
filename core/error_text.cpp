#include "core/error_text.h"

AnsiString ErrorBoxText(const AnsiString& message) {
  if (message.empty() || static_cast<unsigned char>(message[message.length() - 1]) <= '.') return message;
  return message + ".";
}
