#include "shell/TConfigWriter.h"

#include <string>

#include "link/TComPortClass.h"
#include "model/ModuleTypes.h"
#include "session/AccessGate.h"
#include "session/EditorChanges.h"
#include "session/FunctionBlockFit.h"
#include "session/LinkReports.h"
#include "shell/TSignalReconciliation.h"
#include "shell/TransferTexts.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr int kProgressMaximum = 210;
constexpr int kProgressStep = 7;
constexpr int kIllegalDataValue = 3;  // a 60-block controller's answer to page 26
constexpr int kSixtyBlocks = 60;
constexpr std::uint8_t kProbeBlockPage =
    TProgFBClass::kFirstPageCode + kSixtyBlocks / TProgFBClass::kRecordsPerPage;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return 0;
}

}  // namespace

TConfigWriter::TConfigWriter(TShellContext& context)
    : ctx_(context),
      reader_(context.link, context.ui, context.config.Serv.GetAddressIndex()) {}

TConfigWriter::ModuleCodes TConfigWriter::ParseModuleCodes(const std::string& editModif) {
  ModuleCodes codes{};
  for (std::size_t slot = 0; slot < codes.size() && slot < editModif.size(); ++slot) {
    codes[slot] = HexDigit(editModif[slot]);
  }
  return codes;
}

bool TConfigWriter::HasModule(int type) const {
  for (const int code : codes_) {
    if (code == type) return true;
  }
  return false;
}

bool TConfigWriter::Run() {
  TConfiguration& cfg = ctx_.config;
  if (!OutputAllowed(ctx_)) return false;
  codes_ = ParseModuleCodes(ctx_.state.editModif);
  cfgAI_ = cfg.Serv.GetAiModuleCount();
  writeBlocks_ = cfg.FB.Capacity();
  // A refused or failed write keeps the reserve the editors return to, but
  // for the areas whose pages the controller confirmed on the way.
  const TReservBlocksClass before = cfg.Reserv;
  SaveReserve();
  bool written = CheckModuleSets();
  if (written) {
    ctx_.ui.ProgressShow(kProgressMaximum, kProgressStep);
    written = WriteAll();
    ctx_.ui.ProgressHide();
    record_.sent = std::shared_ptr<const TConfiguration>(std::move(outgoing_));
    record_.deviceIndex = cfg.Serv.GetAddressIndex();
  }
  if (written) {
    cfg.Lur.DiskrModified = 0;
    ClearNetworkChanges(cfg);
  } else {
    const TReservBlocksClass confirmed = cfg.Reserv;
    cfg.Reserv = before;
    cfg.Reserv.ResMR = confirmed.ResMR;
    cfg.Reserv.ResF15 = confirmed.ResF15;
    cfg.Reserv.ResReg = confirmed.ResReg;
    cfg.Reserv.ResTipDat = confirmed.ResTipDat;
  }
  return written;
}

// The images the controller is about to hold, and that the end of the write
// restores. Only these areas: the relay, function-15, control loop and
// sensor-type areas are taken one by one, each once the controller has
// confirmed its pages, so that a write failing before them leaves them as
// they were.
void TConfigWriter::SaveReserve() {
  TConfiguration& cfg = ctx_.config;
  TReservBlocksClass& r = cfg.Reserv;
  r.ResDiskr = cfg.Lur.GetRecords();
  r.SaveFB(cfg.FB, cfg.FB.Capacity());
  r.ResInputTexts = cfg.Serv.GetInputTexts();
  r.ResInputIds = cfg.Serv.GetInputIds();
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (slot < cfgAI_) {
      r.ResMBA[static_cast<std::size_t>(slot)] = cfg.MBA.GetBlock(slot);
    } else {
      const int group = slot - cfgAI_;
      r.ResMBM[static_cast<std::size_t>(group)] = cfg.MBM.GetGroup(group);
    }
  }
  r.ResMBMHead = cfg.MBM.GetTable();
  r.ResDiscreteCount = cfg.Serv.GetProcessedDiscreteCount();
  r.ResAnalogCount = cfg.Serv.GetProcessedAnalogCount();
}

// The controller's identity is held apart from the configuration's: only its
// module set is compared.
bool TConfigWriter::CheckModuleSets() {
  const TConfiguration& cfg = ctx_.config;
  const int code = reader_.Identity();
  if (code != kResultOk) {
    reader_.Report(code);
    return false;
  }
  TServClass device;
  if (!device.SetIdentityFromAnswer(TPageReader::kIdentityFunction, reader_.Answer())) {
    reader_.Report(kResultBadData);
    return false;
  }
  record_.identity = device.GetIdentityRecord();
  devDI_ = device.GetDiModuleCount();
  devAI_ = device.GetAiModuleCount();

  bool anyModule = false;
  bool same = true;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    anyModule = anyModule || codes_[static_cast<std::size_t>(slot)] != 0;
    same = same && codes_[static_cast<std::size_t>(slot)] == device.GetModuleType(slot);
  }
  if (!anyModule) {
    ShowWarning(ctx_.ui, std::string(kNoModulesText));
    return false;
  }
  const int cfgDI = cfg.Serv.GetDiModuleCount();
  if (same) {
    ShowWarning(ctx_.ui, std::string(kSameModulesText));
  } else {
    ShowWarning(ctx_.ui, std::string(kOtherModulesText));
    if (cfgDI != devDI_ && (cfgAI_ != 0 || devAI_ != 0)) {
      ShowWarning(ctx_.ui, std::string(kCannotWriteText));
      return false;
    }
  }

  outgoing_ = std::make_unique<TConfiguration>(cfg);
  if (cfgDI != devDI_ || cfgAI_ != devAI_) {
    // Checked before anything is written: a renumbering that cannot fit must
    // not leave the controller half written.
    const auto plan = TSignalReconciliation::Plan(cfg, devDI_, devAI_);
    if (!plan) {
      ShowWarning(ctx_.ui, std::string(kCannotWriteText));
      outgoing_.reset();
      return false;
    }
    plan->Apply(*outgoing_);
  }
  return true;
}

bool TConfigWriter::Write(std::span<const std::uint8_t> requestData) {
  const int code = WritePage(ctx_.ui, ctx_.link, ctx_.addressing, requestData);
  ctx_.ui.ProgressStepIt();
  if (code != kResultOk) return false;
  record_.pages.push_back({requestData[0], {requestData.begin() + 1, requestData.end()}});
  return true;
}

bool TConfigWriter::Write(std::uint8_t page, std::span<const std::uint8_t> bytes) {
  std::vector<std::uint8_t> data;
  data.reserve(bytes.size() + 1);
  data.push_back(page);
  data.insert(data.end(), bytes.begin(), bytes.end());
  return Write(data);
}

bool TConfigWriter::WriteAll() {
  TConfiguration& cfg = ctx_.config;
  TConfiguration& out = *outgoing_;

  // Whether the controller holds 120 blocks or 60.
  const int code = reader_.Read(kProbeBlockPage);
  if (code == kIllegalDataValue) {
    ShowWarning(ctx_.ui, std::string(kSixtyBlocksText));
    writeBlocks_ = kSixtyBlocks;
  } else if (code != kResultOk) {
    reader_.Report(code);
    return false;
  }
  // Blocks the controller has no room for would be lost while the write
  // reported success.
  if (!FunctionBlocksFit(ctx_.ui, cfg.FB, writeBlocks_)) return false;
  cfg.Serv.SetAddressIndex(cfg.Serv.GetDeviceIndex());

  if (!WriteModulePages()) return false;
  if (cfg.Serv.GetDoModuleCount() > 0) {
    if (!Write(out.MR.GetBlockForTransfer())) return false;
    cfg.Reserv.ResMR = cfg.MR.GetBlock();
  }
  if (!Write(out.MBM.GetTablePageData())) return false;
  if (!Write(out.F15.GetPageData())) return false;
  cfg.Reserv.ResF15 = cfg.F15.GetTable();
  return WriteDiscreteBase() && WriteFunctionBlocks() && WriteControlLoops() &&
         Write(out.MBA.GetUnitsPageData()) && WriteTexts();
}

// Pages 1..8: the configuration's analog blocks where the controller has an
// analog module the configuration describes, network analog groups after the
// controller's own analog modules, nothing for an analog module of the
// controller that the configuration lacks.
bool TConfigWriter::WriteModulePages() {
  const TConfiguration& out = *outgoing_;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (slot < devAI_ && slot < cfgAI_) {
      if (!Write(out.MBA.GetBlockPageData(slot))) return false;
    } else if (slot >= devAI_) {
      if (!Write(out.MBM.GetGroupPageData(slot - devAI_, slot + 1))) return false;
    }
  }
  return true;
}

bool TConfigWriter::WriteDiscreteBase() {
  TConfiguration& out = *outgoing_;
  for (int k = 0; k < TProgLurClass::kPageCount; ++k) {
    out.Lur.LoadPage(k);
    if (!Write(static_cast<std::uint8_t>(TProgLurClass::kFirstPage + k), out.Lur.GetPage())) return false;
  }
  return true;
}

bool TConfigWriter::WriteFunctionBlocks() {
  TConfiguration& out = *outgoing_;
  for (int p = 0; p < writeBlocks_ / TProgFBClass::kRecordsPerPage; ++p) {
    out.FB.LoadPage(p);
    if (!Write(static_cast<std::uint8_t>(TProgFBClass::kFirstPageCode + p), out.FB.PageBuffer()))
      return false;
  }
  return true;
}

bool TConfigWriter::WriteControlLoops() {
  if (!HasModule(kModuleControlLoop)) return true;
  TConfiguration& out = *outgoing_;
  for (const std::uint8_t page : {TProgRegClass::RegPage, TProgRegClass::PZPage}) {
    out.Reg.StorePage(page);
    if (!Write(page, out.Reg.PageBuffer())) return false;
  }
  ctx_.config.Reserv.ResReg = ctx_.config.Reg.GetFileBlock();
  return true;
}

bool TConfigWriter::WriteTexts() {
  TConfiguration& out = *outgoing_;
  for (int p = 0; p < TServClass::kInputTextPageCount; ++p) {
    out.Serv.FetchInputTextPage(p);
    if (!Write(static_cast<std::uint8_t>(TServClass::kFirstInputTextPage + p), out.Serv.GetInputTextPage())) {
      return false;
    }
  }
  std::array<std::uint8_t, TProgLurClass::kTipDatSize> tipDat{};
  for (std::size_t i = 0; i < tipDat.size(); ++i) tipDat[i] = out.Lur.GetTipDatByte(static_cast<int>(i));
  if (HasModule(kModuleSensorType) && !Write(TProgLurClass::kTipDatPage, tipDat)) return false;
  ctx_.config.Reserv.ResTipDat = tipDat;
  return true;
}

}  // namespace lur
