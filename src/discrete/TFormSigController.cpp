#include "discrete/TFormSigController.h"

#include "session/TModalWindow.h"
#include "ui/NumericText.h"

namespace lur {

void TFormSigController::RadioGroup1Click(int type) {
  if (type < 0 || type > 3) return;
  radioGroup1 = type;
  marksChange();
}

void TFormSigController::Edit1Change(const std::string& text) {
  edit1 = text;
  marksChange();
}

int TFormSigController::FormClose() {
  if (edit1.empty()) edit1 = "00";
  return kModalOk;
}

int TFormSigController::Cell() const {
  const TIntText cell = ParseIntText(edit1, 0, 99);
  return cell.error == TFieldTextError::None ? cell.value : 0;
}

}  // namespace lur
