#include "discrete/TFormTextMRController.h"

#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "model/TServClass.h"

namespace lur {

TFormTextMRController::TFormTextMRController(TServClass& serv)
    : TTextAttributeController(serv.OutputTextsEdited), serv_(serv) {}

bool TFormTextMRController::Preset(int k) {
  if (k < 1 || k > kMaxOutputs) return false;
  output_ = k;
  label2 = std::to_string(k) + kSixBlanks + Cp1251ToUtf8(serv_.GetOutputId(k - 1));
  editText = Cp1251ToUtf8(serv_.GetOutputText(k - 1));
  return true;
}

void TFormTextMRController::StoreText() {
  if (output_ < 1) return;
  serv_.SetOutputText(Utf8ToCp1251(editText), output_ - 1);
  if (serv_.FileMode == 1 && serv_.OutputTextsEdited == 1) serv_.Modified = 1;
}

}  // namespace lur
