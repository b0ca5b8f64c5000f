#include "session/LinkReports.h"

#include "link/TComPortClass.h"

namespace lur {

void ReportLinkError(TUserInterface& /*ui*/, TComPortClass& link, int deviceIndex, int code) {
  link.ReportError(deviceIndex, code);
}

}  // namespace lur
