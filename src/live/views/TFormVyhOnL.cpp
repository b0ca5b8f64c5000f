#include "live/views/TFormVyhOnL.h"

namespace lur {

TFormVyhOnL::TFormVyhOnL(TFormVyhOnLController& form, QWidget* parent)
    : TModuleLiveWindow(form, "TFormVyhOnL", TFormVyhOnLController::kCaption, TFormVyhOnLController::kModuleCaption,
                        "Vyh", "Выход", nullptr, parent) {}

}  // namespace lur
