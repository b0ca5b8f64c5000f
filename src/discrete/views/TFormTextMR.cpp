#include "discrete/views/TFormTextMR.h"

#include "discrete/TFormTextMRController.h"

namespace lur {

TFormTextMR::TFormTextMR(TFormTextMRController& form, TUserInterface& ui, QWidget* parent)
    : TTextAttributeDialog(form, ui, {"TFormTextMR", TFormTextMRController::kCaption, "LabNVyh", "Выход №"}, parent),
      form_(form) {}

}  // namespace lur
