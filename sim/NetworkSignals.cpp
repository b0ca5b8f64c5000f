#include "sim/NetworkSignals.h"

#include "sim/PageCatalogue.h"

namespace lur::sim {

NetworkSignals CountNetworkSignals(const PageStore& pages) {
  NetworkSignals signals;
  const std::vector<std::uint8_t>* table = pages.Find(kExchangePage);
  if (table == nullptr || table->size() < 16 * 12) return signals;
  for (int block = 0; block < 16; ++block) {
    const std::uint8_t function = (*table)[static_cast<std::size_t>(12 * block)];
    const int outputs = (*table)[static_cast<std::size_t>(12 * block + 1)];
    if (function == 1 || function == 2) signals.discreteEntries += outputs;
    if (function == 3 || function == 4) {
      signals.discreteEntries += 4 * outputs;
      signals.analogValues += outputs;
    }
  }
  return signals;
}

}  // namespace lur::sim
