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

// The accessors of the head, for a table of blocks that begin with it.
// Derived hands out its block b as a record view through `Block(b)` (const
// and not), the view of no record for an invalid b: such a b reads 0 and
// writes nothing, and a value is cut to its field's width. Derived makes this
// class its friend when `Block` is private.
template <typename Derived>
class TExchangeHeadFields {
 public:
  int GetKodF(int b) const { return Head(b).Get(ExchangeHead::KodF); }
  void SetKodF(int b, int value) { Head(b).Set(ExchangeHead::KodF, value); }
  int GetKolVh(int b) const { return Head(b).Get(ExchangeHead::KolVh); }
  void SetKolVh(int b, int value) { Head(b).Set(ExchangeHead::KolVh, value); }
  int GetUstr(int b) const { return Head(b).Get(ExchangeHead::Ustr); }
  void SetUstr(int b, int value) { Head(b).Set(ExchangeHead::Ustr, value); }
  int GetAdBegDat(int b) const { return Head(b).Get(ExchangeHead::AdBegDat); }  // unsigned 16-bit
  void SetAdBegDat(int b, int value) { Head(b).Set(ExchangeHead::AdBegDat, value); }
  int GetKolDat(int b) const { return Head(b).Get(ExchangeHead::KolDat); }
  void SetKolDat(int b, int value) { Head(b).Set(ExchangeHead::KolDat, value); }

 protected:
  TExchangeHeadFields() = default;

 private:
  auto Head(int b) const { return static_cast<const Derived&>(*this).Block(b); }
  auto Head(int b) { return static_cast<Derived&>(*this).Block(b); }
};

}  // namespace lur
