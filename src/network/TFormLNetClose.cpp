// The local network editor's closing, in two stages: the exchange blocks
// and settings (with every page their moves changed), then the
// function-15 blocks' own edits.
#include "network/TFormLNetController.h"
#include "session/TSession.h"

namespace lur {

bool TFormLNetController::MovedTablesChanged() const {
  if (!shown_) return false;
  const TConfiguration& cfg = session_.config;
  return cfg.MR.GetBlock() != shown_->MR.GetBlock() || cfg.Reg.GetFileBlock() != shown_->Reg.GetFileBlock() ||
         MovedF15Pending();
}

// Outside the function-15 mode the function-15 table changes only by the
// moves: renumbered numbers go with the exchange pages, and so does a
// renumbering an earlier write could not deliver.
bool TFormLNetController::MovedF15Pending() const {
  const TConfiguration& cfg = session_.config;
  if (mode_ == TLNetMode::F15 || !shown_) return false;
  return cfg.F15.GetTable() != shown_->F15.GetTable() || cfg.F15.F15Changed == 1;
}

bool TFormLNetController::ExchangePending() const {
  const TConfiguration& cfg = session_.config;
  const TProgMBMClass& mbm = cfg.MBM;
  return mbm.SettingsChanged == 1 || mbm.BaseRewrite == 1 || mbm.GroupsClean == 0 || mbm.TableClean == 0 ||
         cfg.FB.FBToWrite == 1 || MovedTablesChanged();
}

// Memory as the window was shown: the window's own changes and the
// references its moves changed in other tables go, and so do their marks.
void TFormLNetController::RestoreShown() {
  if (!shown_) return;
  TConfiguration& cfg = session_.config;
  const TConfiguration& was = *shown_;
  const int fileMode = cfg.Serv.FileMode;
  const int modified = cfg.Serv.Modified;
  cfg.Serv = was.Serv;
  cfg.Serv.FileMode = fileMode;
  cfg.Serv.Modified = modified;
  cfg.MBM = was.MBM;
  cfg.Lur.SetRecords(was.Lur.GetRecords());
  cfg.FB = was.FB;
  cfg.Reg = was.Reg;
  cfg.MR = was.MR;
  if (mode_ != TLNetMode::F15) cfg.F15 = was.F15;
}

namespace {

TMessage Question() {
  return {TFormLNetController::kQuestion, TFormLNetController::kQuestionCaption, MsgIcon::Question,
          MsgButtons::YesNoCancel, MsgAnswer::No};
}

}  // namespace

bool TFormLNetController::FormCloseQuery() {
  TConfiguration& cfg = session_.config;
  if (ExchangePending()) {
    if (cfg.Serv.FileMode == 1) {
      cfg.Serv.Modified = 1;
    } else {
      switch (session_.ui.Message(Question())) {
        case MsgAnswer::Yes: SaveClick(); break;
        case MsgAnswer::No: RestoreShown(); break;
        default: return false;
      }
    }
  }
  // The second stage is the function-15 dialogs' own edits.
  if (mode_ == TLNetMode::F15 && cfg.F15.F15Changed == 1) {
    if (cfg.Serv.FileMode == 1) {
      cfg.Serv.Modified = 1;
    } else {
      switch (session_.ui.Message(Question())) {
        case MsgAnswer::Yes: Save15Click(); break;
        case MsgAnswer::No: {
          const int was = shown_ ? shown_->F15.F15Changed : 0;
          if (shown_) cfg.F15 = shown_->F15;
          // A change pending before the window was shown stays marked.
          cfg.F15.F15Changed = was;
          break;
        }
        default: return false;
      }
    }
  }
  return true;
}

}  // namespace lur
