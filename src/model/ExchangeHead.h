#pragma once
// The head every block of the controller's own network master begins with,
// an exchange block (page 0x0A) and a function-15 block (page 0x0B) alike:
// the Modbus function, how many values, the slave's device number, the first
// register or coil, and the count of data words.
#include <cstddef>

#include "model/RecordField.h"

namespace lur {

struct ExchangeHead {
  static constexpr std::size_t kSize = 7;
  static constexpr BitField<kSize> KodF{0};
  static constexpr BitField<kSize> KolVh{1};
  static constexpr BitField<kSize> Ustr{2};
  static constexpr WordField<kSize> AdBegDat{3};
  static constexpr WordField<kSize> KolDat{5};
};

}  // namespace lur
