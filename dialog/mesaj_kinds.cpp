#include "dialog/mesaj_kinds.h"

namespace {

constexpr MesajKindLook kAtentie{"Image4", "Atentie !", 9089463, 2307640, false};
constexpr MesajKindLook kEroare{"Image5", "Eroare", 14013951, 255, true};
constexpr MesajKindLook kInformatie{"Image2", "Informatie", 16441057, 12255232, false};
constexpr MesajKindLook kConfirmare{"Image3", "Confirmare", 13869697, 10247990, false};

}  // namespace

const MesajKindLook& LookOf(MesajKind kind) {
  switch (kind) {
    case MesajKind::Atentie:
      return kAtentie;
    case MesajKind::Informatie:
      return kInformatie;
    case MesajKind::Confirmare:
      return kConfirmare;
    default:
      return kEroare;
  }
}
