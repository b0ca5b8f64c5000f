#pragma once
// The text dialog ("Задание текстового реквизита входа"): the 14-character
// text of one input signal; its "edited" flag is InputTextsEdited. One
// instance lives for the run (the input information window uses it too).
#include "discrete/TTextAttributeController.h"

namespace lur {

class TServClass;

class TFormTextController : public TTextAttributeController {
 public:
  static constexpr const char* kCaption = "Задание текстового реквизита входа";

  explicit TFormTextController(TServClass& serv);
};

}  // namespace lur
