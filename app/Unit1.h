#pragma once
#include "app/constants.h"
#include "app/version_number.h"
#include "core/status.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/gradient_panel.h"
#include "toolkit/label.h"
#include "toolkit/panel.h"

// The update window: the whole update runs in FormShow, before the window is
// first seen; the status lines then show its outcome until OK is pressed.
class TForm1 : public TForm {
 public:
  TForm1();

  TLabel Label1;
  TLabel Linia1;
  TLabel Linia2;
  TLabel Linia3;
  TLabel Linia4;
  TPanel Panel1;
  TButton Button1;
  TGradientPanel GradientPanel1;

  Status FormShow(TObject* Sender);
  Status Button1Click(TObject* Sender);

 private:
  // Finds the installation: sets WindowsDir, LaunchedWithArgument, InstallDir and InstalledVersion.
  void LoadInstallInfo();
  void RunUpdate();
  bool ExtractPayload(const char* type, const char* name, const AnsiString& path);
  // Clears and deletes the old executable, asking the user to close the
  // application while that fails; false when the user gives up.
  bool RemoveOldExecutable();
  // Waits for the exiting application to let go of its executable and deletes
  // it; asks the user only after a long wait. False when the user gives up.
  bool WaitForOldExecutable();
  TModalResult AskToCloseApplication();
  void ShowFailure(TLabel& line, const AnsiString& text);
  // Ends the run with `text` in red on the third line and the fourth hidden.
  void EndWithFailure(const AnsiString& text);
  AnsiString CannotWriteText() const;

  AnsiString WindowsDir;
  VersionNumber InstalledVersion = 0;
  AnsiString InstallDir;
  AnsiString TargetExe;
  bool LaunchedWithArgument = false;
};

extern TForm1* Form1;
