#include "session/FunctionBlockFit.h"

#include <string>

#include "model/TProgFBClass.h"
#include "ui/TUserInterface.h"

namespace lur {

bool FunctionBlocksFit(TUserInterface& ui, const TProgFBClass& fb, int deviceBlocks) {
  if (!fb.HoldsRecordsFrom(deviceBlocks)) return true;
  ShowWarning(ui, std::string(kTooManyBlocksText));
  return false;
}

}  // namespace lur
