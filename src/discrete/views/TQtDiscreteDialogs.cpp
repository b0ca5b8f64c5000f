#include "discrete/views/TQtDiscreteDialogs.h"

namespace lur {

TQtDiscreteDialogs::TQtDiscreteDialogs(TDiscreteDialogForms& forms, TUserInterface& ui, QWidget* parent)
    : ui_(ui),
      parent_(parent),
      creatVh_(*this, forms.creatVh),
      sig_(*this, forms.sig),
      za_(*this, forms.za),
      vyh_(*this, forms.vyh),
      vkl_(*this, forms.vkl),
      text_(*this, forms.text),
      vh_(*this, forms.vh) {}

TQtDiscreteDialogs::~TQtDiscreteDialogs() {
  // Windows with a parent go with it; QPointer forgets them then.
  delete creatVh_.window;
  delete sig_.window;
  delete za_.window;
  delete vyh_.window;
  delete vkl_.window;
  delete text_.window;
  delete vh_.window;
}

}  // namespace lur
