#include "app/Unit1.h"

#include "app/install_lookup.h"
#include "app/removal_script.h"
#include "core/format_settings.h"
#include "platform/files.h"
#include "platform/system.h"
#include "platform/text_rules.h"
#include "toolkit/application.h"

TForm1* Form1;

namespace {

constexpr TColor kWindowColor = 14675694;
constexpr TFontSpec kStatusFont{"Arial", 13, false};

}  // namespace

TForm1::TForm1()
    : TForm({.ClassName = "TForm1",
             .Caption = "Actualizare",
             .ClientWidth = 377,
             .ClientHeight = 182,
             .Color = kWindowColor,
             .BorderStyle = TBorderStyle::bsSingle,
             .BorderIcons = TBorderIcons::None,
             .FormStyle = TFormStyle::fsStayOnTop,
             .Position = TPosition::poDesktopCenter,
             .Font = {"MS Sans Serif", 11, false}}),
      Label1(this, {.Name = "Label1",
                    .Bounds = {8, 8, 361, 22},
                    .Font = {"Arial", 16, true},
                    .AutoSize = false,
                    .Alignment = TAlignment::taCenter}),
      Linia1(this, {.Name = "Linia1", .Bounds = {24, 48, 0, 16}, .Caption = "Linia 1", .Font = kStatusFont}),
      Linia2(this, {.Name = "Linia2", .Bounds = {24, 64, 0, 16}, .Caption = "Linia 2", .Font = kStatusFont}),
      Linia3(this, {.Name = "Linia3", .Bounds = {24, 80, 0, 16}, .Caption = "Linia 3", .Font = kStatusFont}),
      Linia4(this, {.Name = "Linia4", .Bounds = {24, 96, 0, 16}, .Caption = "Linia 4", .Font = {"Arial", 13, true}}),
      Panel1(this, {.Name = "Panel1", .Bounds = {0, 141, 377, 41}, .Align = TAlign::alBottom, .Color = clWhite}),
      Button1(&Panel1, {.Name = "Button1", .Bounds = {144, 8, 75, 25}, .Caption = "OK"}),
      GradientPanel1(&Panel1, {.Name = "GradientPanel1",
                               .Bounds = {1, 1, 375, 39},
                               .ColorFrom = kWindowColor,
                               .ColorTo = clWhite,
                               .ColorCount = 64,
                               .Direction = TGradientDirection::BottomToTop}) {
  OnShow = TNotifyEvent::Of<&TForm1::FormShow>(this);
  Button1.OnClick = TNotifyEvent::Of<&TForm1::Button1Click>(this);
}

Status TForm1::FormShow(TObject*) {
  // From here on, numbers use "." whatever the regional settings say or become.
  Application.UpdateFormatSettings = false;
  FormatSettings.DecimalSeparator = '.';
  LoadInstallInfo();
  Label1.SetCaption(AnsiString("Actualizare ") + ProductName + " la ver." +
                    FormatVersion(NewVersion, FormatSettings.DecimalSeparator));
  RunUpdate();
  return Status::Ok();
}

void TForm1::LoadInstallInfo() {
  InstallInfo info = LookUpInstallation(CommandLineArguments(), OwnExecutable(), WindowsFolder(), AnsiCodePage(),
                                        FormatSettings.DecimalSeparator);
  WindowsDir = info.WindowsDir;
  LaunchedWithArgument = info.LaunchedWithArgument;
  InstallDir = info.InstallDir;
  InstalledVersion = info.InstalledVersion;
}

Status TForm1::Button1Click(TObject*) {
  if (!LaunchedWithArgument) {
    Application.Terminate();
    return Status::Ok();
  }
  // Started by the application: remove this executable once it has exited,
  // through a script beside it, and start the application again if it was replaced.
  AnsiString updater = OwnExecutable();
  AnsiString script = FolderPart(updater, AnsiCodePage()) + "suicide.bat";
  AnsiString text = RemovalScript(updater, script);
  Status written = WriteFileBytes(script, text.c_str(), text.length(), /*flush=*/false);
  if (!written.ok()) return written;
  ClearAttributes(updater);  // a read-only updater would keep the script looping
  // Quoted, so that no program planted on a prefix of a path with blanks runs instead.
  StartProgram("\"" + script + "\"", SW_HIDE);
  if (!TargetExe.empty()) StartProgram("\"" + TargetExe + "\"", SW_SHOWNORMAL);
  EndNow();
}
