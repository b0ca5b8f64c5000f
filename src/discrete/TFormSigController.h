#pragma once
// The signalling dialog ("Задание типа сигнализации ЛУР-05"): the type of
// light-board signalling and its cell. It only holds values: the caller
// fills it, shows it and reads it back. One instance lives for the run.
#include <string>

#include "discrete/TDialogChangeMark.h"

namespace lur {

class TFormSigController {
 public:
  static constexpr const char* kCaption = "Задание типа сигнализации ЛУР-05";
  // RadioGroup1 items, type 0..3.
  static constexpr const char* kTypeItems[4] = {"нет сигнализации", "предупредительная", "аварийная", "индикация"};
  static constexpr int kCellChars = 2;

  void RadioGroup1Click(int type);         // marks a change
  void Edit1Change(const std::string& text);  // marks a change
  // OK, the background or the close box: an emptied cell becomes "00".
  int FormClose();  // kModalOk

  // The cell as typed; 0 for a text that is no number.
  int Cell() const;

  std::string labNVh = "Вход №";  // what the label names: "Вход №", or "ФБ №" for a function block
  std::string label2;          // the caller's signal label
  int radioGroup1 = 0;         // signalling type 0..3
  std::string edit1 = "00";    // light-board cell, at most 2 digits
  TDialogChangeMark marksChange;
};

}  // namespace lur
