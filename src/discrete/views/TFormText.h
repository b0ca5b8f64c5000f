#pragma once
// The input text dialog's view over TFormTextController.
#include "discrete/views/TTextAttributeDialog.h"

namespace lur {

class TFormTextController;

class TFormText : public TTextAttributeDialog {
  Q_OBJECT
 public:
  TFormText(TFormTextController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormTextController& Form() const { return form_; }

 private:
  TFormTextController& form_;
};

}  // namespace lur
