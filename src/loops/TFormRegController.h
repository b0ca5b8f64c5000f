#pragma once
// The logic of the regulator editor ("Программирование регуляторов"): the
// selection of loops and which menu a click opens, creating, programming and
// deleting loops through the loop assembly, the loop dialog and the on-line
// window behind their seams, and the editor's own transfers of pages 0x20
// and 0x21. The working state (the map, the selection, the flags) lives in
// the loop table, so it survives closing the window. No widgets: the view
// paints DrawLoops of the configuration and calls the operations, named
// after the window's handlers.
#include <string>

#include "loops/TFormRegControls.h"
#include "loops/TLoopWindows.h"
#include "session/TControlStates.h"
#include "session/TEditorRegistry.h"
#include "session/TSession.h"

namespace lur {

class TFormRegController {
 public:
  static constexpr const char* kCaption = "Программирование регуляторов";
  static constexpr const char* kFileModeLabel = "Режим работы с файлом";
  // Warnings (caption "Предупреждение").
  static constexpr const char* kAllCreated = "Все регуляторы созданы";
  static constexpr const char* kNoneSelected = "Нет выделенных регуляторов";

  // The dialog and the on-line window may be null: their commands stay off.
  // Everything given must outlive this.
  TFormRegController(TSession& session, const TEditorRegistry& editors, TLoopWindows windows);

  // ---- showing (TFormRegController.cpp) --------------------------------------------
  // Once: no panel under a right click.
  void FormCreate();
  // Each showing: no loop selected; in file mode the picture of memory and
  // LabelFile, otherwise the table read from the controller (F9).
  void FormShow();

  // ---- selection (TFormRegSelection.cpp) --------------------------------------------
  enum class TButton { Left, Right };
  enum class TPopup { None, Loop, Background };
  // A mouse-down on loop `loop`'s frame or panels (a loop outside the map is
  // the background). Left: select it alone, or with Ctrl toggle it. Right:
  // the menu to open, PopupMenu1 on a selected loop, else PopupMenu3, with
  // its items' states in Controls().
  TPopup PanelMouseDown(int loop, TButton button, bool ctrl);
  // A click on ScrollBox1's free space: no loop selected.
  void ScrollBox1Click();
  // "Выделить все": every loop selected, none current.
  void ChooseAllClick();

  // ---- loops (TFormRegController.cpp) -----------------------------------------------
  // "Создать контур регулирования" (EditMode 0), or the current loop's
  // programming after PMenu1RegClick (EditMode 1): the dialog, then the
  // values stored, the loop selected and scrolled to.
  void CreatRegButClick();
  // "Редактирование контура регулирования": the current loop in the dialog.
  void PMenu1RegClick();
  // "Удалить": the selected loops.
  void DelChooseClick();
  // "Показать в режиме on line": the current loop in the on-line window.
  void RegOnLineClick();
  // "Входные сигналы", "Дискретные выходы": the information windows.
  void InformButClick();
  void InformButMRClick();

  // ---- transfer and closing (TFormRegTransfer.cpp) -----------------------------------
  // "Ввод с СОМ-порта" (F9): both pages, taken when both arrived; then the picture.
  void InPortClick();
  // "Вывод на СОМ-порт" (F10): both pages, each with its completion poll.
  void OutPortClick();
  // The window is being closed: true when it may close. Unsent changes ask
  // to send (a failed write closes with the edits kept and marked, so the
  // next closing asks again), discard or stay.
  bool FormCloseQuery();
  // "Выход" (Alt+X): as the close box.
  bool AClose() { return FormCloseQuery(); }

  // ---- what the view shows ------------------------------------------------------------
  const TControlStates<TFormRegControl>& Controls() const { return controls_; }
  bool LabelFileShown() const { return labelFile_; }
  // Moves whenever the loops themselves change (the selection does not).
  int Revision() const { return revision_; }
  // Where ScrollBox1 is to scroll after the last operation (pixels from the
  // top), -1 to stay.
  int ScrollTarget() const { return scrollTarget_; }

 private:
  TProgRegClass& Reg() { return session_.config.Reg; }
  const TProgRegClass& Reg() const { return session_.config.Reg; }
  void Warn(const std::string& text);
  // The map again from the records, nothing selected.
  void Redraw();
  void ClearSelection();
  void CountSelection();  // N_Ctrl and the current loop from Reg_Choose
  void SelectAlone(int loop);
  bool OneCurrentLoop() const;
  void UpdateControls();
  // Stores the dialog's values; the loop selected and scrolled to.
  void Store(const TLoopValues& values, int mode);

  TSession& session_;
  const TEditorRegistry& editors_;
  TLoopWindows windows_;
  TControlStates<TFormRegControl> controls_;
  bool labelFile_ = false;
  int revision_ = 0;
  int scrollTarget_ = -1;
};

}  // namespace lur
