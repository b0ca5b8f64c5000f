#include "discrete/TFormCreatVhController.h"

#include <algorithm>

#include "model/Cp1251.h"
#include "model/SlaveTypes.h"
#include "session/MarkEdited.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/FieldKeys.h"

namespace lur {
namespace {

// A spin box's range: a count of 0 still leaves the single value 1, which
// the caller refuses as outside what the configuration has.
int SpinMax(int count) { return std::max(TFormCreatVhController::kSpinMin, count); }

int Hold(int value, int max) { return std::clamp(value, TFormCreatVhController::kSpinMin, SpinMax(max)); }

int HoldLimit(int limit) { return std::clamp(limit, 0, 3); }

bool ValidKind(int kind) {
  return kind == TFormCreatVhController::kDiscrete || kind == TFormCreatVhController::kAnalog;
}

}  // namespace

void TFormCreatVhController::FormShow() {
  const TServClass& serv = session_.config.Serv;
  if (serv.GetNetBlockTotal() != 0) blockMax = serv.GetNetBlockTotal();
  // A page with nothing behind it cannot be used, whatever the caller
  // enabled: no own input modules, or no network inputs. The own page
  // follows the modules alone (the caller never sets it).
  ownPageEnabled = serv.GetDiModuleCount() != 0 || serv.GetAiModuleCount() != 0;
  if (serv.GetNetDiscreteTotal() == 0 && serv.GetNetAnalogTotal() == 0) netPageEnabled = false;
  // Without own modules the network page is the active one even when it is
  // disabled too: the caller then creates nothing.
  if (!ownPageEnabled) page = kNetPage;
  if (page == kNetPage && !netPageEnabled && ownPageEnabled) page = kOwnPage;
  if (page == kOwnPage) {
    OwnPageShow();
  } else {
    NetPageShow();
    if (netPageEnabled) {
      block = Hold(block, blockMax);
      ApplyNetKind();
      ShowSlave();
    }
  }
}

void TFormCreatVhController::OwnPageShow() { ApplyOwnKind(); }

void TFormCreatVhController::NetPageShow() {
  const TServClass& serv = session_.config.Serv;
  if (serv.GetNetDiscreteTotal() == 0 && serv.GetNetAnalogTotal() == 0) {
    netPageEnabled = false;
    labTipSlave.clear();
    labAdrSlave.clear();
  }
}

void TFormCreatVhController::PageControl1Change(int newPage) {
  if (newPage == kOwnPage) {
    if (!ownPageEnabled) return;
    page = kOwnPage;
    OwnPageShow();
  } else if (newPage == kNetPage) {
    if (!netPageEnabled) return;
    page = kNetPage;
    NetPageShow();
    if (!netPageEnabled) return;
    blockMax = SpinMax(session_.config.Serv.GetNetBlockTotal());
    block = Hold(block, blockMax);
    ApplyNetKind();
    ShowSlave();
  }
}

void TFormCreatVhController::CBoxTipVhClick(int newKind) {
  if (!ValidKind(newKind)) return;
  kind = newKind;
  ApplyOwnKind();
  module = 1;
  input = 1;
  limit = 0;
}

void TFormCreatVhController::CBoxTipVhNetClick(int newKind) {
  if (!ValidKind(newKind)) return;
  netKind = newKind;
  ApplyNetKind();
  netLimit = 0;
}

void TFormCreatVhController::SetModule(int value) { module = Hold(value, moduleMax); }

void TFormCreatVhController::SetInput(int value) { input = Hold(value, inputMax); }

void TFormCreatVhController::SetBlock(int value) {
  block = Hold(value, blockMax);
  reg = 1;
  ShowSlave();
  ApplyNetKind();
}

void TFormCreatVhController::SetRegister(int value) { reg = Hold(value, regMax); }

void TFormCreatVhController::CBoxTipSignClick(int value) { limit = HoldLimit(value); }

void TFormCreatVhController::CBoxTipSignNetClick(int value) { netLimit = HoldLimit(value); }

void TFormCreatVhController::EditTextChange(const std::string& text) {
  if (!HasCp1251Form(text)) return;
  // Windows-1251 has one byte a character: cutting the bytes cuts the characters.
  std::string bytes = Utf8ToCp1251(text);
  if (bytes.size() > kTextChars) bytes.resize(kTextChars);
  editText = Cp1251ToUtf8(bytes);
  MarkEdited(session_, session_.config.Lur.DiskrModified);
  session_.config.Serv.InputTextsEdited = 1;
}

void TFormCreatVhController::TipKClick(int index) {
  if (index != 0 && index != 1) return;
  tipK = index;
  MarkEdited(session_, session_.config.Lur.DiskrModified);
}

void TFormCreatVhController::ArhClick(bool checked) {
  arh = checked;
  MarkEdited(session_, session_.config.Lur.DiskrModified);
}

int TFormCreatVhController::OKClick() { return kModalOk; }

void TFormCreatVhController::ApplyOwnKind() {
  const TServClass& serv = session_.config.Serv;
  if (serv.GetDiModuleCount() == 0) kind = kAnalog;
  if (serv.GetAiModuleCount() == 0) kind = kDiscrete;
  if (kind == kDiscrete) {
    moduleMax = SpinMax(serv.GetDiModuleCount());
    inputMax = kInputsPerDiModule;
    limitEnabled = false;
  } else {
    moduleMax = SpinMax(serv.GetAiModuleCount());
    inputMax = kInputsPerAiModule;
    limitEnabled = true;
  }
  module = Hold(module, moduleMax);
  input = Hold(input, inputMax);
  limit = HoldLimit(limit);
}

void TFormCreatVhController::ApplyNetKind() {
  const TServClass& serv = session_.config.Serv;
  if (serv.GetNetDiscreteTotal() == 0) netKind = kAnalog;
  if (serv.GetNetAnalogTotal() == 0) netKind = kDiscrete;
  // The block number indexes the sixteen exchange blocks directly.
  const int b = block - 1;
  // A block with values of one kind only decides the kind; an empty block
  // (a gap among the configured ones) leaves what the totals chose.
  const int discrete = serv.GetNetDiscreteCount(b);
  const int analog = serv.GetNetAnalogCount(b);
  if (analog == 0 && discrete != 0) netKind = kDiscrete;
  if (discrete == 0 && analog != 0) netKind = kAnalog;
  regMax = SpinMax(netKind == kDiscrete ? discrete : analog);
  netLimitEnabled = netKind == kAnalog;
  reg = Hold(reg, regMax);
  netLimit = HoldLimit(netLimit);
}

void TFormCreatVhController::ShowSlave() {
  const TProgMBMClass& mbm = session_.config.MBM;
  const int b = block - 1;
  labTipSlave = std::string(SlaveTypeName(mbm.GetTipUstr(b)));
  labAdrSlave = std::to_string(mbm.GetUstr(b));
}

}  // namespace lur
