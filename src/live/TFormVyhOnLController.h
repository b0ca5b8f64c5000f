#pragma once
// The live view of a discrete output module ("FormVyhOnL"): the module's
// health and the state of its 8 outputs, read every second.
//
// Output module number m counts the slot's place among the output modules
// (a control loop module before the outputs does not shift it); its outputs
// are coils 8 (m - 1) .. + 7.
#include <string_view>

#include "live/TModuleLiveController.h"

namespace lur {

class TServClass;

class TFormVyhOnLController : public TModuleLiveController {
 public:
  static constexpr const char* kCaption = "FormVyhOnL";
  static constexpr const char* kModuleCaption = "Модуль дискретного вывода";
  static constexpr int kPeriodMs = 1000;
  static constexpr int kOutputs = 8;

  explicit TFormVyhOnLController(TSession& session);

  // Output module number of the module at slot 1..8: 1..5, or 0 for a slot
  // without an output module or one past the fifth.
  static int OutputModuleOfSlot(const TServClass& serv, int slot);

  // Opening for the output module at slot 1..8 (`MrSlot`): the heading shows
  // m, the type name, the bus address slot - 1 and the identifiers of its
  // outputs. A slot without an output module, or m > 5, opens nothing
  // (false).
  bool Open(int slot, std::string_view typeName);
  int Slot() const { return slot_; }
  int Module() const { return module_; }

  // TLiveView
  int PeriodMs() const override { return kPeriodMs; }
  int Poll() override;

 private:
  int slot_ = 0;
  int module_ = 0;
};

}  // namespace lur
