#pragma once
#include <windows.h>

#include "core/ansi_string.h"
#include "core/status.h"

class TForm;

// The application object: owns the hidden application window, which carries
// the taskbar button with the title and owns every form; runs the message loop
// and shows the standard error box for failures that handlers report.
class TApplication {
 public:
  void Initialize();
  void SetTitle(const char* title);
  const AnsiString& Title() const { return title_; }
  HWND Handle() const { return handle_; }
  TForm* MainForm() const { return mainForm_; }

  // When on (the default), a broadcast change of the system's settings re-reads
  // the regional settings into FormatSettings.
  bool UpdateFormatSettings = true;

  // Called by every form as it is created; the first one becomes the main form.
  void AddForm(TForm& form);
  // Shows the main form and dispatches messages until the application is told to end.
  void Run();
  // Asks the message loop to end; the program then exits with code 0.
  void Terminate() { PostQuitMessage(0); }
  // Dispatches one message, giving its form the first look at keys.
  void ProcessMessage(MSG& message);
  // Shows a failed Status in the standard error box; does nothing for success.
  void Report(const Status& status);

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND handle_ = nullptr;
  TForm* mainForm_ = nullptr;
  AnsiString title_;
};

extern TApplication Application;
