#include "session/AccessGate.h"

#include <string>

#include "session/TSession.h"

namespace lur {

bool OutputAllowed(TSession& session) {
  if (session.config.Lur.FullAccess == 1) return true;
  ShowWarning(session.ui, std::string(kNoOutputAccessText));
  return false;
}

}  // namespace lur
