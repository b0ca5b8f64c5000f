#include "discrete/TFormTextController.h"

#include "model/TServClass.h"

namespace lur {

TFormTextController::TFormTextController(TServClass& serv) : TTextAttributeController(serv.InputTextsEdited) {}

}  // namespace lur
