#pragma once
// The range checks the editors run when a dialog closes or a field is left:
// read the field, and on failure report it at the field, in one call. An
// empty or malformed text is reported with " Ошибка ввода ", a number
// outside its bounds with the range text filled with them.
#include <optional>
#include <string>
#include <string_view>

namespace lur {

class TUserInterface;

enum class TRangeWording {
  Long,   // "Величина вне диапазона %g - %g"
  Short,  // "Вне диапазона %g - %g" (the function block dialog)
};

enum class TFieldReport {
  Inline,  // the inline marker `ErrorText` beside the field
  Box,     // the input error box over the field flashed red
};

struct TFieldCheck {
  TRangeWording wording = TRangeWording::Long;
  TFieldReport report = TFieldReport::Inline;
};

// The message for an integer field's text, empty when it is good.
std::string IntFieldErrorText(std::string_view text, int lo, int hi, TRangeWording wording);
// The same for a real-number field (decimal comma, the numeric text check).
std::string RealFieldErrorText(std::string_view text, double lo, double hi, TRangeWording wording);

// The field's value, or nothing after reporting the failure at `field`.
std::optional<int> ReadIntField(TUserInterface& ui, const std::string& field, std::string_view text, int lo,
                                int hi, TFieldCheck check = {});
std::optional<double> ReadRealField(TUserInterface& ui, const std::string& field, std::string_view text,
                                    double lo, double hi, TFieldCheck check = {});

}  // namespace lur
