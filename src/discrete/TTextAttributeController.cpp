#include "discrete/TTextAttributeController.h"

#include "session/TModalWindow.h"

namespace lur {

int TTextAttributeController::FormClose() {
  if (editText.empty()) editText = kEmptyText;
  return kModalOk;
}

}  // namespace lur
