#include "platform/files.h"

#include "platform/system_message.h"
#include "platform/unique_handle.h"

namespace {

// 32-bit Windows fails single writes of some tens of megabytes.
constexpr std::size_t kLargestWrite = 8 << 20;

AnsiString FullPath(const AnsiString& path) {
  char buffer[MAX_PATH];
  DWORD length = GetFullPathNameA(path.c_str(), sizeof buffer, buffer, nullptr);
  if (length == 0 || length >= sizeof buffer) return path;
  return AnsiString(buffer, length);
}

}  // namespace

bool FileExists(const AnsiString& path) {
  WIN32_FIND_DATAA entry;
  UniqueFind find(FindFirstFileA(path.c_str(), &entry));
  return find && !(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const AnsiString& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

unsigned long ClearAttributes(const AnsiString& path) {
  // FILE_ATTRIBUTE_NORMAL alone is the documented request for no attributes.
  return SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL) ? 0 : GetLastError();
}

bool RemoveFile(const AnsiString& path) { return DeleteFileA(path.c_str()); }

bool RenameFile(const AnsiString& from, const AnsiString& to) { return MoveFileA(from.c_str(), to.c_str()); }

Status WriteFileBytes(const AnsiString& path, const void* bytes, std::size_t size, bool flush) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) {
    DWORD error = GetLastError();
    return Status::Failed(AnsiString("Cannot create file \"") + FullPath(path) + "\". " + SystemMessage(error));
  }
  const char* next = static_cast<const char*>(bytes);
  for (std::size_t left = size; left > 0;) {
    DWORD chunk = static_cast<DWORD>(left < kLargestWrite ? left : kLargestWrite);
    DWORD written = 0;
    if (!WriteFile(file.get(), next, chunk, &written, nullptr) || written != chunk) {
      return Status::Failed("Stream write error");
    }
    next += chunk;
    left -= chunk;
  }
  // A failed flush means that the bytes never reached the disk.
  if (flush && !FlushFileBuffers(file.get())) return Status::Failed("Stream write error");
  return Status::Ok();
}
