#pragma once
#include <cstdint>
#include <initializer_list>

// The kind of a message: picture, caption and band colours. Any value other
// than the four below is shown as Eroare.
enum class MesajKind : std::uint8_t { Atentie = 0, Eroare = 1, Informatie = 2, Confirmare = 3 };

// The buttons a message may offer; the value is the element's bit in MesajButtons.
enum class MesajButton : std::uint8_t { Da = 0, Nu = 1, OK = 2, Renunt = 3 };

// A set of MesajButton elements held in one byte.
class MesajButtons {
 public:
  constexpr MesajButtons() = default;
  constexpr MesajButtons(std::initializer_list<MesajButton> elements) {
    for (MesajButton element : elements) bits_ |= Bit(element);
  }
  static constexpr MesajButtons FromByte(std::uint8_t bits) {
    MesajButtons set;
    set.bits_ = bits;
    return set;
  }

  constexpr std::uint8_t Byte() const { return bits_; }
  constexpr bool Contains(MesajButton element) const { return (bits_ & Bit(element)) != 0; }

 private:
  static constexpr std::uint8_t Bit(MesajButton element) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(element));
  }

  std::uint8_t bits_ = 0;
};

static_assert(sizeof(MesajKind) == 1 && sizeof(MesajButtons) == 1);
