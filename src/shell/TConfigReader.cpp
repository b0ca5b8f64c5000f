#include "shell/TConfigReader.h"

#include <array>
#include <string>

#include "link/TComPortClass.h"
#include "model/ModuleTypes.h"
#include "shell/TModuleTable.h"
#include "shell/TransferTexts.h"
#include "session/EditorChanges.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr int kProgressMaximum = 250;
constexpr int kProgressStep = 10;
constexpr int kIllegalDataValue = 3;  // a 60-block controller's answer to page 26

// The controls a read disables while it runs.
const std::vector<TForm1Control>& ReadDisables() {
  using C = TForm1Control;
  static const std::vector<C> controls = {C::ButProgDiskr, C::ButTimeDate, C::LocNetObm, C::LocalNet1, C::LocNet15};
  return controls;
}

}  // namespace

TConfigReader::TConfigReader(TShellContext& context)
    : ctx_(context), reader_(context.link, context.ui, context.config.Serv.GetAddressIndex()) {}

bool TConfigReader::Run() {
  const auto enabledBefore = ctx_.state.enabled;
  ctx_.ui.ProgressShow(kProgressMaximum, kProgressStep);
  ctx_.state.Enable(ReadDisables(), false);
  scratch_ = std::make_unique<TConfiguration>(ctx_.config);
  const bool complete = ReadAll();
  ctx_.ui.ProgressHide();
  if (!complete) {
    ctx_.state.enabled = enabledBefore;
    scratch_.reset();
    return false;
  }
  Commit();
  return true;
}

TScratchRead TConfigReader::ReadScratch() {
  scratchOnly_ = true;
  ctx_.ui.ProgressShow(kProgressMaximum, kProgressStep);
  scratch_ = std::make_unique<TConfiguration>(ctx_.config);
  ReadAll();
  ctx_.ui.ProgressHide();
  TScratchRead read;
  read.config = std::move(scratch_);
  read.reached = reached_;
  read.stopPage = stopPage_;
  read.stopCode = stopCode_;
  return read;
}

bool TConfigReader::ReadAll() {
  using S = TReadStage;
  scratch_->FB.CapFB = TProgFBClass::MaxFB;
  const auto stage = [this](bool read, TReadStage reached) {
    if (read) reached_ = reached;
    return read;
  };
  if (!stage(ReadIdentity(), S::Identity) || !stage(ReadExchangeTable(), S::Exchange)) return false;
  ProbeThermoModules();
  return stage(ReadModulePages(), S::ModulePages) && stage(ReadRelayAndF15(), S::RelayAndF15) &&
         stage(ReadDiscreteBase(), S::DiscreteBase) && stage(ReadFunctionBlocks(), S::FunctionBlocks) &&
         stage(ReadControlLoops(), S::ControlLoops) && stage(ReadUnits(), S::Units) &&
         stage(ReadInputTexts(), S::InputTexts) && stage(ReadSensorTypes(), S::SensorTypes);
}

bool TConfigReader::Fail(int page, int code) {
  if (scratchOnly_) {
    stopPage_ = page;
    stopCode_ = code;
  } else {
    reader_.Report(code);
  }
  return false;
}

bool TConfigReader::Page(std::uint8_t page) {
  currentPage_ = page;
  const int code = reader_.Read(page);
  if (code == kResultOk) return true;
  return Fail(page, code);
}

bool TConfigReader::Refused() { return Fail(currentPage_, kResultBadData); }

void TConfigReader::Step() { ctx_.ui.ProgressStepIt(); }

bool TConfigReader::HasModule(int type) const {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (scratch_->Serv.GetModuleType(slot) == type) return true;
  }
  return false;
}

bool TConfigReader::ReadIdentity() {
  TConfiguration& c = *scratch_;
  Step();
  currentPage_ = TScratchRead::kIdentityRequest;
  const int code = reader_.Identity();
  if (code != kResultOk) return Fail(TScratchRead::kIdentityRequest, code);
  if (!c.Serv.SetIdentityFromAnswer(TPageReader::kIdentityFunction, reader_.Answer())) return Refused();
  c.Serv.ClearInputIds();
  c.Serv.ClearInputTexts();
  c.Serv.ClearOutputIds();
  c.Serv.MakeDefaultInputIds();
  c.Serv.MakeDefaultOutputIds();
  c.Serv.SetDeviceIndex(ctx_.state.ustr - 1);
  return true;
}

bool TConfigReader::ReadExchangeTable() {
  TConfiguration& c = *scratch_;
  Step();
  if (!Page(TProgMBMClass::kTablePage)) return false;
  if (!c.MBM.PutTableFromAnswer(reader_.Answer())) return Refused();
  std::array<TServClass::NetBlock, TProgMBMClass::kBlockCount> blocks{};
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) {
    blocks[static_cast<std::size_t>(b)] = {static_cast<std::uint8_t>(c.MBM.GetKodF(b)),
                                           static_cast<std::uint8_t>(c.MBM.GetKolVh(b))};
  }
  c.Serv.BuildNetInputIds(blocks);
  return true;
}

// A thermo module of the new version answers the page of its converter
// codes; an old one does not. The answer only sets the module's flag, and a
// failure is no error.
void TConfigReader::ProbeThermoModules() {
  TConfiguration& c = *scratch_;
  for (int a = 0; a < TProgMBAClass::kModuleCount; ++a) c.MBA.SetNewVersion(a, 0);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (c.Serv.GetModuleType(slot) != kModuleAnalogProbed) continue;
    const int a = c.Serv.GroupIndexOfSlot(slot);
    const int code = reader_.Read(static_cast<std::uint8_t>(TProgMBAClass::kFirstCodesPage + a));
    c.MBA.SetNewVersion(a, code == kResultOk ? 1 : 0);
  }
}

// Pages 1..8: the analog modules' blocks, then the network analog groups.
bool TConfigReader::ReadModulePages() {
  TConfiguration& c = *scratch_;
  const int analogModules = c.Serv.GetAiModuleCount();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const auto page = static_cast<std::uint8_t>(slot + 1);
    Step();
    if (!Page(page)) return false;
    const bool taken = slot < analogModules
                           ? c.MBA.LoadBlockFromAnswer(reader_.Answer(), page)
                           : c.MBM.PutGroupFromAnswer(slot - analogModules, reader_.Answer(), page);
    if (!taken) return Refused();
  }
  return true;
}

bool TConfigReader::ReadRelayAndF15() {
  TConfiguration& c = *scratch_;
  if (!Page(TProgMRClass::kPage)) return false;
  if (!c.MR.PutMRFromAnswer(TPageReader::kReadPageFunction, reader_.Answer())) return Refused();
  if (!Page(TProgF15Class::kPage)) return false;
  if (!c.F15.PutF15FromAnswer(reader_.Answer())) return Refused();
  return true;
}

bool TConfigReader::ReadDiscreteBase() {
  TConfiguration& c = *scratch_;
  for (int k = 0; k < TProgLurClass::kPageCount; ++k) {
    Step();
    if (!Page(static_cast<std::uint8_t>(TProgLurClass::kFirstPage + k))) return false;
    if (!c.Lur.PutPageFromAnswer(reader_.Answer(), k)) return Refused();
    c.Lur.StorePage(k);
  }
  return true;
}

bool TConfigReader::ReadFunctionBlocks() {
  TConfiguration& c = *scratch_;
  constexpr int kSixtyBlocks = 60;
  for (int p = 0; p < c.FB.CapFB / TProgFBClass::kRecordsPerPage; ++p) {
    Step();
    const auto page = static_cast<std::uint8_t>(TProgFBClass::kFirstPageCode + p);
    currentPage_ = page;
    const int code = reader_.Read(page);
    if (code == kIllegalDataValue && p == kSixtyBlocks / TProgFBClass::kRecordsPerPage) {
      if (!scratchOnly_) ShowWarning(ctx_.ui, std::string(kSixtyBlocksText));
      c.FB.CapFB = kSixtyBlocks;
      break;
    }
    if (code != kResultOk) return Fail(page, code);
    if (!c.FB.PutPageFromAnswer(reader_.Answer(), p)) return Refused();
    c.FB.StorePage(p);
    c.FB.LenPageFB = reader_.Count();
  }
  // Records the controller does not have must not linger from the
  // configuration that was in memory before.
  for (int i = c.FB.CapFB; i < TProgFBClass::MaxFB; ++i) c.FB.ClearRecord(i);
  // The controller keeps no algorithms.
  c.FB.ResetAlgorithms();
  return true;
}

bool TConfigReader::ReadControlLoops() {
  TConfiguration& c = *scratch_;
  if (HasModule(kModuleControlLoop)) {
    for (const std::uint8_t page : {TProgRegClass::RegPage, TProgRegClass::PZPage}) {
      Step();
      if (!Page(page)) return false;
      if (!c.Reg.PutPageFromAnswer(reader_.Answer(), page)) return Refused();
      c.Reg.LoadPage(page);
      c.Reg.LenReg = reader_.Count();
    }
  }
  Step();
  return true;
}

bool TConfigReader::ReadUnits() {
  TConfiguration& c = *scratch_;
  if (!Page(TProgMBAClass::kUnitsPage)) return false;
  if (!c.MBA.LoadUnitsFromAnswer(reader_.Answer())) return Refused();
  return true;
}

bool TConfigReader::ReadInputTexts() {
  TConfiguration& c = *scratch_;
  for (int p = 0; p < TServClass::kInputTextPageCount; ++p) {
    Step();
    if (!Page(static_cast<std::uint8_t>(TServClass::kFirstInputTextPage + p))) return false;
    if (!c.Serv.LoadInputTextPageFromAnswer(reader_.Answer(), p)) return Refused();
    c.Serv.StoreInputTextPage(p);
  }
  Step();
  // The controller keeps no output texts.
  c.Serv.BlankOutputTexts(0, kMaxOutputs);
  return true;
}

bool TConfigReader::ReadSensorTypes() {
  TConfiguration& c = *scratch_;
  if (HasModule(kModuleSensorType)) {
    if (!Page(TProgLurClass::kTipDatPage)) return false;
    if (!c.Lur.PutTipDatFromAnswer(reader_.Answer())) return Refused();
    c.Lur.UnpackTipDat();
  }
  return true;
}

void TConfigReader::Commit() {
  scratch_->Serv.FileMode = 0;
  ClearEditorChanges(*scratch_);
  // The reserve becomes the image of what the controller holds, taken only
  // now that every page has come: a read that fails part-way leaves it as
  // it was, with the rest of the configuration.
  scratch_->Reserv.SaveAll(*scratch_);
  ctx_.config = std::move(*scratch_);
  scratch_.reset();

  TMainState& state = ctx_.state;
  const TServClass& serv = ctx_.config.Serv;
  state.editModif = ModuleCodesText(serv);
  state.tipModInd = std::string(DisplayTypeCaption(serv.GetDisplayType()));
  state.ustrZ = state.ustr;
  state.labelFileVisible = false;
  state.Enable(TForm1Control::GBoxRazm, true);
  state.Enable(EditorButtons(), true);
  if (ctx_.refreshUnits) ctx_.refreshUnits();
  if (ctx_.refreshView) ctx_.refreshView();
}

}  // namespace lur
