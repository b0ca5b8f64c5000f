#pragma once
// The slave device types an exchange block can name (its TipUstr code), as
// the windows that describe a block show them.
#include <string_view>

namespace lur {

// "ЛУР-01", "ТЕРН", "СУР-ЛО", "СУР-ЛЕ", "ВЕДА", "ЛУР-05", "резерв" for 6..14,
// "не определен" for 15; "" for a code outside 0..15.
constexpr std::string_view SlaveTypeName(int code) {
  constexpr std::string_view names[] = {"ЛУР-01", "ТЕРН", "СУР-ЛО", "СУР-ЛЕ", "ВЕДА", "ЛУР-05"};
  if (code >= 0 && code < 6) return names[code];
  if (code >= 6 && code < 15) return "резерв";
  if (code == 15) return "не определен";
  return "";
}

}  // namespace lur
