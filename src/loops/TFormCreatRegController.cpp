#include "loops/TFormCreatRegController.h"

#include <climits>
#include <cmath>
#include <iterator>

#include "model/AnalogSignalInfo.h"
#include "model/Cp1251.h"
#include "model/DecimalText.h"
#include "session/TSession.h"
#include "ui/NumericText.h"

namespace lur {
namespace {

using F = TCreatRegField;
using C = TCreatRegControl;

constexpr std::array<F, 6> kParams{F::EditKp, F::EditTi, F::EditTd, F::EditOL, F::EditOH, F::EditdSP};
constexpr std::array<F, 6> kInnerParams{F::EditKp1, F::EditTi1, F::EditTd1,
                                        F::EditOL1, F::EditOH1, F::EditdSP1};

F IntervalField(int k) { return static_cast<F>(static_cast<int>(F::Edit1) + k); }
F ValueField(int k) { return static_cast<F>(static_cast<int>(F::Edit7) + k); }

// A set value as the setter group shows it: 2 decimals up to 100, 1 up to
// 1000, none beyond.
std::string PointText(double value) {
  const double magnitude = std::fabs(value);
  return FixedText(value, magnitude <= 100 ? 2 : magnitude <= 1000 ? 1 : 0);
}

}  // namespace

bool IsReadOnlyField(TCreatRegField field) {
  switch (field) {
    case TCreatRegField::EditNKReg:
    case TCreatRegField::EditNReg:
    case TCreatRegField::EditNReg1:
    case TCreatRegField::EditVhSP:
    case TCreatRegField::EditNPZ:
    case TCreatRegField::EditVhPZ:
    case TCreatRegField::EditAReg:
      return true;
    default:
      return false;
  }
}

TFormCreatRegController::TFormCreatRegController(TSession& session, const TEditorRegistry& editors)
    : session_(session), editors_(editors) {
  Reset();
}

TProgRegClass& TFormCreatRegController::Table() { return session_.config.Reg; }

const char* TFormCreatRegController::Name(TCreatRegField field) {
  static constexpr const char* kNames[] = {
      "EditNKReg", "EditNReg", "EditAnVh", "EditAdOUT", "EditKp",    "EditTi",    "EditTd",
      "EditOL",    "EditOH",   "EditdSP",  "EditVhPZ",  "EditNReg1", "EditAnVh1", "EditAdOUT1",
      "EditKp1",   "EditTi1",  "EditTd1",  "EditOL1",   "EditOH1",   "EditdSP1",  "EditVhSP",
      "EditNPZ",   "EditAReg", "Edit1",    "Edit2",     "Edit3",     "Edit4",     "Edit5",
      "Edit6",     "Edit7",    "Edit8",    "Edit9",     "Edit10",    "Edit11",    "Edit12"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(F::Count));
  const auto k = static_cast<std::size_t>(field);
  return k < std::size(kNames) ? kNames[k] : "";
}

const char* TFormCreatRegController::Name(TCreatRegControl control) {
  static constexpr const char* kNames[] = {"CBoxTReg", "GBComp",   "GBRegInt", "GBPZ",
                                           "EditAReg", "EditVhPZ", "InformBut"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(C::Count));
  const auto k = static_cast<std::size_t>(control);
  return k < std::size(kNames) ? kNames[k] : "";
}

int TFormCreatRegController::IntOf(TCreatRegField field) const {
  const TIntText n = ParseIntText(Text(field), INT_MIN, INT_MAX);
  return n.error == TFieldTextError::None ? n.value : 0;
}

std::array<std::string, 6> TFormCreatRegController::DefaultParams() const {
  const TProgRegClass& reg = session_.config.Reg;
  return {FixedText(reg.DefKp, 4), FixedText(reg.DefTi, 4), FixedText(reg.DefTd, 4),
          FixedText(reg.DefOL, 4), FixedText(reg.DefOH, 4), FixedText(reg.DefOSF, 4)};
}

void TFormCreatRegController::SetParams(bool inner, const std::array<std::string, 6>& texts) {
  const auto& fields = inner ? kInnerParams : kParams;
  for (std::size_t k = 0; k < fields.size(); ++k) Text(fields[k]) = texts[k];
}

void TFormCreatRegController::FillRecordParams(bool inner, int record) {
  const TProgRegClass& reg = session_.config.Reg;
  SetParams(inner, {reg.GetKp(record), reg.GetTi(record), reg.GetTd(record), reg.GetOL(record),
                    reg.GetOH(record), reg.GetOSF(record)});
}

// ---- resetting and filling --------------------------------------------------------

void TFormCreatRegController::Reset() {
  for (F f : {F::EditAnVh, F::EditAnVh1, F::EditAReg}) Text(f) = "00";
  for (F f : {F::EditNReg, F::EditAdOUT, F::EditNReg1, F::EditVhSP, F::EditAdOUT1, F::EditNPZ, F::EditVhPZ}) {
    Text(f) = "0";
  }
  for (int k = 0; k < TProgRegClass::kPoints; ++k) Text(IntervalField(k)) = Text(ValueField(k)) = "0";
  for (F f : kInnerParams) Text(f) = "0";
  SetParams(false, DefaultParams());
  Text(F::EditNKReg).clear();
  cBoxTReg = kNoChoice;
  cBoxTOut = cBoxTOut1 = 0;
  labCreatProg = kCreating;
  labAdOUT = kDacOutput;
  labInf1.clear();
  labInf.clear();
  labInf2.clear();
  labInf3.clear();
  enabled = {};
  enabled.Enable(C::InformBut, editors_.Available(TEditor::InputInform));
  razm1.clear();
  for (int u = 0; u < TProgMBAClass::kUnitCount; ++u)
    razm1.push_back(Cp1251ToUtf8(session_.config.MBA.GetUnitText(u)));
  razm2 = razm1;
  errorTextVisible = false;
  errorText = "ошибка";
  errorField.clear();
  focused.clear();
  cancelled = 0;
  passed_ = false;
  mode_ = 0;
  loop_ = -1;
  mappedInner_ = -1;
  slotSetter_ = 0;
  // The scale of another loop's signal must not convert this loop's points.
  session_.config.Reg.ScaleLow = session_.config.Reg.ScaleHigh = 0.0;
}

void TFormCreatRegController::FillCreate(const TLoopSlot& slot) {
  mode_ = 0;
  loop_ = -1;
  labCreatProg = kCreating;
  cBoxTReg = kNoChoice;
  enabled.Enable(C::GBComp, false);
  enabled.Enable(C::CBoxTReg, true);
  Text(F::EditNKReg) = std::to_string(slot.loop);
  Text(F::EditNReg) = std::to_string(slot.regulator);
  slotSetter_ = slot.setter;
  focused = "CBoxTReg";
}

bool TFormCreatRegController::FillEdit(int record) {
  TProgRegClass& reg = session_.config.Reg;
  if (record < 0 || record >= TProgRegClass::kRecords) return false;
  int loop = -1;
  for (int p = 0; p < TProgRegClass::kRecords; ++p) {
    const auto pp = static_cast<std::size_t>(p);
    if (reg.PanelReg[pp] == record && reg.PanelLoop[pp] >= 0 && MainPanelOf(reg, reg.PanelLoop[pp]) == p) {
      loop = reg.PanelLoop[pp];
    }
  }
  if (loop < 0) return false;
  mode_ = 1;
  loop_ = loop;
  mappedInner_ = -1;
  for (int p = 0; p < TProgRegClass::kRecords; ++p) {
    const auto pp = static_cast<std::size_t>(p);
    if (reg.PanelLoop[pp] == loop && reg.PanelReg[pp] != record) mappedInner_ = reg.PanelReg[pp];
  }

  const int kind = reg.LoopKind(record);
  labCreatProg = kProgramming;
  cBoxTReg = kind;  // a role the list does not hold stays as the record has it
  enabled.Enable(C::CBoxTReg, false);
  enabled.Enable(C::GBComp, true);
  Text(F::EditNKReg) = std::to_string(loop + 1);
  Text(F::EditNReg) = std::to_string(record + 1);
  Text(F::EditAnVh) = std::to_string(reg.GetAnVh(record));
  cBoxTOut = reg.GetTOut(record);
  const int adOut = reg.GetAdOUT(record);
  Text(F::EditAdOUT) = std::to_string(kind == TProgRegClass::kKindCascade ? adOut - 7 : adOut + 1);
  SignalInfo(F::EditAnVh, labInf1, labInf, reg.ScaleLow, reg.ScaleHigh);

  if (kind == TProgRegClass::kKindRepeater) {
    for (F f : {F::EditKp, F::EditTi, F::EditTd, F::EditdSP}) Text(f) = "00";
    Text(F::EditOL) = reg.GetOL(record);
    Text(F::EditOH) = reg.GetOH(record);
  } else {
    FillRecordParams(false, record);
  }

  if (kind == TProgRegClass::kKindCascade) {
    labAdOUT = kInnerRegulator;
    enabled.Enable(C::GBRegInt, true);
    if (mappedInner_ >= 0) {
      const int i = mappedInner_;
      Text(F::EditNReg1) = std::to_string(i + 1);
      Text(F::EditAnVh1) = std::to_string(reg.GetAnVh(i));
      cBoxTOut1 = reg.GetTOut(i);
      Text(F::EditAdOUT1) = std::to_string(reg.GetAdOUT(i) + 1);
      FillRecordParams(true, i);
      Text(F::EditVhSP) = std::to_string(reg.GetTReg(i) - 7);
      double low = 0;
      double high = 0;
      SignalInfo(F::EditAnVh1, labInf2, labInf3, low, high);
    } else {
      // The outer names no record that names it back: the inner regulator
      // is to be given anew, as for a new cascade.
      SetParams(true, DefaultParams());
      Text(F::EditVhSP) = std::to_string(record + 1);
    }
  }

  if (kind == TProgRegClass::kKindSetter) {
    enabled.Enable(C::GBPZ, true);
    if (const std::optional<int> s = reg.SetterOf(record)) {
      Text(F::EditVhPZ) = Text(F::EditNPZ) = std::to_string(*s + 1);
      Text(F::EditAReg) = std::to_string(reg.GetAReg(*s));
      for (int k = 0; k < TProgRegClass::kPoints; ++k) {
        Text(IntervalField(k)) = std::to_string(reg.GetTimePZ(*s, k));
        Text(ValueField(k)) = PointText(reg.GetValPZValue(*s, k));
      }
    }
  }
  focused = "EditAnVh";
  return true;
}

TLoopValues TFormCreatRegController::Values() const {
  TLoopValues v;
  v.kind = cBoxTReg == kNoChoice ? kKinds - 1 : cBoxTReg;
  v.regulator = IntOf(F::EditNReg);
  v.anVh = IntOf(F::EditAnVh);
  v.direction = cBoxTOut;
  v.output = IntOf(F::EditAdOUT);
  for (std::size_t k = 0; k < kParams.size(); ++k) {
    v.params[k] = Text(kParams[k]);
    v.innerParams[k] = Text(kInnerParams[k]);
  }
  v.innerAnVh = IntOf(F::EditAnVh1);
  v.innerDirection = cBoxTOut1;
  v.innerOutput = IntOf(F::EditAdOUT1);
  v.setter = IntOf(F::EditNPZ);
  v.aReg = IntOf(F::EditAReg);
  for (int k = 0; k < TProgRegClass::kPoints; ++k) {
    const auto kk = static_cast<std::size_t>(k);
    v.times[kk] = IntOf(IntervalField(k));
    const TNumericText value = CheckNumericText(Text(ValueField(k)), -1);
    v.values[kk] = value.error == TFieldTextError::None ? value.value : 0.0;
  }
  return v;
}

// ---- handlers ------------------------------------------------------------------------

void TFormCreatRegController::FormShow() {
  if (focused.empty()) focused = Creating() ? "CBoxTReg" : "EditAnVh";
}

void TFormCreatRegController::MarkChanged() {
  session_.config.Reg.RegModified = 1;
  passed_ = false;
}

void TFormCreatRegController::CBoxTRegClick(int item) {
  if (!Creating() || item < 0 || item >= kKinds) return;
  cBoxTReg = item;
  MarkChanged();
  TProgRegClass& reg = session_.config.Reg;
  enabled.Enable({C::GBComp, C::GBRegInt, C::GBPZ, C::EditVhPZ, C::EditAReg}, false);
  for (int k = 0; k < TProgRegClass::kPoints; ++k) Text(IntervalField(k)) = Text(ValueField(k)) = "0";
  Text(F::EditVhPZ) = "0";
  Text(F::EditAReg) = "00";
  for (F f : {F::EditVhSP, F::EditNReg1}) Text(f) = "00";
  for (F f : kParams) Text(f) = "00";
  for (F f : kInnerParams) Text(f) = "00";
  labAdOUT = kDacOutput;

  const std::array<std::string, 6> defaults = DefaultParams();
  switch (item) {
    case TProgRegClass::kKindRepeater:
      enabled.Enable(C::GBComp, true);
      Text(F::EditOL) = defaults[3];
      Text(F::EditOH) = defaults[4];
      break;
    case TProgRegClass::kKindSingle:
      enabled.Enable(C::GBComp, true);
      SetParams(false, defaults);
      break;
    case TProgRegClass::kKindCascade:
      enabled.Enable({C::GBComp, C::GBRegInt}, true);
      SetParams(false, defaults);
      SetParams(true, defaults);
      Text(F::EditVhSP) = Text(F::EditNReg);
      labAdOUT = kInnerRegulator;
      break;
    case TProgRegClass::kKindSetter:
      enabled.Enable({C::GBComp, C::GBPZ}, true);
      SetParams(false, defaults);
      Text(F::EditVhPZ) = Text(F::EditNPZ) = std::to_string(slotSetter_);
      Text(F::EditAReg) = Text(F::EditNReg);
      break;
    default:
      SetParams(false, defaults);
      break;
  }
  cBoxTOut = 0;
  for (F f : {F::EditAnVh, F::EditAdOUT, F::EditAnVh1, F::EditAdOUT1}) Text(f) = "00";
  // The signal fields were cleared: so is what they showed.
  labInf1.clear();
  labInf.clear();
  labInf2.clear();
  labInf3.clear();
  reg.ScaleLow = reg.ScaleHigh = 0.0;
}

void TFormCreatRegController::CBoxTOutClick(int item) {
  if (item < 0 || item > 1) return;
  cBoxTOut = item;
  MarkChanged();
}

void TFormCreatRegController::CBoxTOut1Click(int item) {
  if (item < 0 || item > 1) return;
  cBoxTOut1 = item;
  MarkChanged();
}

void TFormCreatRegController::EditChange(TCreatRegField field, const std::string& text) {
  if (IsReadOnlyField(field) || field >= F::Count) return;
  Text(field) = text;
  MarkChanged();
}

bool TFormCreatRegController::SignalInfo(TCreatRegField field, std::string& header, std::string& line,
                                         double& low, double& high) const {
  header.clear();
  line.clear();
  low = high = 0.0;
  const TConfiguration& config = session_.config;
  const TIntText v = ParseIntText(Text(field), 1, config.Serv.GetProcessedAnalogCount());
  if (v.error != TFieldTextError::None) return false;
  const std::optional<AnalogSignalInfo> info = LookupAnalogSignal(
      config.MBA, config.MBM, v.value, config.Serv.GetAiModuleCount(), config.Serv.GetNetBlockTotal());
  if (!info) return false;
  const std::string unit = info->unit >= 0 && info->unit < static_cast<int>(razm1.size())
                               ? razm1[static_cast<std::size_t>(info->unit)]
                               : "";
  header = kInfoHeader;
  line = Cp1251ToUtf8(info->poz) + "   " + info->minText + "  " + info->maxText + "   " + unit;
  low = ParseDecimalText(info->minText).value_or(info->min);
  high = ParseDecimalText(info->maxText).value_or(info->max);
  return true;
}

void TFormCreatRegController::EditAnVhExit() {
  TProgRegClass& reg = session_.config.Reg;
  SignalInfo(F::EditAnVh, labInf1, labInf, reg.ScaleLow, reg.ScaleHigh);
}

void TFormCreatRegController::EditAnVh1Exit() {
  if (!Enabled(C::GBRegInt)) return;
  double low = 0;
  double high = 0;
  if (!SignalInfo(F::EditAnVh1, labInf2, labInf3, low, high)) InlineError(F::EditAnVh1, kInputErrorMessage);
}

void TFormCreatRegController::EditAdOUTExit() {
  if (cBoxTReg != TProgRegClass::kKindCascade || Text(F::EditAdOUT).empty()) return;
  CheckCascadeInner();
}

TFieldKind TFormCreatRegController::KindOf(TCreatRegField field) {
  if ((field >= F::EditKp && field <= F::EditdSP) || (field >= F::EditKp1 && field <= F::EditdSP1) ||
      (field >= F::Edit7 && field <= F::Edit12)) {
    return TFieldKind::Real;
  }
  return TFieldKind::Integer;
}

TFieldKeyVerdict TFormCreatRegController::EditAnVhKeyDown(TCreatRegField field, TKeyStroke key) {
  const TFieldKeyVerdict verdict = ClassifyFieldKey(TFieldKind::Integer, key, Text(field).empty());
  if (verdict == TFieldKeyVerdict::InputError) session_.ui.InputError(Name(field));
  return verdict;
}

TFieldKeyVerdict TFormCreatRegController::EditKpKeyDown(TCreatRegField field, TKeyStroke key) {
  const TFieldKeyVerdict verdict = ClassifyFieldKey(TFieldKind::Real, key, Text(field).empty());
  if (verdict == TFieldKeyVerdict::InputError) session_.ui.InputError(Name(field));
  return verdict;
}

void TFormCreatRegController::ErrorTextMouseMove() { errorTextVisible = false; }

void TFormCreatRegController::InformButClick() {
  if (editors_.Available(TEditor::InputInform)) editors_.Open({TEditor::InputInform});
}

void TFormCreatRegController::InlineError(TCreatRegField field, const std::string& text) {
  errorText = text;
  errorField = Name(field);
  errorTextVisible = true;
  session_.ui.InlineError(errorField, text);
}

}  // namespace lur
