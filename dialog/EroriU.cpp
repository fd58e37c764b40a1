#include "dialog/EroriU.h"

#include "dialog/button_layout.h"
#include "dialog/mesaj_kinds.h"
#include "platform/beep.h"

TErori* Erori;

namespace {

constexpr TColor kAtentieFrom = 9089463, kAtentieTo = 2307640;
constexpr TFontSpec kWindowFont{"MS Sans Serif", 11, false};
constexpr int kButtonTop = 138;
constexpr std::uint16_t kEscape = 27;

TButtonLayout ButtonAt(const char* name, const char* caption, TModalResult result) {
  return {.Name = name,
          .Bounds = {0, kButtonTop, 72, 25},
          .Caption = caption,
          .ModalResult = result,
          .Cursor = TCursor::crHandPoint};
}

}  // namespace

TErori::TErori()
    : TForm({.ClassName = "TErori",
             .Caption = "Atentie !",
             .ClientWidth = 339,
             .ClientHeight = 171,
             .Color = 15724527,
             .BorderStyle = TBorderStyle::bsDialog,
             .BorderIcons = TBorderIcons::biSystemMenu,
             .FormStyle = TFormStyle::fsStayOnTop,
             .Position = TPosition::poScreenCenter,
             .Font = kWindowFont,
             .KeyPreview = true}),
      GradientPanel1(this, {.Name = "GradientPanel1",
                            .Bounds = {0, 0, 339, 49},
                            .Align = TAlign::alTop,
                            .ColorFrom = kAtentieFrom,
                            .ColorTo = kAtentieTo,
                            .ColorCount = 64,
                            .Direction = TGradientDirection::RightToLeft}),
      Image1(this, {.Name = "Image1", .Bounds = {8, 8, 32, 32}}),
      GradientPanel2(this, {.Name = "GradientPanel2",
                            .Bounds = {0, 129, 339, 42},
                            .Align = TAlign::alBottom,
                            .ColorFrom = kAtentieFrom,
                            .ColorTo = kAtentieTo,
                            .ColorCount = 64,
                            .Direction = TGradientDirection::RightToLeft}),
      Label1(this, {.Name = "Label1", .Bounds = {48, 16, 0, 16}, .Font = {"Arial", 13, true, clWhite}}),
      Image2(this, {.Name = "Image2", .Bounds = {128, 8, 32, 32}, .Bitmap = "INFORMATIE", .Visible = false}),
      Image3(this, {.Name = "Image3", .Bounds = {168, 8, 32, 32}, .Bitmap = "CONFIRMARE", .Visible = false}),
      Image4(this, {.Name = "Image4", .Bounds = {208, 8, 32, 32}, .Bitmap = "ATENTIE", .Visible = false}),
      Image5(this, {.Name = "Image5", .Bounds = {248, 8, 32, 32}, .Bitmap = "EROARE", .Visible = false}),
      BE1(this, ButtonAt("BE1", "&Da", mrYes)),
      BE2(this, ButtonAt("BE2", "&Nu", mrNo)),
      BE3(this, ButtonAt("BE3", "&Renunt", mrCancel)),
      BE4(this, ButtonAt("BE4", "&OK", mrOk)),
      EroText(this, {.Name = "EroText",
                     .Bounds = {8, 56, 321, 65},
                     .Font = kWindowFont,
                     .AutoSize = false,
                     .Alignment = TAlignment::taCenter,
                     .WordWrap = true}) {
  OnKeyDown = TKeyEvent::Of<&TErori::FormKeyDown>(this);
}

std::uint16_t TErori::Mesaj(const AnsiString& title, const AnsiString& text, MesajKind kind,
                            MesajButtons buttons) {
  HandleNeeded();  // the dialog's windows are made at the first message
  Label1.SetCaption(title);
  EroText.SetCaption(text);

  const MesajKindLook& look = LookOf(kind);
  Image1.AssignPicture(*static_cast<TImage*>(FindChild(look.Picture)));
  SetCaption(look.Caption);
  GradientPanel1.SetColorFrom(look.ColorFrom);
  GradientPanel1.SetColorTo(look.ColorTo);
  if (look.Beeps) Beep();  // before anything is shown
  GradientPanel2.SetColorFrom(GradientPanel1.ColorFrom());
  GradientPanel2.SetColorTo(GradientPanel1.ColorTo());

  ButtonRow row = LayOutButtons(buttons);
  TControl* button[4];
  for (int k = 1; k <= 4; ++k) {
    char name[] = {'B', 'E', static_cast<char>('0' + k), '\0'};
    button[k - 1] = FindChild(name);
    button[k - 1]->SetVisible(row.Shown[k - 1]);
  }
  if (row.Count == 0) return mrCancel;
  for (int index = 0; index < 4; ++index)
    if (row.Shown[index]) button[index]->SetLeft(row.Left[index]);

  return static_cast<std::uint16_t>(ShowModal());
}

Status TErori::FormKeyDown(TObject*, std::uint16_t& Key, TShiftState) {
  if (Key == kEscape) Close();
  return Status::Ok();
}
