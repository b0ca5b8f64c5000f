#pragma once
// The relay output module editor ("Программирование модулей МР"): the eight
// output records of one output module, one row of nine controls each. Lists
// and check boxes write their record field at once; the two input number
// fields keep their text until they are left. The row rules decide which
// controls a row shows and enables, from the record, so a row never offers
// a setting its output type or mode ignores.
//
// MrSent of the module's position goes to 0 with the first change and stays
// 0 across openings until a confirmed write, No at the closing question, the
// window's own Cancel or a file-mode close: a write that failed or was
// refused is asked for again at the next close.
#include <array>
#include <string>

#include "model/TProgMRClass.h"
#include "session/TControlStates.h"
#include "session/TEditorRegistry.h"

namespace lur {

struct TSession;

// The controls of a row, by their name without the output number.
enum class TMRRowControl {
  TipVyh,
  Kvit,
  Block,
  KvitMind,
  KvitTopLevel,
  EditVxKvit,
  SbrMind,
  SbrTopLevel,
  EditVhSbr,
  Count
};

// Which of the two input number fields of a row.
enum class TMRInputField { VxKvit, VhSbr };

// What a row shows.
struct TMRRow {
  int tipVyh = 0;        // 0 "сигнал.", 1 "управл."
  int kvitBlock = 0;     // index of the Kvit or the Block list (record bit 1)
  bool kvitShown = true;  // Kvit shown (signalling output), else Block
  bool kvitMind = false;
  bool kvitTopLevel = false;
  bool sbrMind = false;
  bool sbrTopLevel = false;
  std::string vxKvit;  // field texts
  std::string vhSbr;
  TControlStates<TMRRowControl> enabled;
};

class TFormMRController {
 public:
  static constexpr const char* kCaption = "Программирование модулей МР";
  static constexpr int kRows = 8;
  static constexpr const char* kQuestion = "База  была изменена. Передать в прибор?";
  static constexpr const char* kQuestionCaption = "Подтвердите передачу базы данных";
  static constexpr const char* kBadVxKvit = " Неверный адрес входа внеш. квитирования";
  static constexpr const char* kBadVhSbr = " Неверный адрес входа внеш. сброса";
  // The list items, in index order.
  static constexpr std::array<const char*, 2> kTipVyhItems = {"сигнал.", "управл."};
  static constexpr std::array<const char*, 2> kKvitItems = {"свет(перевод в ровн.)", "звук(с гашением)"};
  static constexpr std::array<const char*, 2> kBlockItems = {"без блокировки", "с   блокировкой"};

  // The control's objectName for output o = 0..7 ("EditVxKvit3").
  static std::string ControlName(TMRRowControl control, int o);

  TFormMRController(TSession& session, TEditorRegistry& editors);

  // Opening for the request of the main window: the slot is the module's
  // position, request.module its place among the output modules. A module
  // number outside 1..5, or a slot that holds no output module, opens
  // nothing (false). Otherwise the rows are filled and the form shown.
  bool Open(const TEditorRequest& request);
  // On showing: the replace button follows the copy rule.
  void FormShow();

  // ---- the rows (o = 0..7) --------------------------------------------------------
  void TipVyhClick(int o, int index);
  void KvitClick(int o, int index);
  void BlockClick(int o, int index);
  void KvitMindClick(int o, bool ticked);
  void KvitTopLevelClick(int o, bool ticked);
  void SbrMindClick(int o, bool ticked);
  void SbrTopLevelClick(int o, bool ticked);
  // The user changed a field's text (typed, pasted, dropped).
  void EditVxKvitChange(int o, TMRInputField field, const std::string& text);
  // The field was left: a number 0..DiCount is stored; a text that is no
  // number 0..255 is an input error and the field shows the record's number
  // again; a number above DiCount is kept in the field for the close to
  // refuse, the record unchanged.
  void EditVxKvitExit(int o, TMRInputField field);

  // ---- whole module ---------------------------------------------------------------
  void CopyBaseClick();
  void ChangeBaseClick();
  // Opens the live view of the module's outputs; its modal result.
  int ButOnLineClick();

  // ---- closing -------------------------------------------------------------------------
  // True when the window may close. cancelPressed: the window's Cancel.
  bool FormCloseQuery(bool cancelPressed);
  // Writes page 9; true when the controller confirmed it.
  bool SaveClick();

  // ---- what the view shows -------------------------------------------------------------
  int Module() const { return module_; }  // m, 1..5
  std::string LabNMod() const { return std::to_string(module_); }
  std::string LabTMod() const;
  const TMRRow& Row(int o) const { return rows_[static_cast<std::size_t>(o)]; }
  bool ChangeEnabled() const { return changeEnabled_; }
  int ModalResult() const { return modalResult_; }

 private:
  int Slot() const;
  int ModuleType() const;
  bool ValidRow(int o) const { return o >= 0 && o < kRows; }
  void FillRow(int o);
  void FillRows();
  void MarkChanged();
  void Tick(int o, TMRRowControl control, bool TMRRow::*shown, void (TProgMRClass::*store)(int, int, int),
            bool ticked);
  void SetSent();
  void RestoreModule();
  std::string& FieldText(int o, TMRInputField field);
  std::string RecordText(int o, TMRInputField field) const;
  bool ValidateFields();

  TSession& session_;
  TEditorRegistry& editors_;
  int module_ = 0;
  std::array<TMRRow, kRows> rows_{};
  bool changeEnabled_ = false;
  int modalResult_ = 0;
};

}  // namespace lur
