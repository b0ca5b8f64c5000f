#include "live/views/TFormVhD.h"

namespace lur {

TFormVhD::TFormVhD(TFormVhDController& form, QWidget* parent)
    : TModuleLiveWindow(form, "TFormVhD", TFormVhDController::kCaption, TFormVhDController::kModuleCaption, "Vh",
                        "Вход", [&form](int i) { return form.Dost(i); }, parent) {}

}  // namespace lur
