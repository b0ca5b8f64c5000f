#include "discrete/TFormTextController.h"

#include "model/TServClass.h"
#include "session/TModalWindow.h"

namespace lur {

void TFormTextController::FormShow() { serv_.InputTextsEdited = 0; }

void TFormTextController::EditTextChange(const std::string& text) {
  editText = text;
  serv_.InputTextsEdited = 1;
}

int TFormTextController::FormClose() {
  if (editText.empty()) editText = kEmptyText;
  return kModalOk;
}

}  // namespace lur
