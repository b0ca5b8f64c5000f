#pragma once
// The output text dialog ("Задание текстового реквизита выхода"): the
// 14-character text of one discrete output. Showing it clears
// OutputTextsEdited, typing sets it. The discrete outputs table opens it for
// output k and stores the text afterwards; output texts live only in the
// configuration file, so an edited text in file mode marks the
// configuration for saving and nothing is sent.
#include <string>

namespace lur {

class TServClass;

class TFormTextMRController {
 public:
  static constexpr const char* kCaption = "Задание текстового реквизита выхода";
  static constexpr std::size_t kTextChars = 14;
  static constexpr const char* kEmptyText = "          ";  // ten blanks
  static constexpr const char* kSixBlanks = "      ";

  explicit TFormTextMRController(TServClass& serv) : serv_(serv) {}

  // Output k (1-based): the label shows k, six blanks and the output's
  // identifier, the field its text. False (nothing changed) for a k outside
  // the output table.
  bool Preset(int k);
  void FormShow();                               // OutputTextsEdited = 0
  void EditTextChange(const std::string& text);  // OutputTextsEdited = 1
  // OK, the background or the close box: an empty text becomes ten blanks.
  int FormClose();  // kModalOk
  // After the dialog: the text goes to output k - 1; in file mode an edited
  // text sets Modified.
  void StoreText();

  int Output() const { return output_; }
  std::string label2;    // k, six blanks, the output identifier
  std::string editText;  // UTF-8, at most 14 characters with a Windows-1251 form

 private:
  TServClass& serv_;
  int output_ = 0;
};

}  // namespace lur
