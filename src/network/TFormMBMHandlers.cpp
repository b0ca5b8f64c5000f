// The exchange block dialog's choices, field exits and key filters.
#include "network/MBMRules.h"
#include "network/TFormMBMController.h"
#include "session/TSession.h"

namespace lur {
namespace {

constexpr int kItemF1 = 0;
constexpr int kItemF3 = 2;
constexpr int kItemF4 = 3;
constexpr int kInteger = 0;
constexpr int kIeee754 = 1;

bool Analog(int item) { return item == kItemF3 || item == kItemF4; }
bool IsReserve(int item) { return item >= kSlaveFirstReserve && item < kSlaveOther; }

}  // namespace

void TFormMBMController::Warn(const std::string& text) {
  session_.ui.Message({text, kErrorCaption, MsgIcon::Warning, MsgButtons::Ok, MsgAnswer::Ok});
}

void TFormMBMController::TipUstrClick(int item) {
  if (item < 0 || item >= kTypeItems) return;
  ClearDataLists();
  if (IsReserve(item)) {
    tipUstr = kNoChoice;
    enabled.Enable(TMBMControl::EditXMax, true);
    Text(F::EditAdBegDat) = "0000";
    Text(F::EditKolVh) = "0";
    Text(F::EditKolDat) = "0";
    cBoxKodF = kNoChoice;
    return;
  }
  tipUstr = item;
  switch (item) {
    case kSlaveLur01:
      cBoxKodF = kItemF1;
      enabled.Enable(TMBMControl::EditXMax, false);
      Text(F::EditAdBegDat) = "0000";
      Text(F::EditKolVh) = "16";
      Text(F::EditKolDat) = "16";
      break;
    case kSlaveTern:
    case kSlaveSurLo:
    case kSlaveSurLe:
    case kSlaveVeda: {
      enabled.Enable(TMBMControl::EditXMax, true);
      Text(F::EditXMax) = item == kSlaveTern ? "16384" : "8192";
      cBoxKodF = kItemF3;
      const bool room = session_.config.Serv.GetProcessedDiscreteCount() <= 192;
      const std::string count = item != kSlaveVeda ? "1" : (room ? "6" : "0");
      Text(F::EditKolVh) = count;
      Text(F::EditKolDat) = count;
      tipDate = kInteger;  // shown, not chosen: the list stays disabled
      break;
    }
    default:  // "ЛУР-05" and "другие "
      cBoxKodF = kItemF1;
      enabled.Enable(TMBMControl::EditXMax, true);
      Text(F::EditAdBegDat) = "0000";
      Text(F::EditKolVh) = "0";
      Text(F::EditKolDat) = "0";
      break;
  }
}

void TFormMBMController::CBoxKodFClick(int item) {
  if (item < kItemF1 || item > kItemF4) return;
  ClearDataLists();
  cBoxKodF = item;
  const auto refuse = [this] {
    session_.ui.Message({kBadFunction, "", MsgIcon::None, MsgButtons::Ok, MsgAnswer::Ok});
    cBoxKodF = kNoChoice;
  };
  if (tipUstr >= kSlaveTern && tipUstr <= kSlaveVeda) {
    if (Analog(item)) {
      enabled.Enable(TMBMControl::EditXMax, true);
      tipDate = kInteger;
    } else {
      refuse();
      enabled.Enable(TMBMControl::EditXMax, false);
    }
  } else if (tipUstr == kSlaveLur01) {
    if (Analog(item)) {
      refuse();
    } else {
      enabled.Enable(TMBMControl::EditXMax, false);
    }
  } else if (tipUstr == kSlaveLur05) {
    if (item == kItemF3) {
      tipDate = kIeee754;
      byteOrder = 0;
    } else if (item == kItemF4) {
      tipDate = kInteger;
    }
  } else if (tipUstr == kSlaveOther) {
    if (Analog(item)) {
      enabled.Enable(TMBMControl::TipDate, true);
      tipDate = kInteger;
    }
  }
}

void TFormMBMController::TipDateClick(int item) {
  if (item != kInteger && item != kIeee754) return;
  tipDate = item;
  enabled.Enable(TMBMControl::Byte_Order, item == kIeee754);
  byteOrder = item == kIeee754 ? 0 : kNoChoice;
}

void TFormMBMController::Byte_OrderClick(int item) {
  if (item == 0 || item == 1) byteOrder = item;
}

void TFormMBMController::EditChange(TMBMField field, const std::string& text) {
  if (field == F::Count) return;
  Text(field) = text;
}

void TFormMBMController::EditExit(TMBMField field) {
  if (field == F::Count) return;
  if (Text(field).empty()) Warn(kValueMissing);
}

TFieldKind TFormMBMController::KindOf(TMBMField field) {
  return field == F::EditAdBegDat ? TFieldKind::Hexadecimal : TFieldKind::Integer;
}

TFieldKeyVerdict TFormMBMController::EditKeyDown(TMBMField field, TKeyStroke key) {
  if (field == F::Count) return TFieldKeyVerdict::Pass;
  const TFieldKeyVerdict verdict = ClassifyFieldKey(KindOf(field), key, Text(field).empty());
  if (verdict == TFieldKeyVerdict::InputError) session_.ui.InputError(Name(field));
  return verdict;
}

void TFormMBMController::ScalingClick() {
  const int kodF = session_.config.MBM.GetKodF(block_);
  if ((kodF == 3 || kodF == 4) && windows_.scaling) windows_.scaling->Show(block_);
}

void TFormMBMController::ButOnLineClick() {
  if (!windows_.live) return;
  const std::string type = tipUstr >= 0 && tipUstr < kTypeItems ? kTypeNames[tipUstr] : "";
  windows_.live->Show({block_, type, Text(F::EditUstr)});
}

}  // namespace lur
