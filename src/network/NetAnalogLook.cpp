#include "network/NetAnalogLook.h"

#include "model/Cp1251.h"

namespace lur {

TNetAnalogLook NetAnalogLook(int status, std::string_view valueText) {
  static const char* const kViolations[] = {"L(L-H)", "H(L-H)", "L", "LL", "H", "HH"};
  const bool b5 = (status & 0x20) != 0;
  const bool b6 = (status & 0x40) != 0;
  const bool b7 = (status & 0x80) != 0;
  const bool flagged = b5 || b6 || b7;
  const int v = status & 0x07;

  TNetAnalogLook look;
  if (!flagged) {
    look.ar = {"и", TLiveColour::Lime, TLiveColour::Black};
  } else {
    look.ar.text = b7 ? "п" : (b6 ? "о" : "к");
    look.ar.background = b5 ? TLiveColour::Yellow : TLiveColour::Purple;
    look.ar.textColour = (b6 || b7) ? TLiveColour::InfoBk : TLiveColour::Black;
  }
  if (v >= 1 && v <= 6) {
    if (!(b6 && !b7)) look.nar = {kViolations[v - 1], TLiveColour::Red, TLiveColour::Black};
  } else if (v == 0 && !flagged) {
    look.nar = {"норма", TLiveColour::Lime, TLiveColour::Black};
  }
  if (!b6) look.val = Cp1251ToUtf8(valueText);
  return look;
}

}  // namespace lur
