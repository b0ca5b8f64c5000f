#pragma once
// The delay dialog ("Программ. задерж. выходов ЛУР-05"): the discreteness
// (1 or 10 seconds) and the time in its units (0..60). It only holds the
// typed texts; the caller checks them. One instance lives for the run.
#include <string>

#include "discrete/TDialogChangeMark.h"

namespace lur {

class TFormZaController {
 public:
  static constexpr const char* kCaption = "Программ. задерж. выходов ЛУР-05";
  static constexpr const char* kDiskrHint = "Дискретность,с (1или10)";
  static constexpr const char* kTimeHint = "Время в ед дискр(0-60)";
  static constexpr int kFieldChars = 2;

  void EditDiskrChange(const std::string& text);  // marks a change
  void EditTChange(const std::string& text);      // marks a change
  // OK or the close box: an emptied field becomes "00".
  int FormClose();  // kModalOk

  std::string label2;             // the caller's signal label
  std::string editDiskr = "00";   // discreteness, at most 2 digits
  std::string editT = "00";       // time, at most 2 digits
  TDialogChangeMark marksChange;
};

}  // namespace lur
