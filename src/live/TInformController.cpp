#include "live/TInformController.h"

#include <algorithm>

#include "live/InputListReport.h"
#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "reports/ReportOutput.h"
#include "session/InputTextPages.h"

namespace lur {

TInformController::TInformController(TSession& session, TInformDialogs dialogs, TReportPrinter* printer)
    : session_(session), dialogs_(dialogs), printer_(printer) {}

void TInformController::InformButClick(TInformFill fill) {
  FillInputGrids(session_.config, fill, grids_);
  ++revision_;
}

void TInformController::FormShow() { focused = "StringGrid1"; }

void TInformController::StringGrid1MouseDown(bool rightButton, int currentColumn) {
  if (rightButton) lastColumn_ = currentColumn;
}

void TInformController::StringGrid1DblClick(int row, int column) {
  lastColumn_ = column;
  if (row < 1 || row > session_.config.Serv.GetProcessedDiscreteCount()) return;
  if (column == TInputGrids::kIdColumn) {
    // An own discrete input has no detail: nothing opens.
    ShowInputDetail(session_.config, row - 1, dialogs_.details, dialogs_.detailWindows);
  } else if (column == TInputGrids::kTextColumn) {
    EditSignalText(row);
  }
}

void TInformController::EditSignalText(int row) {
  TServClass& serv = session_.config.Serv;
  const int entry = row - 1;
  TFormTextController& text = dialogs_.text;
  text.label2 = std::to_string(row) + "      " + Cp1251ToUtf8(serv.GetInputId(entry));
  text.editText = Cp1251ToUtf8(serv.GetInputText(entry));
  if (dialogs_.textWindow.ShowModal(text) != kModalOk) return;
  serv.SetInputText(Utf8ToCp1251(text.editText), entry);
  grids_.grid1[row][TInputGrids::kTextColumn] = Cp1251ToUtf8(serv.GetInputText(entry));
  ++revision_;
  if (serv.InputTextsEdited != 1) return;
  if (serv.FileMode == 1) {
    serv.Modified = 1;
    serv.InputTextsEdited = 0;
    return;
  }
  // The warning at the limited level, or this page and every page left
  // unsent before, each write reported once on failure.
  WriteInputTextPage(session_, entry);
}

bool TInformController::GoodNumber(const std::optional<int>& number) const {
  if (number && *number >= 1 && *number <= session_.config.Serv.GetProcessedDiscreteCount()) return true;
  ShowWarning(session_.ui, kWrongNumber);
  return false;
}

void TInformController::CopyTextGroupClick() {
  if (lastColumn_ != TInputGrids::kTextColumn) return;
  TFormVhController& vh = dialogs_.vh;
  vh.caption = kCopyNumbersCaption;
  vh.ShowGroup(2);
  if (dialogs_.vhWindow.ShowModal(vh) != kModalOk) return;
  const std::optional<int> first = vh.First();
  if (!GoodNumber(first)) return;
  const std::optional<int> last = vh.Last();
  if (!GoodNumber(last)) return;
  // The typed numbers are signal numbers, as the replacement reads them.
  const int s1 = *first - 1;
  const int s2 = *last - 1;
  if (s1 > s2) {
    ShowWarning(session_.ui, kWrongNumber);
    return;
  }
  TCopyBlocksClass& copy = session_.config.Copy;
  const TServClass::InputTextTable& texts = session_.config.Serv.GetInputTexts();
  for (int i = s1; i <= s2; ++i) copy.CopyInputTexts[i] = texts[i];
  copy.CopyInFirst = s1;
  copy.CopyInLast = s2;
  insertEnabled_ = true;
}

void TInformController::InsertTextGroupClick() {
  if (!insertEnabled_) return;
  TConfiguration& config = session_.config;
  // Marked before anything else, whatever follows.
  config.Lur.DiskrModified = 1;
  TFormVhController& vh = dialogs_.vh;
  vh.caption = kInsertNumberCaption;
  vh.tooLargeText = kWrongNumber;
  vh.ShowGroup(3);
  if (dialogs_.vhWindow.ShowModal(vh) != kModalOk) return;
  const std::optional<int> start = vh.Start();
  if (!GoodNumber(start)) return;

  const TCopyBlocksClass& copy = config.Copy;
  const int count = config.Serv.GetProcessedDiscreteCount();
  const int first = std::max(copy.CopyInFirst, 0);
  const int last = std::min(copy.CopyInLast, kMaxInputSignals - 1);
  TServClass::InputTextTable texts = config.Serv.GetInputTexts();
  int replaced = 0;
  for (int i = first; i <= last; ++i) {
    const int t = *start - 1 + (i - copy.CopyInFirst);
    if (t >= count) break;
    if (texts[t] != copy.CopyInputTexts[i]) ++replaced;
    texts[t] = copy.CopyInputTexts[i];
  }
  if (replaced == 0) return;
  config.Serv.SetInputTexts(texts);
  // In controller mode the texts wait in memory for a whole write; a file
  // must know it has changed, or closing would lose them.
  if (config.Serv.FileMode == 1) config.Serv.Modified = 1;
  RefillInputTexts(config, grids_);
  ++revision_;
}

std::string TInformController::ReportTitle() const {
  const TServClass& serv = session_.config.Serv;
  if (serv.FileMode == 1) return "Файл " + (fileName ? fileName() : std::string());
  std::string modules;
  for (int s = 0; s < kSlotCount; ++s) modules += ModuleCodeDigit(serv.GetModuleType(s));
  // The number CBoxUstr shows: where the requests go.
  return "ЛУР-05HMI  " + modules + "  № " + std::to_string(serv.GetAddressIndex() + 1);
}

TReport TInformController::DiscreteReport() const {
  return DiscreteListReport(ReportTitle(), kLabel1, grids_, session_.config.Serv.GetProcessedDiscreteCount());
}

TReport TInformController::AnalogReport() const {
  return AnalogListReport(ReportTitle(), kLabel2, grids_, session_.config.Serv.GetProcessedAnalogCount());
}

void TInformController::BNew1Click() { OutputReport(session_.ui, printer_, DiscreteReport()); }

void TInformController::BNew2Click() { OutputReport(session_.ui, printer_, AnalogReport()); }

void RegisterInformWindow(TEditorRegistry& registry, TInformController& form,
                          TModalWindow<TInformController>& window) {
  registry.Register(TEditor::InputInform, [&form, &window](const TEditorRequest& request) {
    form.InformButClick(request.informFill);
    if (request.silent) return kModalOk;
    return window.ShowModal(form);
  });
}

}  // namespace lur
