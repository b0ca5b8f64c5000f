#pragma once
// The checks of typed numbers: the numeric text check the editors run on
// real-number and scale fields, and the integer reading of integer and
// hexadecimal fields. Neither wraps: a number too long for its type is out of
// range, never another number.
#include <optional>
#include <string_view>

namespace lur {

enum class TFieldTextError {
  None,
  Empty,       // nothing but blanks
  BadForm,     // not a number of the field's form
  OutOfRange,  // a number, outside the field's range
};

struct TNumericRange {
  double lo;
  double hi;
};

// The range a numeric text of `kind` must lie in: -32767..32767 for kinds
// 0..2, 0..3 for kind 5; other kinds are checked for their form only.
std::optional<TNumericRange> NumericKindRange(int kind);

struct TNumericText {
  TFieldTextError error = TFieldTextError::None;
  double value = 0;  // meaningful unless error is Empty or BadForm
};

// The numeric text check. Blanks around the number are ignored. Errors: an
// empty text; more than one decimal comma or a comma at the end; a '?';
// 'б' or 'Б' (the key of the comma on the Russian layout); more than one
// minus, a minus not in front or a minus alone; anything else that is not
// digits with at most one comma (a point is not a decimal separator here).
// A number outside the kind's range is OutOfRange.
TNumericText CheckNumericText(std::string_view utf8, int kind);

struct TIntText {
  TFieldTextError error = TFieldTextError::None;
  int value = 0;  // meaningful only when error is None
};

// Reads an integer field: blanks around it ignored, an optional minus, then
// digits of `base` (10, or 16 with A..F in either case). A value outside
// lo..hi is OutOfRange, however many digits it has.
TIntText ParseIntText(std::string_view text, int lo, int hi, int base = 10);

}  // namespace lur
