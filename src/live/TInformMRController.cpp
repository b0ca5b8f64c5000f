#include "live/TInformMRController.h"

#include <algorithm>
#include <span>

#include "live/OutputListReport.h"
#include "live/TInformMRDialogs.h"
#include "model/ConfigFileKind.h"
#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "model/TFileAccess.h"
#include "session/ConfigFileChoice.h"
#include "reports/ReportOutput.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"

namespace lur {
namespace {

std::size_t At(int i) { return static_cast<std::size_t>(i); }

// The outputs a number may name: DoCount, never past the table's 40.
int OutputCount(const TServClass& serv) { return std::clamp(serv.GetDoCount(), 0, kMaxOutputs); }

}  // namespace

TInformMRController::TInformMRController(TSession& session, TInformMRDialogs& dialogs,
                                         TReportPrinter* printer)
    : session_(session), dialogs_(dialogs), printer_(printer), grid_(OutputGrid(session.config)) {}

void TInformMRController::Warn(const std::string& text) { ShowWarning(session_.ui, text); }

void TInformMRController::InformButMRClick() {
  grid_ = OutputGrid(session_.config);
  ++revision_;
}

void TInformMRController::ShowTexts() {
  const TServClass& serv = session_.config.Serv;
  const int outputs = std::min(OutputCount(serv), OutputRowCount(session_.config));
  for (int e = 0; e < outputs; ++e) {
    grid_[At(kOutputHeaderRows + e)][kOutputTextColumn] = Cp1251ToUtf8(serv.GetOutputText(e));
  }
  ++revision_;
}

std::string TInformMRController::TextBytes() const {
  std::string bytes;
  for (const auto& text : session_.config.Serv.GetOutputTexts()) bytes.append(text.begin(), text.end());
  return bytes;
}

void TInformMRController::MarkTextsChanged(const std::string& before) {
  TServClass& serv = session_.config.Serv;
  // In file mode a changed text must reach the file: the exit asks to save.
  if (serv.FileMode == 1 && TextBytes() != before) serv.Modified = 1;
}

// ---- one output's text ----------------------------------------------------------------

void TInformMRController::StringGrid1DblClick(int row, int column) {
  TServClass& serv = session_.config.Serv;
  if (column != kOutputTextColumn || row < kOutputHeaderRows || row > OutputCount(serv) + 1) return;
  const int k = row - 1;
  std::string text = Cp1251ToUtf8(serv.GetOutputText(k - 1));
  if (dialogs_.OutputText(k, text) != kModalOk) return;
  serv.SetOutputText(Utf8ToCp1251(text), k - 1);
  grid_[At(row)][kOutputTextColumn] = Cp1251ToUtf8(serv.GetOutputText(k - 1));
  ++revision_;
  if (serv.FileMode == 1 && serv.OutputTextsEdited == 1) serv.Modified = 1;
}

// ---- texts from a file ------------------------------------------------------------------

void TInformMRController::NameFromFileClick() {
  const auto bytes = ChooseConfigFileStart(session_.ui, kNameFromFileText);
  if (!bytes) return;
  // Only the two layouts the configuration loader reads are read here: any
  // other size would put the text pages somewhere the file does not say.
  const TConfigFileKind kind = RecogniseConfigFile(bytes->size());
  if (kind == TConfigFileKind::Blocks40) return Warn(kFile40);
  const int blocks = ConfigFileBlocks(kind);
  if (blocks == 0) return Warn(kUnknownFile);

  TConfiguration& config = session_.config;
  if (config.FB.CapFB != blocks) Warn(kOtherConfig);
  for (int s = 0; s < kSlotCount; ++s) {
    if ((*bytes)[kConfigFileModulesOffset + At(s)] != config.Serv.GetModuleType(s)) {
      Warn(kOtherConfig);
      break;
    }
  }
  const std::string before = TextBytes();
  const std::span<const std::uint8_t> file(*bytes);
  const std::size_t offset = ConfigFileOutputTextsOffset(blocks);
  for (int p = 0; p < TServClass::kOutputTextPageCount; ++p) {
    const std::size_t at = offset + At(p) * TServClass::kOutputTextPageSize;
    config.Serv.LoadOutputTextPage(file.subspan(at, TServClass::kOutputTextPageSize));
    config.Serv.StoreOutputTextPage(p);
  }
  config.Reserv.ResOutputTexts = config.Serv.GetOutputTexts();
  ShowTexts();
  MarkTextsChanged(before);
}

// ---- group copy -------------------------------------------------------------------------

void TInformMRController::CopyTextGroupClick() {
  int first = 0;
  int last = 0;
  if (dialogs_.GroupNumbers(kCopyCaption, first, last) != kModalOk) return;
  const TServClass& serv = session_.config.Serv;
  const int outputs = OutputCount(serv);
  // Numbers count from 1: a 0 would name the entry before the first.
  if (first < 1 || first > outputs) return Warn(kBadNumber);
  if (last < 1 || last > outputs) return Warn(kBadNumber);
  if (first > last) return;  // an empty range copies nothing, and keeps the last copy
  TCopyBlocksClass& copy = session_.config.Copy;
  for (int i = first - 1; i <= last - 1; ++i) copy.CopyOutputTexts[At(i)] = serv.GetOutputTexts()[At(i)];
  copy.CopyOutFirst = first - 1;
  copy.CopyOutLast = last - 1;
  copy.CopyOutCount = last - first + 1;
  insertEnabled_ = true;
}

void TInformMRController::InsertTextGroupClick() {
  TConfiguration& config = session_.config;
  // The discrete processing counts as changed whatever follows.
  config.Lur.DiskrModified = 1;
  int start = 0;
  if (dialogs_.StartNumber(kInsertCaption, kBadNumber, start) != kModalOk) return;
  TServClass& serv = config.Serv;
  const int outputs = OutputCount(serv);
  if (start < 1 || start > outputs) return Warn(kBadNumber);
  const TCopyBlocksClass& copy = config.Copy;
  const int from = std::max(copy.CopyOutFirst, 0);
  const int to = std::min(copy.CopyOutLast, kMaxOutputs - 1);
  const std::string before = TextBytes();
  int replaced = 0;
  for (int i = from; i <= to; ++i) {
    const int t = start - 1 + (i - copy.CopyOutFirst);
    if (t >= outputs) break;
    const auto& text = copy.CopyOutputTexts[At(i)];
    serv.SetOutputText(std::string(text.begin(), text.end()), t);
    ++replaced;
  }
  if (replaced == 0) return;
  ShowTexts();
  MarkTextsChanged(before);
}

// ---- the report -------------------------------------------------------------------------

TReport TInformMRController::Report() const {
  const TServClass& serv = session_.config.Serv;
  std::string title;
  if (serv.FileMode == 1) {
    title = "Файл " + (fileName ? fileName() : std::string());
  } else {
    std::string modules;
    for (int s = 0; s < kSlotCount; ++s) modules += ModuleCodeDigit(serv.GetModuleType(s));
    title = "ЛУР-05HMI  " + modules + "  № " + std::to_string(serv.GetAddressIndex() + 1);
  }
  return OutputListReport(title, kLabel1, grid_, OutputRowCount(session_.config));
}

void TInformMRController::BNewClick() {
  TProgMRClass& mr = session_.config.MR;
  mr.ReportSaveOk = 0;
  const TReportOutputResult result = OutputReport(session_.ui, printer_, Report(), lastReportPath_);
  if (result.outcome != TReportOutcome::Cancelled) mr.ReportSaveOk = 1;
  if (!result.path.empty()) lastReportPath_ = result.path;
}

}  // namespace lur
