#pragma once
// A user who answers from a script and remembers every box shown and every
// field error reported: the tests' stand-in for the desktop. An unscripted
// question takes the box's default.
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "ui/TUserInterface.h"

namespace lur {

// An error reported on an input field: the field's objectName and the text.
struct TFieldError {
  std::string field;
  std::string text;
  bool operator==(const TFieldError&) const = default;
};

class TScriptedUserInterface : public TUserInterface {
 public:
  MsgAnswer Message(const TMessage& message) override;
  std::optional<std::string> ChooseFile(const TFileChoice& choice) override;
  void ProgressShow(int maximum, int step) override;
  void ProgressStepIt() override;
  void ProgressHide() override;
  bool ProgressCancelled() override;

  // Script.
  std::deque<MsgAnswer> answers;
  std::deque<std::optional<std::string>> files;
  // Cancel is pressed once this many progress steps have been made since the
  // last show (-1: never).
  int cancelAfterSteps = -1;

  // Record.
  std::vector<TMessage> shown;
  std::vector<TFileChoice> fileDialogs;
  bool progressVisible = false;
  int progressMaximum = 0;
  int progressStep = 0;
  int progressPosition = 0;
  int progressSteps = 0;  // StepIt calls since the last show
  // Field errors, in order: the input error boxes (red field and box) and
  // the inline markers. Neither is counted in `shown`.
  std::vector<TFieldError> inputErrors;
  std::vector<TFieldError> inlineErrors;

  // The texts shown, in order; convenient for whole-sequence assertions.
  std::vector<std::string> Texts() const;

 protected:
  void ShowInputError(const std::string& field, const std::string& text) override;
  void ShowInlineError(const std::string& field, const std::string& text) override;
};

}  // namespace lur
