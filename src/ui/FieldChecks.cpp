#include "ui/FieldChecks.h"

#include "ui/NumericText.h"
#include "ui/RangeMessages.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

// Kinds beyond those with a range of their own: the form is checked only.
constexpr int kFormOnly = -1;

std::string RangeText(double lo, double hi, TRangeWording wording) {
  return wording == TRangeWording::Short ? ShortRangeMessage(lo, hi) : RangeMessage(lo, hi);
}

void Report(TUserInterface& ui, const std::string& field, const std::string& text, TFieldReport report) {
  if (report == TFieldReport::Box) {
    ui.InputError(field, text);
  } else {
    ui.InlineError(field, text);
  }
}

}  // namespace

std::string IntFieldErrorText(std::string_view text, int lo, int hi, TRangeWording wording) {
  switch (ParseIntText(text, lo, hi).error) {
    case TFieldTextError::None: return {};
    case TFieldTextError::OutOfRange: return RangeText(lo, hi, wording);
    default: return kInputErrorMessage;
  }
}

std::string RealFieldErrorText(std::string_view text, double lo, double hi, TRangeWording wording) {
  const TNumericText number = CheckNumericText(text, kFormOnly);
  switch (number.error) {
    case TFieldTextError::None:
      return number.value < lo || number.value > hi ? RangeText(lo, hi, wording) : std::string();
    case TFieldTextError::OutOfRange: return RangeText(lo, hi, wording);
    default: return kInputErrorMessage;
  }
}

std::optional<int> ReadIntField(TUserInterface& ui, const std::string& field, std::string_view text, int lo,
                                int hi, TFieldCheck check) {
  if (const std::string error = IntFieldErrorText(text, lo, hi, check.wording); !error.empty()) {
    Report(ui, field, error, check.report);
    return std::nullopt;
  }
  return ParseIntText(text, lo, hi).value;
}

std::optional<double> ReadRealField(TUserInterface& ui, const std::string& field, std::string_view text,
                                    double lo, double hi, TFieldCheck check) {
  if (const std::string error = RealFieldErrorText(text, lo, hi, check.wording); !error.empty()) {
    Report(ui, field, error, check.report);
    return std::nullopt;
  }
  return CheckNumericText(text, kFormOnly).value;
}

}  // namespace lur
