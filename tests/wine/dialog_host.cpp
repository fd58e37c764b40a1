// Asks questions through the message dialog as the updater does, for
// dialog_test to answer with real input:
//   dialog_host REPORT [--main-visible] (TITLE TEXT KIND BUTTONS)...
// KIND and BUTTONS are the byte values. REPORT gets one line per beep
// ("beep hidden" or "beep shown", by the dialog's visibility at the time), per
// click on the main window's button ("main clicked"), and per call the result
// and the dialog's state after it. The exit code is the last call's result.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "dialog/EroriU.h"
#include "platform/beep.h"
#include "toolkit/application.h"

namespace {

FILE* report;

void Report(const std::string& line) {
  std::fprintf(report, "%s\n", line.c_str());
  std::fflush(report);
}

// The application's main window, shown when asked so that the dialog's
// modality over it can be checked.
class THostForm : public TForm {
 public:
  THostForm()
      : TForm({.ClassName = "THostForm",
               .Caption = "Host",
               .ClientWidth = 200,
               .ClientHeight = 100,
               .Color = clWhite,
               .BorderStyle = TBorderStyle::bsSingle,
               .BorderIcons = TBorderIcons::biSystemMenu,
               .FormStyle = TFormStyle::fsNormal,
               .Position = TPosition::poDesigned,
               .Font = {}}),
        Button1(this, {.Name = "Button1", .Bounds = {50, 30, 100, 40}, .Caption = "Main"}) {
    Button1.OnClick = TNotifyEvent::Of<&THostForm::Button1Click>(this);
  }

  TButton Button1;

  Status Button1Click(TObject*) {
    Report("main clicked");
    return Status::Ok();
  }
};

std::string Hex(TColor color) {
  char text[16];
  std::snprintf(text, sizeof text, "%06x", static_cast<unsigned>(color));
  return text;
}

bool SamePicture(const TImage& a, const TImage& b) {
  DIBSECTION da{}, db{};
  if (!a.Picture() || !b.Picture() || !GetObjectA(a.Picture(), sizeof da, &da) ||
      !GetObjectA(b.Picture(), sizeof db, &db))
    return false;
  size_t size = static_cast<size_t>(da.dsBm.bmWidthBytes) * static_cast<size_t>(da.dsBm.bmHeight);
  return da.dsBm.bmWidth == db.dsBm.bmWidth && da.dsBm.bmHeight == db.dsBm.bmHeight &&
         da.dsBm.bmBitsPixel == db.dsBm.bmBitsPixel && std::memcmp(da.dsBm.bmBits, db.dsBm.bmBits, size) == 0;
}

// What the dialog holds after a call, shown or not: fields separated by "|".
std::string State(TErori& dialog) {
  char caption[256] = {};
  GetWindowTextA(dialog.Handle(), caption, sizeof caption);
  std::string picture = "none";
  for (const TImage* image : {&dialog.Image2, &dialog.Image3, &dialog.Image4, &dialog.Image5})
    if (SamePicture(dialog.Image1, *image)) picture = image->Name();
  std::string shown;
  for (const TButton* button : {&dialog.BE1, &dialog.BE2, &dialog.BE3, &dialog.BE4})
    if (button->Visible()) shown += std::string(shown.empty() ? "" : ",") + button->Name();
  return std::string("caption=") + caption + "|title=" + dialog.Label1.Caption().c_str() +
         "|text=" + dialog.EroText.Caption().c_str() + "|bands=" + Hex(dialog.GradientPanel1.ColorFrom()) + "," +
         Hex(dialog.GradientPanel1.ColorTo()) + "," + Hex(dialog.GradientPanel2.ColorFrom()) + "," +
         Hex(dialog.GradientPanel2.ColorTo()) + "|picture=" + picture + "|shown=" + shown;
}

}  // namespace

// Stands in for platform/beep.cpp: records the beep instead of sounding it.
void Beep() { Report(Erori && IsWindowVisible(Erori->Handle()) ? "beep shown" : "beep hidden"); }

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  if (__argc < 2) return 100;
  report = std::fopen(__argv[1], "wb");
  if (!report) return 101;
  int first = 2;
  bool mainVisible = __argc > 2 && std::strcmp(__argv[2], "--main-visible") == 0;
  if (mainVisible) ++first;

  Application.Initialize();
  Application.SetTitle("Dialog host");
  THostForm host;
  TErori erori;
  Erori = &erori;
  ShowWindow(Application.Handle(), SW_SHOWNA);  // as the message loop does before the main window
  if (mainVisible) host.Show();

  std::uint16_t result = 0;
  for (int arg = first; arg + 3 < __argc; arg += 4) {
    result = Erori->Mesaj(__argv[arg], __argv[arg + 1], static_cast<MesajKind>(std::atoi(__argv[arg + 2])),
                          MesajButtons::FromByte(static_cast<std::uint8_t>(std::atoi(__argv[arg + 3]))));
    Report("result=" + std::to_string(result) + "|" + State(erori));
  }
  std::fclose(report);
  return result;
}
