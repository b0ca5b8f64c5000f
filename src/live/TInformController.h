#pragma once
// "Информация о входах": the discrete signal list and the analog signal list
// of the configuration in memory, the text of one signal (written into the
// controller at once in controller mode), the copy of a range of texts and
// its replacement elsewhere, the detail of an analog or network input, and
// the two reports. One instance lives for the run: what the last caller
// filled stays until the next fill, and a copied range survives closing the
// window and loading another configuration. No widgets.
#include <functional>
#include <string>

#include "discrete/TFormTextController.h"
#include "discrete/TFormVhController.h"
#include "live/InputDetail.h"
#include "live/InputSignalRows.h"
#include "session/TEditorRegistry.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"

namespace lur {

class TReportPrinter;
struct TReport;

// The dialogs the window borrows: the discrete editor's text and number
// dialogs (one instance of each for the run) and the detail windows.
struct TInformDialogs {
  TFormTextController& text;
  TModalWindow<TFormTextController>& textWindow;
  TFormVhController& vh;
  TModalWindow<TFormVhController>& vhWindow;
  TDetailForms& details;
  TDetailWindows detailWindows;
};

class TInformController {
 public:
  static constexpr const char* kCaption = "Информация о входах";
  static constexpr const char* kLabel1 = "Дискретные сигналы";
  static constexpr const char* kLabel2 = "Аналоговые сигналы";
  static constexpr const char* kBNew = "Создание и печать файла .rtf";
  static constexpr const char* kCopyTextGroup = "Копировать группу текст. реквизитов";
  static constexpr const char* kInsertTextGroup = "Заменить группу текст. реквизитов";
  static constexpr const char* kCopyNumbersCaption = "Ввод номеров группы текстовых реквизитов";
  static constexpr const char* kInsertNumberCaption = "Ввод начального № вставки";
  static constexpr const char* kWrongNumber = "Неверно задан № входа";

  TInformController(TSession& session, TInformDialogs dialogs, TReportPrinter* printer = nullptr);

  // ---- handlers ----------------------------------------------------------------------
  // Fills both lists as the caller does (the main window, the regulator
  // editor and the loop and function-15 dialogs as the main window; the
  // function block editor and its dialog without the relay marks).
  void InformButClick(TInformFill fill = TInformFill::Main);
  // Showing: the discrete list takes the focus.
  void FormShow();
  // A press in the discrete list: a right press keeps the column of the
  // current cell, which it does not move.
  void StringGrid1MouseDown(bool rightButton, int currentColumn);
  // A double click on the current cell of the discrete list: the detail of
  // an analog or network input (column 1) or the text of the signal (column 3).
  void StringGrid1DblClick(int row, int column);
  void CopyTextGroupClick();
  void InsertTextGroupClick();
  void BNew1Click();  // report of the discrete list
  void BNew2Click();  // report of the analog list

  // ---- what the window shows -----------------------------------------------------------
  const TInputGrids& Grids() const { return grids_; }
  // Changes whenever a cell does, so the view knows when to redraw.
  int Revision() const { return revision_; }
  int LastColumn() const { return lastColumn_; }
  bool InsertTextGroupEnabled() const { return insertEnabled_; }
  std::string focused;  // objectName of the control with the focus

  // The reports as the buttons make them.
  TReport DiscreteReport() const;
  TReport AnalogReport() const;

  // The configuration file's name, for the reports' title in file mode.
  std::function<std::string()> fileName;

 private:
  std::string ReportTitle() const;
  void EditSignalText(int row);
  // A typed number of the range dialogs: 1..ProcessedDiscreteCount, or the
  // warning and nothing.
  bool GoodNumber(const std::optional<int>& number) const;

  TSession& session_;
  TInformDialogs dialogs_;
  TReportPrinter* printer_;
  TInputGrids grids_;
  int lastColumn_ = 0;
  bool insertEnabled_ = false;
  int revision_ = 0;
};

// Registers the window as TEditor::InputInform: each request fills it as its
// caller does, then shows it modally unless the request is silent (a silent
// fill returns kModalOk). The controller and window must outlive the registry.
void RegisterInformWindow(TEditorRegistry& registry, TInformController& form,
                          TModalWindow<TInformController>& window);

}  // namespace lur
