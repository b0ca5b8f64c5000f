#include "modules/TFormTipDatController.h"

#include <cstdio>
#include <vector>

#include "model/Protocol.h"
#include "session/AccessGate.h"
#include "session/LinkReports.h"
#include "ui/TUserInterface.h"

namespace lur {

TFormTipDatController::TFormTipDatController(TSession& session, const TEditorRegistry& editors)
    : session_(session), editors_(editors) {}

int TFormTipDatController::Position() const { return session_.config.Lur.GetTipDatModule(); }

int& TFormTipDatController::Sent() {
  return session_.config.Lur.TipDatSent[static_cast<std::size_t>(Position() - 1)];
}

bool TFormTipDatController::FormShow(int position, const std::string& typeName, const std::string& inputs) {
  if (position < 1 || position > kSlotCount) return false;
  session_.config.Lur.SetTipDatModule(position);
  typeName_ = typeName;
  inputs_ = inputs;
  cancelUsed_ = false;
  // The module's "sent" flag is left as it is: a change a failed write did
  // not deliver must still be asked about at the next closing.
  return true;
}

int TFormTipDatController::Selector(int i) const {
  if (i < 0 || i >= kSensors) return 0;
  return session_.config.Lur.GetTipDatBit(i, Position() - 1);
}

std::string TFormTipDatController::Hint(int i) const {
  const int n = kSensors * (Position() - 1) + i + 1;
  char address[8];
  std::snprintf(address, sizeof address, "%02X", (n - 1) & 0xFF);
  return "номер дискретного сигнала в базе " + std::to_string(n) + " (адрес 0x" + address + ")";
}

void TFormTipDatController::RadioGroup1Click(int i, int index) {
  if (i < 0 || i >= kSensors || (index != 0 && index != 1)) return;
  if (Selector(i) == index) return;
  Sent() = 0;
  session_.config.Lur.SetTipDatBit(i, Position() - 1, index);
}

void TFormTipDatController::RestoreWord() {
  TProgLurClass& lur = session_.config.Lur;
  const auto& reserve = session_.config.Reserv.ResTipDat;
  // Only this module's word: another module's kept or unsent change stays.
  const int first = 2 * (Position() - 1);
  for (int b = first; b < first + 2; ++b) lur.SetTipDatByte(b, reserve[static_cast<std::size_t>(b)]);
  lur.UnpackTipDat();
}

bool TFormTipDatController::FormCloseQuery() {
  TConfiguration& config = session_.config;
  if (cancelUsed_) {
    cancelUsed_ = false;
    RestoreWord();
    Sent() = 1;
    return true;
  }
  if (config.Serv.FileMode == 1) {
    config.Reserv.SaveTipDat(config.Lur);
    if (Sent() == 0) config.Serv.Modified = 1;
    Sent() = 1;
    return true;
  }
  if (Sent() == 1) return true;
  const MsgAnswer answer = session_.ui.Message(
      {kChangedQuestion, kChangedCaption, MsgIcon::Question, MsgButtons::YesNoCancel, MsgAnswer::No});
  switch (answer) {
    case MsgAnswer::Yes:
      config.Lur.DiskrModified = 1;
      SaveClick();  // a failure has been reported; the flag stays 0 and the next closing asks again
      return true;
    case MsgAnswer::No:
      RestoreWord();
      Sent() = 1;
      return true;
    default:
      return false;
  }
}

bool TFormTipDatController::SaveClick() {
  if (!OutputAllowed(session_)) return false;
  TConfiguration& config = session_.config;
  std::vector<std::uint8_t> data{TProgLurClass::kTipDatPage};
  for (std::size_t b = 0; b < TProgLurClass::kTipDatSize; ++b) {
    data.push_back(config.Lur.GetTipDatByte(static_cast<int>(b)));
  }
  if (WritePage(session_.ui, session_.link, session_.addressing, data) != kResultOk) return false;
  // The controller now holds the whole block, every module's word with it.
  for (std::size_t b = 0; b < config.Reserv.ResTipDat.size(); ++b) config.Reserv.ResTipDat[b] = data[b + 1];
  config.Lur.TipDatSent.fill(1);
  return true;
}

void TFormTipDatController::ButOnLineClick() {
  TEditorRequest request{TEditor::DiscreteInputView, Position(), Position(), kModuleSensorType};
  request.typeName = typeName_;
  request.inputs = inputs_;
  editors_.Open(request);
}

}  // namespace lur
