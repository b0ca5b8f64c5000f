#pragma once
// The one way controllers speak to the user: message boxes, file choice, the
// progress bar of long transfers and the errors of input fields. The program
// implements it with Qt widgets, the tests with scripted answers, lurctl with
// the terminal.
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

// The default text of the input error box and of the inline marker.
extern const char* const kInputErrorMessage;  // " Ошибка ввода "
// What the hidden inline marker `ErrorText` holds until it is used.
extern const char* const kErrorMarkerText;  // "ошибка"

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
  // Whether the user pressed the progress's Cancel. A long operation that
  // can stop asks between its steps; a user interface without a Cancel
  // never has one pressed.
  virtual bool ProgressCancelled() { return false; }

  // Errors of an input field, named by its objectName ("EditT"), so a
  // controller reports them without holding widgets.
  // The input error box: the field turns red, a beep, a task-modal box with
  // `text` (caption "Ошибка", error icon), then the field turns white again.
  void InputError(const std::string& field, const std::string& text = kInputErrorMessage) {
    ShowInputError(field, text);
  }
  // The inline marker: the dialog's hidden `ErrorText` takes `text` with a
  // beep and shows beside the field (top = field bottom - 5, left = field
  // left - 15) until the mouse passes over it.
  void InlineError(const std::string& field, const std::string& text = kInputErrorMessage) {
    ShowInlineError(field, text);
  }

 protected:
  // Without windows both are the error box with the text alone.
  virtual void ShowInputError(const std::string& field, const std::string& text);
  virtual void ShowInlineError(const std::string& field, const std::string& text);
};

// The boxes every window uses, with the system's captions.
extern const char* const kCaptionWarning;       // "Предупреждение"
extern const char* const kCaptionError;         // "Ошибка"
extern const char* const kCaptionConfirmation;  // "Подтверждение"

void ShowWarning(TUserInterface& ui, const std::string& text);
void ShowError(TUserInterface& ui, const std::string& text);
void ShowInformation(TUserInterface& ui, const std::string& text);

}  // namespace lur
