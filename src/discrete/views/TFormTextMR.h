#pragma once
// The output text dialog's view over TFormTextMRController; ExecForm shows
// it for the output the controller was preset to.
#include "discrete/views/TTextAttributeDialog.h"

namespace lur {

class TFormTextMRController;

class TFormTextMR : public TTextAttributeDialog {
  Q_OBJECT
 public:
  TFormTextMR(TFormTextMRController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormTextMRController& Form() const { return form_; }

 private:
  TFormTextMRController& form_;
};

}  // namespace lur
