#pragma once
// How one analog value of an exchange block looks in the live view, from
// the status byte the controller sends with it: bits 0..2 the limit
// violation, bits 5, 6 and 7 three state flags shown as a letter.
#include <string>
#include <string_view>

#include "live/TLiveCellLook.h"

namespace lur {

struct TNetAnalogLook {
  TLiveCellLook ar;   // the state letter
  TLiveCellLook nar;  // the limit violation
  std::string val;    // the value text (UTF-8)
};

// The looks of a row after a poll: status byte and the 7 characters of the
// value as the controller formatted them (Windows-1251).
TNetAnalogLook NetAnalogLook(int status, std::string_view valueText);

}  // namespace lur
