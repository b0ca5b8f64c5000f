#pragma once
// How a cell of a module's live view looks: its text and its two colours.
// The controller picks them by name; the window turns them into pixels
// (the tooltip background is the system's own).
#include <string>

namespace lur {

enum class TLiveColour {
  InfoBk,  // the system's tooltip background
  Teal,    // RGB 008080
  Red,     // RGB FF0000
  Aqua,    // RGB 00FFFF
  Purple,  // RGB 800080
  Black,
  Lime,    // RGB 00FF00
  Yellow,  // RGB FFFF00
};

struct TLiveCellLook {
  std::string text;  // UTF-8
  TLiveColour background = TLiveColour::InfoBk;
  TLiveColour textColour = TLiveColour::Black;
  bool operator==(const TLiveCellLook&) const = default;
};

}  // namespace lur
