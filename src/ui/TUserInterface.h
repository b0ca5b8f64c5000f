#pragma once
// The one way controllers speak to the user: message boxes, file choice and
// the progress bar of long transfers. The program implements it with Qt
// widgets, the tests with scripted answers, lurctl with the terminal.
#include <optional>
#include <string>

namespace lur {

enum class MsgIcon { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MsgAnswer { Ok, Cancel, Yes, No, Retry };

struct TMessage {
  std::string text;     // UTF-8
  std::string caption;  // UTF-8
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  MsgAnswer defaultAnswer = MsgAnswer::Ok;
};

struct TFileChoice {
  bool save = false;
  std::string title;
  std::string filter;         // "Файлы типа .lur|*.lur|Все файлы|*.*"
  std::string defaultSuffix;  // "lur"
  std::string initialPath;
};

class TUserInterface {
 public:
  virtual ~TUserInterface() = default;

  // Shows a task-modal box and returns the button pressed.
  virtual MsgAnswer Message(const TMessage& message) = 0;
  // Returns the chosen path, or nothing when the user cancelled.
  virtual std::optional<std::string> ChooseFile(const TFileChoice& choice) = 0;

  // The progress bar of a transfer: shown with a maximum and a step,
  // advanced by one step at a time (saturating), hidden at the end.
  virtual void ProgressShow(int maximum, int step) = 0;
  virtual void ProgressStepIt() = 0;
  virtual void ProgressHide() = 0;
};

// The boxes every window uses, with the system's captions.
extern const char* const kCaptionWarning;       // "Предупреждение"
extern const char* const kCaptionError;         // "Ошибка"
extern const char* const kCaptionConfirmation;  // "Подтверждение"

void ShowWarning(TUserInterface& ui, const std::string& text);
void ShowError(TUserInterface& ui, const std::string& text);
void ShowInformation(TUserInterface& ui, const std::string& text);

}  // namespace lur
