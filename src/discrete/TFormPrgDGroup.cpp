// The group operations of the discrete schema (cut, delete the marked rows,
// paste the copied records after the last row or from a number, replace one
// record, select all) and the pages of its printout. Records move between
// signals, never texts or identifiers.
#include <algorithm>

#include "discrete/TFormPrgDController.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr const char* kCutQuestion = "Вырезать выделенные обработчики входного сигнала?";
constexpr const char* kCutCaption = "Подтвердите вырезание ";
constexpr const char* kDeleteQuestion = "Удалить выделенные обработчики входного сигнала?";
constexpr const char* kDeleteCaption = "Подтвердите удаление ";
constexpr const char* kStartCaption = "Ввод начального № вставки";
constexpr int kStartGroup = 3;

constexpr int kRows = TProgLurClass::kRecordCount;
constexpr int kRelayModules = TFormVyhController::kModules;

}  // namespace

// ---- cut and delete -------------------------------------------------------------

void TFormPrgDController::CutClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  if (std::none_of(lur.PosMark.begin(), lur.PosMark.begin() + std::clamp(lur.NHandlers, 0, kRows),
                   [](int mark) { return mark == 1; }))
    return Warn(kNothingMarked);
  const MsgAnswer answer = session_.ui.Message(
      {kCutQuestion, kCutCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No});
  if (answer != MsgAnswer::Yes) return;
  // What was not copied must not be lost: the copy can stop at its own
  // warnings or at the question about a missing configuration.
  if (!CopyMarkedRows() || closeRequested_) return Refresh();
  lur.CutMode = 1;
  DelChooseClick();
  lur.CutMode = 0;
}

void TFormPrgDController::DelChooseClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  std::vector<int> marked;
  for (int p = 0; HasRow(p); ++p) {
    if (lur.PosMark[static_cast<std::size_t>(p)] == 1) marked.push_back(p);
  }
  if (marked.empty()) return Warn(kNothingMarked);
  if (lur.CutMode != 1) {
    const MsgAnswer answer = session_.ui.Message(
        {kDeleteQuestion, kDeleteCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No});
    if (answer != MsgAnswer::Yes) return;
  }
  for (const int p : marked) {
    const auto i = static_cast<std::size_t>(p);
    const int n = lur.PosSignal[i];
    // The contact type, archiving and byte 7 are the signal's, not the handler's.
    if (hasMR_[i]) {
      for (int k = 1; k <= kRelayModules; ++k) lur.SetRecByte(n, k, 0);
    }
    if (hasSign_[i]) {
      lur.SetTipS(n, 0);
      lur.SetNTabS(n, 0);
    }
    if (hasZader_[i]) {
      lur.SetDiskrZ(n, 0);
      lur.SetTimeZ(n, 0);
    }
    lur.PosSignal[i] = -1;
  }
  MarkChanged();
  ClearSelection();
  // The rows are gone because their records no longer make handlers.
  RebuildSchema();
  lur.NSelected = 0;
}

// ---- paste and replace ----------------------------------------------------------

void TFormPrgDController::PasteRecord(int slot, int s) {
  TProgLurClass& lur = Lur();
  TServClass& serv = Serv();
  const auto& record = session_.config.Copy.CopyDiskr[static_cast<std::size_t>(slot)];
  for (int k = 0; k < static_cast<int>(record.size()); ++k) lur.SetRecByte(s, k, record[static_cast<std::size_t>(k)]);
  // A cell the display lacks shows nothing, but the signalling type stays.
  if (lur.GetNTabS(s) > serv.GetDisplayTypeCount()) lur.SetNTabS(s, 0);
  const int outputModules = std::clamp(serv.GetDoModuleCount(), 0, kRelayModules);
  // Without output modules a delay has nothing to delay.
  if (outputModules == 0) {
    lur.SetDiskrZ(s, 0);
    lur.SetTimeZ(s, 0);
  }
  for (int k = outputModules + 1; k <= kRelayModules; ++k) lur.SetRecByte(s, k, 0);
}

int TFormPrgDController::PasteFrom(int first) {
  const int count = std::clamp(session_.config.Copy.CopyDiskrCount, 0, kRows);
  const int signals = std::min(Serv().GetProcessedDiscreteCount(), kRows);
  int written = 0;
  for (int j = 0; j < count; ++j) {
    const int s = first + j;
    if (s < 0 || s > signals - 1) break;
    PasteRecord(j, s);
    ++written;
  }
  return written;
}

int TFormPrgDController::MarkPasted(int signal, int count) {
  TProgLurClass& lur = Lur();
  ScrollBox1Click();  // no highlight, no mark, no current row
  const int from = RowOfSignal(signal);
  int marked = 0;
  for (int p = from; from >= 0 && p < from + count && HasRow(p); ++p) {
    lur.PosMark[static_cast<std::size_t>(p)] = 1;
    SetHighlight(p, true, false);
    ++marked;
  }
  return marked;
}

void TFormPrgDController::MakeCurrent(int position) {
  if (!HasRow(position)) return;
  TProgLurClass& lur = Lur();
  lur.CurPos = position;
  lur.CurSignal = lur.PosSignal[static_cast<std::size_t>(position)];
  SetHighlight(position, true, true);
}

void TFormPrgDController::InsertPaspGroupClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  MarkChanged();
  int highest = -1;
  for (int p = 0; HasRow(p); ++p) highest = std::max(highest, lur.PosSignal[static_cast<std::size_t>(p)]);
  const int count = std::clamp(session_.config.Copy.CopyDiskrCount, 0, kRows);
  if (PasteFrom(highest + 1) > 0) RebuildSchema();
  const int marked = MarkPasted(highest + 1, count);
  if (lur.NSelected == 0 && marked == 1) MakeCurrent(lur.NHandlers - 1);
  if (lur.NHandlers > 0) scrollTarget_ = (lur.NHandlers - 1) * TSchemaRow::kHeight;
  Refresh();
}

void TFormPrgDController::InsertPaspGroupFromClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  MarkChanged();
  TFormVhController& d = forms_.vh;
  d.caption = kStartCaption;
  d.ShowGroup(kStartGroup);
  d.tooLargeText = kBadStart;
  if (windows_.vh.ShowModal(d) != kModalOk) return Refresh();
  // Ten digits, or any number past the base, name no signal.
  const std::optional<int> v = d.Start();
  if (!v || *v > Serv().GetProcessedDiscreteCount()) {
    Refresh();
    return Warn(kBadStart);
  }
  const int count = std::clamp(session_.config.Copy.CopyDiskrCount, 0, kRows);
  if (PasteFrom(*v - 1) > 0) RebuildSchema();
  const int marked = MarkPasted(*v - 1, count);
  const int first = RowOfSignal(*v - 1);
  if (lur.NSelected == 0 && marked == 1) MakeCurrent(first);
  if (marked > 0) scrollTarget_ = first * TSchemaRow::kHeight;
  Refresh();
}

void TFormPrgDController::PMenu2ChangeClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  if (lur.NHandlers <= 0) return Warn(kNoRowsYet);
  // Only one record copied from the schema replaces the current one.
  if (lur.CopyPos == -1 || session_.config.Copy.CopyDiskrCount < 1 || !HasCurrentRow() || lur.CurSignal < 0) return;
  TServClass& serv = Serv();
  const int n = lur.CurSignal;
  const auto i = static_cast<std::size_t>(lur.CurPos);
  MarkChanged();
  const auto& record = session_.config.Copy.CopyDiskr[0];
  for (int k = 0; k < static_cast<int>(record.size()); ++k) lur.SetRecByte(n, k, record[static_cast<std::size_t>(k)]);
  hasSign_[i] = hasZader_[i] = hasMR_[i] = false;
  if (lur.HasHandler(n)) {
    const int cells = serv.GetDisplayTypeCount();
    if (cells == 0 || lur.GetNTabS(n) > cells) {
      lur.SetNTabS(n, 0);
      lur.SetTipS(n, 0);
    }
    // Outputs of modules the configuration does not have drive nothing, as
    // after a paste.
    for (int k = std::clamp(serv.GetDoModuleCount(), 0, kRelayModules) + 1; k <= kRelayModules; ++k)
      lur.SetRecByte(n, k, 0);
    hasSign_[i] = lur.GetTipS(n) != 0;
    hasZader_[i] = lur.GetTimeZ(n) != 0;
    int relaySum = 0;
    for (int k = 1; k <= kRelayModules; ++k) relaySum += lur.GetRecByte(n, k);
    hasMR_[i] = relaySum != 0;
  }
  ScrollBox1Click();
}

void TFormPrgDController::ChooseAllClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  lur.NSelected = 0;
  ClearSelection();
  for (int p = 0; HasRow(p); ++p) {
    lur.PosMark[static_cast<std::size_t>(p)] = 1;
    SetHighlight(p, true, false);
    ++lur.NSelected;
  }
  lur.CurPos = lur.CurSignal = -1;
  Refresh();
}

// ---- printing -------------------------------------------------------------------

std::optional<TDiscretePrintout> TFormPrgDController::Button1Click(const std::string& mainCaption,
                                                                   const std::string& fileLabel) {
  const TProgLurClass& lur = Lur();
  if (lur.NHandlers <= 0) return std::nullopt;
  if (lur.SchemaSet == 0) {
    Warn(kNoSchema);
    return std::nullopt;
  }
  Refresh();
  TDiscretePrintHeading heading;
  heading.mainCaption = mainCaption.empty() ? kMainCaption : mainCaption;
  heading.editorCaption = caption_;
  if (Serv().FileMode == 1) heading.fileLabel = fileLabel.empty() ? kFileModeLabel : fileLabel;
  heading.displayLine = "Тип модуля индикации  " + TipModInd() + "     Исполнение  " + EditModif();
  return MakeDiscretePrintout(heading, layout_);
}

}  // namespace lur
