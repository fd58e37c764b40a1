#include "install.h"

#include <windows.h>

#include "platform/unique_handle.h"

void MakeFolder(const std::string& folder) {
  size_t slash = folder.find_last_of('\\');
  if (slash != std::string::npos && slash > 2) MakeFolder(folder.substr(0, slash));
  CreateDirectoryA(folder.c_str(), nullptr);
}

namespace {

// Puts the file's bytes on the disk, if there is such a file.
bool FlushToDisk(const std::string& path) {
  UniqueFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  return !file || FlushFileBuffers(file.get());
}

}  // namespace

bool ResetInstall(const std::string& folder, const std::string& oldExe) {
  MakeFolder(folder);
  std::string target = folder + "\\" + kExeName;
  SetFileAttributesA(target.c_str(), FILE_ATTRIBUTE_NORMAL);
  // What the previous run wrote goes to the disk now, not during the next run
  // (whose flush would otherwise write it too); the same for the new old executable.
  FlushToDisk(target);
  DeleteFileA((folder + "\\Tmp").c_str());
  return CopyFileA(oldExe.c_str(), target.c_str(), FALSE) && FlushToDisk(target) && FileSize(folder + "\\Tmp") < 0;
}

bool WriteSettings(const std::string& folder, const std::string& version) {
  char windows[MAX_PATH] = {};
  GetWindowsDirectoryA(windows, MAX_PATH);
  std::string text = "[103]\r\nCALE=" + folder + "\r\nVER=" + version + "\r\n";
  UniqueFile file(CreateFileA((std::string(windows) + "\\Kelmo.dII").c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  return file && WriteFile(file.get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
         written == text.size();
}

long long FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) ||
      (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
    return -1;
  }
  return (static_cast<long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

bool FileClosed(const std::string& path) {
  return static_cast<bool>(
      UniqueFile(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)));
}
