#pragma once
#include <cstdint>

// Colours are 0x00BBGGRR values; the few system colours carry the high byte
// 0xFF and are resolved when drawn (see ColorToRGB).
using TColor = std::uint32_t;
constexpr TColor clWhite = 0x00FFFFFF;
constexpr TColor clWindowText = 0xFF000008;  // COLOR_WINDOWTEXT
constexpr TColor clBtnHighlight = 0xFF000014;  // COLOR_BTNHIGHLIGHT
constexpr TColor clBtnShadow = 0xFF000010;     // COLOR_BTNSHADOW

enum class TAlign { alNone, alTop, alBottom };
enum class TAlignment { taLeftJustify, taCenter };
enum class TBorderStyle { bsSingle, bsDialog };
enum class TFormStyle { fsNormal, fsStayOnTop };
enum class TPosition { poDesigned, poScreenCenter, poDesktopCenter };
enum class TCursor { crDefault, crHandPoint };

// Caption-bar buttons of a form: an empty set or the system menu with its close box.
enum class TBorderIcons { None, biSystemMenu };

// Modifier keys held with a key press: a set of bits.
using TShiftState = std::uint8_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4;

// The result with which a modal form closed; 0 while it is still showing.
using TModalResult = std::int16_t;
constexpr TModalResult mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7;
