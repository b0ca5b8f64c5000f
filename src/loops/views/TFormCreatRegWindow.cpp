#include "loops/views/TFormCreatRegWindow.h"

namespace lur {

TFormCreatRegWindow::TFormCreatRegWindow(TUserInterface& ui, QWidget* parent)
    : TDialogWindow(
          [&ui](TFormCreatRegController& form, QWidget* p) { return new TFormCreatReg(form, ui, p); },
          parent) {}

}  // namespace lur
