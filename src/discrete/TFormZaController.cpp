#include "discrete/TFormZaController.h"

#include "session/TModalWindow.h"

namespace lur {

void TFormZaController::EditDiskrChange(const std::string& text) {
  editDiskr = text;
  marksChange();
}

void TFormZaController::EditTChange(const std::string& text) {
  editT = text;
  marksChange();
}

int TFormZaController::FormClose() {
  if (editDiskr.empty()) editDiskr = "00";
  if (editT.empty()) editT = "00";
  return kModalOk;
}

}  // namespace lur
