#include "ui/TTerminalUserInterface.h"

#include <string>

namespace lur {

MsgAnswer TTerminalUserInterface::Message(const TMessage& message) {
  // One box, one line: embedded line breaks become blanks so scripts can grep.
  std::string line = message.text;
  for (char& c : line) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  std::fprintf(out_, "%s\n", line.c_str());
  std::fflush(out_);
  if (message.buttons == MsgButtons::Ok) return MsgAnswer::Ok;
  return questionAnswer.value_or(message.defaultAnswer);
}

std::optional<std::string> TTerminalUserInterface::ChooseFile(const TFileChoice&) { return filePath; }

}  // namespace lur
