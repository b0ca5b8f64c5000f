#pragma once
// The read of the whole configuration from the controller (F9), page by page
// in the controller's order. Everything goes into a scratch copy of the
// tables; only a read that got every page replaces the configuration in
// memory, so a read that stops on a failure leaves the configuration, the
// mode and the window as they were.
#include <memory>

#include "shell/TPageReader.h"
#include "shell/TShellContext.h"

namespace lur {

class TConfigReader {
 public:
  explicit TConfigReader(TShellContext& context);
  // True when the whole configuration was read and is now in memory.
  bool Run();

 private:
  bool ReadAll();
  bool ReadIdentity();
  bool ReadExchangeTable();
  void ProbeThermoModules();
  bool ReadModulePages();
  bool ReadRelayAndF15();
  bool ReadDiscreteBase();
  bool ReadFunctionBlocks();
  bool ReadControlLoops();
  bool ReadUnits();
  bool ReadInputTexts();
  bool ReadSensorTypes();
  void Commit();

  // Requests page and reports a failure; false when it failed.
  bool Page(std::uint8_t page);
  // A page answer the table refuses (wrong length or page) is reported as 128.
  bool Refused();
  void Step();
  bool HasModule(int type) const;

  TShellContext& ctx_;
  TPageReader reader_;
  std::unique_ptr<TConfiguration> scratch_;
};

}  // namespace lur
