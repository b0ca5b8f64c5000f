// The local network editor's writes: the exchange write (the network
// groups, the exchange table, the discrete base and input texts from the
// first network page, the function block pages, then the pages the signal
// moves changed) and the function-15 table. Every page goes through the
// page write with completion poll and reports its own failure once; a flag
// is cleared and the reserve takes a page only once the controller has
// confirmed it, so a failure part-way leaves memory as edited and the rest
// still marked.
#include <vector>

#include "loops/LoopPages.h"
#include "network/LNetPages.h"
#include "network/TFormLNetController.h"
#include "session/AccessGate.h"
#include "session/EditorTransferSteps.h"
#include "session/TSession.h"

namespace lur {

namespace pages = lnet_pages;

bool TFormLNetController::Send(const std::vector<std::uint8_t>& data) {
  const bool ok = transfer_steps::WritePage(session_, data) == 0;
  session_.ui.ProgressStepIt();
  return ok;
}

bool TFormLNetController::WriteGroups() {
  TConfiguration& cfg = session_.config;
  TProgMBMClass& mbm = cfg.MBM;
  if (mbm.GroupsClean == 1 && mbm.TableClean == 1) return true;
  // A table change that moved no channel leaves the groups as the
  // controller holds them: unchanged pages are not sent.
  if (mbm.GroupsClean == 1 && !pages::GroupsDiffer(cfg)) return true;
  for (int g = 0; g < pages::GroupCount(cfg); ++g) {
    if (!Send(pages::GroupPage(cfg, g))) return false;
    cfg.Reserv.ResMBM[static_cast<std::size_t>(g)] = mbm.GetGroup(g);
  }
  mbm.GroupsClean = 1;
  return true;
}

bool TFormLNetController::WriteTable() {
  TConfiguration& cfg = session_.config;
  if (!Send(pages::ExchangeTablePage(cfg))) return false;
  cfg.Reserv.ResMBMHead = cfg.MBM.GetTable();
  cfg.Reserv.ResDiscreteCount = cfg.Serv.GetProcessedDiscreteCount();
  cfg.Reserv.ResAnalogCount = cfg.Serv.GetProcessedAnalogCount();
  // The identifiers follow from the table the controller now holds.
  cfg.Reserv.ResInputIds = cfg.Serv.GetInputIds();
  cfg.MBM.TableClean = 1;
  cfg.MBM.SettingsChanged = 0;
  return true;
}

bool TFormLNetController::WriteBase() {
  TConfiguration& cfg = session_.config;
  if (cfg.MBM.BaseRewrite == 0) return true;
  session_.ui.ProgressShow(80, 10);
  for (int k = pages::FirstBasePage(cfg); k < pages::kBasePages; ++k) {
    if (!Send(pages::BasePage(cfg, k))) return false;
    pages::ReserveBasePage(cfg, k);
  }
  session_.ui.ProgressShow(120, 10);
  for (int q = pages::FirstTextPage(cfg); q < pages::kTextPages; ++q) {
    if (!Send(pages::TextPage(cfg, q))) return false;
    pages::ReserveTextPage(cfg, q);
  }
  cfg.MBM.BaseRewrite = 0;
  return true;
}

bool TFormLNetController::WriteFB() {
  TConfiguration& cfg = session_.config;
  session_.ui.ProgressShow(100, 25);
  if (cfg.FB.FBToWrite == 0) return true;
  for (const int p : pages::ChangedFBPages(cfg)) {
    if (!Send(pages::FBPage(cfg, p))) return false;
    pages::ReserveFBPage(cfg, p);
  }
  cfg.FB.FBToWrite = 0;
  return true;
}

// The relay page, the regulator pages and the function-15 page, each when
// the window's moves changed it.
bool TFormLNetController::WriteMovedPages() {
  TConfiguration& cfg = session_.config;
  if (!shown_) return true;
  if (cfg.MR.GetBlock() != shown_->MR.GetBlock()) {
    const TProgMRClass::Block block = cfg.MR.GetBlockForTransfer();
    if (!Send(std::vector<std::uint8_t>(block.begin(), block.end()))) return false;
    cfg.Reserv.ResMR = block;
    for (int position = 1; position <= kSlotCount; ++position) cfg.MR.SetMrSent(position, 1);
  }
  if (pages::HasLoopModule(cfg) && cfg.Reg.GetFileBlock() != shown_->Reg.GetFileBlock()) {
    TEditorPages<TProgRegClass> loop = LoopPages(session_);
    for (const std::uint8_t page : loop.pages(cfg.Reg)) {
      if (!Send(loop.store(cfg.Reg, page))) return false;
    }
    loop.saveReserve(cfg.Reg, cfg.Reserv);
    cfg.Reg.RegModified = 0;
  }
  if (MovedF15Pending()) {
    if (!Send(pages::F15Page(cfg))) return false;
    cfg.Reserv.ResF15 = cfg.F15.GetTable();
    cfg.F15.F15Changed = 0;
  }
  return true;
}

void TFormLNetController::Finish() {
  // Step 8: the last bar stays a moment, then goes; the waiter sleeps.
  session_.link.Waiter().SleepMs(kPauseMs);
  session_.ui.ProgressHide();
  ShowIndicator(false);
}

void TFormLNetController::ShowIndicator(bool visible) {
  indicatorVisible = visible;
  if (indicatorChanged) indicatorChanged();
}

TLNetWrite TFormLNetController::SaveClick() {
  TConfiguration& cfg = session_.config;
  TProgMBMClass& mbm = cfg.MBM;
  if (mbm.SettingsChanged == 1 && (skor < 0 || skor > 3 || parit < 0 || parit > 3)) {
    session_.ui.Message({kBadSettings, "", MsgIcon::None, MsgButtons::Ok, MsgAnswer::Ok});
    result_ = kModalError;
    return TLNetWrite::BadSettings;
  }
  if (!OutputAllowed(session_)) return TLNetWrite::NotAllowed;
  ShowIndicator(true);
  session_.ui.ProgressShow(100, 20);
  const bool done = WriteGroups() && WriteTable() && WriteBase() && WriteFB() && WriteMovedPages();
  // Step 7: the bookkeeping from the tables in memory, whatever happened.
  Bookkeeping();
  Finish();
  return done ? TLNetWrite::Done : TLNetWrite::Failed;
}

TLNetWrite TFormLNetController::Save15Click() {
  TConfiguration& cfg = session_.config;
  if (!OutputAllowed(session_)) return TLNetWrite::NotAllowed;
  ShowIndicator(true);
  session_.ui.ProgressShow(100, 20);
  const bool done = Send(pages::F15Page(cfg));
  if (done) {
    cfg.Reserv.ResF15 = cfg.F15.GetTable();
    cfg.F15.F15Changed = 0;
  }
  Finish();
  return done ? TLNetWrite::Done : TLNetWrite::Failed;
}

}  // namespace lur
