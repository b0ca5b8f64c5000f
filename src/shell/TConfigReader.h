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

// The steps of the read, in its order; a step counts as read once every
// page of it came.
enum class TReadStage {
  None,
  Identity,
  Exchange,
  ModulePages,
  RelayAndF15,
  DiscreteBase,
  FunctionBlocks,
  ControlLoops,
  Units,
  InputTexts,
  SensorTypes,  // the last: the whole configuration
};

// What a read into scratch got: the configuration as far as it came, the
// last step read whole, and where and why it stopped.
struct TScratchRead {
  static constexpr int kIdentityRequest = -1;  // stopPage of the identity request

  std::unique_ptr<TConfiguration> config;
  TReadStage reached = TReadStage::None;
  int stopPage = 0;  // the page whose request failed, or kIdentityRequest
  int stopCode = 0;  // its result code; 0 when the read is complete
  bool Complete() const { return reached == TReadStage::SensorTypes; }
};

class TConfigReader {
 public:
  explicit TConfigReader(TShellContext& context);
  // True when the whole configuration was read and is now in memory.
  bool Run();
  // The same requests into a scratch copy only: memory, mode and window stay
  // as they are, and a failure is not reported but returned (the warning of
  // a 60-block controller is not shown either).
  TScratchRead ReadScratch();

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
  // A failed request: reported, or kept for ReadScratch.
  bool Fail(int page, int code);

  TShellContext& ctx_;
  TPageReader reader_;
  std::unique_ptr<TConfiguration> scratch_;
  bool scratchOnly_ = false;
  TReadStage reached_ = TReadStage::None;
  int currentPage_ = 0;
  int stopPage_ = 0;
  int stopCode_ = 0;
};

}  // namespace lur
