#include "live/TFormVyhOnLController.h"

#include <string>

#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "model/Protocol.h"
#include "session/TSession.h"

namespace lur {

TFormVyhOnLController::TFormVyhOnLController(TSession& session) : TModuleLiveController(session, kOutputs) {}

int TFormVyhOnLController::OutputModuleOfSlot(const TServClass& serv, int slot) {
  if (slot < 1 || slot > kSlotCount) return 0;
  if (GroupOfModule(serv.GetModuleType(slot - 1)) != ModuleGroup::Output) return 0;
  const int m = serv.GroupIndexOfSlot(slot - 1) + 1;
  return m >= 1 && m <= kMaxOutputModules ? m : 0;
}

bool TFormVyhOnLController::Open(int slot, std::string_view typeName) {
  const TServClass& serv = session_.config.Serv;
  const int m = OutputModuleOfSlot(serv, slot);
  if (m == 0) return false;
  slot_ = slot;
  module_ = m;
  labNMod = std::to_string(m);
  tipMod = std::string(typeName);
  labAMod = std::to_string(slot - 1);
  for (int i = 0; i < kOutputs; ++i) {
    tRecv[static_cast<std::size_t>(i)] = Cp1251ToUtf8(serv.GetOutputId(kOutputs * (m - 1) + i));
  }
  Changed();
  return true;
}

int TFormVyhOnLController::Poll() {
  // Never opened: there is no module to ask about.
  if (module_ < 1) return kResultFunctionRefused;
  int code = ReadHealth(slot_);
  if (code == 0) code = ReadStates(fn::kReadCoils, kOutputs * (module_ - 1));
  return code;
}

}  // namespace lur
