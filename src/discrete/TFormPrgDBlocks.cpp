// The blocks of a schema row (signalling, delay, relay outputs), its text,
// archiving and contact type.
#include <algorithm>
#include <array>
#include <cstdio>

#include "discrete/TFormPrgDController.h"
#include "model/Cp1251.h"
#include "session/InputTextPages.h"
#include "ui/NumericText.h"

namespace lur {
namespace {

constexpr const char* kNoSignal = "Не выбран № входа";
constexpr const char* kNoSignalOrFB = "Не выбран № входа или № ФБ";
constexpr const char* kNoRow = "Вход с таким номером не создан";
constexpr const char* kUnavailable = "Недоступная функция";
constexpr const char* kNoSignPanel = "Панель сигн. для входа с таким номером не создана";
constexpr const char* kNoZaderPanel = "Панель задерж. для входа с таким номером не создана";
constexpr const char* kNoMRPanel = "Панель МР для входа с таким номером не создана";
constexpr const char* kNoCell = "Не выбран № ячейки светового табло";
constexpr const char* kBadCell = "Неверно выбран № ячейки светового табло";
constexpr const char* kNoDiscreteness = "Не задана дискретность времени задержки";
constexpr const char* kNoDelay = "Не задана уставка времени задержки";

constexpr int kTipSShift = 6;  // TipS is stored as type x 64
constexpr int kTenSeconds = 10;

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// A two-digit field as a number; 0 for a text that is none.
int FieldValue(const std::string& text) {
  const TIntText value = ParseIntText(text, 0, 99);
  return value.error == TFieldTextError::None ? value.value : 0;
}

}  // namespace

// ---- signalling ---------------------------------------------------------------------

void TFormPrgDController::CreatSignButClick() {
  MarkChanged();
  if (Serv().GetDisplayTypeCount() == 0) return Warn(kUnavailable);
  if (CurSignal() < 0) return Warn(kNoSignal);
  if (!HasCurrentRow()) return Warn(kNoRow);
  const auto i = static_cast<std::size_t>(CurPos());
  if (hasSign_[i]) return Refresh();
  hasSign_[i] = true;
  Refresh();
  PMenu1SignClick();
}

void TFormPrgDController::PMenu1SignClick(int row) {
  TProgLurClass& lur = Lur();
  Preamble(row, true);
  if (lur.CurSignal < 0) return Warn(kNoSignalOrFB);
  if (!HasCurrentRow() || !hasSign_[static_cast<std::size_t>(lur.CurPos)]) return Warn(kNoSignPanel);
  const int n = lur.CurSignal;
  TFormSigController& d = forms_.sig;
  lur.DiskrModifiedSave = lur.DiskrModified;
  d.label2 = SignalLabel();
  d.radioGroup1 = lur.GetTipS(n) >> kTipSShift;
  d.edit1 = TwoDigits(lur.GetNTabS(n));
  lur.DiskrModified = lur.DiskrModifiedSave;
  windows_.sig.ShowModal(d);

  int t = d.radioGroup1;
  int c = d.Cell();
  const int cells = Serv().GetDisplayTypeCount();
  if (c == 0) {
    Warn(kNoCell);
    t = 0;
  } else if (c > cells || c < 0) {
    Warn(kBadCell);
    t = c = 0;
  } else if (t == 0) {
    c = 0;
  }
  if (t < 0 || t > 3) t = 0;
  lur.SetTipS(n, static_cast<std::uint8_t>(t << kTipSShift));
  lur.SetNTabS(n, static_cast<std::uint8_t>(c));
  Refresh();
}

void TFormPrgDController::DelSignClick() {
  TProgLurClass& lur = Lur();
  MarkChanged();
  if (Serv().GetDisplayTypeCount() == 0) return Warn(kUnavailable);
  if (lur.CurSignal < 0) return Warn(kNoSignal);
  if (!HasCurrentRow()) return Warn(kNoRow);
  lur.SetTipS(lur.CurSignal, 0);
  lur.SetNTabS(lur.CurSignal, 0);
  hasSign_[static_cast<std::size_t>(lur.CurPos)] = false;
  Refresh();
}

// ---- delay -------------------------------------------------------------------------------

void TFormPrgDController::CreatZaderButClick() {
  MarkChanged();
  if (CurSignal() < 0) return Warn(kNoSignal);
  if (Serv().GetDoModuleCount() == 0) return Warn(kUnavailable);
  if (!HasCurrentRow()) return Warn(kNoRow);
  const auto i = static_cast<std::size_t>(CurPos());
  if (hasZader_[i]) return Refresh();
  hasZader_[i] = true;
  Refresh();
  PMenu1ZaderClick();
}

void TFormPrgDController::PMenu1ZaderClick(int row) {
  TProgLurClass& lur = Lur();
  Preamble(row, true);
  if (lur.CurSignal < 0) return Warn(kNoSignalOrFB);
  if (!HasCurrentRow() || !hasZader_[static_cast<std::size_t>(lur.CurPos)]) return Warn(kNoZaderPanel);
  const int n = lur.CurSignal;
  TFormZaController& d = forms_.za;
  lur.DiskrModifiedSave = lur.DiskrModified;
  d.label2 = SignalLabel();
  d.editDiskr = std::to_string(lur.GetDiskrZ(n) != 0 ? kTenSeconds : 1);
  d.editT = std::to_string(lur.GetTimeZ(n));
  lur.DiskrModified = lur.DiskrModifiedSave;
  windows_.za.ShowModal(d);

  int discreteness = FieldValue(d.editDiskr);
  int time = FieldValue(d.editT);
  if (discreteness == 0) {
    Warn(kNoDiscreteness);
    time = 0;
  } else if (time == 0) {
    Warn(kNoDelay);
  } else if (TProgLurClass::CheckDelayField(d.editT, 6)) {
    session_.ui.InputError("EditT");
    Warn(kNoDelay);
    time = 0;
  } else if (TProgLurClass::CheckDelayField(d.editDiskr, 7)) {
    session_.ui.InputError("EditDiskr");
    Warn(kNoDiscreteness);
    discreteness = time = 0;
  }
  lur.SetDiskrZ(n, discreteness == kTenSeconds ? TProgLurClass::kMaskDiskrZ : 0);
  lur.SetTimeZ(n, static_cast<std::uint8_t>(time & TProgLurClass::kMaskTimeZ));
  Refresh();
}

void TFormPrgDController::DelZaderClick() {
  TProgLurClass& lur = Lur();
  MarkChanged();
  if (lur.CurSignal < 0) return Warn(kNoSignal);
  if (Serv().GetDoModuleCount() == 0) return Warn(kUnavailable);
  if (!HasCurrentRow()) return Warn(kNoRow);
  lur.SetDiskrZ(lur.CurSignal, 0);
  lur.SetTimeZ(lur.CurSignal, 0);
  hasZader_[static_cast<std::size_t>(lur.CurPos)] = false;
  Refresh();
}

// ---- relay outputs ----------------------------------------------------------------------

void TFormPrgDController::CreatVyhButClick() {
  if (Serv().GetDoModuleCount() == 0) return Warn(kUnavailable);
  MarkChanged();
  if (CurSignal() < 0) return Warn(kNoSignal);
  if (!HasCurrentRow()) return Warn(kNoRow);
  const auto i = static_cast<std::size_t>(CurPos());
  if (hasMR_[i]) return Refresh();
  hasMR_[i] = true;
  Refresh();
  PMenu1VyhClick();
}

void TFormPrgDController::PMenu1VyhClick(int row) {
  TProgLurClass& lur = Lur();
  Preamble(row, true);
  if (lur.CurSignal < 0) return Warn(kNoSignalOrFB);
  if (!HasCurrentRow() || !hasMR_[static_cast<std::size_t>(lur.CurPos)]) return Warn(kNoMRPanel);
  const int n = lur.CurSignal;
  const int modules = std::clamp(Serv().GetDoModuleCount(), 0, TFormVyhController::kModules);
  TFormVyhController& d = forms_.vyh;
  lur.DiskrModifiedSave = lur.DiskrModified;
  d.labelName = SignalLabel();
  std::array<std::uint8_t, TFormVyhController::kModules> bytes{};
  for (int k = 0; k < modules; ++k) bytes[static_cast<std::size_t>(k)] = lur.GetRecByte(n, k + 1);
  d.Preset(modules, bytes);
  lur.DiskrModified = lur.DiskrModifiedSave;
  windows_.vyh.ShowModal(d);
  // Only the modules shown: the bytes of others are not this dialog's.
  for (int k = 0; k < modules; ++k) lur.SetRecByte(n, k + 1, d.Byte(k));
  Refresh();
}

void TFormPrgDController::DelVyhClick() {
  TProgLurClass& lur = Lur();
  if (Serv().GetDoModuleCount() == 0) return Warn(kUnavailable);
  MarkChanged();
  if (lur.CurSignal < 0) return Warn(kNoSignal);
  if (!HasCurrentRow()) return Warn(kNoRow);
  for (int k = 1; k <= TFormVyhController::kModules; ++k) lur.SetRecByte(lur.CurSignal, k, 0);
  hasMR_[static_cast<std::size_t>(lur.CurPos)] = false;
  Refresh();
}

// ---- texts ---------------------------------------------------------------------------------

// A text has been entered for `signal`: memory takes it, its rows say so,
// and an edited text goes to the controller (or marks the file).
void TFormPrgDController::TextChanged(int signal, const std::string& utf8, bool edited) {
  TServClass& serv = Serv();
  serv.SetInputText(Utf8ToCp1251(utf8), signal);
  for (int p = 0; HasRow(p); ++p) {
    if (Lur().PosSignal[static_cast<std::size_t>(p)] == signal) textHint_[static_cast<std::size_t>(p)] = true;
  }
  if (edited) {
    serv.InputTextsEdited = 1;
    WriteInputTextPage(session_, signal);
  } else {
    serv.InputTextsEdited = 0;
  }
}

void TFormPrgDController::PMenu2TextClick(int row) {
  TProgLurClass& lur = Lur();
  if (row >= 0 && HasRow(row)) RowClick(row, false);
  if (lur.CurSignal < 0) return Warn(kNoSignal);
  if (!HasCurrentRow()) return Warn(kNoRow);
  const int p = lur.CurPos;
  const int n = lur.CurSignal;
  lur.PosMark[static_cast<std::size_t>(p)] = 1;
  const std::string text = Cp1251ToUtf8(Serv().GetInputText(n));
  if (row >= 0) {
    // In place, over the text label; the edit belongs to this signal
    // whatever becomes current before it loses the focus.
    Refresh();
    const TSchemaRect& label = layout_.rows[static_cast<std::size_t>(p)].textLabel;
    inPlace_ = {true, p, n, text, {label.x, label.y - 4, label.w, label.h}};
    inPlaceOriginal_ = text;
    Serv().InputTextsEdited = 0;
    return;
  }
  TFormTextController& d = forms_.text;
  d.label2 = SignalLabel();
  d.editText = text;
  Serv().InputTextsEdited = 0;
  windows_.text.ShowModal(d);
  TextChanged(n, d.editText, Serv().InputTextsEdited != 0);
  Refresh();
}

void TFormPrgDController::EditTextChange(const std::string& text) {
  if (inPlace_.active) inPlace_.text = text;
}

void TFormPrgDController::EditTextExit(const std::string& text) {
  if (!inPlace_.active) return;
  const int n = inPlace_.signal;
  const std::string committed = text;  // text may be the edit's own, cleared below
  const bool edited = committed != inPlaceOriginal_;
  inPlace_ = {};
  TextChanged(n, committed, edited);
  Refresh();
}

void TFormPrgDController::CommitInPlaceEdit() {
  if (inPlace_.active) EditTextExit(inPlace_.text);
}

// ---- archiving and contact type -------------------------------------------------------------

void TFormPrgDController::PMenu2ArhivClick() {
  TProgLurClass& lur = Lur();
  lur.DiskrModifiedSave = lur.DiskrModified;
  if (lur.CurSignal < 0) return Warn(kNoSignal);
  if (!HasCurrentRow()) return Warn(kNoRow);
  const int n = lur.CurSignal;
  TFormVklController& d = forms_.vkl;
  d.label2 = SignalLabel();
  d.Preset(lur.GetArh(n) != 0);
  lur.DiskrModified = lur.DiskrModifiedSave;
  windows_.vkl.ShowModal(d);
  lur.SetArh(n, d.sbVkl ? TProgLurClass::kMaskArh : 0);
  Refresh();
}

void TFormPrgDController::ArhivClick(int row, bool down) {
  MarkChanged();
  if (!HasRow(row)) return;
  Lur().SetArh(Lur().PosSignal[static_cast<std::size_t>(row)], down ? TProgLurClass::kMaskArh : 0);
  Refresh();
}

void TFormPrgDController::PanInp1SpBClick(int row, bool down) {
  MarkChanged();
  if (!HasRow(row)) return;
  Lur().SetTipK(Lur().PosSignal[static_cast<std::size_t>(row)], down ? TProgLurClass::kMaskTipK : 0);
  Refresh();
}

}  // namespace lur
