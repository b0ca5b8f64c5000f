#include "discrete/TFormPrgDController.h"

#include <algorithm>
#include <cstdio>

#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "session/MarkEdited.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr int kRows = TProgLurClass::kRecordCount;

// Row geometry in the schema's content coordinates, relative to the band.
constexpr int kLabelWidth = 202;
constexpr TSchemaRect kNumberLabel{2, 1, kLabelWidth, 45};
constexpr TSchemaRect kTextLabel{1, 19, kLabelWidth, 16};
constexpr TSchemaRect kContactButton{182, 6, 22, 22};
constexpr TSchemaRect kArchiveButton{182, 29, 22, 22};
constexpr int kPanelWidth = 90;  // the input panel of kind tpId
constexpr int kBlockHeight = 42;
constexpr int kSignWidth = 60;
constexpr int kZaderWidth = 42;
constexpr int kMRWidth = 200;
constexpr int kLineTop = 26;  // a 3-pixel line through the middle of the band
constexpr int kLineHeight = 3;
constexpr int kBlockTop = 6;   // panel and blocks centred on the band and the line
constexpr int kMarkerSize = 9;

TSchemaRect At(const TSchemaRect& r, int top) { return {r.x, r.y + top, r.w, r.h}; }

std::string Hex2(int n) {
  char text[8];
  std::snprintf(text, sizeof text, "%02X", n & 0xFF);
  return text;
}

}  // namespace

TFormPrgDController::TFormPrgDController(TSession& session, TDiscreteDialogForms& forms,
                                         TDiscreteDialogWindows& windows, const TEditorRegistry& editors)
    : session_(session), forms_(forms), windows_(windows), editors_(editors) {
  for (std::size_t a = 0; a < static_cast<std::size_t>(TFormPrgDAction::Count); ++a)
    actions_.Enable(static_cast<TFormPrgDAction>(a), true);
  // Nothing copied from this schema yet.
  actions_.Enable({TFormPrgDAction::AInsertPaspGroup, TFormPrgDAction::AInsertPaspGroupFrom}, false);
  TakeRegisteredWindows();
  // What the dialogs' "marks a change" means while this editor shows them.
  const auto mark = [this] { MarkChanged(); };
  forms_.sig.marksChange.Set(mark);
  forms_.za.marksChange.Set(mark);
  forms_.vyh.marksChange.Set(mark);
  forms_.vyh.onInfVyh = [this] { InfVyhClick(); };
  Refresh();
}

// ---- common steps --------------------------------------------------------------

TProgLurClass& TFormPrgDController::Lur() { return session_.config.Lur; }
TServClass& TFormPrgDController::Serv() { return session_.config.Serv; }
int TFormPrgDController::CurPos() const { return session_.config.Lur.CurPos; }
int TFormPrgDController::CurSignal() const { return session_.config.Lur.CurSignal; }

void TFormPrgDController::MarkChanged() { MarkEdited(session_, session_.config.Lur.DiskrModified); }

void TFormPrgDController::Warn(const std::string& text) { ShowWarning(session_.ui, text); }

bool TFormPrgDController::HasRow(int position) const {
  return position >= 0 && position < std::min(session_.config.Lur.NHandlers, kRows);
}

int TFormPrgDController::RowOfSignal(int signal, int except) const {
  const TProgLurClass& lur = session_.config.Lur;
  int found = -1;  // the last row showing it
  for (int p = 0; HasRow(p); ++p) {
    if (p != except && lur.PosSignal[static_cast<std::size_t>(p)] == signal) found = p;
  }
  return found;
}

std::string TFormPrgDController::SignalLabel() const {
  const int n = CurSignal();
  return std::to_string(n + 1) + "      " + session_.config.Serv.GetInputId(n);
}

void TFormPrgDController::AppendRow(int signal) {
  TProgLurClass& lur = Lur();
  const int p = lur.NHandlers;
  if (p < 0 || p >= kRows) return;
  const auto i = static_cast<std::size_t>(p);
  lur.PosSignal[i] = signal;
  lur.PosMark[i] = 0;
  hasSign_[i] = hasZader_[i] = hasMR_[i] = false;
  textHint_[i] = bandSelected_[i] = panelSelected_[i] = false;
  lur.NHandlers = p + 1;
}

void TFormPrgDController::RemoveRow(int position) {
  TProgLurClass& lur = Lur();
  if (!HasRow(position)) return;
  const int last = lur.NHandlers - 1;
  const auto shift = [&](auto& a, auto empty) {
    for (int p = position; p < last; ++p) a[static_cast<std::size_t>(p)] = a[static_cast<std::size_t>(p + 1)];
    a[static_cast<std::size_t>(last)] = empty;
  };
  shift(lur.PosSignal, -1);
  shift(lur.PosMark, 0);
  shift(hasSign_, false);
  shift(hasZader_, false);
  shift(hasMR_, false);
  shift(textHint_, false);
  shift(bandSelected_, false);
  shift(panelSelected_, false);
  lur.NHandlers = last;
}

void TFormPrgDController::ResetRows() {
  TProgLurClass& lur = Lur();
  lur.PosSignal.fill(-1);
  lur.PosMark.fill(0);
  hasSign_.fill(false);
  hasZader_.fill(false);
  hasMR_.fill(false);
  textHint_.fill(false);
  bandSelected_.fill(false);
  panelSelected_.fill(false);
  lur.NHandlers = 0;
  lur.NSelected = 0;  // no row is left to be part of a group
  scrollTarget_ = -1;
}

// ---- showing -------------------------------------------------------------------

bool TFormPrgDController::AskCreateConfiguration() {
  return Lur().AskCreateConfig(
      [this](std::string_view text) {
        return session_.ui.Message({std::string(text), kCaptionConfirmation, MsgIcon::Question, MsgButtons::YesNo,
                                    MsgAnswer::Yes}) == MsgAnswer::Yes;
      },
      [this](std::string_view text) { ShowInformation(session_.ui, std::string(text)); });
}

// The windows this editor opens through the registry may be registered after
// it was made (the program makes this editor first): asked again at each
// showing.
void TFormPrgDController::TakeRegisteredWindows() {
  actions_.Enable(TFormPrgDAction::AFB, editors_.Available(TEditor::FunctionBlocks));
  actions_.Enable(TFormPrgDAction::AInfVyh, editors_.Available(TEditor::OutputDetail));
  actions_.Enable(TFormPrgDAction::AInfAnalog, editors_.Available(TEditor::InputDetail));
}

void TFormPrgDController::FormShow() {
  TakeRegisteredWindows();
  inPlace_ = {};
  closeRequested_ = false;
  Lur().PosMark.fill(0);
  if (Serv().FileMode == 1) {
    OpenFileClick();
    labelFile_ = true;
  } else {
    InPortClick();
    labelFile_ = false;
  }
  Lur().PrgDShown = 1;
}

void TFormPrgDController::OpenFileClick() { RebuildSchema(); }

void TFormPrgDController::RebuildSchema() {
  TProgLurClass& lur = Lur();
  TServClass& serv = Serv();
  inPlace_ = {};
  lur.CurSignal = lur.CurPos = -1;
  lur.SchemaSet = 0;
  ResetRows();
  lur.SchemaSet = 1;
  const int cells = serv.GetDisplayTypeCount();
  const int outputModules = serv.GetDoModuleCount();
  const int signals = std::min(serv.GetProcessedDiscreteCount(), kRows);
  for (int n = 0; n < signals; ++n) {
    if (!lur.HasHandler(n)) continue;
    const auto p = static_cast<std::size_t>(lur.NHandlers);
    AppendRow(n);
    // A cell the display does not have cannot signal.
    if ((cells == 0 || lur.GetNTabS(n) > cells) && (lur.GetNTabS(n) != 0 || lur.GetTipS(n) != 0)) {
      lur.SetNTabS(n, 0);
      lur.SetTipS(n, 0);
      MarkChanged();
    }
    hasSign_[p] = lur.GetTipS(n) != 0;
    hasZader_[p] = lur.GetTimeZ(n) != 0;
    int relaySum = 0;
    for (int k = 1; k <= TFormVyhController::kModules; ++k) relaySum += lur.GetRecByte(n, k);
    if (relaySum != 0) {
      hasMR_[p] = true;
      // Outputs of modules the configuration does not have drive nothing.
      for (int k = outputModules + 1; k <= TFormVyhController::kModules; ++k) {
        if (lur.GetRecByte(n, k) != 0) {
          lur.SetRecByte(n, k, 0);
          MarkChanged();
        }
      }
    }
  }
  Refresh();
}

std::string TFormPrgDController::EditModif() const {
  std::string text;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int code = session_.config.Serv.GetModuleType(slot);
    text += ModuleCodeDigit(code);
  }
  return text;
}

std::string TFormPrgDController::TipModInd() const {
  const int type = session_.config.Serv.GetDisplayType();
  if (type < 0 || type > kMaxDisplayType) return {};
  return std::string(kDisplayTypeCaptions[static_cast<std::size_t>(type)]);
}

bool TFormPrgDController::InformButMRAvailable() const { return editors_.Available(TEditor::OutputInform); }

// ---- layout --------------------------------------------------------------------

TSchemaRow TFormPrgDController::RowLayout(int position) {
  const TProgLurClass& lur = Lur();
  TServClass& serv = Serv();
  const auto i = static_cast<std::size_t>(position);
  const int n = lur.PosSignal[i];
  const int top = position * TSchemaRow::kHeight;
  TSchemaRow row;
  row.position = position;
  row.signal = n;
  row.bandSelected = bandSelected_[i];
  row.panelSelected = panelSelected_[i];

  const std::string text = Cp1251ToUtf8(serv.GetInputText(n));
  const std::string place = "номер входа  на схеме " + std::to_string(position + 1) + "\n";
  row.numberText = "  № на схеме " + std::to_string(position + 1) + "\n\n" + "  № в базе " + std::to_string(n + 1);
  row.text = "  " + text;
  row.identifier = serv.GetInputId(n);
  row.hint = textHint_[i] ? place + "адрес сигнала в базе " + std::to_string(n + 1) + "\n" + text
                          : place + "номер сигнала в базе " + std::to_string(n + 1) + " (адрес 0x" + Hex2(n) + ")\n" +
                                text;
  row.contactDown = lur.GetTipK(n) != 0;
  row.archiveDown = lur.GetArh(n) != 0;

  row.band = {0, top, kSchemaWidth, TSchemaRow::kHeight};
  row.numberLabel = At(kNumberLabel, top);
  row.textLabel = At(kTextLabel, top);
  row.contactButton = At(kContactButton, top);
  row.archiveButton = At(kArchiveButton, top);
  row.inputPanel = {TSchemaRow::kInputLeft, top + kBlockTop, kPanelWidth, kBlockHeight};
  const int lineTop = top + kLineTop;
  int lineEnd = TSchemaRow::kInputLeft + kPanelWidth;
  const auto addBlock = [&](TSchemaRect& rect, int left, int width) {
    rect = {left, top + kBlockTop, width, kBlockHeight};
    row.markers.push_back({left - 7, lineTop - 4, kMarkerSize, kMarkerSize});
    lineEnd = left;  // blocks come left to right: the last one is the rightmost
  };
  if (hasSign_[i]) {
    row.hasSign = true;
    row.tipS = lur.GetTipS(n) >> 6;
    row.nTabS = lur.GetNTabS(n);
    addBlock(row.sign, TSchemaRow::kSignLeft, kSignWidth);
  }
  if (hasZader_[i]) {
    row.hasZader = true;
    row.timeZ = lur.GetTimeZ(n);
    row.factor = lur.GetDiskrZ(n) != 0 ? 10 : 1;
    addBlock(row.zader, TSchemaRow::kZaderLeft, kZaderWidth);
  }
  if (hasMR_[i]) {
    row.hasMR = true;
    row.mrModules = std::clamp(serv.GetDoModuleCount(), 0, TFormVyhController::kModules);
    for (int k = 0; k < row.mrModules; ++k) row.mr[static_cast<std::size_t>(k)] = lur.GetRecByte(n, k + 1);
    addBlock(row.mrPanel, TSchemaRow::kMRLeft, kMRWidth);
  }
  row.line = {TSchemaRow::kInputLeft, lineTop, lineEnd - TSchemaRow::kInputLeft, kLineHeight};
  return row;
}

void TFormPrgDController::Refresh() {
  layout_.rows.clear();
  for (int p = 0; HasRow(p); ++p) layout_.rows.push_back(RowLayout(p));
  layout_.columnHeight = static_cast<int>(layout_.rows.size()) * TSchemaRow::kHeight + TSchemaRow::kHeight;
}

}  // namespace lur
