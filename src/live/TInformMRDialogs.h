#pragma once
// The dialogs the output information window opens: the output text dialog
// ("Задание текстового реквизита выхода") and the number dialog, whose
// controllers belong to the discrete editor. The window reaches them
// through this seam, so the live windows do not depend on that editor; the
// program hands in its one instance of each, tests a script.
#include <string>

namespace lur {

class TInformMRDialogs {
 public:
  virtual ~TInformMRDialogs() = default;

  // The text dialog for output k (1-based), showing k, six blanks and its
  // identifier beside `text`; the dialog keeps OutputTextsEdited (cleared on
  // showing, set by typing). Returns the modal result; after kModalOk `text`
  // is what the user left in the field (UTF-8).
  virtual int OutputText(int k, std::string& text) = 0;

  // The number dialog with only its first-and-last group, under `caption`.
  // After kModalOk, `first` and `last` are the numbers given.
  virtual int GroupNumbers(const std::string& caption, int& first, int& last) = 0;

  // The number dialog with only its start group, under `caption`; a number
  // too large for any range is refused inside the dialog with `tooLarge`.
  // After kModalOk, `start` is the number given.
  virtual int StartNumber(const std::string& caption, const std::string& tooLarge, int& start) = 0;
};

}  // namespace lur
