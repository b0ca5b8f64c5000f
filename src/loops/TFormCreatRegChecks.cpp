// The checks of the loop dialog on closing with OK, and what they guard: a
// value stored into a record must have a record, a DAC output or a 16-bit
// code to go to, never wrap into another one.
#include <algorithm>
#include <cmath>

#include "loops/TFormCreatRegController.h"
#include "session/MarkEdited.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/FieldChecks.h"
#include "ui/NumericText.h"
#include "ui/RangeMessages.h"

namespace lur {
namespace {

using F = TCreatRegField;
using C = TCreatRegControl;

struct ParamRange {
  double lo;
  double hi;
};
// Kp, Ti, Td, OL, OH, OSF.
constexpr std::array<ParamRange, 6> kParamRanges{
    {{0.1, 1000}, {0.1, 10000}, {0, 1000}, {0, 100}, {0, 100}, {0, 100}}};
constexpr std::array<F, 6> kParams{F::EditKp, F::EditTi, F::EditTd, F::EditOL, F::EditOH, F::EditdSP};
constexpr std::array<F, 6> kInnerParams{F::EditKp1, F::EditTi1, F::EditTd1,
                                        F::EditOL1, F::EditOH1, F::EditdSP1};

F IntervalField(int k) { return static_cast<F>(static_cast<int>(F::Edit1) + k); }
F ValueField(int k) { return static_cast<F>(static_cast<int>(F::Edit7) + k); }

}  // namespace

bool TFormCreatRegController::NotEmpty(std::initializer_list<TCreatRegField> fields) {
  for (F f : fields) {
    if (Text(f).empty()) {
      InlineError(f, kInputErrorMessage);
      return false;
    }
  }
  return true;
}

bool TFormCreatRegController::CheckInt(TCreatRegField field, int lo, int hi) {
  if (ParseIntText(Text(field), lo, hi).error == TFieldTextError::None) return true;
  InlineError(field, kInputErrorMessage);
  return false;
}

bool TFormCreatRegController::CheckParams(bool inner, bool ranges) {
  const auto& fields = inner ? kInnerParams : kParams;
  for (std::size_t k = 0; k < fields.size(); ++k) {
    const std::string& text = Text(fields[k]);
    std::string error;
    if (ranges) {
      error = RealFieldErrorText(text, kParamRanges[k].lo, kParamRanges[k].hi, TRangeWording::Long);
    } else {
      // A repeater keeps what is typed, but only a number the record can hold.
      const TNumericText number = CheckNumericText(text, -1);
      if (number.error == TFieldTextError::Empty || number.error == TFieldTextError::BadForm ||
          !ParseReal24Text(text)) {
        error = kInputErrorMessage;
      }
    }
    if (!error.empty()) {
      InlineError(fields[k], error);
      return false;
    }
  }
  return true;
}

int TFormCreatRegController::ExpectedInner() const {
  if (!Creating() && mappedInner_ >= 0) return mappedInner_ + 1;
  return IntOf(F::EditNReg) + 1;
}

bool TFormCreatRegController::InnerRecordFree(int record) const {
  const TProgRegClass& reg = session_.config.Reg;
  if (record < 0 || record >= TProgRegClass::kRecords || record == IntOf(F::EditNReg) - 1) return false;
  for (int p = 0; p < TProgRegClass::kRecords; ++p) {
    const auto pp = static_cast<std::size_t>(p);
    if (reg.PanelReg[pp] == record && reg.PanelLoop[pp] >= 0 && reg.PanelLoop[pp] != loop_) return false;
  }
  // A new loop's records lie past every record in use.
  return !Creating() || reg.GetAnVh(record) == 0;
}

bool TFormCreatRegController::CheckCascadeInner() {
  const std::string& text = Text(F::EditAdOUT);
  if (text.empty()) return true;
  const TIntText n = ParseIntText(text, 1, kOutputs);
  if (n.error != TFieldTextError::None || n.value != ExpectedInner() || !InnerRecordFree(n.value - 1)) {
    InlineError(F::EditAdOUT, kInputErrorMessage);
    return false;
  }
  Text(F::EditNReg1) = std::to_string(n.value);
  return true;
}

bool TFormCreatRegController::CheckSetter() {
  if (!CheckInt(F::EditVhPZ, 1, kOutputs)) return false;
  const TProgRegClass& reg = session_.config.Reg;
  const double low = reg.ScaleLow;
  const double high = reg.ScaleHigh;
  // Points are kept in (H - L) / 16383: a signal without a span has none.
  if (!(high != low) || !std::isfinite(high - low)) {
    InlineError(F::EditAnVh, kInputErrorMessage);
    return false;
  }
  // The values whose code fits ValPZ's signed 16 bits.
  const double span = high - low;
  const double codeA = -32768.0 * span / TProgRegClass::kSetPointScale;
  const double codeB = 32767.0 * span / TProgRegClass::kSetPointScale;
  for (int k = 0; k < TProgRegClass::kPoints; ++k) {
    const F interval = IntervalField(k);
    const F value = ValueField(k);
    if (!NotEmpty({interval, value})) return false;
    if (const std::string error = IntFieldErrorText(Text(interval), 0, kMaxInterval, TRangeWording::Long);
        !error.empty()) {
      InlineError(interval, error);
      return false;
    }
    if (const std::string error =
            RealFieldErrorText(Text(value), std::min(low, high), std::max(low, high), TRangeWording::Long);
        !error.empty()) {
      InlineError(value, error);
      return false;
    }
    const double v = CheckNumericText(Text(value), -1).value;
    if (!TProgRegClass::SetPointCode(v, low, high)) {
      InlineError(value, RangeMessage(std::min(codeA, codeB), std::max(codeA, codeB)));
      return false;
    }
  }
  return true;
}

bool TFormCreatRegController::CheckDacUnique() {
  const TProgRegClass& reg = session_.config.Reg;
  const bool cascade = cBoxTReg == TProgRegClass::kKindCascade;
  const F field = cascade ? F::EditAdOUT1 : F::EditAdOUT;
  const int own = IntOf(cascade ? F::EditNReg1 : F::EditNReg);
  const int output = IntOf(field);
  for (int s = 0; s < TProgRegClass::kRecords; ++s) {
    if (reg.GetAnVh(s) == 0) continue;
    const std::optional<int> dac = reg.DacOutputOf(s);
    if (dac && *dac + 1 == output && own != s + 1) {
      InlineError(field, kDacUsed);
      return false;
    }
  }
  return true;
}

bool TFormCreatRegController::FormCloseQuery() {
  if (cancelled) return true;
  // The points convert with the scale of the signal the field names now,
  // whether or not the field was left since it was typed.
  EditAnVhExit();
  const int analogCount = session_.config.Serv.GetProcessedAnalogCount();
  if (!NotEmpty({F::EditAnVh, F::EditVhSP, F::EditAdOUT})) return false;
  if (cBoxTReg == TProgRegClass::kKindCascade && !CheckCascadeInner()) return false;
  if (!CheckParams(false, cBoxTReg != TProgRegClass::kKindRepeater)) return false;
  if (!NotEmpty({F::EditAReg})) return false;
  if (Enabled(C::GBPZ) && !CheckSetter()) return false;
  if (!CheckInt(F::EditAdOUT, 1, kOutputs)) return false;
  if (!CheckInt(F::EditAnVh, 1, analogCount)) return false;
  if (Enabled(C::GBRegInt)) {
    if (!CheckInt(F::EditAdOUT1, 1, kOutputs) || !CheckInt(F::EditAnVh1, 1, analogCount)) return false;
    if (!CheckParams(true, true)) return false;
  }
  return CheckDacUnique();
}

int TFormCreatRegController::OKClick() {
  cancelled = 0;
  passed_ = FormCloseQuery();
  if (!passed_) return kModalError;
  TProgRegClass& reg = session_.config.Reg;
  if (reg.RegModified) MarkEdited(session_, reg.RegModified);
  return kModalOk;
}

int TFormCreatRegController::CancelClick() {
  cancelled = 1;
  passed_ = false;
  errorTextVisible = false;
  return kModalCancel;
}

}  // namespace lur
