#include "app/removal_script.h"

namespace {

AnsiString QuotedForBatch(const AnsiString& path) {
  AnsiString quoted = "\"";
  for (std::size_t i = 0; i < path.length(); ++i) {
    if (path[i] == '%') quoted += '%';
    quoted += path[i];
  }
  return quoted + "\"";
}

}  // namespace

AnsiString RemovalScript(const AnsiString& updaterPath, const AnsiString& scriptPath) {
  AnsiString updater = QuotedForBatch(updaterPath);
  return AnsiString(":redo\r\n") +
         "@del " + updater + "\r\n" +
         "if EXIST " + updater + " GOTO redo\r\n" +
         "@del " + QuotedForBatch(scriptPath) + "\r\n";
}
