#pragma once
// The logic of the discrete processing editor ("Программирование обработки
// дискретных входов"): the schema of input handlers over the discrete signal
// base, its selection, the commands that create, retarget, delete and find
// handlers, the commands on their blocks, texts, archiving and contact type,
// and the text page written when a text changes. The schema state lives in
// the discrete signal base, so it survives closing the window; the
// controller keeps only what the view draws besides (per-row hint wording,
// highlights, the in-place text edit). No widgets: the view draws Layout()
// and calls the operations, named after the window's handlers.
#include <array>
#include <optional>
#include <string>

#include "discrete/TDiscreteDialogs.h"
#include "discrete/TDiscretePrint.h"
#include "discrete/TFormPrgDActions.h"
#include "discrete/TSchemaLayout.h"
#include "session/TControlStates.h"
#include "session/TEditorRegistry.h"
#include "session/TSession.h"

namespace lur {

class TFormPrgDController {
 public:
  static constexpr const char* kCaption = "Программирование обработки дискретных входов";
  static constexpr const char* kDeviceCaption = "Программирование обработки дискретных входов ЛУР-05 устройство ";
  static constexpr int kSchemaWidth = 830;  // a row's band: the relay block ends at 822

  TFormPrgDController(TSession& session, TDiscreteDialogForms& forms, TDiscreteDialogWindows& windows,
                      const TEditorRegistry& editors);

  // ---- showing and transfer --------------------------------------------------------
  // Each showing: in-place edit closed, marks cleared, then OpenFileClick in
  // file mode (LabelFile shown) or InPortClick (hidden); PrgDShown = 1.
  void FormShow();
  void OpenFileClick();  // rebuilds from memory, caption unchanged
  void RebuildSchema();

  // ---- port transfer and closing (TFormPrgDTransfer.cpp) ------------------------------
  // F9. While PrgDShown is 0 only rebuilds, with the device caption; in file
  // mode nothing else. Otherwise reads the identity, the exchange table when
  // the base holds network signals, the processing pages, the text pages and
  // the units into a scratch copy, taken only when every page came.
  void InPortClick();
  // F10: the processing pages, each confirmed before the next; the change
  // mark and the reserve follow only the confirmation of the last.
  void OutPortClick();
  // The window is being closed: false keeps it open.
  bool FormCloseQuery();

  // ---- selection -------------------------------------------------------------------
  void RowClick(int row, bool ctrl);  // a left click on any element of a row
  void ScrollBox1Click();             // a click on the empty schema
  enum class TPopup { Row, Schema };
  // A right click on row `row` (-1: the background at the mouse's height, a
  // row index when that height is a row's): which menu opens; the Row
  // menu's items are enabled for the selection.
  TPopup RightClick(int row, bool onRowElement);

  // ---- handlers ----------------------------------------------------------------------
  void CreatVhButClick();
  void PMenu1IdClick(int row = -1);  // row >= 0: a double click on that row's input panel
  void PMenu2DelClick();
  void PMenu3NVhClick();
  void PMenu2InfClick();
  void InformButMRClick();
  void InfVyhClick();
  void PMenu1FBClick();
  void PMenu2CopClick();  // copies the marked rows' records into the copy buffer

  void CreatSignButClick();
  void PMenu1SignClick(int row = -1);  // row >= 0: a double click on that row's signalling block
  void DelSignClick();
  void CreatZaderButClick();
  void PMenu1ZaderClick(int row = -1);
  void DelZaderClick();
  void CreatVyhButClick();
  void PMenu1VyhClick(int row = -1);
  void DelVyhClick();
  // row >= 0: a double click on that row's text label (the in-place edit);
  // -1: the command, with the text dialog.
  void PMenu2TextClick(int row = -1);
  void EditTextChange(const std::string& text);  // typing in the in-place edit
  void EditTextExit(const std::string& text);    // the in-place edit loses the focus
  void PMenu2ArhivClick();
  void ArhivClick(int row, bool down);       // the row's archive button
  void PanInp1SpBClick(int row, bool down);  // the row's contact button

  // ---- group operations and printing (TFormPrgDGroup.cpp) ----
  static constexpr const char* kNoSchema = "Схема не создана";
  // Warnings of the handler and group operations alike.
  static constexpr const char* kNoRowsYet = "Не создано ни одного входа";
  static constexpr const char* kNothingMarked = "Нет выделенных входов";
  static constexpr const char* kBadStart = "Неверно задан № входа";
  static constexpr const char* kMainCaption = "Программатор ЛУР - 05HMI";  // when the view names none
  static constexpr const char* kFileModeLabel = "Режим работы с файлом";
  // Cut asks once, copies the marked rows' records, and deletes the rows
  // only when something was copied.
  void CutClick();
  // Clears the blocks of the marked rows (TipK, Arh and byte 7 stay) and
  // rebuilds the schema from memory; asks first unless cutting.
  void DelChooseClick();
  // The current row's record <- the single copied record; its blocks follow.
  void PMenu2ChangeClick();
  // The copied records onto the signals after the highest one shown.
  void InsertPaspGroupClick();
  // The copied records onto the signals from a number the user enters.
  void InsertPaspGroupFromClick();
  void ChooseAllClick();
  // The pages to print: none without rows, none (after "Схема не создана")
  // without a schema. `mainCaption` and `fileLabel` are the main window's,
  // empty when the view has none (then kMainCaption and kFileModeLabel).
  std::optional<TDiscretePrintout> Button1Click(const std::string& mainCaption = {},
                                                const std::string& fileLabel = {});

 private:
  // Record s <- copy slot `slot`, with what this configuration cannot hold cleared.
  void PasteRecord(int slot, int s);
  // Copy slots 0.. onto the signals from `first` on, within the base; the
  // number of records written.
  int PasteFrom(int first);
  // After a paste: no selection, then up to `count` rows marked and
  // highlighted from the row showing `signal` on; the number marked.
  int MarkPasted(int signal, int count);
  void MakeCurrent(int position);

 public:
  // ---- what the view shows -----------------------------------------------------------
  const TSchemaLayout& Layout() const { return layout_; }
  const std::string& Caption() const { return caption_; }
  std::string EditModif() const;  // module type codes in hexadecimal, concatenated
  std::string TipModInd() const;  // the display caption of DisplayType
  bool LabelFileShown() const { return labelFile_; }
  const TControlStates<TFormPrgDAction>& Actions() const { return actions_; }
  // "Дискретные выходы" works once its window is registered.
  bool InformButMRAvailable() const;
  // The user answered "No" to creating a configuration: the window closes.
  bool CloseRequested() const { return closeRequested_; }

  struct TInPlaceEdit {
    bool active = false;
    int row = -1;
    int signal = -1;     // the text is committed to this signal at focus-out
    std::string text;
    TSchemaRect rect;    // over the text label, 4 pixels higher
  };
  // While active, the shortcuts of ADelChoose, ACopy, AInsertPaspGroup,
  // AChooseAll and ACut are removed and the schema's pop-up menu is off.
  const TInPlaceEdit& InPlaceEdit() const { return inPlace_; }
  // Where the view scrolls after a command (content y), -1 for nowhere.
  int ScrollTarget() const { return scrollTarget_; }

 private:
  // How the identifier dialog's choice maps to a signal.
  enum class TChoice { Signal, PageDisabled, NoSuchSignal };
  struct TChosenSignal {
    TChoice choice = TChoice::NoSuchSignal;
    int signal = -1;
  };

  // ---- common steps (TFormPrgDController.cpp) ----
  TProgLurClass& Lur();
  TServClass& Serv();
  void MarkChanged();
  void Warn(const std::string& text);
  // No schema: "create one?"; true when the answer closes the window.
  bool AskCreateConfiguration();
  bool HasRow(int position) const;  // 0 .. NHandlers - 1
  bool HasCurrentRow() const { return HasRow(CurPos()); }
  int CurPos() const;
  int CurSignal() const;
  int RowOfSignal(int signal, int except = -1) const;
  std::string SignalLabel() const;  // (CurSignal + 1), six blanks, the identifier
  void AppendRow(int signal);
  void RemoveRow(int position);
  void ResetRows();
  void Refresh();  // recomputes layout_
  void TakeRegisteredWindows();
  TSchemaRow RowLayout(int position);

  // ---- port transfer (TFormPrgDTransfer.cpp) ----
  bool ReadFromController();  // true when every page came and was taken
  std::string DeviceCaption(int deviceIndex) const;

  // ---- selection (TFormPrgDSelection.cpp) ----
  void ClearSelection();  // marks and highlights off
  void SetHighlight(int position, bool band, bool panel);
  void Preamble(int row, bool block);  // a double click makes row current
  void UpdateRowMenuStates();
  void CommitInPlaceEdit();

  // ---- handlers (TFormPrgDHandlers.cpp) ----
  TChosenSignal ChosenSignal() const;
  void PresetIdentifierDialog(int signal);
  void ShowSlave(int block);
  bool CopyMarkedRows();
  void EndCreation(int position, int signal);

  // ---- texts (TFormPrgDBlocks.cpp) ----
  void TextChanged(int signal, const std::string& utf8, bool edited);

  TSession& session_;
  TDiscreteDialogForms& forms_;
  TDiscreteDialogWindows& windows_;
  const TEditorRegistry& editors_;

  TSchemaLayout layout_;
  std::string caption_ = kCaption;
  bool labelFile_ = false;
  TControlStates<TFormPrgDAction> actions_;
  TInPlaceEdit inPlace_;
  int scrollTarget_ = -1;
  // Per row: the hint names the base address once the text was edited.
  std::array<bool, 192> textHint_{};
  std::array<bool, 192> bandSelected_{};
  std::array<bool, 192> panelSelected_{};
  // Per row: the blocks shown. A block added by hand stays until it is
  // deleted or the schema is rebuilt, even when its dialog leaves the record
  // without it.
  std::array<bool, 192> hasSign_{};
  std::array<bool, 192> hasZader_{};
  std::array<bool, 192> hasMR_{};
  std::string inPlaceOriginal_;  // the text when the in-place edit opened
  bool closeRequested_ = false;
};

}  // namespace lur
