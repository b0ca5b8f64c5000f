#include "fb/TFormFBCalcController.h"

#include <algorithm>
#include <climits>
#include <iterator>
#include <utility>

#include "model/TProgFBClass.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/FieldChecks.h"
#include "ui/NumericText.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

using C = TFBCalcControl;
using Form = TFormFBCalcController;

constexpr int kCreateIntegrators = 0;
constexpr int kCreateArithmetic = 1;
constexpr int kProgramIntegrators = 2;
constexpr int kProgramArithmetic = 3;

// Everything an arithmetic operation uses, disabled between choices.
constexpr C kArithmeticControls[] = {C::ComboBox1, C::ComboBox2, C::EditX1, C::EditX2,
                                     C::EditC1,    C::EditC2,    C::EditY};

bool IsChannel(C c) { return static_cast<int>(c) < Form::kChannels; }
int ChannelIndex(C c) { return static_cast<int>(c); }

}  // namespace

TFormFBCalcController::TFormFBCalcController(TSession& session) : session_(session) { FormCreate(); }

TProgFBClass& TFormFBCalcController::FB() { return session_.config.FB; }

int TFormFBCalcController::G() const { return session_.config.FB.NIntegr > 0 ? 2 : 0; }

int TFormFBCalcController::ProcessedAnalog() const { return session_.config.Serv.GetProcessedAnalogCount(); }

const char* TFormFBCalcController::Name(TFBCalcControl c) {
  static constexpr const char* kNames[] = {
      "Edit1",     "Edit2",     "Edit3",    "Edit4",        "Edit5",       "Edit6",     "Edit7",    "Edit8",
      "Edit9",     "Edit10",    "Edit11",   "Edit12",       "Edit13",      "Edit14",    "Edit15",   "Edit16",
      "Edit17",    "Edit18",    "Edit19",   "Edit20",       "Edit21",      "Edit22",    "Edit23",   "Edit24",
      "GroupBox2", "EditNFB1",  "EditNFB2", "HourBeginDay", "RadioGroup1", "GroupBox3", "EditNFB3", "UpDown1",
      "ComboBox1", "ComboBox2", "EditX1",   "EditX2",       "EditC1",      "EditC2",    "EditY"};
  static_assert(std::size(kNames) == static_cast<std::size_t>(C::Count));
  const auto k = static_cast<std::size_t>(c);
  return k < std::size(kNames) ? kNames[k] : "";
}

std::string& TFormFBCalcController::Text(TFBCalcControl field) {
  return const_cast<std::string&>(std::as_const(*this).Text(field));
}

const std::string& TFormFBCalcController::Text(TFBCalcControl field) const {
  if (IsChannel(field)) return channels[static_cast<std::size_t>(ChannelIndex(field))];
  switch (field) {
    case C::HourBeginDay:
      return hourBeginDay;
    case C::EditNFB1:
      return editNFB1;
    case C::EditNFB2:
      return editNFB2;
    case C::EditX1:
      return editX1;
    case C::EditX2:
      return editX2;
    case C::EditC1:
      return editC1;
    case C::EditC2:
      return editC2;
    case C::EditY:
      return editY;
    default:
      return editNFB3;
  }
}

int TFormFBCalcController::Value(TFBCalcControl field) const {
  const TIntText n = ParseIntText(Text(field), INT_MIN, INT_MAX);
  return n.error == TFieldTextError::None ? n.value : 0;
}

// ---- preparing ------------------------------------------------------------------------

void TFormFBCalcController::FormCreate() {
  Reset();
  labCreatProg.clear();
}

void TFormFBCalcController::Reset() {
  enabled = {};
  channels.fill("0");
  labNFB1.clear();
  editNFB1.clear();
  labNFB2.clear();
  editNFB2.clear();
  labNFB3.clear();
  editNFB3.clear();
  upDownMin = upDownMax = 0;
  hourBeginDay = "00";
  radioGroup1 = kNoChoice;
  comboBox1 = comboBox2 = kNoChoice;
  editX1 = editC1 = editX2 = editC2 = editY = "0";
  enabled.Enable(C::RadioGroup1, true);
  errorTextVisible = false;
  errorField.clear();
  cancel_ = false;
}

void TFormFBCalcController::Prepare() {
  TProgFBClass& fb = FB();
  fb.FBModifiedSave = fb.FBModified;
  Reset();
  const int g = G();
  switch (fb.CalcMode) {
    case kCreateIntegrators:
      labCreatProg = kCreatingIntegrators;
      enabled.Enable({C::GroupBox2, C::Edit1, C::HourBeginDay}, true);
      labNFB1 = "1";
      editNFB1 = std::to_string(fb.NFB + 1);
      RadioGroup1Click(kIntegrators);
      break;
    case kCreateArithmetic:
      labCreatProg = kCreatingArithmetic;
      enabled.Enable({C::GroupBox3, C::ComboBox1, C::EditX1, C::EditC1, C::EditX2, C::EditC2}, true);
      labNFB3 = std::to_string(fb.NMat + 1);
      editNFB3 = std::to_string(fb.NFB + g + fb.NMat + 1);  // the next free place
      editY = std::to_string(fb.NMat + 1);
      break;
    case kProgramIntegrators:
      labCreatProg = kProgrammingIntegrators;
      enabled.Enable({C::GroupBox2, C::Edit1}, true);
      labNFB1 = "1";
      editNFB1 = std::to_string(fb.NFB + 1);
      RadioGroup1Click(kIntegrators);
      FillIntegrators();
      break;
    case kProgramArithmetic: {
      labCreatProg = kProgrammingArithmetic;
      enabled.Enable({C::GroupBox3, C::ComboBox1, C::EditX1, C::EditC1, C::ComboBox2, C::EditX2, C::EditNFB3,
                      C::UpDown1},
                     true);
      const int k = fb.CurMat != -1 ? fb.CurMat + 1 : 1;
      const int r = fb.NFB + g + k - 1;
      FillArithmetic(r);
      labNFB3 = std::to_string(k);
      editNFB3 = std::to_string(r + 1);
      // The arithmetic blocks there are, and no further.
      upDownMin = fb.NFB + g + 1;
      upDownMax = fb.NFB + g + fb.NMat;
      // Chosen in the math window: that block and no other.
      if (fb.CurMat != -1) enabled.Enable({C::EditNFB3, C::UpDown1}, false);
      break;
    }
    default:
      break;
  }
  fb.FBModified = fb.FBModifiedSave;
}

void TFormFBCalcController::ShowBlock2() {
  labNFB2 = "2";
  editNFB2 = std::to_string(FB().NFB + 2);
}

void TFormFBCalcController::FillIntegrators() {
  TProgFBClass& fb = FB();
  const int first = fb.NFB;
  for (int c = 0; c < kBlockChannels; ++c) {
    channels[static_cast<std::size_t>(c)] = std::to_string(fb.GetIntVh(first, c));
    channels[static_cast<std::size_t>(c + kBlockChannels)] = std::to_string(fb.GetIntVh(first + 1, c));
  }
  for (int c = 0; c < kChannels; ++c) {
    const bool used = channels[static_cast<std::size_t>(c)] != "0";
    if (used) enabled.Enable(Channel(c), true);
    if (used && c + 1 < kChannels) enabled.Enable(Channel(c + 1), true);
  }
  ShowBlock2();
  bool block2Empty = fb.GetIntVh(first, kBlockChannels - 1) == 0;
  for (int c = kBlockChannels; c < kChannels; ++c)
    block2Empty = block2Empty && channels[static_cast<std::size_t>(c)] == "0";
  // Block 2 needs a record of its own after block 1.
  const bool noRoom = fb.NFB + 2 > fb.Capacity();
  if (noRoom || block2Empty) {
    for (int c = kBlockChannels; c < kChannels; ++c) {
      if (noRoom) channels[static_cast<std::size_t>(c)] = "0";
      enabled.Enable(Channel(c), false);
    }
    labNFB2.clear();
    editNFB2.clear();
  }
  hourBeginDay = std::to_string(fb.GetHourBeginDay(first));
  enabled.Enable(C::HourBeginDay, true);
}

void TFormFBCalcController::FillArithmetic(int r) {
  TProgFBClass& fb = FB();
  const int op = fb.GetSubTip(r);
  RadioGroup1Click(op);
  comboBox1 = fb.GetKindX1(r);
  editX1 = std::to_string(fb.GetNX1(r));
  editC1 = fb.GetConstText(r, 1);
  if (op >= 1 && op < kSquareRoot) {
    comboBox2 = fb.GetKindX2(r);
    editX2 = std::to_string(fb.GetNX2(r));
  } else {
    editX2.clear();
  }
  editY = std::to_string(fb.GetAdrY(r, 2));
  if (op == 1 || op == 2) {
    enabled.Enable(C::EditC2, true);
    editC2 = fb.GetConstText(r, 2);
    editY = std::to_string(fb.GetAdrY(r, 1));
  }
}

// ---- handlers ----------------------------------------------------------------------------

void TFormFBCalcController::MarkChanged() { FB().FBModified = 1; }

void TFormFBCalcController::Edit1Change(TFBCalcControl field, const std::string& text) {
  if (field == C::EditNFB1 || field == C::EditNFB2) return;  // nothing the user types into
  Text(field) = text;
  MarkChanged();
}

void TFormFBCalcController::ComboBoxChange(TFBCalcControl list, int item) {
  if (item < 0 || item > 1) return;
  if (list == C::ComboBox1) comboBox1 = item;
  if (list == C::ComboBox2) comboBox2 = item;
  MarkChanged();
}

void TFormFBCalcController::RadioGroup1Click(int item) {
  if (item < kIntegrators || item > kSquareRoot) return;
  MarkChanged();
  const int mode = FB().CalcMode;
  // Integrators and arithmetic blocks are never made in one another's dialog.
  if ((mode == kCreateIntegrators || mode == kProgramIntegrators) && item != kIntegrators) {
    radioGroup1 = kIntegrators;
    return;
  }
  if (mode == kProgramArithmetic && item == kIntegrators) {
    radioGroup1 = kNoChoice;
    return;
  }
  // A new arithmetic block is a sum unless the user says otherwise; its
  // fields follow the sum.
  if (mode == kCreateArithmetic && item == kIntegrators) item = 1;
  radioGroup1 = item;

  enabled.Enable({C::GroupBox2, C::GroupBox3}, false);
  for (const C c : kArithmeticControls) enabled.Enable(c, false);
  if ((mode == kCreateArithmetic || mode == kProgramArithmetic) && item != kIntegrators) {
    enabled.Enable({C::GroupBox3, C::ComboBox1, C::EditX1, C::EditC1}, true);
    if (item < kSquareRoot) enabled.Enable({C::ComboBox2, C::EditX2}, true);
    if (item == 1 || item == 2) {
      enabled.Enable(C::EditC2, true);
    } else {
      editC2.clear();
    }
  }
  if (item == kIntegrators) {
    enabled.Enable(C::GroupBox2, true);
    if (FB().NIntegr > 0) {
      FillIntegrators();
    } else {
      enabled.Enable(C::Edit1, true);
    }
  }
}

int TFormFBCalcController::OperandMax(int source) const {
  return source == kAnalogSource ? ProcessedAnalog() : session_.config.FB.NMat;
}

void TFormFBCalcController::Edit1Exit(TFBCalcControl field) {
  const std::string& text = Text(field);
  if (ParseIntText(text, INT_MIN, INT_MAX).error == TFieldTextError::Empty) {
    InlineError(field, kInputErrorMessage);
    return;
  }
  if (field == C::EditC1 || field == C::EditC2 || field == C::EditY) return;
  if (IsChannel(field) && radioGroup1 == kIntegrators) {
    if (!IntFieldErrorText(text, 0, ProcessedAnalog(), TRangeWording::Long).empty()) {
      InlineError(field, kInputErrorMessage);
      return;
    }
    const int f = ChannelIndex(field) + 1;  // 1..24
    // Block 2 needs a record of its own after block 1.
    if (Value(field) != 0 && f < kChannels && FB().NFB + 2 <= FB().Capacity()) {
      enabled.Enable(Channel(f), true);
      if (f == kBlockChannels) ShowBlock2();
    }
    return;
  }
  if ((field == C::EditX1 || field == C::EditX2) && radioGroup1 > kIntegrators) {
    CheckInt(field, 0, OperandMax(field == C::EditX1 ? comboBox1 : comboBox2));
  }
}

bool TFormFBCalcController::EditNFB3Exit() {
  TProgFBClass& fb = FB();
  for (const C c : kArithmeticControls) enabled.Enable(c, false);
  editY.clear();
  editX2.clear();
  editC2.clear();
  comboBox2 = kNoChoice;
  // Only the arithmetic blocks there are: past the last one lie empty
  // records (or the table's end).
  const int g = G();
  const TIntText n = ParseIntText(editNFB3, fb.NFB + g + 1, fb.NFB + g + fb.NMat);
  if (n.error != TFieldTextError::None) {
    InlineError(C::EditNFB3, kInputErrorMessage);
    return true;
  }
  const int r = n.value - 1;
  if (fb.GetTipFB(r) != TProgFBClass::kCalcType || fb.GetSubTip(r) == 0) {
    ShowWarning(session_.ui, kNotCreated);
    cancel_ = true;
    fb.FBModified = fb.FBModifiedSave;
    return false;
  }
  labNFB3 = std::to_string(r - fb.NFB - g + 1);
  labCreatProg = kProgrammingArithmetic;
  // Showing another block is no change.
  const int modified = fb.FBModified;
  enabled.Enable({C::GroupBox3, C::ComboBox1, C::EditX1, C::EditC1}, true);
  FillArithmetic(r);
  fb.FBModified = modified;
  return true;
}

bool TFormFBCalcController::UpDown1Click(bool up) {
  if (upDownMax < upDownMin) return true;
  const int from = ParseIntText(editNFB3, INT_MIN, INT_MAX).error == TFieldTextError::None
                       ? Value(C::EditNFB3)
                       : upDownMin;
  editNFB3 = std::to_string(std::clamp(from + (up ? 1 : -1), upDownMin, upDownMax));
  return EditNFB3Exit();
}

TFieldKeyVerdict TFormFBCalcController::Edit1KeyDown(TFBCalcControl field, TKeyStroke key) {
  const TFieldKeyVerdict verdict = ClassifyFieldKey(TFieldKind::Integer, key, Text(field).empty());
  if (verdict == TFieldKeyVerdict::InputError) session_.ui.InputError(Name(field));
  return verdict;
}

TFieldKeyVerdict TFormFBCalcController::EditC1KeyDown(TFBCalcControl field, TKeyStroke key) {
  const TFieldKeyVerdict verdict = ClassifyFieldKey(TFieldKind::Real, key, Text(field).empty());
  if (verdict == TFieldKeyVerdict::InputError) session_.ui.InputError(Name(field));
  return verdict;
}

bool TFormFBCalcController::HourBeginDayKeyPress(char c) { return (c >= '0' && c <= '9') || c == '\b'; }

void TFormFBCalcController::ErrorTextMouseMove() { errorTextVisible = false; }

void TFormFBCalcController::InlineError(TFBCalcControl field, const std::string& text) {
  errorText = text;
  errorField = Name(field);
  errorTextVisible = true;
  session_.ui.InlineError(errorField, text);
}

bool TFormFBCalcController::CheckInt(TFBCalcControl field, int lo, int hi) {
  const std::string error = IntFieldErrorText(Text(field), lo, hi, TRangeWording::Long);
  if (error.empty()) return true;
  InlineError(field, error);
  return false;
}

bool TFormFBCalcController::CheckConstant(TFBCalcControl field) {
  const std::string error = RealFieldErrorText(Text(field), -kMaxConstant, kMaxConstant, TRangeWording::Long);
  if (error.empty()) return true;
  InlineError(field, error);
  return false;
}

// ---- closing -------------------------------------------------------------------------------

bool TFormFBCalcController::FormCloseQuery() {
  if (cancel_) return true;
  // The record needs an operation: none chosen keeps the dialog open.
  if (radioGroup1 == kNoChoice) {
    InlineError(C::RadioGroup1, kInputErrorMessage);
    return false;
  }
  if (radioGroup1 == kIntegrators) {
    for (int c = 0; c < kChannels; ++c) {
      if (!IntFieldErrorText(channels[static_cast<std::size_t>(c)], 0, ProcessedAnalog(), TRangeWording::Long)
               .empty()) {
        InlineError(Channel(c), kInputErrorMessage);
        return false;
      }
    }
    return CheckInt(C::HourBeginDay, 0, kMaxHour);
  }
  if (!CheckConstant(C::EditC1)) return false;
  if (!CheckInt(C::EditX1, 0, OperandMax(comboBox1))) return false;
  if (radioGroup1 < kSquareRoot && !CheckInt(C::EditX2, 0, OperandMax(comboBox2))) return false;
  if ((radioGroup1 == 1 || radioGroup1 == 2) && !CheckConstant(C::EditC2)) return false;
  return CheckInt(C::EditY, 1, kMaxResult);
}

int TFormFBCalcController::OKClick() {
  cancel_ = false;
  if (!FormCloseQuery()) return kModalError;
  if (session_.config.Serv.FileMode == 1 && FB().FBModified != 0) session_.config.Serv.Modified = 1;
  return kModalOk;
}

int TFormFBCalcController::CancelClick() {
  cancel_ = true;
  FB().FBModified = FB().FBModifiedSave;  // what the user did here is dropped
  return kModalCancel;
}

}  // namespace lur
