#pragma once
// The write of the whole configuration into the controller (F10). The
// controller's module set is compared with the configuration's; when the
// counts differ but can be reconciled, the network signals of the outgoing
// data are renumbered to follow the controller's own local signals. All of
// that happens on an outgoing copy: the configuration in memory, its identity
// and counts included, stays as it was whatever the outcome, so the next
// write compares again.
#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "shell/TPageReader.h"
#include "shell/TShellContext.h"
#include "shell/TWriteRecord.h"

namespace lur {

class TConfigWriter {
 public:
  using ModuleCodes = std::array<int, 8>;

  explicit TConfigWriter(TShellContext& context);
  // True when every page was written and confirmed.
  bool Run();
  // The pages confirmed by the last Run, for a check that reads them back.
  const TWriteRecord& Record() const { return record_; }

  // The module codes of EditModif: one hexadecimal digit per slot; "0", a
  // blank or anything else that is no digit means no module.
  static ModuleCodes ParseModuleCodes(const std::string& editModif);

 private:
  bool CheckModuleSets();
  void SaveReserve();
  bool WriteAll();
  bool WriteModulePages();
  bool WriteDiscreteBase();
  bool WriteFunctionBlocks();
  bool WriteControlLoops();
  bool WriteTexts();
  bool HasModule(int type) const;

  // One page with its completion poll (which reports its own failure), then
  // a progress step.
  bool Write(std::span<const std::uint8_t> requestData);
  bool Write(std::uint8_t page, std::span<const std::uint8_t> bytes);

  TShellContext& ctx_;
  TPageReader reader_;
  ModuleCodes codes_{};
  int cfgAI_ = 0;
  int devDI_ = 0;
  int devAI_ = 0;
  int writeBlocks_ = 0;
  std::unique_ptr<TConfiguration> outgoing_;
  TWriteRecord record_;
};

}  // namespace lur
