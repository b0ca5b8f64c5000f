#pragma once
// The live view of a discrete input module over TFormVhDController.
#include "live/TFormVhDController.h"
#include "live/views/TModuleLiveWindow.h"

namespace lur {

class TFormVhD : public TModuleLiveWindow {
  Q_OBJECT
 public:
  explicit TFormVhD(TFormVhDController& form, QWidget* parent = nullptr);
};

}  // namespace lur
