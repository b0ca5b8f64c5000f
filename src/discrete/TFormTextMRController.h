#pragma once
// The output text dialog ("Задание текстового реквизита выхода"): the
// 14-character text of one discrete output; its "edited" flag is
// OutputTextsEdited. The discrete outputs table opens it for
// output k and stores the text afterwards; output texts live only in the
// configuration file, so an edited text in file mode marks the
// configuration for saving and nothing is sent.
#include <string>

#include "discrete/TTextAttributeController.h"

namespace lur {

class TServClass;

class TFormTextMRController : public TTextAttributeController {
 public:
  static constexpr const char* kCaption = "Задание текстового реквизита выхода";
  static constexpr const char* kSixBlanks = "      ";

  explicit TFormTextMRController(TServClass& serv);

  // Output k (1-based): the label shows k, six blanks and the output's
  // identifier, the field its text. False (nothing changed) for a k outside
  // the output table.
  bool Preset(int k);
  // After the dialog: the text goes to output k - 1; in file mode an edited
  // text sets Modified.
  void StoreText();

  int Output() const { return output_; }

 private:
  TServClass& serv_;
  int output_ = 0;
};

}  // namespace lur
