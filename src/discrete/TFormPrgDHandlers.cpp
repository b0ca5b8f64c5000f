// The handlers of the discrete schema: creating a handler, retargeting its
// identifier, deleting it, finding it by number, copying marked rows, and
// the information windows.
#include <algorithm>

#include "discrete/TFormPrgDController.h"
#include "model/Cp1251.h"
#include "model/SlaveTypes.h"
#include "session/InputTextPages.h"
#include "ui/NumericText.h"

namespace lur {
namespace {

constexpr const char* kNoSignal = "Не выбран № входа";
constexpr const char* kNoSignalOrFB = "Не выбран № входа или № ФБ";
constexpr const char* kNoRow = "Вход с таким номером не создан";
constexpr const char* kAllCreated = "Все собственные входы созданы";
constexpr const char* kRowTaken = "существует вход с порядковым № ";
constexpr const char* kNotOnSchema = "На схеме нет входа с таким номером";

constexpr int kDiPerModule = 12;
constexpr int kAiSignalsPerModule = 24;  // six inputs, four limits each
constexpr int kLimits = 4;

// A number typed in a dialog field; 0 when it is none.
int FieldNumber(const std::string& text, int hi) {
  const TIntText value = ParseIntText(text, 0, hi);
  return value.error == TFieldTextError::None ? value.value : 0;
}

}  // namespace

// ---- the signal of the identifier dialog -------------------------------------------

TFormPrgDController::TChosenSignal TFormPrgDController::ChosenSignal() const {
  const TFormCreatVhController& d = forms_.creatVh;
  const TServClass& serv = session_.config.Serv;
  const int diModules = serv.GetDiModuleCount();
  const int aiModules = serv.GetAiModuleCount();
  const auto inside = [](int v, int lo, int hi) { return v >= lo && v <= hi; };
  int n = -1;
  if (d.page == TFormCreatVhController::kOwnPage) {
    if (!d.ownPageEnabled) return {TChoice::PageDisabled};
    if (d.kind == TFormCreatVhController::kDiscrete) {
      if (inside(d.module, 1, diModules) && inside(d.input, 1, kDiPerModule))
        n = (d.module - 1) * kDiPerModule + (d.input - 1);
    } else if (inside(d.module, 1, aiModules) && inside(d.input, 1, kInputsPerAiModule) &&
               inside(d.limit, 0, kLimits - 1)) {
      n = diModules * kDiPerModule + (d.module - 1) * kAiSignalsPerModule + (d.input - 1) * kLimits + d.limit;
    }
  } else {
    if (!d.netPageEnabled) return {TChoice::PageDisabled};
    // The block number indexes the exchange blocks directly.
    if (inside(d.block, 1, TServClass::kNetBlockCount)) {
      int base = diModules * kDiPerModule + aiModules * kAiSignalsPerModule;
      for (int b = 0; b < d.block - 1; ++b) base += serv.GetNetDiscreteCount(b) + kLimits * serv.GetNetAnalogCount(b);
      const int b = d.block - 1;
      if (d.netKind == TFormCreatVhController::kDiscrete) {
        if (inside(d.reg, 1, serv.GetNetDiscreteCount(b))) n = base + d.reg - 1;
      } else if (inside(d.reg, 1, serv.GetNetAnalogCount(b)) && inside(d.netLimit, 0, kLimits - 1)) {
        n = base + (d.reg - 1) * kLimits + d.netLimit;
      }
    }
  }
  if (n < 0 || n >= std::min(serv.GetProcessedDiscreteCount(), TProgLurClass::kRecordCount))
    return {TChoice::NoSuchSignal};
  return {TChoice::Signal, n};
}

void TFormPrgDController::ShowSlave(int block) {
  const TProgMBMClass& mbm = session_.config.MBM;
  forms_.creatVh.labAdrSlave = std::to_string(mbm.GetUstr(block));
  forms_.creatVh.labTipSlave = std::string(SlaveTypeName(mbm.GetTipUstr(block)));
}

// The dialog preset to signal o: its page, kind, module or block, input or
// register and limit.
void TFormPrgDController::PresetIdentifierDialog(int o) {
  TFormCreatVhController& d = forms_.creatVh;
  const TServClass& serv = session_.config.Serv;
  const int di = serv.GetDiCount();
  const int ownLimits = kLimits * serv.GetAiCount();
  d.labTipSlave.clear();
  d.labAdrSlave.clear();
  if (o < di) {
    d.page = TFormCreatVhController::kOwnPage;
    d.kind = TFormCreatVhController::kDiscrete;
    d.module = o / kDiPerModule + 1;
    d.input = o % kDiPerModule + 1;
    d.limitEnabled = false;
    return;
  }
  if (o < di + ownLimits) {
    d.page = TFormCreatVhController::kOwnPage;
    d.kind = TFormCreatVhController::kAnalog;
    d.module = (o - di) / kAiSignalsPerModule + 1;
    d.input = (o - di) % kAiSignalsPerModule / kLimits + 1;
    d.limit = (o - di) % kLimits;
    d.limitEnabled = true;
    return;
  }
  d.page = TFormCreatVhController::kNetPage;
  int base = di + ownLimits;
  for (int b = 0; b < TServClass::kNetBlockCount; ++b) {
    const int discrete = serv.GetNetDiscreteCount(b);
    const int analog = serv.GetNetAnalogCount(b);
    if (discrete > 0 && o >= base && o < base + discrete) {
      d.block = b + 1;
      d.netKind = TFormCreatVhController::kDiscrete;
      d.reg = o - base + 1;
      d.netLimitEnabled = false;
      ShowSlave(b);
      return;
    }
    if (analog > 0 && o >= base && o < base + kLimits * analog) {
      d.block = b + 1;
      d.netKind = TFormCreatVhController::kAnalog;
      d.reg = (o - base) / kLimits + 1;
      d.netLimit = (o - base) % kLimits;
      d.netLimitEnabled = true;
      ShowSlave(b);
      return;
    }
    base += discrete + kLimits * analog;
  }
}

// ---- creating a handler --------------------------------------------------------------

// The end of a creation that added nothing: no current row, nothing selected.
void TFormPrgDController::EndCreation(int position, int signal) {
  TProgLurClass& lur = Lur();
  ClearSelection();
  lur.NSelected = 0;
  lur.CurPos = position;
  lur.CurSignal = signal;
  Refresh();
}

void TFormPrgDController::CreatVhButClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  TServClass& serv = Serv();
  MarkChanged();
  const int own = serv.GetDiCount() + kLimits * serv.GetAiCount();
  const int limit = serv.GetProcessedDiscreteCount() != 0 ? serv.GetProcessedDiscreteCount() : own;
  if (lur.NHandlers + 1 > std::min(limit, TProgLurClass::kRecordCount)) {
    Warn(kAllCreated);
    return;
  }
  SetHighlight(lur.CurPos, false, false);

  TFormCreatVhController& d = forms_.creatVh;
  d.caption = "Создание нового идентификатора входа";
  d.labNVh = "№ созд. входа на схеме";
  d.labN = std::to_string(lur.NHandlers + 1);
  d.tipK = 0;
  d.arh = false;
  d.editText.clear();
  d.ownPageEnabled = serv.GetDiModuleCount() != 0 || serv.GetAiModuleCount() != 0;
  d.netPageEnabled = serv.GetNetDiscreteTotal() != 0 || serv.GetNetAnalogTotal() != 0;
  if (own < lur.NHandlers + 1 || !d.ownPageEnabled) {
    d.page = TFormCreatVhController::kNetPage;
  } else {
    d.page = TFormCreatVhController::kOwnPage;
    d.kind = TFormCreatVhController::kDiscrete;
    d.module = 1;
    d.input = 1;
    d.limitEnabled = false;
  }
  if (d.netPageEnabled) {
    ShowSlave(0);
  } else {
    d.labTipSlave.clear();
    d.labAdrSlave.clear();
  }
  lur.EditIdMode = 0;
  serv.InputTextsEdited = 0;
  windows_.creatVh.ShowModal(d);

  const int position = lur.NHandlers;
  const TChosenSignal chosen = ChosenSignal();
  if (chosen.choice == TChoice::PageDisabled) return EndCreation(-1, -1);
  if (chosen.choice == TChoice::NoSuchSignal) {
    Warn(TFormVhController::kNoSuchInput);
    return EndCreation(-1, -1);
  }
  const int n = chosen.signal;
  // A signal has one row: found before anything of it is written.
  const int taken = RowOfSignal(n);
  if (taken >= 0) {
    ShowInformation(session_.ui, kRowTaken + std::to_string(taken + 1));
    return EndCreation(-1, -1);
  }
  if (serv.InputTextsEdited == 0) {
    serv.SetDefaultInputText(n);
  } else {
    serv.SetInputText(Utf8ToCp1251(d.editText), n);
    WriteInputTextPage(session_, n);
  }
  lur.SetTipK(n, d.tipK == 1 ? TProgLurClass::kMaskTipK : 0);
  lur.SetArh(n, d.arh ? TProgLurClass::kMaskArh : 0);
  AppendRow(n);
  EndCreation(position, n);
  SetHighlight(position, true, false);
  lur.PosMark[static_cast<std::size_t>(position)] = 1;
  scrollTarget_ = lur.NHandlers * TSchemaRow::kHeight;
  Refresh();
}

// ---- editing the identifier -------------------------------------------------------------

void TFormPrgDController::PMenu1IdClick(int row) {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  TServClass& serv = Serv();
  Preamble(row, false);
  if (lur.CurSignal < 0) return Warn(kNoSignalOrFB);
  if (!HasCurrentRow()) return Warn(kNoRow);
  MarkChanged();
  const int p = lur.CurPos;
  const int o = lur.CurSignal;
  CopyMarkedRows();
  if (closeRequested_) return;

  TFormCreatVhController& d = forms_.creatVh;
  d.caption = "Редактирование идентификатора входа";
  d.labNVh = "№ ред. входа на схеме";
  d.labN = std::to_string(p + 1);
  d.editText = Cp1251ToUtf8(serv.GetInputText(o));
  d.tipK = lur.GetTipK(o) != 0 ? 1 : 0;
  d.arh = lur.GetArh(o) != 0;
  d.ownPageEnabled = serv.GetDiModuleCount() != 0 || serv.GetAiModuleCount() != 0;
  d.netPageEnabled = serv.GetNetDiscreteTotal() != 0 || serv.GetNetAnalogTotal() != 0;
  PresetIdentifierDialog(o);
  serv.InputTextsEdited = 0;
  lur.EditIdMode = 1;
  windows_.creatVh.ShowModal(d);
  lur.EditIdMode = 0;

  const TChosenSignal chosen = ChosenSignal();
  if (chosen.choice == TChoice::PageDisabled) return Refresh();
  if (chosen.choice == TChoice::NoSuchSignal) {
    Warn(TFormVhController::kNoSuchInput);
    return Refresh();
  }
  const int n = chosen.signal;
  // Retargeting onto a signal another row shows would lose that row's processing.
  const int other = RowOfSignal(n, p);
  if (other >= 0) {
    ShowInformation(session_.ui, kRowTaken + std::to_string(other + 1));
    return Refresh();
  }
  const bool edited = serv.InputTextsEdited != 0;
  if (edited) {
    serv.SetInputText(Utf8ToCp1251(d.editText), n);
    WriteInputTextPage(session_, n);
  }
  if (n != o) {
    lur.CopyRec(o, n);
    lur.ClearRecs(o, 1);
  }
  lur.SetTipK(n, d.tipK == 1 ? TProgLurClass::kMaskTipK : 0);
  lur.SetArh(n, d.arh ? TProgLurClass::kMaskArh : 0);

  const auto i = static_cast<std::size_t>(p);
  lur.PosSignal[i] = n;
  textHint_[i] = edited;
  ClearSelection();
  lur.CurPos = p;
  lur.CurSignal = n;
  lur.PosMark[i] = 1;
  SetHighlight(p, true, true);
  scrollTarget_ = p * TSchemaRow::kHeight;
  // The copy buffer now holds the rows as they were before the edit.
  actions_.Enable({TFormPrgDAction::AInsertPaspGroup, TFormPrgDAction::AInsertPaspGroupFrom}, false);
  Refresh();
}

// ---- deleting, searching, copying ----------------------------------------------------------

void TFormPrgDController::PMenu2DelClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  if (lur.CurSignal < 0) return Warn(kNoSignal);
  if (!HasCurrentRow()) return Warn(kNoRow);
  const int p = lur.CurPos;
  const int n = lur.CurSignal;
  const auto i = static_cast<std::size_t>(p);
  MarkChanged();
  if (hasSign_[i]) {
    lur.SetTipS(n, 0);
    lur.SetNTabS(n, 0);
  }
  if (hasZader_[i]) {
    lur.SetDiskrZ(n, 0);
    lur.SetTimeZ(n, 0);
  }
  if (hasMR_[i]) {
    for (int k = 1; k <= TFormVyhController::kModules; ++k) lur.SetRecByte(n, k, 0);
  }
  RemoveRow(p);
  lur.CurPos = lur.CurSignal = lur.CopyPos = -1;
  lur.NSelected = 0;
  Refresh();
}

void TFormPrgDController::PMenu3NVhClick() {
  scrollTarget_ = -1;
  TProgLurClass& lur = Lur();
  if (lur.NHandlers <= 0) return Warn(kNoRowsYet);
  TFormVhController& d = forms_.vh;
  d.caption = "Ввод номера  входа";
  d.group = 1;
  d.editNVh = "1";
  d.labName = Serv().GetInputId(0);
  if (windows_.vh.ShowModal(d) != kModalOk) return;
  const int v = FieldNumber(d.editNVh, Serv().GetProcessedDiscreteCount());
  if (v < 1) return;
  SetHighlight(lur.CurPos, false, false);
  lur.CurSignal = v - 1;
  lur.CurPos = RowOfSignal(v - 1);
  if (lur.CurPos < 0) {
    Refresh();
    return Warn(kNotOnSchema);
  }
  panelSelected_[static_cast<std::size_t>(lur.CurPos)] = true;
  scrollTarget_ = lur.CurPos * TSchemaRow::kHeight;
  Refresh();
}

bool TFormPrgDController::CopyMarkedRows() {
  TProgLurClass& lur = Lur();
  if (lur.NHandlers <= 0) {
    Warn(kNoRowsYet);
    return false;
  }
  std::vector<int> marked;
  for (int p = 0; HasRow(p); ++p) {
    if (lur.PosMark[static_cast<std::size_t>(p)] == 1) marked.push_back(p);
  }
  if (marked.empty()) {
    Warn(kNothingMarked);
    return false;
  }
  if (lur.SchemaSet == 0) {
    closeRequested_ = AskCreateConfiguration();
    return false;
  }
  TCopyBlocksClass& copy = session_.config.Copy;
  for (auto& slot : copy.CopyDiskr) slot.fill(0);
  std::size_t count = 0;
  for (const int p : marked) {
    const int n = lur.PosSignal[static_cast<std::size_t>(p)];
    copy.CopyDiskr[count++] = lur.GetRecords()[static_cast<std::size_t>(n)];
  }
  copy.CopyDiskrCount = static_cast<int>(count);
  actions_.Enable({TFormPrgDAction::AInsertPaspGroup, TFormPrgDAction::AInsertPaspGroupFrom}, true);
  lur.CopyPos = count == 1 ? 0 : -1;
  return true;
}

void TFormPrgDController::PMenu2CopClick() {
  CopyMarkedRows();
  Refresh();
}

// ---- information windows -----------------------------------------------------------------

void TFormPrgDController::PMenu2InfClick() {
  const TProgLurClass& lur = Lur();
  if (lur.CurSignal < 0) return Warn(kNoSignal);
  if (!HasCurrentRow()) return Warn(kNoRow);
  editors_.Open({.editor = TEditor::InputDetail, .entry = lur.CurSignal});
}

void TFormPrgDController::InformButMRClick() { editors_.Open({.editor = TEditor::OutputInform}); }

void TFormPrgDController::InfVyhClick() {
  const TProgLurClass& lur = Lur();
  editors_.Open({.editor = TEditor::OutputDetail, .entry = lur.InfMR * kOutputsPerDoModule + lur.InfOut});
}

void TFormPrgDController::PMenu1FBClick() { editors_.Open({.editor = TEditor::FunctionBlocks}); }

}  // namespace lur
