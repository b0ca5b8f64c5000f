#pragma once
// What the input and the output text dialogs share: a 14-character text with
// the label beside its number, and the table's "edited" flag, which showing
// the dialog clears and typing sets, so the caller knows whether the text
// must go to the controller or into the file.
#include <cstddef>
#include <string>

namespace lur {

class TTextAttributeController {
 public:
  static constexpr std::size_t kTextChars = 14;
  static constexpr const char* kEmptyText = "          ";  // ten blanks

  void FormShow() { edited_ = 0; }
  void EditTextChange(const std::string& text) {
    editText = text;
    edited_ = 1;
  }
  // OK, the background or the close box: an empty text becomes ten blanks.
  int FormClose();  // kModalOk

  std::string label2;    // the signal's number and identifier
  std::string editText;  // UTF-8, at most 14 characters with a Windows-1251 form

 protected:
  explicit TTextAttributeController(int& edited) : edited_(edited) {}

 private:
  int& edited_;
};

}  // namespace lur
