#include "network/TFormF15Controller.h"

#include <algorithm>
#include <cstdio>
#include <optional>

#include "session/AccessGate.h"
#include "session/LinkReports.h"
#include "session/TEditorRegistry.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/NumericText.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

// A field's whole text as a number of `base` (blanks around it allowed);
// nothing when it is empty or holds anything else. Values far past what a
// field may hold are still numbers, judged by the caller's range.
std::optional<int> WholeNumber(const std::string& text, int base = 10) {
  const TIntText parsed = ParseIntText(text, 0, 999999, base);
  if (parsed.error == TFieldTextError::None) return parsed.value;
  if (parsed.error == TFieldTextError::OutOfRange) return 1000000;
  return std::nullopt;
}

std::string Hex4(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%04X", value & 0xFFFF);
  return text;
}

void PlainBox(TUserInterface& ui, const char* text) { ui.Message({text, "", MsgIcon::None, MsgButtons::Ok}); }

}  // namespace

TFormF15Controller::TFormF15Controller(TSession& session, const TEditorRegistry* editors)
    : session_(session), editors_(editors) {}

std::vector<std::string> TFormF15Controller::SlaveAddressItems() {
  std::vector<std::string> items;
  for (int i = 1; i <= kSlaveAddresses; ++i) items.push_back(std::to_string(i));
  return items;
}

void TFormF15Controller::Open(int b) {
  TProgF15Class& f15 = session_.config.F15;
  block_ = std::clamp(b, 0, TProgF15Class::kBlockCount - 1);
  for (int i = 0; i < static_cast<int>(opening_.size()); ++i) opening_[static_cast<std::size_t>(i)] = f15.GetF15Byte(i);
  openingChanged_ = f15.F15Changed;
  result_ = kModalOk;
  errorTextVisible = false;
  labN_MBM = std::to_string(block_ + 1);
  informButEnabled = editors_ && editors_->Available(TEditor::InputInform);
  edit.fill("0");
  editEnabled.fill(false);
  if (f15.GetKodF(block_) != 0) {
    editKodF = std::to_string(f15.GetKodF(block_));
    const int ustr = f15.GetUstr(block_);
    cBoxUstr = ustr >= 1 && ustr <= kSlaveAddresses ? ustr - 1 : -1;
    kvit = f15.GetKvit(block_) != 0;
    sbros = f15.GetSbros(block_) != 0;
    editKolVh = std::to_string(f15.GetKolVh(block_));
    editAdBegDat = Hex4(f15.GetAdBegDat(block_));
    editKolDat = std::to_string(f15.GetKolDat(block_));
    enabledCount_ = std::min(f15.GetKolVh(block_), kSignals);
    for (int k = 0; k < enabledCount_; ++k) {
      edit[static_cast<std::size_t>(k)] = std::to_string(f15.GetSignal(block_, k));
      editEnabled[static_cast<std::size_t>(k)] = true;
    }
  } else {
    editKodF = "0";
    cBoxUstr = -1;
    kvit = false;
    sbros = false;
    editKolVh = "00";
    editAdBegDat = "0000";
    editKolDat = "00";
    enabledCount_ = 0;
  }
  // Filling the fields is no change.
  f15.F15Clean = 1;
}

void TFormF15Controller::FieldChanged() { session_.config.F15.F15Clean = 0; }

void TFormF15Controller::KvitClick() {
  kvit = !kvit;
  FieldChanged();
}

void TFormF15Controller::SbrosClick() {
  sbros = !sbros;
  FieldChanged();
}

void TFormF15Controller::InlineError(const std::string& field) {
  session_.ui.InlineError(field);
  errorTextVisible = true;
}

void TFormF15Controller::EnableSignals(int n) {
  edit.fill("0");
  editEnabled.fill(false);
  enabledCount_ = std::clamp(n, 0, kSignals);
  for (int k = 0; k < enabledCount_; ++k) editEnabled[static_cast<std::size_t>(k)] = true;
}

void TFormF15Controller::EditKolVhExit() {
  const std::optional<int> n = WholeNumber(editKolVh);
  if (!n) {
    InlineError("EditKolVh");
    editKolVh = std::to_string(session_.config.F15.GetKolVh(block_));
    return;
  }
  // Tabbing through the field keeps the numbers typed; only a new count
  // sets the fields up afresh.
  if (std::clamp(*n, 0, kSignals) != enabledCount_) EnableSignals(*n);
}

void TFormF15Controller::EditKodFExit() {
  TProgF15Class& f15 = session_.config.F15;
  const std::optional<int> k = WholeNumber(editKodF);
  if (k && *k == 0 && f15.GetKodF(block_) == 0) return;
  if (k && *k == 15) {
    f15.SetKodF(block_, 15);
    return;
  }
  InlineError("EditKodF");
}

void TFormF15Controller::InformButClick() {
  if (informButEnabled && editors_) editors_->Open({TEditor::InputInform});
}

bool TFormF15Controller::Check() {
  TProgF15Class& f15 = session_.config.F15;
  TUserInterface& ui = session_.ui;
  const int b = block_;
  bool passed = true;

  // 1, 2: the function code.
  const std::optional<int> k = WholeNumber(editKodF);
  if (k && *k == 0 && f15.GetKodF(b) == 0) return true;
  if (!k || (*k != 0 && *k != 15)) {
    InlineError("EditKodF");
    passed = false;
  } else if (*k == 15) {
    f15.SetKodF(b, 15);
  }
  const bool sends = !k || *k != 0;

  // 3: the slave.
  if (cBoxUstr < 0 && sends) {
    PlainBox(ui, kNoSlave);
    f15.SetUstr(b, 0);
    return false;
  }
  f15.SetUstr(b, cBoxUstr + 1);

  // 4, 5: the number of inputs.
  const std::optional<int> kolVh = WholeNumber(editKolVh);
  if (!kolVh || (*kolVh == 0 && sends)) {
    InlineError("EditKolVh");
    editKolVh = std::to_string(f15.GetKolVh(b));
    return false;
  }
  if (*kolVh >= 1 && *kolVh <= kSignals) {
    f15.SetKolVh(b, *kolVh);
  } else if (sends) {
    PlainBox(ui, kBadInputCount);
    return false;
  }

  // 6: the first coil, hexadecimal.
  const std::optional<int> adBegDat = WholeNumber(editAdBegDat, 16);
  if (!adBegDat || *adBegDat > 0xFFFF) {
    InlineError("EditAdBegDat");
    return false;
  }
  f15.SetAdBegDat(b, *adBegDat);

  // 7: the coil quantity is the number of inputs.
  const std::optional<int> kolDat = WholeNumber(editKolDat);
  if (!kolDat) {
    InlineError("EditKolDat");
    return false;
  }
  if (*kolDat == *kolVh) {
    f15.SetKolDat(b, *kolDat);
  } else if (sends) {
    PlainBox(ui, kBadDataCount);
    return false;
  }

  // 8: the signals of the stored number of inputs.
  const int inputs = std::min(f15.GetKolVh(b), kSignals);
  for (int i = 0; i < inputs; ++i) {
    const std::string field = "Edit" + std::to_string(i + 1);
    const std::optional<int> number = WholeNumber(edit[static_cast<std::size_t>(i)]);
    if (!number) {
      InlineError(field);
      return false;
    }
    if (*number <= TProgF15Class::kMaxSignalNumber) {
      f15.SetSignal(b, i, *number);
    } else if (sends) {
      ui.Message({kBadSignal + std::to_string(i + 1), "", MsgIcon::None, MsgButtons::Ok});
      return false;
    }
  }

  // 9: the buttons.
  if (sends) {
    f15.SetKvit(b, kvit ? 1 : 0);
    f15.SetSbros(b, sbros ? 1 : 0);
  }
  return passed;
}

void TFormF15Controller::PutBackOpening() {
  TProgF15Class& f15 = session_.config.F15;
  for (int i = 0; i < static_cast<int>(opening_.size()); ++i) f15.SetF15Byte(i, opening_[static_cast<std::size_t>(i)]);
  f15.F15Changed = openingChanged_;
}

bool TFormF15Controller::WriteTable() {
  TProgF15Class& f15 = session_.config.F15;
  // Until the controller confirms the page the change stays pending.
  f15.F15Changed = 1;
  if (!OutputAllowed(session_)) return false;
  const auto data = f15.GetPageData();
  const int code = WritePage(session_.ui, session_.link, session_.addressing,
                             std::span<const std::uint8_t>(data.data(), TProgF15Class::GetF15Length()));
  if (code != 0) return false;
  for (int i = 0; i < static_cast<int>(session_.config.Reserv.ResF15.size()); ++i) {
    session_.config.Reserv.ResF15[static_cast<std::size_t>(i)] = f15.GetF15Byte(i);
  }
  f15.F15Changed = 0;
  return true;
}

bool TFormF15Controller::FormCloseQuery() {
  TProgF15Class& f15 = session_.config.F15;
  TServClass& serv = session_.config.Serv;
  // An empty block left empty: nothing is stored and nothing asked.
  const std::optional<int> k = WholeNumber(editKodF);
  if (k && *k == 0 && f15.GetKodF(block_) == 0) {
    result_ = kModalOk;
    return true;
  }
  if (!Check()) {
    const MsgAnswer finish = session_.ui.Message(
        {kFinishQuestion, kFinishCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes});
    if (finish != MsgAnswer::Yes) return false;
    PutBackOpening();
    errorTextVisible = false;
    result_ = kModalError;
    return true;
  }
  result_ = kModalOk;
  if (serv.FileMode != 0 && f15.F15Clean == 0) serv.Modified = 1;
  if (serv.FileMode != 0 || f15.F15Clean == 1) return true;
  const MsgAnswer save = session_.ui.Message(
      {kSaveQuestion, kSaveCaption, MsgIcon::Question, MsgButtons::YesNoCancel, MsgAnswer::No});
  if (save == MsgAnswer::Cancel) return false;
  if (save == MsgAnswer::Yes) {
    WriteTable();
    f15.F15Clean = 1;
    return true;
  }
  PutBackOpening();
  f15.F15Clean = 0;
  return true;
}

}  // namespace lur
