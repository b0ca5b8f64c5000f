#include "ui/TScriptedUserInterface.h"

#include <algorithm>

namespace lur {

MsgAnswer TScriptedUserInterface::Message(const TMessage& message) {
  shown.push_back(message);
  if (answers.empty()) return message.defaultAnswer;
  const MsgAnswer a = answers.front();
  answers.pop_front();
  return a;
}

std::optional<std::string> TScriptedUserInterface::ChooseFile(const TFileChoice& choice) {
  fileDialogs.push_back(choice);
  if (files.empty()) return std::nullopt;
  auto f = files.front();
  files.pop_front();
  return f;
}

void TScriptedUserInterface::ProgressShow(int maximum, int step) {
  progressVisible = true;
  progressMaximum = maximum;
  progressStep = step;
  progressPosition = 0;
  progressSteps = 0;
}

void TScriptedUserInterface::ProgressStepIt() {
  ++progressSteps;
  progressPosition = std::min(progressMaximum, progressPosition + progressStep);
}

void TScriptedUserInterface::ProgressHide() { progressVisible = false; }

bool TScriptedUserInterface::ProgressCancelled() {
  return cancelAfterSteps >= 0 && progressSteps >= cancelAfterSteps;
}

void TScriptedUserInterface::ShowInputError(const std::string& field, const std::string& text) {
  inputErrors.push_back({field, text});
}

void TScriptedUserInterface::ShowInlineError(const std::string& field, const std::string& text) {
  inlineErrors.push_back({field, text});
}

std::vector<std::string> TScriptedUserInterface::Texts() const {
  std::vector<std::string> texts;
  for (const auto& m : shown) texts.push_back(m.text);
  return texts;
}

}  // namespace lur
