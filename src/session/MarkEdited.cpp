#include "session/MarkEdited.h"

#include "session/TSession.h"

namespace lur {

void MarkEdited(TSession& session, int& modifiedFlag) {
  modifiedFlag = 1;
  if (session.config.Serv.FileMode == 1) session.config.Serv.Modified = 1;
}

}  // namespace lur
