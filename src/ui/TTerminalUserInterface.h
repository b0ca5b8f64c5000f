#pragma once
// lurctl's user: boxes become lines on stderr; questions take a fixed answer
// chosen on the command line (a script cannot click), and file choice takes
// the path given on the command line.
#include <cstdio>
#include <optional>
#include <string>

#include "ui/TUserInterface.h"

namespace lur {

class TTerminalUserInterface : public TUserInterface {
 public:
  explicit TTerminalUserInterface(std::FILE* out = stderr) : out_(out) {}

  MsgAnswer Message(const TMessage& message) override;
  std::optional<std::string> ChooseFile(const TFileChoice& choice) override;
  void ProgressShow(int, int) override {}
  void ProgressStepIt() override {}
  void ProgressHide() override {}

  // The answer to questions (boxes with more than one button); empty: the
  // box's own default.
  std::optional<MsgAnswer> questionAnswer;
  // The path every file choice returns; empty: the choice is cancelled.
  std::optional<std::string> filePath;

 private:
  std::FILE* out_;
};

}  // namespace lur
