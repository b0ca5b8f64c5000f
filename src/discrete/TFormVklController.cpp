#include "discrete/TFormVklController.h"

#include "session/MarkEdited.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"

namespace lur {

void TFormVklController::Preset(bool down) {
  sbVkl = down;
  sbVklCaption = down ? kOnCaption : kOffCaption;
}

void TFormVklController::SBVklClick(bool down) {
  Preset(down);
  MarkEdited(session_, session_.config.Lur.DiskrModified);
}

int TFormVklController::OKClick() { return kModalOk; }

}  // namespace lur
