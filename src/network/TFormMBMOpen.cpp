// Opening the exchange block dialog: the block's fields as stored, or the
// starting texts of a new block and the places it would take.
#include <cstdio>

#include "network/MBMRules.h"
#include "network/TFormMBMController.h"
#include "session/TSession.h"

namespace lur {
namespace {

constexpr int kMaxDiscrete = 192;
constexpr int kMaxAnalog = 48;

bool Configured(const TProgMBMClass& mbm, int b) {
  const int kodF = mbm.GetKodF(b);
  return kodF >= 1 && kodF <= 4;
}

std::string Hex4(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
  return text;
}

}  // namespace

TFormMBMController::TFormMBMController(TSession& session, TMBMWindows windows)
    : session_(session), windows_(windows) {}

const char* TFormMBMController::Name(TMBMField field) {
  static constexpr const char* names[] = {"EditKolVh", "EditXMax", "EditUstr", "EditAdBegDat", "EditKolDat"};
  return names[static_cast<std::size_t>(field)];
}

const char* TFormMBMController::Name(TMBMControl control) {
  static constexpr const char* names[] = {"EditXMax", "TipDate", "Byte_Order", "Scaling", "ButOnLine"};
  return names[static_cast<std::size_t>(control)];
}

std::string TFormMBMController::ButtonCaption() const {
  return "Ф" + std::to_string(session_.config.MBM.GetKodF(block_));
}

std::string TFormMBMController::StoredText(F field) const {
  const TProgMBMClass& mbm = session_.config.MBM;
  const int b = block_;
  if (!Configured(mbm, b)) {
    switch (field) {
      case F::EditUstr:
        return "";
      case F::EditAdBegDat:
        return "0000";
      default:
        return "00";
    }
  }
  switch (field) {
    case F::EditKolVh:
      return std::to_string(mbm.GetKolVh(b));
    case F::EditXMax:
      return mbm.GetKodF(b) >= 3 ? std::to_string(mbm.GetXMax(b)) : "00";
    case F::EditUstr:
      return std::to_string(mbm.GetUstr(b));
    case F::EditAdBegDat:
      return Hex4(mbm.GetAdBegDat(b));
    case F::EditKolDat:
      return std::to_string(mbm.GetKolDat(b));
    case F::Count:
      break;
  }
  return "";
}

void TFormMBMController::ClearDataLists() {
  tipDate = kNoChoice;
  byteOrder = kNoChoice;
  enabled.Enable({TMBMControl::TipDate, TMBMControl::Byte_Order}, false);
}

bool TFormMBMController::Open(int block) {
  TConfiguration& cfg = session_.config;
  TProgMBMClass& mbm = cfg.MBM;
  if (block < 0 || block >= TProgMBMClass::kBlockCount) return false;
  block_ = block;
  creating_ = !Configured(mbm, block);
  closed_ = false;
  result_ = 0;
  tableChanged_ = false;
  moved_ = {};
  if (creating_) {
    if (cfg.Serv.GetProcessedDiscreteCount() > kMaxDiscrete - 1) {
      session_.ui.Message({kNoNetPlaces, "", MsgIcon::None, MsgButtons::Ok, MsgAnswer::Ok});
      return false;
    }
    if (cfg.Serv.GetProcessedAnalogCount() > kMaxAnalog - 1) {
      session_.ui.Message({kNoAnalogPlaces, "", MsgIcon::None, MsgButtons::Ok, MsgAnswer::Ok});
    }
  }
  opening_ = std::make_unique<TConfiguration>(cfg);

  labNMBM = std::to_string(block + 1);
  label9 = creating_ ? kCreating : kCorrecting;
  fileMode = cfg.Serv.FileMode == 1;
  for (int f = 0; f < static_cast<int>(F::Count); ++f) Text(static_cast<F>(f)) = StoredText(static_cast<F>(f));
  enabled = {};
  enabled.Enable(TMBMControl::Scaling, true);
  enabled.Enable(TMBMControl::ButOnLine, windows_.live != nullptr);
  ClearDataLists();
  if (creating_) {
    tipUstr = kNoChoice;
    cBoxKodF = kNoChoice;
    // A block created before configured ones takes its places where the
    // next of them begins; after the last one, at the end of the lists.
    int start1 = cfg.Serv.GetProcessedDiscreteCount();
    int start2 = cfg.Serv.GetProcessedAnalogCount();
    for (int q = block + 1; q < TProgMBMClass::kBlockCount; ++q) {
      if (!Configured(mbm, q)) continue;
      start1 = mbm.GetStAddr_Beg1(q);
      start2 = mbm.GetStAddr_Beg2(q);
      break;
    }
    stAddrBeg1 = std::to_string(start1);
    stAddrBeg2 = std::to_string(start2);
    return true;
  }
  ShowStored();
  return true;
}

void TFormMBMController::ShowStored() {
  const TProgMBMClass& mbm = session_.config.MBM;
  const int b = block_;
  const int kodF = mbm.GetKodF(b);
  const int type = mbm.GetTipUstr(b);
  tipUstr = type;
  cBoxKodF = kodF - 1;
  stAddrBeg1 = std::to_string(mbm.GetStAddr_Beg1(b));
  stAddrBeg2 = std::to_string(mbm.GetStAddr_Beg2(b));
  const bool analog = kodF >= 3;
  enabled.Enable(TMBMControl::EditXMax, analog);
  const int storedDate = mbm.GetTipDate(b);
  tipDate = (type == kSlaveLur01 || !analog) ? kNoChoice : storedDate;
  const bool orderShown =
      (type == kSlaveLur05 && kodF == 3) || (type == kSlaveOther && analog && storedDate == 1);
  byteOrder = orderShown ? mbm.GetByte_Order(b) : kNoChoice;
  const bool other = type == kSlaveOther && analog;
  enabled.Enable(TMBMControl::TipDate, other);
  enabled.Enable(TMBMControl::Byte_Order, other && storedDate == 1);
}

void TFormMBMController::RestoreOpening() {
  if (!opening_) return;
  TConfiguration& cfg = session_.config;
  const TConfiguration& was = *opening_;
  cfg.Serv = was.Serv;
  cfg.MBA = was.MBA;
  cfg.MR = was.MR;
  cfg.MBM = was.MBM;
  cfg.Lur = was.Lur;
  cfg.FB = was.FB;
  cfg.Reg = was.Reg;
  cfg.F15 = was.F15;
}

}  // namespace lur
