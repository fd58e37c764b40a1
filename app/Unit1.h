#pragma once
#include "app/constants.h"
#include "app/version_number.h"
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
  AnsiString WindowsDir;
  VersionNumber InstalledVersion = 0;
  AnsiString InstallDir;
  AnsiString TargetExe;
  bool LaunchedWithArgument = false;

  void LoadInstallInfo();
  AnsiString ReadSetting(const AnsiString& key);
};

extern TForm1* Form1;
