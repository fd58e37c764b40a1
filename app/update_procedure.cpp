// The update procedure of the update window: decides from the installed
// version and executable whether to update, replaces the executable by way of
// "Tmp", and leaves the outcome in the four status lines.
#include "app/Unit1.h"
#include "core/format_settings.h"
#include "dialog/EroriU.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "platform/system.h"

namespace {

// While the application that started the updater exits, its executable stays
// locked: test again at this pace, and ask the user only after a long wait.
constexpr unsigned kRetryPauseMs = 50;
constexpr std::uint64_t kWaitBeforeAskingMs = 30000;

constexpr TColor kRed = 255;
constexpr VersionNumber kLowestInstalledVersion = 10000;  // 1.0000 and below: not installed

}  // namespace

void TForm1::ShowFailure(TLabel& line, const AnsiString& text) {
  line.SetFontColor(kRed);
  line.SetCaption(text);
}

void TForm1::EndWithFailure(const AnsiString& text) {
  ShowFailure(Linia3, text);
  Linia4.SetVisible(false);
}

AnsiString TForm1::CannotWriteText() const { return "Nu pot scrie in " + InstallDir + "!"; }

TModalResult TForm1::AskToCloseApplication() {
  return Erori->Mesaj(AnsiString("Actualizare ") + ProductName,
                      AnsiString(" Inchideti mai intai programul ") + ProductName + "!", MesajKind::Atentie,
                      {MesajButton::OK, MesajButton::Renunt});
}

bool TForm1::RemoveOldExecutable() {
  for (;;) {
    if (!FileExists(TargetExe)) return true;
    if (ClearAttributes(TargetExe) == 0 && RemoveFile(TargetExe)) return true;
    if (AskToCloseApplication() == mrCancel) return false;
  }
}

bool TForm1::WaitForOldExecutable() {
  std::uint64_t roundStart = Milliseconds();
  for (;;) {
    if (!FileExists(TargetExe)) return true;
    ClearAttributes(TargetExe);
    RemoveFile(TargetExe);
    if (!FileExists(TargetExe)) return true;
    if (Milliseconds() - roundStart < kWaitBeforeAskingMs) {
      Pause(kRetryPauseMs);
    } else {
      if (AskToCloseApplication() == mrCancel) return false;
      roundStart = Milliseconds();
    }
  }
}

void TForm1::RunUpdate() {
  char separator = FormatSettings.DecimalSeparator;
  if (InstalledVersion <= kLowestInstalledVersion) {
    Linia1.SetVisible(false);
    ShowFailure(Linia2, AnsiString("Programul ") + ProductName + " nu este instalat!");
    Linia3.SetVisible(false);
    Linia4.SetVisible(false);
    return;
  }
  Linia1.SetCaption("Aveti instalata versiunea " + FormatVersion(InstalledVersion, separator));

  AnsiString executable = InstallDir + "\\" + ExeFileName;
  // A missing executable is installed whatever the versions say.
  if (NewVersion <= InstalledVersion && FileExists(executable)) {
    ShowFailure(Linia2, "Aveti deja ultima versiune!");
    Linia3.SetVisible(false);
    Linia4.SetVisible(false);
    return;
  }
  Linia2.SetCaption("Actualizam programul la versiunea " + FormatVersion(NewVersion, separator));

  AnsiString temporary = InstallDir + "\\Tmp";
  if (FileExists(temporary) && !RemoveFile(temporary)) return EndWithFailure(CannotWriteText());
  if (!ExtractPayload("Zarvo", "UpGrade", temporary)) return EndWithFailure("Eroare la extragere fisiere!");
  TargetExe = executable;

  if (!(LaunchedWithArgument ? WaitForOldExecutable() : RemoveOldExecutable())) {
    RemoveFile(temporary);
    return EndWithFailure("Nu pot modifica vechiul executabil!");
  }
  if (!LaunchedWithArgument) ProcessPendingEvents();
  if (!RenameFile(temporary, TargetExe)) {
    // "Tmp" is now the only copy of the application: keep it, and start nothing.
    TargetExe = "";
    return EndWithFailure(CannotWriteText());
  }
  Linia3.SetVisible(false);
  Linia4.SetCaption("Actualizare incheiata cu succes!");
}
