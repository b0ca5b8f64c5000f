#pragma once
// The password dialog `TFPSW` ("Введите пароль и нажмите  <ENTER>") and the
// two uses the main window makes of it: the start-up entry, which decides
// the access level for the run, and the change of the password, which writes
// "FParol.dat". The file's path is given by the program (the per-user
// configuration folder); tests pass a temporary one.
#include <string>
#include <string_view>

#include "session/TModalWindow.h"

namespace lur {

class TProgLurClass;
class TUserInterface;
class TFPSWController;

// The dialog, shown modally over the controller's state, calls FormClose
// when it closes (Enter or the window's close box).
using TPasswordDialog = TModalWindow<TFPSWController>;

// What a key in the password field is, as the window classifies it.
enum class TPasswordKey {
  Digit,    // a key that types one digit 0..9 (main keyboard or keypad)
  Editing,  // Backspace, Delete, Shift, Ctrl, left and right arrows, Num Lock, Caps Lock
  Enter,
  Other,  // anything else, Shift or Ctrl with a digit included
};
enum class TKeyVerdict { Pass, Close, Refused };

class TFPSWController {
 public:
  static constexpr int kMaxLength = 5;

  TFPSWController(TProgLurClass& lur, TUserInterface& ui, std::string passwordFilePath);

  // Whether text may stand in the field: at most five digits and nothing
  // else. The window refuses any edit (typing, pasting, dropping) that
  // would make it otherwise.
  static bool IsFieldText(std::string_view text);

  // Edit1KeyDown: any key that is neither a digit nor an editing key shows
  // "Пароль - цифровой" and empties the field (the window beeps).
  TKeyVerdict Edit1KeyDown(TPasswordKey key);
  // The dialog closes: at entry the typed text is checked; when changing the
  // password it is validated and written.
  void FormClose();

  // FormShow of the main window: FullAccess 0, then the dialog until it
  // accepts; a refusal offers Retry or Cancel. False when the user cancelled
  // (the program ends).
  bool StartupCheck(TPasswordDialog& dialog);
  // N1ParolClick: the change of the password (full access only).
  void N1ParolClick(TPasswordDialog& dialog);

  const std::string& PasswordFile() const { return passwordFile_; }

  // What the dialog shows.
  std::string text;            // Edit1
  bool label1Visible = false;  // "Внимание! Замена пароля!"

 private:
  void ChangePassword();
  void Plain(const std::string& message);

  TProgLurClass& lur_;
  TUserInterface& ui_;
  std::string passwordFile_;
  bool accepted_ = false;
  bool fullAccess_ = false;
};

// Writes the password file: 2 bytes, little-endian, through a temporary file
// beside it renamed over it, so a failure leaves the old password in force.
// Creates the folder when missing. False when it could not be written.
bool WritePasswordFile(const std::string& path, unsigned number);

}  // namespace lur
