#include "sim/PageCatalogue.h"

namespace lur::sim {

std::optional<std::size_t> ConfigPageLength(std::uint8_t page) {
  if (page >= kFirstModulePage && page < kFirstModulePage + lur::page::kModuleCount) return 168;
  if (page == kRelayPage) return 120;
  if (page == kExchangePage) return 193;
  if (page == kFunction15Page) return 80;
  if (page >= kFirstDiscretePage && page < kFirstDiscretePage + lur::page::kDiscreteCount) return 192;
  if (IsFunctionBlockPage(page)) return 160;
  if (page == kRegulatorPage || page == kSetterPage) return 168;
  if (page == kUnitsPage) return 96;
  if (page >= kFirstTextPage && page < kFirstTextPage + lur::page::kInputTextCount) return 224;
  if (page == kSensorTypePage) return 16;
  return std::nullopt;
}

std::optional<std::size_t> WritePageLength(std::uint8_t page) {
  if (page == kDeviceNumberPage) return 1;
  return ConfigPageLength(page);
}

}  // namespace lur::sim
