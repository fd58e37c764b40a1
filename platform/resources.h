#pragma once
#include <cstddef>

// A resource of the program's own module, in place: its bytes stay valid for
// the whole run and are never copied.
struct OwnResource {
  bool Found = false;
  const void* Bytes = nullptr;
  std::size_t Size = 0;
};

// The resource of that type and name; names match regardless of letter case.
OwnResource FindOwnResource(const char* type, const char* name);
