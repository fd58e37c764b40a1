#pragma once
#include <cstdint>

#include "core/ansi_string.h"
#include "dialog/mesaj_types.h"
#include "toolkit/button.h"
#include "toolkit/form.h"
#include "toolkit/gradient_panel.h"
#include "toolkit/image.h"
#include "toolkit/label.h"

// The program's own modal message box: a picture and a title on a coloured
// band, the message below, and up to four buttons on a second band. Created
// hidden once and reused for every message.
class TErori : public TForm {
 public:
  TErori();

  TGradientPanel GradientPanel1;
  TImage Image1;
  TGradientPanel GradientPanel2;
  TLabel Label1;
  TImage Image2;
  TImage Image3;
  TImage Image4;
  TImage Image5;
  TButton BE1;
  TButton BE2;
  TButton BE3;
  TButton BE4;
  TLabel EroText;

  // Shows the message modally and returns the result of the button that closed
  // it: 6 Da, 7 Nu, 1 OK, 2 Renunt; 2 also for Esc, the close box, the
  // application ending, or an empty set of buttons (then nothing is shown).
  std::uint16_t Mesaj(const AnsiString& title, const AnsiString& text, MesajKind kind, MesajButtons buttons);
  Status FormKeyDown(TObject* Sender, std::uint16_t& Key, TShiftState Shift);
};

extern TErori* Erori;
