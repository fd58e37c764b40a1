#include "app/Unit1.h"
#include "platform/files.h"
#include "platform/resources.h"

// Writes the resource straight from the module's own copy of it (the payload
// is never copied in memory) and flushes it, so that "Tmp" is complete on disk
// before the old executable is touched. A file created by a failed write stays.
bool TForm1::ExtractPayload(const char* type, const char* name, const AnsiString& path) {
  OwnResource payload = FindOwnResource(type, name);
  return payload.Found && WriteFileBytes(path, payload.Bytes, payload.Size, /*flush=*/true).ok();
}
