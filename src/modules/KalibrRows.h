#pragma once
// What a row of the calibration window shows, as a pure function of the
// module type, the channel's settings and the status byte the controller
// reported (function 0x47): the state letter and its colours, the unit, the
// violation text and its colours.
//
// Status byte: bit 7, bit 6 and bit 5 the state flags ("п", "о", "к"; bit 5
// is set while the input is selected for calibration), bits 0..2 the limit
// violation code.
#include <cstdint>
#include <string>

namespace lur {

enum class TKalibrColour {
  InfoBk,  // the system's tooltip background: an empty cell
  Lime,    // RGB 00FF00
  Yellow,  // RGB FFFF00
  Purple,  // RGB 800080
  Red,     // RGB FF0000
  Black,
};

struct TKalibrCell {
  std::string text;  // UTF-8
  TKalibrColour background = TKalibrColour::InfoBk;
  TKalibrColour textColour = TKalibrColour::Black;
  bool operator==(const TKalibrCell&) const = default;
};

inline constexpr std::uint8_t kKalibrFaultBit = 0x80;      // "п"
inline constexpr std::uint8_t kKalibrOffBit = 0x40;        // "о"
inline constexpr std::uint8_t kKalibrSelectedBit = 0x20;   // "к"
inline constexpr std::uint8_t kKalibrViolationMask = 0x07;

// The unit of a thermo module's rows (a Latin C; the units list has a
// Cyrillic С).
inline constexpr const char* kThermoUnit = "град.C";
inline constexpr const char* kColdJunctionTag = "TXC";  // Latin letters

// "и" on green with no flag set; "п" (bit 7), else "о" (bit 6) on purple,
// drawn in the tooltip colour; else "к" (bit 5) on yellow.
TKalibrCell KalibrStateCell(int status);

// Codes 1..6 their text on red, except in the "о" state (bit 6 without bit
// 7), where the cell stays empty; 0 "норма" on green with no flag set, empty
// otherwise; 7 empty.
TKalibrCell KalibrViolationCell(int status);

// The violation text of a code ("L(L-H)" ... "HH"); empty for 0 and 7.
std::string KalibrViolationText(int code);

// The unit a row shows: "град.C" for a thermo module (type 8); while bit 5
// is set, the unit of the input signal for type 6 ("кПа", "кгС/см2", "атм",
// "бар" by input type 0..3), 7 ("мА") and 9 ("мА" for input types 0..2);
// otherwise, and for the input types without a signal unit, the channel's
// configured unit (UTF-8).
std::string KalibrUnitText(int moduleType, int inputType, int status, const std::string& channelUnit);

}  // namespace lur
