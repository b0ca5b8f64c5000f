#pragma once
// The window "Поиск приборов": the scan of the bus run from it, the list of
// the controllers that answered, and the choice of one of them, which the
// main window takes as a pick in CBoxUstr. No widgets: the Qt window TFormScan
// calls these and draws the texts.
#include <optional>
#include <string>
#include <vector>

#include "shell/BusScan.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// The list's columns, in order.
extern const char* const kScanColumns[4];  // "Устр. №", "Исполнение", ...

class TFormScanController {
 public:
  // ui: the progress with its Cancel and the boxes of this window.
  TFormScanController(TComPortClass& link, TUserInterface& ui) : link_(link), ui_(ui) {}

  TScanOptions& Options() { return options_; }

  // ButScan (and opening the window): the list is emptied, the range asked
  // again. Nothing while a scan runs.
  void ScanClick();
  bool Scanning() const { return scanning_; }

  int Rows() const { return static_cast<int>(result_.found.size()); }
  // The row's cells in the order of kScanColumns ({} for an invalid row).
  std::vector<std::string> RowTexts(int row) const;
  // The line under the list: how many were found, whether the scan was
  // cut short, and the addresses where an answer could not be used.
  const std::string& Status() const { return status_; }

  // ButChoose or a double click: the device number of the row, for the main
  // window to select; nothing for no row.
  std::optional<int> ChooseClick(int row) const;

 private:
  TComPortClass& link_;
  TUserInterface& ui_;
  TScanOptions options_;
  TScanResult result_;
  std::string status_;
  bool scanning_ = false;
};

}  // namespace lur
