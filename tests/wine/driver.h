#pragma once
// Drives the real programs under Wine from a second program in the same
// prefix: starts them, finds and reads their windows, presses keys and clicks
// as a user would, and sets up files and the settings file.
#include <windows.h>

#include <string>
#include <vector>

namespace driver {

// A path inside the build folder, as Windows sees it.
std::string BuildPath(const std::string& relative);
std::string UpdaterPath();

// A started program; ended at destruction if it still runs.
class Process {
 public:
  // `commandLine` is passed as it stands; `directory` is the working folder ("" for ours).
  static Process Start(const std::string& commandLine, const std::string& directory = "");
  Process(Process&& other) noexcept;
  Process(const Process&) = delete;
  ~Process();

  DWORD Id() const { return info_.dwProcessId; }
  HANDLE Handle() const { return info_.hProcess; }
  bool Running() const;
  // Waits for the exit; returns the exit code, or -1 when it did not end in time.
  long WaitExit(DWORD timeoutMs = 10000);

 private:
  Process() = default;
  PROCESS_INFORMATION info_{};
};

// The visible top-level window of that class (and, when given, that process).
HWND WaitForWindow(const char* className, DWORD processId = 0, DWORD timeoutMs = 15000);
// True when no visible window of that class and process shows up within the time.
bool NoWindowWithin(const char* className, DWORD processId, DWORD timeoutMs);
// All descendants of `parent` of that class (any class when null), in creation order.
std::vector<HWND> ChildWindows(HWND parent, const char* className = nullptr);
std::string WindowText(HWND window);
bool Visible(HWND window);
RECT ScreenRect(HWND window);  // the window's client area on the screen
SIZE ClientSize(HWND window);

// The colours of the window's client area as shown on the screen, row by row.
std::vector<COLORREF> ScreenPixels(HWND window);
COLORREF PixelAt(HWND window, int x, int y);
int CountPixels(HWND window, COLORREF colour);

// Real input, as the user gives it, to the foreground window.
void ClickAt(HWND window, int x, int y);  // client coordinates
void Click(HWND window);                  // at its centre
void PressKey(WORD virtualKey, bool withAlt = false);
void TypeChar(char letter, bool withAlt = false);
bool BringToFront(HWND window);

// Files.
bool FileExists(const std::string& path);
bool FolderExists(const std::string& path);
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
void RemoveTree(const std::string& path);
// A new empty folder C:\zarvo-tests\<name>, whatever was there before.
std::string FreshFolder(const std::string& name);

// The settings file "Kelmo.dII" in the Windows folder.
std::string WindowsDir();
std::string SettingsPath();
void WriteSettingsText(const std::string& text);  // the whole file, as given
void WriteSettings(const std::string& folder, const std::string& version);
void RemoveSettings();

}  // namespace driver
