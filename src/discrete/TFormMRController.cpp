#include "discrete/TFormMRController.h"

#include <algorithm>

#include "model/ModuleTypes.h"
#include "session/AccessGate.h"
#include "session/EditorTransferSteps.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/NumericText.h"

namespace lur {

namespace {

constexpr std::array<const char*, static_cast<std::size_t>(TMRRowControl::Count)> kControlNames = {
    "TipVyh", "Kvit", "Block", "KvitMind", "KvitTopLevel", "EditVxKvit", "SbrMind", "SbrTopLevel", "EditVhSbr",
};

constexpr std::size_t kModuleOffset(int m) { return 1 + TProgMRClass::kModuleSize * static_cast<std::size_t>(m); }

}  // namespace

std::string TFormMRController::ControlName(TMRRowControl control, int o) {
  return std::string(kControlNames[static_cast<std::size_t>(control)]) + std::to_string(o + 1);
}

TFormMRController::TFormMRController(TSession& session, TEditorRegistry& editors)
    : session_(session), editors_(editors) {}

int TFormMRController::Slot() const { return session_.config.MR.GetMrSlot(); }

int TFormMRController::ModuleType() const { return session_.config.Serv.GetModuleType(Slot() - 1); }

std::string TFormMRController::LabTMod() const { return std::string(ModuleTypeName(ModuleType())); }

bool TFormMRController::Open(const TEditorRequest& request) {
  TProgMRClass& mr = session_.config.MR;
  const TServClass& serv = session_.config.Serv;
  if (request.module < 1 || request.module > kMaxOutputModules) return false;
  const int slot = request.slot > 0 ? request.slot : mr.GetMrSlot();
  // The module must stand where the request says: a slot without an output
  // module, or one that is another output module, would edit foreign records.
  if (GroupOfModule(serv.GetModuleType(slot - 1)) != ModuleGroup::Output ||
      serv.GroupIndexOfSlot(slot - 1) + 1 != request.module) {
    return false;
  }
  mr.SetMrSlot(slot);
  mr.SetMrSlot2(slot);
  module_ = request.module;
  modalResult_ = 0;
  // MrSent is left as it is: a change not yet written must still be asked
  // for when this opening closes.
  FillRows();
  FormShow();
  return true;
}

void TFormMRController::FormShow() {
  const TProgMRClass& mr = session_.config.MR;
  const int type = ModuleType();
  changeEnabled_ = mr.CopiedModule != -1 && !(type != mr.CopiedType && type > kModuleRelayType5);
}

// ---- the row rules ------------------------------------------------------------------

std::string TFormMRController::RecordText(int o, TMRInputField field) const {
  const TProgMRClass& mr = session_.config.MR;
  const int m = module_ - 1;
  return std::to_string(field == TMRInputField::VxKvit ? mr.GetVxKvit(o, m) : mr.GetVhSbr(o, m));
}

// The row as the record says, by the rules: a record that contradicts them
// (an acknowledged control output, say) is shown by the rules and left as it
// is, so opening the editor changes nothing.
void TFormMRController::FillRow(int o) {
  const TProgMRClass& mr = session_.config.MR;
  const int m = module_ - 1;
  TMRRow& row = rows_[static_cast<std::size_t>(o)];
  row = TMRRow{};
  row.tipVyh = mr.GetTipVyh(o, m);
  row.kvitBlock = mr.GetKvitBlock(o, m);
  row.kvitShown = row.tipVyh == 0;
  row.enabled.Enable({TMRRowControl::TipVyh, TMRRowControl::Kvit, TMRRowControl::Block}, true);
  const bool ackOn = row.tipVyh == 0;
  const bool resetOn = row.tipVyh == 1 || row.kvitBlock == 0;
  row.enabled.Enable({TMRRowControl::KvitMind, TMRRowControl::KvitTopLevel, TMRRowControl::EditVxKvit}, ackOn);
  row.enabled.Enable({TMRRowControl::SbrMind, TMRRowControl::SbrTopLevel, TMRRowControl::EditVhSbr}, resetOn);
  row.kvitMind = ackOn && mr.GetKvitMind(o, m) != 0;
  row.kvitTopLevel = ackOn && mr.GetKvitTopLevel(o, m) != 0;
  row.vxKvit = ackOn ? RecordText(o, TMRInputField::VxKvit) : "0";
  row.sbrMind = resetOn && mr.GetSbrMind(o, m) != 0;
  row.sbrTopLevel = resetOn && mr.GetSbrTopLevel(o, m) != 0;
  row.vhSbr = resetOn ? RecordText(o, TMRInputField::VhSbr) : "0";
}

void TFormMRController::FillRows() {
  for (int o = 0; o < kRows; ++o) FillRow(o);
}

void TFormMRController::MarkChanged() {
  TProgMRClass& mr = session_.config.MR;
  mr.SetMrSent(mr.GetMrSlot(), 0);
  mr.SetMrSent(mr.GetMrSlot2(), 0);
}

void TFormMRController::SetSent() {
  TProgMRClass& mr = session_.config.MR;
  mr.SetMrSent(mr.GetMrSlot2(), 1);
}

void TFormMRController::TipVyhClick(int o, int index) {
  if (!ValidRow(o) || index < 0 || index > 1) return;
  TProgMRClass& mr = session_.config.MR;
  const int m = module_ - 1;
  TMRRow& row = rows_[static_cast<std::size_t>(o)];
  mr.SetTipVyh(index, o, m);
  row.tipVyh = index;
  row.kvitShown = index == 0;
  row.kvitBlock = 0;
  mr.SetKvitBlock(0, o, m);
  if (index == 1) {
    // A control output is not acknowledged: its acknowledgment goes, and it
    // starts with no reset source either.
    row.enabled.Enable({TMRRowControl::KvitMind, TMRRowControl::KvitTopLevel, TMRRowControl::EditVxKvit}, false);
    row.kvitMind = row.kvitTopLevel = false;
    mr.SetKvitMind(0, o, m);
    mr.SetKvitTopLevel(0, o, m);
    row.vxKvit = "00";
    mr.SetVxKvit(0, o, m);
    row.enabled.Enable({TMRRowControl::SbrMind, TMRRowControl::SbrTopLevel, TMRRowControl::EditVhSbr}, true);
    row.sbrMind = row.sbrTopLevel = false;
    mr.SetSbrMind(0, o, m);
    mr.SetSbrTopLevel(0, o, m);
  } else {
    row.enabled.Enable({TMRRowControl::KvitMind, TMRRowControl::KvitTopLevel, TMRRowControl::EditVxKvit,
                        TMRRowControl::SbrMind, TMRRowControl::SbrTopLevel, TMRRowControl::EditVhSbr},
                       true);
  }
  MarkChanged();
}

void TFormMRController::KvitClick(int o, int index) {
  if (!ValidRow(o) || index < 0 || index > 1 || !Row(o).kvitShown) return;
  TProgMRClass& mr = session_.config.MR;
  const int m = module_ - 1;
  TMRRow& row = rows_[static_cast<std::size_t>(o)];
  mr.SetKvitBlock(index, o, m);
  row.kvitBlock = index;
  row.enabled.Enable({TMRRowControl::KvitMind, TMRRowControl::KvitTopLevel, TMRRowControl::EditVxKvit}, true);
  if (index == 1) {
    // A silenced sound is not reset: the reset sources go.
    row.enabled.Enable({TMRRowControl::SbrMind, TMRRowControl::SbrTopLevel, TMRRowControl::EditVhSbr}, false);
    row.sbrMind = row.sbrTopLevel = false;
    mr.SetSbrMind(0, o, m);
    mr.SetSbrTopLevel(0, o, m);
    row.vhSbr = "00";
    mr.SetVhSbr(0, o, m);
  } else {
    row.enabled.Enable({TMRRowControl::SbrMind, TMRRowControl::SbrTopLevel, TMRRowControl::EditVhSbr}, true);
  }
  MarkChanged();
}

void TFormMRController::BlockClick(int o, int index) {
  if (!ValidRow(o) || index < 0 || index > 1 || Row(o).kvitShown) return;
  session_.config.MR.SetKvitBlock(index, o, module_ - 1);
  rows_[static_cast<std::size_t>(o)].kvitBlock = index;
  MarkChanged();
}

// The four ticks: taken into the record and the row only while the row
// rules leave the tick enabled.
void TFormMRController::Tick(int o, TMRRowControl control, bool TMRRow::*shown,
                             void (TProgMRClass::*store)(int, int, int), bool ticked) {
  if (!ValidRow(o) || !Row(o).enabled.IsEnabled(control)) return;
  (session_.config.MR.*store)(ticked ? 1 : 0, o, module_ - 1);
  rows_[static_cast<std::size_t>(o)].*shown = ticked;
  MarkChanged();
}

void TFormMRController::KvitMindClick(int o, bool ticked) {
  Tick(o, TMRRowControl::KvitMind, &TMRRow::kvitMind, &TProgMRClass::SetKvitMind, ticked);
}

void TFormMRController::KvitTopLevelClick(int o, bool ticked) {
  Tick(o, TMRRowControl::KvitTopLevel, &TMRRow::kvitTopLevel, &TProgMRClass::SetKvitTopLevel, ticked);
}

void TFormMRController::SbrMindClick(int o, bool ticked) {
  Tick(o, TMRRowControl::SbrMind, &TMRRow::sbrMind, &TProgMRClass::SetSbrMind, ticked);
}

void TFormMRController::SbrTopLevelClick(int o, bool ticked) {
  Tick(o, TMRRowControl::SbrTopLevel, &TMRRow::sbrTopLevel, &TProgMRClass::SetSbrTopLevel, ticked);
}

// ---- input number fields ---------------------------------------------------------------

std::string& TFormMRController::FieldText(int o, TMRInputField field) {
  TMRRow& row = rows_[static_cast<std::size_t>(o)];
  return field == TMRInputField::VxKvit ? row.vxKvit : row.vhSbr;
}

void TFormMRController::EditVxKvitChange(int o, TMRInputField field, const std::string& text) {
  if (!ValidRow(o)) return;
  FieldText(o, field) = text;
  MarkChanged();
}

void TFormMRController::EditVxKvitExit(int o, TMRInputField field) {
  if (!ValidRow(o)) return;
  const TMRRowControl control =
      field == TMRInputField::VxKvit ? TMRRowControl::EditVxKvit : TMRRowControl::EditVhSbr;
  if (!Row(o).enabled.IsEnabled(control)) return;
  std::string& text = FieldText(o, field);
  // An input number is one byte; a pasted "-1" is no input number, and must
  // not come back as 255.
  const TIntText number = ParseIntText(text, 0, 255);
  if (number.error != TFieldTextError::None) {
    session_.ui.InputError(ControlName(control, o));
    text = RecordText(o, field);
    return;
  }
  // A number past the inputs stays in the field, the record unchanged; the
  // close names it.
  if (number.value > session_.config.Serv.GetDiCount()) return;
  TProgMRClass& mr = session_.config.MR;
  const auto value = static_cast<std::uint8_t>(number.value);
  if (field == TMRInputField::VxKvit) {
    mr.SetVxKvit(value, o, module_ - 1);
  } else {
    mr.SetVhSbr(value, o, module_ - 1);
  }
}

// ---- whole module ----------------------------------------------------------------------

void TFormMRController::CopyBaseClick() {
  TProgMRClass& mr = session_.config.MR;
  const int m = module_ - 1;
  const TProgMRClass::ModuleRecords records = mr.GetModuleRecords(m);
  std::copy(records.begin(), records.end(), session_.config.Copy.CopyMR.begin() + kModuleOffset(m));
  mr.CopiedModule = m;
  mr.CopiedType = ModuleType();
  changeEnabled_ = true;
}

void TFormMRController::ChangeBaseClick() {
  TProgMRClass& mr = session_.config.MR;
  if (!changeEnabled_ || mr.CopiedModule < 0 || mr.CopiedModule >= kMaxOutputModules) return;
  const int m = module_ - 1;
  TProgMRClass::ModuleRecords records{};
  const auto from = session_.config.Copy.CopyMR.begin() + kModuleOffset(mr.CopiedModule);
  std::copy(from, from + TProgMRClass::kModuleSize, records.begin());
  mr.SetModuleRecords(m, records);
  // Inputs of another configuration's larger input set are no inputs here.
  mr.ClearInputsAbove(m, session_.config.Serv.GetDiCount());
  FillRows();
  MarkChanged();
}

int TFormMRController::ButOnLineClick() {
  TEditorRequest request{TEditor::DiscreteOutputView};
  request.slot = Slot();
  request.module = module_;
  request.type = ModuleType();
  return editors_.Open(request);
}

// ---- closing -------------------------------------------------------------------------------

void TFormMRController::RestoreModule() {
  // Only this module: another module's change, written or still to be
  // asked for, is not this window's to discard.
  const int m = module_ - 1;
  TProgMRClass::ModuleRecords records{};
  const auto from = session_.config.Reserv.ResMR.begin() + kModuleOffset(m);
  std::copy(from, from + TProgMRClass::kModuleSize, records.begin());
  session_.config.MR.SetModuleRecords(m, records);
  FillRows();
}

bool TFormMRController::ValidateFields() {
  const int diCount = session_.config.Serv.GetDiCount();
  for (int o = 0; o < kRows; ++o) {
    for (const TMRInputField field : {TMRInputField::VxKvit, TMRInputField::VhSbr}) {
      const TMRRowControl control =
          field == TMRInputField::VxKvit ? TMRRowControl::EditVxKvit : TMRRowControl::EditVhSbr;
      if (!Row(o).enabled.IsEnabled(control)) continue;
      std::string& text = FieldText(o, field);
      const std::string name = ControlName(control, o);
      const TIntText number = ParseIntText(text, 0, 255);
      if (number.error == TFieldTextError::Empty) {
        session_.ui.InlineError(name);
        return false;
      }
      if (number.error != TFieldTextError::None) {
        session_.ui.InlineError(name);
        text = RecordText(o, field);
        return false;
      }
      if (number.value > diCount) {
        session_.ui.InlineError(name, field == TMRInputField::VxKvit ? kBadVxKvit : kBadVhSbr);
        text = RecordText(o, field);
        return false;
      }
      // A field the user did not leave still counts.
      TProgMRClass& mr = session_.config.MR;
      const auto value = static_cast<std::uint8_t>(number.value);
      if (field == TMRInputField::VxKvit) {
        mr.SetVxKvit(value, o, module_ - 1);
      } else {
        mr.SetVhSbr(value, o, module_ - 1);
      }
    }
  }
  return true;
}

bool TFormMRController::FormCloseQuery(bool cancelPressed) {
  TProgMRClass& mr = session_.config.MR;
  TConfiguration& config = session_.config;
  modalResult_ = kModalOk;
  if (cancelPressed) {
    RestoreModule();
    SetSent();
    return true;
  }
  if (!ValidateFields()) return false;
  if (config.Serv.FileMode == 1) {
    config.Reserv.ResMR = mr.GetBlock();
    if (mr.GetMrSent(mr.GetMrSlot()) == 0) config.Serv.Modified = 1;
    SetSent();
    return true;
  }
  if (mr.GetMrSent(mr.GetMrSlot()) == 1) return true;
  TMessage question;
  question.text = kQuestion;
  question.caption = kQuestionCaption;
  question.icon = MsgIcon::Question;
  question.buttons = MsgButtons::YesNoCancel;
  question.defaultAnswer = MsgAnswer::No;
  switch (session_.ui.Message(question)) {
    case MsgAnswer::Yes:
      // The editor closes whatever the write's outcome; a failed one leaves
      // MrSent at 0 so the next close asks again.
      SaveClick();
      return true;
    case MsgAnswer::No:
      SetSent();
      return true;
    default:
      return false;
  }
}

bool TFormMRController::SaveClick() {
  if (!OutputAllowed(session_)) return false;
  TProgMRClass& mr = session_.config.MR;
  const TProgMRClass::Block block = mr.GetBlockForTransfer();
  if (transfer_steps::WritePage(session_, block) != 0) return false;
  session_.config.Reserv.ResMR = block;
  // The page carries every module: whatever another module held unwritten
  // is in the controller now as well.
  for (int position = 1; position <= kSlotCount; ++position) mr.SetMrSent(position, 1);
  return true;
}

}  // namespace lur
