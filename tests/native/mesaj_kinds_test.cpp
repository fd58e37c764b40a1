#include "dialog/mesaj_kinds.h"

#include <gtest/gtest.h>

#include <string>

TEST(MesajKindsTest, EachKindHasItsPictureCaptionColoursAndBeep) {
  const struct {
    MesajKind kind;
    const char* picture;
    const char* caption;
    std::uint32_t from, to;
    bool beeps;
  } cases[] = {
      {MesajKind::Atentie, "Image4", "Atentie !", 0x008AB1B7, 0x00233638, false},
      {MesajKind::Eroare, "Image5", "Eroare", 0x00D5D5FF, 0x000000FF, true},
      {MesajKind::Informatie, "Image2", "Informatie", 0x00FADEE1, 0x00BB0000, false},
      {MesajKind::Confirmare, "Image3", "Confirmare", 0x00D3A281, 0x009C5F36, false},
  };
  for (const auto& c : cases) {
    const MesajKindLook& look = LookOf(c.kind);
    SCOPED_TRACE(c.caption);
    EXPECT_EQ(std::string(look.Picture), c.picture);
    EXPECT_EQ(std::string(look.Caption), c.caption);
    EXPECT_EQ(look.ColorFrom, c.from);
    EXPECT_EQ(look.ColorTo, c.to);
    EXPECT_EQ(look.Beeps, c.beeps);
  }
}

TEST(MesajKindsTest, ValuesBeyondTheFourKindsLookAndSoundAsEroare) {
  for (int value : {4, 5, 17, 128, 255}) {
    const MesajKindLook& look = LookOf(static_cast<MesajKind>(value));
    EXPECT_EQ(&look, &LookOf(MesajKind::Eroare)) << value;
  }
}
