#pragma once
#include <cstdint>

#include "dialog/mesaj_types.h"

// How the dialog looks for one kind of message.
struct MesajKindLook {
  const char* Picture;      // name of the hidden image whose bitmap Image1 copies
  const char* Caption;      // window caption
  std::uint32_t ColorFrom;  // band colour at the right edge, 0x00BBGGRR
  std::uint32_t ColorTo;    // band colour at the left edge, where the picture sits
  bool Beeps;
};

// The look of `kind`; values other than the four kinds get Eroare's.
const MesajKindLook& LookOf(MesajKind kind);
