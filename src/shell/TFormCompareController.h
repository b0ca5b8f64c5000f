#pragma once
// The window of a comparison with the controller (TFormCompare): the list of
// differences by table, record and field with both values, the summary line,
// Copy and Save as text. It shows "Сравнить с прибором" and the check after a
// write that found something.
#include <array>
#include <string>

#include "shell/TCompareResult.h"

namespace lur {

class TUserInterface;

class TFormCompareController {
 public:
  static constexpr const char* kCompareTitle = "Сравнение с прибором";
  static constexpr const char* kVerifyTitle = "Проверка после записи";

  // The window's caption and the result it lists; verify: the values are
  // what was written and what was read back.
  void Show(std::string title, TCompareResult result, bool verify = false);

  const std::string& Title() const { return title_; }
  const TCompareResult& Result() const { return result_; }
  // Column captions: table, record, field, ours, theirs.
  std::array<std::string, 5> Columns() const;
  std::string Summary() const { return CompareSummary(result_); }
  // What "Копировать" puts on the clipboard and "Сохранить как текст" saves.
  std::string Text() const { return CompareText(result_); }
  // Asks for a file and saves Text() there. False when the user cancelled
  // or the file could not be written (then reported).
  bool SaveClick(TUserInterface& ui) const;

 private:
  std::string title_ = kCompareTitle;
  TCompareResult result_;
  bool verify_ = false;
};

}  // namespace lur
