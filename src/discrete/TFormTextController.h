#pragma once
// The text dialog ("Задание текстового реквизита входа"): the 14-character
// text of one input signal. Showing it clears InputTextsEdited, typing sets
// it, so the caller knows whether the text must go to the controller. One
// instance lives for the run (the input information window uses it too).
#include <string>

namespace lur {

class TServClass;

class TFormTextController {
 public:
  static constexpr const char* kCaption = "Задание текстового реквизита входа";
  static constexpr std::size_t kTextChars = 14;
  static constexpr const char* kEmptyText = "          ";  // ten blanks

  explicit TFormTextController(TServClass& serv) : serv_(serv) {}

  void FormShow();                              // InputTextsEdited = 0
  void EditTextChange(const std::string& text); // InputTextsEdited = 1
  // OK, the background or the close box: an empty text becomes ten blanks.
  int FormClose();  // kModalOk

  std::string label2;    // the caller's signal label
  std::string editText;  // UTF-8, at most 14 characters with a Windows-1251 form

 private:
  TServClass& serv_;
};

}  // namespace lur
