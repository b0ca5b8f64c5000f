#pragma once
// The output information window ("Информация о выходах"): the table of the
// discrete outputs with their texts, addresses, identifiers and relay
// settings. Each caller (the main window, the discrete, function block and
// regulator editors) fills it through one operation and then shows it. In
// the window an output's text is edited, the texts are taken from another
// configuration file or copied from one range of outputs to another, and
// the table goes into a report. It never talks to the controller: output
// texts live only in configuration files. One instance lives for the run,
// so a copied range can be inserted into another configuration.
#include <functional>
#include <string>

#include "session/ConfigFileChoice.h"
#include "live/OutputSignalRows.h"
#include "reports/TReport.h"

namespace lur {

struct TSession;
class TInformMRDialogs;
class TReportPrinter;

class TInformMRController {
 public:
  static constexpr const char* kCaption = "Информация о выходах";
  static constexpr const char* kLabel1 = "Дискретные выходы";
  static constexpr const char* kNameFromFileText = "Наименование из файла";
  static constexpr const char* kBNewText = "Создание и печать файла .rtf";
  static constexpr const char* kCopyTextGroupText = "Копировать группу текст. реквизитов";
  static constexpr const char* kInsertTextGroupText = "Заменить группу текст. реквизитов";

  static constexpr const char* kCopyCaption = "Ввод номеров группы текстовых реквизитов";
  static constexpr const char* kInsertCaption = "Ввод начального № вставки";
  static constexpr const char* kBadNumber = "Неверно задан № выхода";

  static constexpr const char* kFileFilter = kConfigFileFilter;
  static constexpr const char* kNotOpened = kFileNotOpened;
  static constexpr const char* kNotOpenedCaption = kFileNotOpenedCaption;
  static constexpr const char* kFile40 = "Файл создан на 40 ФБ";
  static constexpr const char* kUnknownFile = "Файл не опознан";
  static constexpr const char* kOtherConfig = "Рабочая конфигурация \nне соответствует конфигурации в файле";

  // `printer` prints the report when the user asks; without one the report
  // file is written and nothing is printed.
  TInformMRController(TSession& session, TInformMRDialogs& dialogs, TReportPrinter* printer = nullptr);

  // ---- handlers ----------------------------------------------------------------------
  // The fill every caller runs before showing the window: the header rows
  // stay, rows 2..41 are emptied and the rows of the configuration's outputs
  // filled from its texts, identifiers and relay records.
  void InformButMRClick();
  // A double click with the current cell at (row, column): in the text
  // column of an output's row, the text dialog for that output.
  void StringGrid1DblClick(int row, int column);
  // The output texts of another configuration file, chosen in DialOpenFile.
  void NameFromFileClick();
  // Copies the texts of a range of outputs; enables InsertTextGroup for the
  // rest of the run.
  void CopyTextGroupClick();
  // Puts the copied texts at a start number, up to the last output.
  void InsertTextGroupClick();
  // The report file (the last name offered again), then printing on request.
  void BNewClick();

  // ---- what the window shows ---------------------------------------------------------
  const TOutputGrid& Grid() const { return grid_; }
  bool InsertTextGroupEnabled() const { return insertEnabled_; }
  // Grows whenever the cells change, so a view knows when to redraw.
  int Revision() const { return revision_; }
  // The report as BNew writes it.
  TReport Report() const;

  // The configuration file's name for the report's title in file mode (the
  // program reads it from the main window).
  std::function<std::string()> fileName;

 private:
  void Warn(const std::string& text);
  void ShowTexts();
  // Sets Modified in file mode when the output texts differ from `before`.
  void MarkTextsChanged(const std::string& before);
  std::string TextBytes() const;

  TSession& session_;
  TInformMRDialogs& dialogs_;
  TReportPrinter* printer_;
  TOutputGrid grid_;
  bool insertEnabled_ = false;
  std::string lastReportPath_;
  int revision_ = 0;
};

}  // namespace lur
