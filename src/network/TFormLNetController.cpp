// The local network editor: its modes, buttons and settings, and deleting
// an exchange block or a function-15 block.
#include "network/TFormLNetController.h"

#include <algorithm>
#include <vector>

#include "network/moves/SignalMoves.h"
#include "session/MarkEdited.h"
#include "session/TSession.h"

namespace lur {

TFormLNetController::TFormLNetController(TSession& session, TMBMDialog* blocks, TF15Dialog* f15)
    : session_(session), blocks_(blocks), f15_(f15) {}

TFormLNetController::~TFormLNetController() = default;

void TFormLNetController::FormShow(TLNetMode mode) {
  TConfiguration& cfg = session_.config;
  mode_ = mode;
  result_ = kModalOk;
  popupBlock_ = -1;
  popup15_ = -1;
  shown_ = std::make_unique<TConfiguration>(cfg);
  groupBox1Visible = mode == TLNetMode::Functions;
  groupBox2Visible = mode == TLNetMode::Exchange;
  groupBox3Visible = mode == TLNetMode::F15;
  switch (mode) {
    case TLNetMode::Functions: caption = kFunctionsCaption; break;
    case TLNetMode::Exchange: caption = kExchangeCaption; break;
    case TLNetMode::F15: caption = kF15Caption; break;
  }
  skor = cfg.MBM.GetSpeed();
  parit = cfg.MBM.GetFrame();
  labelFileVisible = cfg.Serv.FileMode == 1;
  indicatorVisible = false;
  ShowButtons();
}

void TFormLNetController::ShowButtons() {
  const TConfiguration& cfg = session_.config;
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) {
    const int kodF = cfg.MBM.GetKodF(b);
    buttons[static_cast<std::size_t>(b)] = kodF == 0 ? std::string{} : "Ф" + std::to_string(kodF);
  }
  for (int k = 0; k < 2; ++k) {
    buttons15[static_cast<std::size_t>(k)] = cfg.F15.GetKodF(k) != 0 ? "Ф15" : "";
  }
}

int TFormLNetController::BlockError(int b) const {
  if (b < 0 || b >= TProgMBMClass::kBlockCount) return 0;
  return blockErrors_[static_cast<std::size_t>(b)];
}

void TFormLNetController::ButtonClick(int b) {
  if (b < 0 || b >= TProgMBMClass::kBlockCount || !blocks_) return;
  const int result = blocks_->Program({b});
  if (result == kModalError) {
    blockErrors_[static_cast<std::size_t>(b)] = 1;
    session_.ui.Message({kBlockFailed, kBlockFailedCaption, MsgIcon::Error, MsgButtons::Ok, MsgAnswer::Ok});
  } else if (result != kModalCancel) {
    blockErrors_[static_cast<std::size_t>(b)] = 0;
  }
  ShowButtons();
}

void TFormLNetController::DeleteBlClick() {
  if (popupBlock_ >= 0) DeleteBlock(popupBlock_);
}

// The network inputs' counts and identifiers from the table as it stands.
void TFormLNetController::Bookkeeping() {
  TConfiguration& cfg = session_.config;
  std::vector<TServClass::NetBlock> blocks(TProgMBMClass::kBlockCount);
  for (int q = 0; q < TProgMBMClass::kBlockCount; ++q) {
    blocks[static_cast<std::size_t>(q)].kodF = static_cast<std::uint8_t>(cfg.MBM.GetKodF(q));
    blocks[static_cast<std::size_t>(q)].kolVh = static_cast<std::uint8_t>(cfg.MBM.GetKolVh(q));
  }
  cfg.Serv.BuildNetInputIds(blocks);
}

bool TFormLNetController::DeleteBlock(int b) {
  TConfiguration& cfg = session_.config;
  TProgMBMClass& mbm = cfg.MBM;
  if (b < 0 || b >= TProgMBMClass::kBlockCount || mbm.GetKodF(b) == 0) return false;
  TBlockSpanChange change;
  change.discreteStart = mbm.GetStAddr_Beg1(b);
  change.analogStart = mbm.GetStAddr_Beg2(b);
  change.oldDiscrete = mbm.GetDiscreteSpan(b);
  change.oldAnalog = mbm.GetAnalogSpan(b);
  TSignalMoveMarks marks;
  // The block's signals go, and every reference after them follows.
  MoveBlockSignals(cfg, change, marks);
  mbm.DeleteBlock(b);
  cfg.Serv.SetProcessedDiscreteCount(std::max(0, cfg.Serv.GetProcessedDiscreteCount() - change.oldDiscrete));
  cfg.Serv.SetProcessedAnalogCount(std::max(0, cfg.Serv.GetProcessedAnalogCount() - change.oldAnalog));
  Bookkeeping();
  MarkMovedTables(cfg, marks);
  mbm.BaseRewrite = 1;
  mbm.TableClean = 0;
  int changed = 0;
  MarkEdited(session_, changed);
  std::rotate(blockErrors_.begin() + b, blockErrors_.begin() + b + 1, blockErrors_.end());
  blockErrors_.back() = 0;
  ShowButtons();
  return true;
}

void TFormLNetController::SkorClick(int item) {
  if (item < 0 || item > 3) return;
  skor = item;
  session_.config.MBM.SetSpeed(item);
  MarkEdited(session_, session_.config.MBM.SettingsChanged);
}

void TFormLNetController::ParitClick(int item) {
  if (item < 0 || item > 3) return;
  parit = item;
  session_.config.MBM.SetFrame(item);
  MarkEdited(session_, session_.config.MBM.SettingsChanged);
}

void TFormLNetController::LocNet15Click(int k) {
  if (k < 0 || k > 1 || !f15_) return;
  f15_->Show(k);
  ShowButtons();
}

void TFormLNetController::DeleteBl15Click() {
  if (popup15_ >= 0) DeleteBlock15(popup15_);
}

bool TFormLNetController::DeleteBlock15(int k) {
  TProgF15Class& f15 = session_.config.F15;
  if (k < 0 || k > 1) return false;
  // Its fields and its 32 signal numbers.
  const int first = 1 + k * static_cast<int>(TProgF15Class::kBlockSize);
  for (int i = first; i < first + static_cast<int>(TProgF15Class::kBlockSize); ++i) f15.SetF15Byte(i, 0);
  MarkEdited(session_, f15.F15Changed);
  ShowButtons();
  return true;
}

}  // namespace lur
