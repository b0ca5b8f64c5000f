// The discrete editor's own exchange with the controller: its read (the
// processing with what the schema depends on), its write of the processing
// pages, and what happens to unsent changes when the window closes.
#include <algorithm>
#include <array>
#include <memory>
#include <span>
#include <vector>

#include "discrete/TFormPrgDController.h"
#include "model/Protocol.h"
#include "session/AccessGate.h"
#include "session/EditorTransferSteps.h"
#include "session/TTransferProgress.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr int kReadProgressMaximum = 120;
constexpr int kReadProgressStep = 5;
constexpr int kWriteProgressMaximum = 120;
constexpr int kWriteProgressStep = 12;
constexpr int kBeforeProcessingPagesMs = 50;

// What the default identifiers are built from.
struct TIdentityShape {
  std::array<int, kSlotCount> modules{};
  int processedDiscrete = 0;
  bool operator==(const TIdentityShape&) const = default;
};

TIdentityShape ShapeOf(const TServClass& serv) {
  TIdentityShape shape;
  for (int s = 0; s < kSlotCount; ++s) shape.modules[static_cast<std::size_t>(s)] = serv.GetModuleType(s);
  shape.processedDiscrete = serv.GetProcessedDiscreteCount();
  return shape;
}

}  // namespace

std::string TFormPrgDController::DeviceCaption(int deviceIndex) const {
  return kDeviceCaption + std::to_string(deviceIndex + 1);
}

void TFormPrgDController::InPortClick() {
  // Right after the main window read, opened or created the configuration,
  // memory is what the controller holds: the schema is only rebuilt.
  if (Lur().PrgDShown == 0) {
    RebuildSchema();
    caption_ = DeviceCaption(session_.addressing.AddressIndex());
    return;
  }
  if (Serv().FileMode == 1) return;
  if (!ReadFromController()) return;
  RebuildSchema();
  caption_ = DeviceCaption(session_.addressing.AddressIndex());
}

bool TFormPrgDController::ReadFromController() {
  TComPortClass& link = session_.link;
  const int device = session_.addressing.AddressIndex();
  TTransferProgress progress(session_.ui, kReadProgressMaximum, kReadProgressStep);
  progress.Step();
  std::array<std::uint8_t, kAnswerCapacity> buffer{};
  // Everything goes into a scratch copy: a read stopped at any page leaves
  // records, texts, identifiers and the schema as they were.
  auto scratch = std::make_unique<TConfiguration>(session_.config);
  TServClass& serv = scratch->Serv;
  auto fail = [this](int code) {
    transfer_steps::ReportFailure(session_, code);
    return false;
  };
  auto page = [&](std::uint8_t number) { return transfer_steps::ReadPage(session_, number, buffer); };

  const TIdentityShape before = ShapeOf(serv);
  if (const int code = link.Transact(device, fn::kIdentity, 0, nullptr, buffer); code != kResultOk) return fail(code);
  if (!serv.SetIdentityFromAnswer(fn::kIdentity, link.AnswerIn(buffer))) return fail(kResultBadData);
  // Other modules or another signal count: the default identifiers are
  // rebuilt, as the main window's read does.
  if (!(ShapeOf(serv) == before)) {
    serv.ClearInputIds();
    serv.ClearOutputIds();
    serv.MakeDefaultInputIds();
    serv.MakeDefaultOutputIds();
  }

  if (serv.GetDiCount() + 4 * serv.GetAiCount() < serv.GetProcessedDiscreteCount()) {
    progress.Step();
    if (const int code = page(TProgMBMClass::kTablePage); code != kResultOk) return fail(code);
    if (!scratch->MBM.PutTableFromAnswer(link.AnswerIn(buffer))) return fail(kResultBadData);
    std::array<TServClass::NetBlock, TProgMBMClass::kBlockCount> blocks{};
    for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) {
      blocks[static_cast<std::size_t>(b)] = {static_cast<std::uint8_t>(scratch->MBM.GetKodF(b)),
                                             static_cast<std::uint8_t>(scratch->MBM.GetKolVh(b))};
    }
    serv.BuildNetInputIds(blocks);
  } else {
    serv.ClearNetCounts();
  }
  link.Pause(kBeforeProcessingPagesMs);

  for (int k = 0; k < TProgLurClass::kPageCount; ++k) {
    progress.Step();
    if (const int code = page(static_cast<std::uint8_t>(TProgLurClass::kFirstPage + k)); code != kResultOk) {
      return fail(code);
    }
    if (!scratch->Lur.PutPageFromAnswer(link.AnswerIn(buffer), k)) return fail(kResultBadData);
    scratch->Lur.StorePage(k);
  }
  for (int q = 0; q < TServClass::kInputTextPageCount; ++q) {
    progress.Step();
    if (const int code = page(static_cast<std::uint8_t>(TServClass::kFirstInputTextPage + q)); code != kResultOk) {
      return fail(code);
    }
    if (!serv.LoadInputTextPageFromAnswer(link.AnswerIn(buffer), q)) return fail(kResultBadData);
    serv.StoreInputTextPage(q);
  }
  progress.Step();
  if (const int code = page(TProgMBAClass::kUnitsPage); code != kResultOk) return fail(code);
  if (!scratch->MBA.LoadUnitsFromAnswer(link.AnswerIn(buffer))) return fail(kResultBadData);

  // Memory now holds what the controller holds for these tables: no change
  // is left to send, and a later discard returns here.
  scratch->Lur.DiskrModified = 0;
  serv.InputTextsEdited = 0;
  serv.UnsentInputTextPages = 0;
  TReservBlocksClass& reserve = scratch->Reserv;
  reserve.ResDiskr = scratch->Lur.GetRecords();
  reserve.ResInputTexts = serv.GetInputTexts();
  reserve.ResInputIds = serv.GetInputIds();
  reserve.ResMBMHead = scratch->MBM.GetTable();
  reserve.ResUnits = scratch->MBA.GetUnits();
  session_.config = std::move(*scratch);
  return true;
}

void TFormPrgDController::OutPortClick() {
  if (!OutputAllowed(session_)) return;
  if (Serv().FileMode == 1) return;
  TProgLurClass& lur = Lur();
  if (lur.SchemaSet == 0) {
    closeRequested_ = AskCreateConfiguration();
    return;
  }
  if (lur.DiskrModified == 0 && !transfer_steps::ConfirmUnchangedWrite(session_)) return;

  TTransferProgress progress(session_.ui, kWriteProgressMaximum, kWriteProgressStep);
  std::vector<std::uint8_t> data;
  for (int k = 0; k < TProgLurClass::kPageCount; ++k) {
    progress.Step();
    lur.LoadPage(k);
    const auto& bytes = lur.GetPage();
    data.assign(1, static_cast<std::uint8_t>(TProgLurClass::kFirstPage + k));
    data.insert(data.end(), bytes.begin(), bytes.end());
    // A failure has been reported; the change stays marked and the reserve
    // keeps what the controller had, so closing asks again.
    if (transfer_steps::WritePage(session_, data) != kResultOk) return;
  }
  lur.DiskrModified = 0;
  session_.config.Reserv.ResDiskr = lur.GetRecords();
  caption_ = DeviceCaption(Serv().GetDeviceIndex());
}

bool TFormPrgDController::FormCloseQuery() {
  TProgLurClass& lur = Lur();
  lur.CopyPos = -1;
  if (lur.DiskrModified == 0) return true;
  if (Serv().FileMode == 1) {
    Serv().Modified = 1;
    return true;
  }
  switch (transfer_steps::AskOnClose(session_)) {
    case transfer_steps::CloseChoice::Stay:
      return false;
    case transfer_steps::CloseChoice::Send:
      OutPortClick();
      return true;
    case transfer_steps::CloseChoice::Discard:
      lur.DiskrModified = 0;
      lur.SetRecords(session_.config.Reserv.ResDiskr);
      return true;
  }
  return false;
}

}  // namespace lur
