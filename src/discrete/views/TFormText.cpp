#include "discrete/views/TFormText.h"

#include "discrete/TFormTextController.h"

namespace lur {

TFormText::TFormText(TFormTextController& form, TUserInterface& ui, QWidget* parent)
    : TTextAttributeDialog(form, ui, {"TFormText", TFormTextController::kCaption, "LabNVh", "Вход №"}, parent),
      form_(form) {}

}  // namespace lur
