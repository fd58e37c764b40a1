#include "platform/resources.h"

#include <windows.h>

OwnResource FindOwnResource(const char* type, const char* name) {
  // Resources of a module need no release: they live as long as the module.
  HRSRC found = FindResourceA(nullptr, name, type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(nullptr, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return {true, bytes, SizeofResource(nullptr, found)};
}
