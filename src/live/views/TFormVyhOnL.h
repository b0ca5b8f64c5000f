#pragma once
// The live view of a discrete output module over TFormVyhOnLController.
#include "live/TFormVyhOnLController.h"
#include "live/views/TModuleLiveWindow.h"

namespace lur {

class TFormVyhOnL : public TModuleLiveWindow {
  Q_OBJECT
 public:
  explicit TFormVyhOnL(TFormVyhOnLController& form, QWidget* parent = nullptr);
};

}  // namespace lur
