#include "session/AccessGate.h"

#include <string>

#include "link/TComPortClass.h"
#include "session/TSession.h"
#include "ui/TUserInterface.h"

namespace lur {

bool OutputAllowed(TSession& session) {
  if (session.config.Lur.FullAccess == 1) return true;
  ShowWarning(session.ui, kNoAccessText);
  return false;
}

}  // namespace lur
