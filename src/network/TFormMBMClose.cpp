// Closing the exchange block dialog: the checks in their order, the places
// the block takes, the moves of what follows it, and the bookkeeping.
#include <algorithm>
#include <charconv>
#include <vector>

#include "network/MBMRules.h"
#include "network/TFormMBMController.h"
#include "session/MarkEdited.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"

namespace lur {
namespace {

constexpr int kMaxDiscrete = 192;
constexpr int kMaxAnalog = 48;
constexpr int kMaxXMax = 16384;

bool Configured(const TProgMBMClass& mbm, int b) {
  const int kodF = mbm.GetKodF(b);
  return kodF >= 1 && kodF <= 4;
}

int DiscreteSpan(int kodF, int n) { return kodF == 1 || kodF == 2 ? n : (kodF == 3 || kodF == 4 ? 4 * n : 0); }
int AnalogSpan(int kodF, int n) { return kodF == 3 || kodF == 4 ? n : 0; }

// The whole text as a number of the given base, -1 when it is none (the
// fields hold at most five digits, so nothing wraps).
int Parse(const std::string& text, int base) {
  if (text.empty() || text.size() > 5) return -1;
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc{} || end != text.data() + text.size()) return -1;
  return value;
}

}  // namespace

int TFormMBMController::IntOf(F field) const { return Parse(Text(field), 10); }
int TFormMBMController::HexOf(F field) const { return Parse(Text(field), 16); }

bool TFormMBMController::CheckHead() {
  if (tipUstr == kNoChoice) {
    Warn(kNoType);
    return false;
  }
  if (cBoxKodF == kNoChoice) {
    Warn(kNoFunction);
    return false;
  }
  if (Text(F::EditUstr).empty()) {
    Warn(kNoSlave);
    return false;
  }
  const int ustr = IntOf(F::EditUstr);
  if (ustr < 1 || ustr > 255) {
    Warn(kBadSlave);
    return false;
  }
  struct Required {
    F field;
    const char* message;
    int base;
  };
  for (const Required& r : {Required{F::EditKolVh, kNoCount, 10}, Required{F::EditXMax, kNoXMax, 10},
                            Required{F::EditAdBegDat, kNoStart, 16}, Required{F::EditKolDat, kNoQuantity, 10}}) {
    if (Parse(Text(r.field), r.base) < 0) {
      Warn(r.message);
      Text(r.field) = StoredText(r.field);
      return false;
    }
  }
  return true;
}

bool TFormMBMController::CheckRules() {
  TMBMRuleInput input;
  input.tipUstr = tipUstr;
  input.kodF = cBoxKodF + 1;
  input.kolVh = IntOf(F::EditKolVh);
  input.adBegDat = HexOf(F::EditAdBegDat);
  input.kolDat = IntOf(F::EditKolDat);
  input.tipDate = tipDate == 1 ? 1 : 0;
  std::vector<std::string> messages = CheckDeviceRules(input);
  const int xMax = IntOf(F::EditXMax);
  if (xMax < 0 || xMax > kMaxXMax) messages.emplace_back(kBadXMax);
  for (const std::string& m : messages) Warn(m);
  return messages.empty();
}

bool TFormMBMController::AssignAndMove() {
  TConfiguration& cfg = session_.config;
  TProgMBMClass& mbm = cfg.MBM;
  const int b = block_;
  const int oldKodF = creating_ ? 0 : mbm.GetKodF(b);
  const int oldN = creating_ ? 0 : mbm.GetKolVh(b);
  const int kodF = cBoxKodF + 1;
  const int n = IntOf(F::EditKolVh);
  const int start1 = std::max(0, Parse(stAddrBeg1, 10));
  const int start2 = std::max(0, Parse(stAddrBeg2, 10));

  // The places of every configured block after this one, passing over
  // empty places; the ends are the new counts.
  std::vector<std::pair<int, std::pair<int, int>>> following;  // block, starts
  int end1 = start1 + DiscreteSpan(kodF, n);
  int end2 = start2 + AnalogSpan(kodF, n);
  for (int q = b + 1; q < TProgMBMClass::kBlockCount; ++q) {
    if (!Configured(mbm, q)) continue;
    following.push_back({q, {end1, end2}});
    end1 += mbm.GetDiscreteSpan(q);
    end2 += mbm.GetAnalogSpan(q);
  }
  const bool noDiscrete = end1 > kMaxDiscrete;
  const bool noAnalog = end2 > kMaxAnalog;
  if (noDiscrete) Warn(kNoDiscretePlaces);
  if (noAnalog) Warn(kNoAnalogInputs);
  if (noDiscrete || noAnalog) {
    mbm.SetKodF(b, 0);
    return false;
  }

  mbm.SetTipUstr(b, tipUstr);
  mbm.SetKodF(b, kodF);
  mbm.SetUstr(b, IntOf(F::EditUstr));
  mbm.SetKolVh(b, n);
  mbm.SetXMax(b, IntOf(F::EditXMax));
  mbm.SetAdBegDat(b, HexOf(F::EditAdBegDat));
  mbm.SetKolDat(b, IntOf(F::EditKolDat));
  mbm.SetTipDate(b, tipDate == 1 ? 1 : 0);
  mbm.SetByte_Order(b, byteOrder == 1 ? 1 : 0);
  mbm.SetStAddr_Beg1(b, start1);
  mbm.SetStAddr_Beg2(b, start2);

  // Values of the same kind (discrete 1, 2 or analog 3, 4) keep their
  // places: the leading ones stay referred to. A change of kind leaves
  // nothing of the old places.
  const bool same = (oldKodF >= 3) == (kodF >= 3) && oldKodF != 0;
  TBlockSpanChange change;
  change.discreteStart = start1;
  change.analogStart = start2;
  change.oldDiscrete = DiscreteSpan(oldKodF, oldN);
  change.newDiscrete = DiscreteSpan(kodF, n);
  change.keptDiscrete = same ? std::min(change.oldDiscrete, change.newDiscrete) : 0;
  change.oldAnalog = AnalogSpan(oldKodF, oldN);
  change.newAnalog = AnalogSpan(kodF, n);
  change.keptAnalog = same ? std::min(change.oldAnalog, change.newAnalog) : 0;
  if (creating_ || !same || oldN != n) MoveBlockSignals(cfg, change, moved_);

  for (const auto& [q, starts] : following) {
    mbm.SetStAddr_Beg1(q, starts.first);
    mbm.SetStAddr_Beg2(q, starts.second);
  }
  for (int q = b + 1; q < TProgMBMClass::kBlockCount; ++q) {
    if (!Configured(mbm, q)) mbm.ClearBlock(q);
  }
  cfg.Serv.SetProcessedDiscreteCount(end1);
  cfg.Serv.SetProcessedAnalogCount(end2);
  Bookkeeping();
  return true;
}

void TFormMBMController::Bookkeeping() {
  TConfiguration& cfg = session_.config;
  TProgMBMClass& mbm = cfg.MBM;
  std::vector<TServClass::NetBlock> blocks(TProgMBMClass::kBlockCount);
  for (int q = 0; q < TProgMBMClass::kBlockCount; ++q) {
    blocks[static_cast<std::size_t>(q)].kodF = static_cast<std::uint8_t>(mbm.GetKodF(q));
    blocks[static_cast<std::size_t>(q)].kolVh = static_cast<std::uint8_t>(mbm.GetKolVh(q));
  }
  cfg.Serv.BuildNetInputIds(blocks);

  const TConfiguration& was = *opening_;
  tableChanged_ = mbm.GetTable() != was.MBM.GetTable() ||
                  cfg.Serv.GetProcessedDiscreteCount() != was.Serv.GetProcessedDiscreteCount() ||
                  cfg.Serv.GetProcessedAnalogCount() != was.Serv.GetProcessedAnalogCount() || moved_.channels;
  MarkMovedTables(cfg, moved_);
  if (creating_) mbm.BaseRewrite = 1;
  if (!tableChanged_ && !moved_.Any()) return;
  int changed = 0;
  MarkEdited(session_, changed);  // file mode: the configuration is modified
  if (tableChanged_) mbm.TableClean = 0;
}

int TFormMBMController::FormCloseQuery() {
  closed_ = true;
  moved_ = {};
  tableChanged_ = false;
  const bool accepted = CheckHead() && CheckRules() && AssignAndMove();
  if (!accepted) {
    RestoreOpening();
    result_ = kModalError;
    return result_;
  }
  result_ = kModalOk;
  const int kodF = session_.config.MBM.GetKodF(block_);
  if ((kodF == 3 || kodF == 4) && windows_.scaling) windows_.scaling->Show(block_);
  return result_;
}

}  // namespace lur
