#include "driver.h"

#include <gtest/gtest.h>

#include <cstring>
#include <utility>

namespace driver {

std::string BuildPath(const std::string& relative) { return std::string(ZARVO_BUILD_DIR) + "\\" + relative; }
std::string UpdaterPath() { return BuildPath("ZarvoUpdate.exe"); }

Process Process::Start(const std::string& commandLine, const std::string& directory) {
  Process process;
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  std::string command = commandLine;
  if (!CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      directory.empty() ? nullptr : directory.c_str(), &startup, &process.info_)) {
    ADD_FAILURE() << "cannot start " << commandLine << ": error " << GetLastError();
  }
  return process;
}

Process::Process(Process&& other) noexcept : info_(std::exchange(other.info_, {})) {}

Process::~Process() {
  if (!info_.hProcess) return;
  if (Running()) {
    TerminateProcess(info_.hProcess, 99);
    WaitForSingleObject(info_.hProcess, 5000);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

bool Process::Running() const { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT; }

long Process::WaitExit(DWORD timeoutMs) {
  if (!info_.hProcess || WaitForSingleObject(info_.hProcess, timeoutMs) != WAIT_OBJECT_0) return -1;
  DWORD code = 0;
  GetExitCodeProcess(info_.hProcess, &code);
  return static_cast<long>(code);
}

namespace {

struct WindowQuery {
  const char* className;
  DWORD processId;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM context) {
  auto* query = reinterpret_cast<WindowQuery*>(context);
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (std::strcmp(name, query->className) == 0 && IsWindowVisible(window) &&
      (query->processId == 0 || owner == query->processId)) {
    query->found = window;
    return FALSE;
  }
  return TRUE;
}

HWND FindVisibleWindow(const char* className, DWORD processId) {
  WindowQuery query{className, processId};
  EnumWindows(MatchTopLevel, reinterpret_cast<LPARAM>(&query));
  return query.found;
}

void AddChildren(HWND parent, const char* className, std::vector<HWND>& found) {
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    char name[64] = {};
    GetClassNameA(child, name, sizeof name);
    if (!className || std::strcmp(name, className) == 0) found.push_back(child);
    AddChildren(child, className, found);
  }
}

void SendKey(WORD virtualKey, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace

HWND WaitForWindow(const char* className, DWORD processId, DWORD timeoutMs) {
  ULONGLONG start = GetTickCount64();
  for (;;) {
    if (HWND window = FindVisibleWindow(className, processId)) return window;
    if (GetTickCount64() - start >= timeoutMs) return nullptr;
    Sleep(20);
  }
}

bool NoWindowWithin(const char* className, DWORD processId, DWORD timeoutMs) {
  return WaitForWindow(className, processId, timeoutMs) == nullptr;
}

std::vector<HWND> ChildWindows(HWND parent, const char* className) {
  std::vector<HWND> found;
  AddChildren(parent, className, found);
  return found;
}

std::string WindowText(HWND window) {
  char text[1024] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

bool Visible(HWND window) { return IsWindowVisible(window) != FALSE; }

RECT ScreenRect(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

SIZE ClientSize(HWND window) {
  RECT rect;
  GetClientRect(window, &rect);
  return {rect.right, rect.bottom};
}

std::vector<COLORREF> ScreenPixels(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT rect = ScreenRect(window);
  int width = rect.right - rect.left, height = rect.bottom - rect.top;
  std::vector<COLORREF> pixels;
  if (width <= 0 || height <= 0) return pixels;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, width, height, screen, rect.left, rect.top, SRCCOPY);
  GdiFlush();
  const auto* raw = static_cast<const DWORD*>(bits);
  for (int i = 0; i < width * height; ++i)
    pixels.push_back(RGB((raw[i] >> 16) & 0xFF, (raw[i] >> 8) & 0xFF, raw[i] & 0xFF));
  SelectObject(memory, previous);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

COLORREF PixelAt(HWND window, int x, int y) {
  std::vector<COLORREF> pixels = ScreenPixels(window);
  return pixels.at(static_cast<size_t>(y * ClientSize(window).cx + x));
}

int CountPixels(HWND window, COLORREF colour) {
  int count = 0;
  for (COLORREF pixel : ScreenPixels(window)) count += pixel == colour;
  return count;
}

bool BringToFront(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  for (int attempt = 0; attempt < 50 && GetForegroundWindow() != root; ++attempt) {
    SetForegroundWindow(root);
    Sleep(20);
  }
  return GetForegroundWindow() == root;
}

void ClickAt(HWND window, int x, int y) {
  POINT point{x, y};
  ClientToScreen(window, &point);
  SetCursorPos(point.x, point.y);
  Sleep(50);  // let the move arrive before the button goes down
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  SendInput(1, &input, sizeof input);
  Sleep(30);
  input.mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(1, &input, sizeof input);
}

void Click(HWND window) {
  SIZE size = ClientSize(window);
  ClickAt(window, size.cx / 2, size.cy / 2);
}

void PressKey(WORD virtualKey, bool withAlt) {
  if (withAlt) SendKey(VK_MENU, false);
  SendKey(virtualKey, false);
  SendKey(virtualKey, true);
  if (withAlt) SendKey(VK_MENU, true);
}

void TypeChar(char letter, bool withAlt) {
  PressKey(static_cast<WORD>(VkKeyScanA(letter) & 0xFF), withAlt);
}

bool FileExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::string& path) {
  DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string ReadFileBytes(const std::string& path) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                            nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  if (!bytes.empty()) ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  bytes.resize(read);
  return bytes;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot write " << path;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

void RemoveTree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::string name = entry.cFileName;
      if (name == "." || name == "..") continue;
      std::string full = path + "\\" + name;
      SetFileAttributesA(full.c_str(), FILE_ATTRIBUTE_NORMAL);
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
        RemoveTree(full);
      else
        DeleteFileA(full.c_str());
    } while (FindNextFileA(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryA(path.c_str());
}

std::string FreshFolder(const std::string& name) {
  CreateDirectoryA("C:\\zarvo-tests", nullptr);
  std::string path = "C:\\zarvo-tests\\" + name;
  RemoveTree(path);
  CreateDirectoryA(path.c_str(), nullptr);
  return path;
}

std::string WindowsDir() {
  char folder[MAX_PATH] = {};
  GetWindowsDirectoryA(folder, MAX_PATH);
  return folder;
}

std::string SettingsPath() { return WindowsDir() + "\\Kelmo.dII"; }

void WriteSettingsText(const std::string& text) { WriteFileBytes(SettingsPath(), text); }

void WriteSettings(const std::string& folder, const std::string& version) {
  WriteSettingsText("[103]\r\nCALE=" + folder + "\r\nVER=" + version + "\r\n");
}

void RemoveSettings() { DeleteFileA(SettingsPath().c_str()); }

}  // namespace driver
