#include "fb/TFormCreatFBController.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>

#include "model/DecimalText.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/FieldChecks.h"
#include "ui/NumericText.h"

namespace lur {
namespace {

using C = TCreatFBControl;

constexpr C kDirectionLists[4] = {C::ComboBox1, C::ComboBox3, C::ComboBox5, C::ComboBox7};
constexpr C kKindLists[4] = {C::ComboBox2, C::ComboBox4, C::ComboBox6, C::ComboBox8};
constexpr C kNumberFields[4] = {C::EditVx1, C::EditVx2, C::EditVx3, C::EditVx4};

constexpr int kTimer = TProgFBClass::kTimerType;
constexpr int kTrigger = 7;
constexpr int kComparator = TProgFBClass::kComparatorType;
constexpr int kCounter = 9;
constexpr int kHysteresis = 5;

// The list item a value stands at, or none for a value the list does not hold.
int ItemOf(int value, int items) { return value >= 0 && value < items ? value : TFormCreatFBController::kNoChoice; }

// Source kinds 0, 1, 2 and 4 are the four items; 3 and 5..7 are none of them.
int KindItem(int kind) {
  if (kind == TProgFBClass::kKindDiscreteFlag) return 3;
  return kind >= 0 && kind <= 2 ? kind : TFormCreatFBController::kNoChoice;
}
int KindOfItem(int item) { return item == 3 ? TProgFBClass::kKindDiscreteFlag : item; }

// A number field's value: an empty or unreadable text is 0; a number too
// long for an int is the largest one, so it fails every upper bound.
int FieldValue(const std::string& text) {
  const TIntText read = ParseIntText(text, INT_MIN, INT_MAX);
  if (read.error == TFieldTextError::None) return read.value;
  if (read.error == TFieldTextError::OutOfRange) return text.find('-') == std::string::npos ? INT_MAX : 0;
  return 0;
}

}  // namespace

TFormCreatFBController::TFormCreatFBController(TSession& session) : session_(session) { FormCreate(); }

const char* TFormCreatFBController::Name(TCreatFBControl c) {
  static constexpr const char* kNames[] = {
      "RadioGroup1", "SBVkl",       "ComboBox1",    "ComboBox2", "ComboBox3", "ComboBox4",   "ComboBox5",
      "ComboBox6",   "ComboBox7",   "ComboBox8",    "EditVx1",   "EditVx2",   "EditVx3",     "EditVx4",
      "RadioGroup3", "GBTimer",     "RadioGroup2",  "RadioGroup4", "EditT",   "RadioGroup5", "EditAdrT",
      "EditHour",    "EditMin",     "EditSec",      "GBComp",    "EditAnVh",  "ComboBox9",   "CBoxCond",
      "RadioGroup6", "EditLim",     "EditAdrUst",   "EditGist",  "GBCount",   "EditLimCount"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(C::Count));
  const auto k = static_cast<std::size_t>(c);
  return k < std::size(kNames) ? kNames[k] : "";
}

std::string& TFormCreatFBController::Text(TCreatFBControl field) {
  return const_cast<std::string&>(std::as_const(*this).Text(field));
}

const std::string& TFormCreatFBController::Text(TCreatFBControl field) const {
  switch (field) {
    case C::EditVx1: return rows[0].number;
    case C::EditVx2: return rows[1].number;
    case C::EditVx3: return rows[2].number;
    case C::EditVx4: return rows[3].number;
    case C::EditT: return editT;
    case C::EditAdrT: return editAdrT;
    case C::EditHour: return editHour;
    case C::EditMin: return editMin;
    case C::EditSec: return editSec;
    case C::EditAnVh: return editAnVh;
    case C::EditLim: return editLim;
    case C::EditAdrUst: return editAdrUst;
    case C::EditGist: return editGist;
    case C::EditLimCount: return editLimCount;
    default: return editNFB;  // not a field the user types into
  }
}

int TFormCreatFBController::BlockNumber() const {
  const TIntText n = ParseIntText(editNFB, 1, TProgFBClass::MaxFB + 1);
  return n.error == TFieldTextError::None ? n.value : 0;
}

// ---- preparing and writing -----------------------------------------------------

void TFormCreatFBController::Reset() {
  radioGroup1 = kNoChoice;
  for (int r = 0; r < kRows; ++r) {
    rows[r] = TInputRow{};
    labRS[r].clear();
    EnableRow(r, false);
  }
  radioGroup2 = radioGroup3 = radioGroup4 = radioGroup5 = radioGroup6 = 0;
  editT = editAdrT = editHour = editMin = editSec = "00";
  editAnVh = editLim = editAdrUst = editGist = editLimCount = "00";
  comboBox9 = 0;
  cBoxCond = 0;
  enabled = {};
  enabled.Enable(C::RadioGroup1, true);
  errorTextVisible = false;
  errorField.clear();
  cancel_ = false;
}

void TFormCreatFBController::PrepareForNewBlock(int number, bool archivingEnabled) {
  Reset();
  labCreatProg = kCreating;
  editNFB = std::to_string(number);
  sbVkl = false;
  sbVklCaption = kArchivingOff;
  enabled.Enable(C::SBVkl, archivingEnabled);
  TProgFBClass& fb = session_.config.FB;
  fb.FBModifiedSave = fb.FBModified;
}

void TFormCreatFBController::PrepareFromRecord(int i) {
  TProgFBClass& fb = session_.config.FB;
  fb.FBModifiedSave = fb.FBModified;
  Reset();
  labCreatProg = kProgramming;
  editNFB = std::to_string(i + 1);
  const bool archivable = i >= 0 && i < TProgFBClass::kSignallingBlocks;
  sbVkl = archivable && fb.GetArh(i) == 1;
  sbVklCaption = sbVkl ? kArchivingOn : kArchivingOff;
  enabled.Enable(C::SBVkl, archivable);

  const int t = fb.GetTipFB(i);
  if (t < 1 || t > 9) {  // a type no item stands for: nothing to show
    fb.FBModified = fb.FBModifiedSave;
    return;
  }
  RadioGroup1Click(t - 1);
  if (t == kTimer) {
    // Each choice runs its handling: the timer type enables its inputs and
    // alarm fields, the set-point kind its value or address field.
    const int timerType = ItemOf(fb.GetSubTip(i), 6);
    if (timerType != kNoChoice) {
      RadioGroup2Click(timerType);
    } else {
      radioGroup2 = kNoChoice;
    }
    RadioGroup5Click(fb.GetTimerTUstT(i));
  }
  FillInputs(i);
  FillSettings(i);
  fb.FBModified = fb.FBModifiedSave;
}

void TFormCreatFBController::FillInputs(int i) {
  const TProgFBClass& fb = session_.config.FB;
  const int t = ChosenType();
  const int n = InputCount(t, radioGroup2 == kNoChoice ? fb.GetSubTip(i) : radioGroup2);
  for (int j = 0; j < n; ++j) {
    const bool comp = t == kComparator;
    rows[j].direction = comp ? fb.GetDirVhComp(i) : fb.GetDirVh(i, j);
    rows[j].kind = KindItem(comp ? fb.GetKindVhComp(i) : fb.GetKindVh(i, j));
    rows[j].number = std::to_string(comp ? fb.GetNVhComp(i) : fb.GetNVh(i, j));
  }
  // Rows past the type's inputs stay disconnected and disabled.
  for (int j = n; j < kRows; ++j) {
    rows[j].number = "0";
    EnableRow(j, false);
  }
}

void TFormCreatFBController::FillSettings(int i) {
  const TProgFBClass& fb = session_.config.FB;
  radioGroup3 = 0;
  radioGroup4 = 0;
  editT = "00";
  switch (ChosenType()) {
    case kComparator:
      radioGroup4 = ItemOf(fb.GetTimerD(i), 3);
      editT = std::to_string(fb.GetTimerTime(i));
      editAnVh = std::to_string(fb.GetAnVh(i));
      comboBox9 = fb.GetKindAn(i);
      cBoxCond = fb.GetCompCond(i);
      if (fb.GetSubTip(i) == 0) {
        RadioGroup6Click(kFixed);
        editLim = fb.GetLimitText(i);
      } else {
        RadioGroup6Click(kAdjustable);
        editAdrUst = std::to_string(fb.GetSubTip(i));
      }
      editGist = std::to_string(fb.GetGisterezis(i));
      break;
    case kTimer:
      if (radioGroup2 == kAlarmClock) {
        editHour = std::to_string(fb.GetTimeHour(i));
        editMin = std::to_string(fb.GetTimeMin(i));
        editSec = std::to_string(fb.GetTimeSec(i));
      }
      radioGroup4 = ItemOf(fb.GetTimerD(i), 3);
      if (radioGroup5 == kFixed) {
        editT = std::to_string(fb.GetTimerTime(i));
      } else {
        editAdrT = std::to_string(fb.GetTimerAdrUst(i));
      }
      break;
    case kTrigger:
      radioGroup3 = ItemOf(fb.GetSubTip(i), 2);
      break;
    case kCounter:
      editLimCount = std::to_string(fb.GetLimitCount(i));
      break;
    default:
      break;
  }
}

bool TFormCreatFBController::WriteIntoRecord(int i) {
  const int t = ChosenType();
  if (t == 0) return false;
  TProgFBClass& fb = session_.config.FB;
  if (i < 0 || i >= fb.Capacity()) return false;
  TProgFBClass::Record before = fb.GetRecord(i);
  if ((before[0] & 0x0F) != t) {
    // Another type: its settings and inputs mean nothing to the new one.
    std::fill(before.begin(), before.begin() + 9, 0);
    fb.SetRecord(i, before);
  } else if (t == kTimer && (before[0] >> 4) == kAlarmClock && radioGroup2 != kNoChoice &&
             radioGroup2 != kAlarmClock) {
    // An alarm clock made an ordinary timer: the alarm time (b3, b4 and the
    // hour in b5) would be left in the bits input 2 does not write.
    before[3] = before[4] = 0;
    before[5] &= 0x03;
    fb.SetRecord(i, before);
  }
  fb.SetTipFB(i, t);
  WriteSettings(i, t, before);
  WriteInputs(i, t, before);
  fb.SetArh(i, sbVkl ? 1 : 0);
  return true;
}

void TFormCreatFBController::WriteSettings(int i, int t, const TProgFBClass::Record& before) {
  TProgFBClass& fb = session_.config.FB;
  const int oldSubTip = before[0] >> 4;
  const int oldTimerD = before[5] & 0x03;
  // A list without a choice writes back what the record held.
  auto chosen = [](int item, int old) { return item == kNoChoice ? old : item; };

  if (t == kTimer) {
    fb.SetSubTip(i, chosen(radioGroup2, oldSubTip));
    fb.SetTimerTUstT(i, radioGroup5);
  }
  if (t == kTimer || t == kComparator) {
    fb.SetTimerD(i, chosen(radioGroup4, oldTimerD));
    if (t == kTimer && radioGroup2 == kAlarmClock) {
      fb.SetTimeHour(i, FieldValue(editHour));
      fb.SetTimeMin(i, FieldValue(editMin));
      fb.SetTimeSec(i, FieldValue(editSec));
    }
    if (t == kComparator || radioGroup5 == kFixed) {
      fb.SetTimerTime(i, std::clamp(FieldValue(editT), 0, kMaxTime));
    } else {
      fb.SetTimerAdrUst(i, FieldValue(editAdrT));
    }
  }
  if (t == kTrigger) fb.SetSubTip(i, chosen(radioGroup3, oldSubTip));
  if (t == kComparator) {
    int n = FieldValue(editAnVh);
    const int limit = comboBox9 == 0 ? session_.config.Serv.GetProcessedAnalogCount() : fb.NMat;
    // AnVh has 7 bits: a larger number would name another value.
    if (n < 0 || n > limit || n > 127) {
      n = 0;
      editAnVh = "0";
    }
    fb.SetAnVh(i, n);
    fb.SetKindAn(i, comboBox9);
    if (radioGroup6 == kFixed) {
      fb.SetSubTip(i, 0);
      fb.SetLimitText(i, editLim);
    } else {
      fb.SetSubTip(i, FieldValue(editAdrUst));
    }
    fb.SetCompCond(i, cBoxCond);
    fb.SetGisterezis(i, std::clamp(FieldValue(editGist), 0, kMaxGisterezis));
  }
  if (t == kCounter) fb.SetLimitCount(i, std::clamp(FieldValue(editLimCount), 0, kMaxLimitCount));
}

void TFormCreatFBController::WriteInputs(int i, int t, const TProgFBClass::Record& before) {
  TProgFBClass& fb = session_.config.FB;
  const int n = InputCount(t, fb.GetSubTip(i));
  for (int j = 0; j < n; ++j) {
    const bool comp = t == kComparator;
    // The input's first byte as the record held it: b7 for the comparator.
    const int oldFirst = comp ? before[7] : before[1 + 2 * j];
    const int d = rows[j].direction == kNoChoice ? (oldFirst >> 3) & 1 : rows[j].direction;
    const int k = rows[j].kind == kNoChoice ? oldFirst & 0x07 : KindOfItem(rows[j].kind);
    int number = FieldValue(rows[j].number);
    if (!SourceExists(k, number)) {
      number = 0;
      rows[j].number = "0";
    }
    if (comp) {
      fb.SetDirVhComp(i, d);
      fb.SetKindVhComp(i, k);
      fb.SetNVhComp(i, number);
    } else {
      fb.SetDirVh(i, j, d);
      fb.SetKindVh(i, j, k);
      fb.SetNVh(i, j, number);
    }
  }
}

bool TFormCreatFBController::SourceExists(int kind, int n) const {
  if (n < 0 || n > 255) return false;  // no byte holds it
  const TProgFBClass& fb = session_.config.FB;
  const TServClass& serv = session_.config.Serv;
  switch (kind) {
    case TProgFBClass::kKindDiscrete:
    case TProgFBClass::kKindDiscreteFlag:
      return n <= serv.GetProcessedDiscreteCount();
    case TProgFBClass::kKindAnalogFlag:
      return n <= serv.GetProcessedAnalogCount();
    case TProgFBClass::kKindBlockOutput: {
      // Block numbers above the table's record slots are КВУ numbers; between
      // the blocks and them lie free slots and the integrator records, which
      // no input may take.
      const int m = fb.CapFB == 60 ? 120 : 186;
      const int free = fb.FreeFB();
      return n <= m && (n <= fb.NFB || n > free) && (n <= free || n > free + fb.NIntegr);
    }
    default:
      return true;  // a kind no list holds keeps its number
  }
}

int TFormCreatFBController::InputCount(int t, int timerType) const {
  switch (t) {
    case 1:
    case 2:
    case 3:
    case 4:
    case kTrigger:
    case kCounter:
      return 4;
    case kHysteresis:
      return 2;
    case kTimer:
      return timerType == kAlarmClock ? 1 : 2;
    case kComparator:
      return 1;
    default:
      return 0;
  }
}

// ---- handlers ---------------------------------------------------------------------

void TFormCreatFBController::FormCreate() {
  Reset();
  editNFB.clear();
  labCreatProg = kCreating;
  sbVkl = false;
  sbVklCaption = kArchivingOff;
  focused.clear();
}

void TFormCreatFBController::FormShow() {
  focused = Name(C::RadioGroup1);
  TProgFBClass& fb = session_.config.FB;
  fb.InformSilent = 1;
  if (informButClick) informButClick();
  fb.InformSilent = 0;
}

void TFormCreatFBController::InformButClick() {
  if (informButClick) informButClick();
}

void TFormCreatFBController::MarkChanged() { session_.config.FB.FBModified = 1; }

void TFormCreatFBController::EnableRow(int row, bool on) {
  enabled.Enable({kDirectionLists[row], kKindLists[row], kNumberFields[row]}, on);
}

void TFormCreatFBController::RadioGroup1Click(int item) {
  if (item < 0 || item > 8) return;
  radioGroup1 = item;
  MarkChanged();
  const int t = item + 1;

  // Defaults. The radio groups take their first items without their click
  // handling: the enabling below is the type's.
  radioGroup2 = radioGroup3 = radioGroup4 = radioGroup5 = radioGroup6 = 0;
  editT = editAdrT = editHour = editMin = editSec = "00";
  editAnVh = editLim = editLimCount = editGist = "00";
  cBoxCond = 0;

  const int inputs = (t == kHysteresis || t == kTimer) ? 2 : t == kComparator ? 1 : 4;
  for (int r = 0; r < kRows; ++r) {
    rows[r] = TInputRow{0, 0, "0"};
    EnableRow(r, r < inputs);
    labRS[r].clear();
  }
  enabled.Enable({C::GBTimer, C::RadioGroup2, C::RadioGroup3, C::RadioGroup4, C::RadioGroup5, C::RadioGroup6,
                  C::EditT, C::EditAdrT, C::EditAdrUst, C::EditHour, C::EditMin, C::EditSec, C::GBCount,
                  C::EditLimCount, C::GBComp, C::EditAnVh, C::ComboBox9, C::CBoxCond, C::EditLim, C::EditGist},
                 false);

  switch (t) {
    case kTimer:
      enabled.Enable({C::GBTimer, C::RadioGroup2, C::RadioGroup4, C::RadioGroup5}, true);
      SetPointKind(kFixed, C::EditT, C::EditAdrT);
      labRS = {"S", "R", "", ""};
      break;
    case kTrigger:
      enabled.Enable(C::RadioGroup3, true);
      labRS = {"S", "S", "R", "R"};
      break;
    case kComparator:
      enabled.Enable({C::GBTimer, C::RadioGroup4, C::EditT, C::RadioGroup6, C::GBComp, C::EditGist, C::CBoxCond,
                      C::EditAnVh, C::ComboBox9},
                     true);
      SetPointKind(kFixed, C::EditLim, C::EditAdrUst);
      break;
    case kCounter:
      enabled.Enable({C::GBCount, C::EditLimCount}, true);
      labRS = {"ZV", "ZR", "S", "R"};
      break;
    default:
      break;
  }
}

void TFormCreatFBController::RadioGroup2Click(int item) {
  if (ChosenType() != kTimer || item < 0 || item > 5) return;
  radioGroup2 = item;
  MarkChanged();
  if (item != kAlarmClock) {
    for (int r = 0; r < 2; ++r) {
      EnableRow(r, true);
      rows[r].number = "0";
    }
    editHour = editMin = editSec = "00";
    enabled.Enable({C::EditHour, C::EditMin, C::EditSec}, false);
    labRS[0] = "S";
    labRS[1] = "R";
  } else {
    EnableRow(1, false);
    enabled.Enable({C::EditHour, C::EditMin, C::EditSec}, true);
    labRS[0].clear();
    labRS[1].clear();
  }
}

void TFormCreatFBController::RadioGroup3Click(int item) {
  if (item < 0 || item > 1) return;
  radioGroup3 = item;
  MarkChanged();
}

void TFormCreatFBController::RadioGroup4Click(int item) {
  if (item < 0 || item > 2) return;
  radioGroup4 = item;
  MarkChanged();
}

void TFormCreatFBController::SetPointKind(int item, TCreatFBControl value, TCreatFBControl address) {
  const bool fixed = item == kFixed;
  Text(fixed ? address : value) = "00";
  enabled.Enable(value, fixed);
  enabled.Enable(address, !fixed);
}

void TFormCreatFBController::RadioGroup5Click(int item) {
  if (ChosenType() != kTimer || item < 0 || item > 1) return;
  radioGroup5 = item;
  MarkChanged();
  SetPointKind(item, C::EditT, C::EditAdrT);
}

void TFormCreatFBController::RadioGroup6Click(int item) {
  if (ChosenType() != kComparator || item < 0 || item > 1) return;
  radioGroup6 = item;
  MarkChanged();
  SetPointKind(item, C::EditLim, C::EditAdrUst);
}

void TFormCreatFBController::ComboBox1Change(TCreatFBControl list, int item) {
  for (int r = 0; r < kRows; ++r) {
    if (list == kDirectionLists[r] && item >= 0 && item < 2) rows[r].direction = item;
    if (list == kKindLists[r] && item >= 0 && item < 4) rows[r].kind = item;
  }
  if (list == C::ComboBox9 && item >= 0 && item < 2) comboBox9 = item;
  if (list == C::CBoxCond && item >= 0 && item < 2) cBoxCond = item;
  MarkChanged();
}

void TFormCreatFBController::EditVx1Change(TCreatFBControl field, const std::string& text) {
  if (&Text(field) == &editNFB) return;  // not a field the user types into
  Text(field) = text;
  MarkChanged();
}

void TFormCreatFBController::SBVklClick(bool down) {
  sbVkl = down;
  sbVklCaption = down ? kArchivingOn : kArchivingOff;
  MarkChanged();
}

TFieldKeyVerdict TFormCreatFBController::EditVx1KeyDown(TCreatFBControl field, TKeyStroke key) {
  const TFieldKeyVerdict verdict = ClassifyFieldKey(TFieldKind::Integer, key, Text(field).empty());
  if (verdict == TFieldKeyVerdict::InputError) session_.ui.InputError(Name(field));
  return verdict;
}

TFieldKeyVerdict TFormCreatFBController::EditTKeyDown(TCreatFBControl field, TKeyStroke key) {
  return EditVx1KeyDown(field, key);
}

TFieldKeyVerdict TFormCreatFBController::EditLimKeyDown(TKeyStroke key) {
  const TFieldKeyVerdict verdict = ClassifyFieldKey(TFieldKind::Real, key, editLim.empty());
  if (verdict == TFieldKeyVerdict::InputError) session_.ui.InputError(Name(C::EditLim));
  return verdict;
}

void TFormCreatFBController::ErrorTextMouseMove() { errorTextVisible = false; }

void TFormCreatFBController::InlineError(TCreatFBControl field, const std::string& text) {
  errorText = text;
  errorField = Name(field);
  errorTextVisible = true;
  session_.ui.InlineError(errorField, text);
}

bool TFormCreatFBController::CheckRange(TCreatFBControl field, int lo, int hi) {
  const std::string error = IntFieldErrorText(Text(field), lo, hi, TRangeWording::Short);
  if (error.empty()) return true;
  InlineError(field, error);
  return false;
}

bool TFormCreatFBController::FormCloseQuery() {
  if (cancel_) return true;
  const int t = ChosenType();
  if (t == kTimer && radioGroup2 == kAlarmClock) {
    if (!CheckRange(C::EditHour, 0, 23) || !CheckRange(C::EditMin, 0, 59) || !CheckRange(C::EditSec, 0, 59))
      return false;
  }
  if ((t == kTimer || t == kComparator) && !CheckRange(C::EditT, 0, kMaxTime)) return false;
  if (t == kTimer && radioGroup5 == kAdjustable && !CheckRange(C::EditAdrT, 1, 10)) return false;
  if (t == kComparator && radioGroup6 == kAdjustable && !CheckRange(C::EditAdrUst, 1, 10)) return false;
  // A set-point that is no number, or one no Real24 holds, would be lost.
  if (t == kComparator && radioGroup6 == kFixed && !ParseReal24Text(editLim)) {
    InlineError(C::EditLim, kInputErrorMessage);
    return false;
  }
  // Told, but no reason to stay: an empty field is written as 0.
  if (editAnVh.empty()) InlineError(C::EditAnVh, kInputErrorMessage);
  if (editLimCount.empty()) {
    InlineError(C::EditLimCount, kInputErrorMessage);
    editLimCount = "00";
  }
  return true;
}

void TFormCreatFBController::FormClose() {
  if (editLimCount.empty()) editLimCount = "00";
  TProgFBClass& fb = session_.config.FB;
  if (cancel_) {
    fb.FBModified = fb.FBModifiedSave;  // what the user did here is dropped
    return;
  }
  if (session_.config.Serv.FileMode == 1 && fb.FBModified) session_.config.Serv.Modified = 1;
}

int TFormCreatFBController::OKClick() {
  cancel_ = false;
  if (!FormCloseQuery()) return kModalError;
  FormClose();
  return kModalOk;
}

int TFormCreatFBController::CancelClick() {
  cancel_ = true;
  FormCloseQuery();
  FormClose();
  return kModalCancel;
}

}  // namespace lur
