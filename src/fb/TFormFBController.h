#pragma once
// The logic of the function block editor ("Программирование функциональных
// блоков"): the chosen block and the selection, which menu a click opens and
// which of its items work, and the commands that create, program, insert and
// delete blocks and give them signalling and relay outputs. The editor's
// working state lives in the function block table, so it survives closing
// the window. No widgets: the view draws the diagram from the table (its
// geometry is a layout function of its own), redraws when Revision() moves
// and calls the operations, named after the window's handlers.
#include <string>

#include "fb/TFormFBControls.h"
#include "fb/TFormFBDialogs.h"
#include "session/TControlStates.h"
#include "session/TSession.h"

namespace lur {

class TFormFBController {
 public:
  static constexpr const char* kCaption = "Программирование функциональных блоков";
  static constexpr const char* kFileModeLabel = "Режим работы с файлом";

  // Warnings (caption "Предупреждение").
  static constexpr const char* kAllCreated = "Все функциональные блоки созданы";
  static constexpr const char* kNotChosen = "Не выбран ФБ";
  static constexpr const char* kBadNumber = "Неверно выбран № программируемого ФБ";
  static constexpr const char* kExists = "существует ФБ с порядковым № ";
  static constexpr const char* kNoneSelected = "Нет выделенных ФБ";
  static constexpr const char* kUnavailable = "Недоступная функция";
  static constexpr const char* kNotCreated = "ФБ с таким номером не создан";
  static constexpr const char* kNoPanel = "Панель сигн. для ФБ с таким номером не создана";
  static constexpr const char* kNoCell = "Не выбран № ячейки светового табло";
  static constexpr const char* kBadCell = "Неверно выбран № ячейки светового табло";
  // The deletion question.
  static constexpr const char* kAskDelete = "Удалить выделенные ФБ?";
  static constexpr const char* kAskDeleteCaption = "Подтвердите удаление ";

  // CreatMode values.
  static constexpr int kCreateAtEnd = 0;
  static constexpr int kProgram = 1;
  static constexpr int kInsertBefore = 2;
  static constexpr int kAddAfter = 3;

  TFormFBController(TSession& session, TFormFBDialogs dialogs);

  // ---- showing ---------------------------------------------------------------------
  // Once: no block under a right click, copy and group items off.
  void FormCreate();
  // Each showing: the selection cleared, the diagram rebuilt, LabelFile shown
  // in file mode.
  void FormShow();
  // The state behind the diagram from the table: NFB (types 1..11), the
  // panel flags, relay masks of modules the configuration lacks cleared (a
  // change), the calculation counts, HasFB; no choice, no selection.
  void RebuildDiagram();

  // ---- mouse -----------------------------------------------------------------------
  enum class TButton { Left, Right };
  enum class TPopup { None, Block, Background };
  // A mouse-down on any element of the block at `position`. Left: choose it,
  // or with Ctrl toggle it in the selection. Right: the menu to open (block
  // menu on a selected block, else the background menu) with its items
  // enabled in Controls(). A position outside the blocks counts as the
  // background.
  TPopup PanFB1MouseDown(int position, TButton button, bool ctrl);
  // A click on the diagram's free space: no choice, no selection.
  void ScrollBox1Click();
  // Every block selected, none chosen.
  void ChooseAllClick();

  // ---- blocks ----------------------------------------------------------------------
  // The block dialog for CreatMode: a new block at the end (0), the chosen
  // block (1), a block before (2) or after (3) the one under the last right
  // click.
  void CreatFuncButClick();
  void PMenu1FBClick();  // program the chosen block (also a double click on its type area)
  void InsertBlClick();  // a new block before the one under the last right click
  // Deletes the selected blocks (the chosen one counts) after asking.
  void DelChooseClick();
  // Deletes the block at PopupPos.
  void DeleteBlClick();

  // ---- signalling and relay outputs of the chosen block ------------------------------
  void CreatSignButClick();
  void PMenu1SignClick();  // also a double click on the signalling panel
  void DelSignClick();
  void CreatVyhButClick();
  void PMenu1VyhClick();  // also a double click on the relay panel
  void DelVyhClick();

  // ---- group copy and insertion (TFormFBGroup.cpp) ----------------------------------
  // Warnings (caption "Предупреждение").
  static constexpr const char* kGroupGap = "ФБ должны быть скопированы без разрыва";
  static constexpr const char* kGroupTooLarge = "количество вставляемых блоков превышает количество свободных";
  static constexpr const char* kGroupNone = "Нет скопированных ФБ";
  // The selected blocks into the copy buffer (which outlives the window and
  // a change of configuration); nothing selected keeps the buffer as it is.
  void CopyGroupClick();
  // The copied group before the block under the last right click.
  void InsertGroupClick();
  // The copied group after the last block.
  void AddGroupClick();
  // Inserts the copied group where GroupInsert says: references mended for
  // this configuration, the algorithms kept in step, the new blocks selected.
  void InsertFB();
  // "Добавление ФБ (после выбранного) ": a new block after the one under
  // the last right click, or after the chosen block (CreatMode 3).
  void AddAfterClick();
  // ---- transfer and closing (TFormFBTransfer.cpp) ----
  static constexpr const char* kDeviceCaption = "Программирование обработки функциональных блоков ЛУР-05 устройство ";
  // "Ввод с СОМ-порта" (F9): the table from the controller, then the diagram.
  void InPortClick();
  // "Вывод на СОМ-порт" (F10): the table into the controller; after a
  // complete write the caption names the device.
  void OutPortClick();
  // The window is being closed: true when it may close.
  bool FormCloseQuery();
  // The window's caption: the editor's own until a write names the device.
  const std::string& Caption() const { return caption_; }
  // ---- calculation blocks (TFormFBCalcOps.cpp) ----------------------------------------
  // CalcMode 0..3, then ButProgCalcClick.
  void CreatIntegrButClick();
  void CreatMatButClick();
  void ProgIntClick();
  void ProgMatClick();
  // The calculation block dialog for CalcMode: the refusals, the dialog
  // prepared and shown, and after OK the arithmetic block or the integrators
  // written (records moved by two places when integrators come or go), then
  // the diagram rebuilt. Nothing without the dialog.
  void ButProgCalcClick();
  // "Показать мат. блоки": the math window filled and shown; the diagram
  // rebuilt after it when a deletion renumbered comparators.
  void Button1Click();
  // ---- algorithms (TFormFBAlgorithms.cpp) ----
  static constexpr const char* kAlgorithmsFailed = "программирование закончено с ошибкой";
  // "Создание алгоритмов": the algorithm window filled and shown; after it an
  // error box when it ended with 6, else the diagram rebuilt; no choice and
  // no selection either way.
  void CreatAlgoritmClick();

  // ---- what the view shows -----------------------------------------------------------
  const TControlStates<TFormFBControl>& Controls() const { return controls_; }
  bool LabelFileShown() const { return labelFile_; }
  // Moves whenever the diagram's structure or contents change.
  int Revision() const { return revision_; }
  // The block to scroll into view, -1 for the top.
  int ScrollTarget() const { return scrollTarget_; }
  // Drawn in the selection colour: the chosen block and the selected ones.
  bool Highlighted(int position) const;
  // The user answered the "create a configuration?" question so that the
  // window closes.
  bool CloseRequested() const { return closeRequested_; }

 private:
  // ---- common steps (TFormFBController.cpp) ----
  TProgFBClass& FB() { return session_.config.FB; }
  const TProgFBClass& FB() const { return session_.config.FB; }
  void MarkChanged();
  void Warn(const std::string& text);
  bool AskCreateConfiguration();
  bool IsBlock(int position) const;  // 0 .. NFB - 1
  void ClearChoice();                // no chosen block
  void ClearSelection();             // no chosen block, nothing selected
  void Choose(int position);         // the chosen block, alone in Selected
  int SelectedCount() const;
  void Changed() { ++revision_; }

  // ---- blocks (TFormFBBlocks.cpp) ----
  // The new block's record index, or -1 when the mode places none.
  int NewBlockPosition() const;
  void CreateOrProgram();
  void PlaceNewBlock(int position);

  // ---- panels (TFormFBPanels.cpp) ----
  // The refusals shared by adding and deleting; true when one was shown.
  bool RefuseSignalling(bool checkLimit);
  bool RefuseRelay();
  void ShowSignDialog(int i);
  void ShowVyhDialog(int i);

  // ---- group copy and insertion (TFormFBGroup.cpp) ----
  // The insertion items are on while the copy buffer holds a group.
  void EnableGroupItems();
  // The block menu: copy always, the insertion before the block only for a
  // single block and a copied group.
  void EnableBlockMenuGroupItems(bool single);
  // ---- transfer and closing (TFormFBTransfer.cpp) ----
  // Each showing: F9 and F10 on, and the reserve's algorithm area as the
  // editor opens, which "No" on closing returns to.
  void TransferShow();
  std::string caption_ = kCaption;
  // ---- calculation blocks (TFormFBCalcOps.cpp) ----
  bool RefuseCalc();  // true when a refusal was shown
  void WriteArithmetic(int operation);
  void WriteIntegrators();

  TSession& session_;
  TFormFBDialogs dialogs_;
  TControlStates<TFormFBControl> controls_;
  bool labelFile_ = false;
  int revision_ = 0;
  int scrollTarget_ = -1;
  bool closeRequested_ = false;
};

}  // namespace lur
