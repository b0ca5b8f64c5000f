#pragma once
// A configuration as a read from the simulated controller leaves it, for
// the analog module editor's tests: the identity of its modules, the module
// blocks 1..8 and the units list, the reserve taken, every block saved.
#include <gtest/gtest.h>

#include <algorithm>

#include "model/TConfiguration.h"
#include "sim/DefaultPages.h"
#include "support/SimPort.h"

namespace lur::test {

inline sim::SimOptions WithModules(std::array<std::uint8_t, 8> modules) {
  sim::SimOptions o;
  o.modules = modules;
  return o;
}

// A controller of other modules, holding their default pages.
inline void Remake(SimPort& line, std::array<std::uint8_t, 8> modules) {
  const sim::SimOptions options = WithModules(modules);
  line.Rebuild(options, sim::MakeDefaultPages(sim::ModuleSet(options.modules, options.display), 120));
}

// The bytes of analog block `page` (1..8) as the controller holds them.
inline TProgMBAClass::Block HeldBlock(const SimPort& line, int page) {
  TProgMBAClass::Block block{};
  block[0] = static_cast<std::uint8_t>(page);
  const auto& bytes = line.Page(static_cast<std::uint8_t>(page));
  std::copy(bytes.begin(), bytes.begin() + 168, block.begin() + 1);
  return block;
}

inline bool LoadAnalogConfig(SimPort& line, TConfiguration& config) {
  TServClass::Identity id{};
  int analog = 0;
  for (std::size_t s = 0; s < 8; ++s) {
    id[1 + s] = line.Options().modules[s];
    const int t = id[1 + s];
    analog += t == 6 || t == 7 || t == 8 || t == 9 || t == 13;
  }
  id[TServClass::kIdProcessedAnalog] = static_cast<std::uint8_t>(6 * analog);
  if (!config.Serv.SetIdentityFromBytes(id)) return false;
  for (int a = 0; a < 8; ++a) config.MBA.SetBlock(a, HeldBlock(line, a + 1));
  if (!config.MBA.LoadUnits(line.Page(35))) return false;
  config.Reserv.SaveAll(config);
  config.MBA.ResetModuleState();
  line.ForgetRequests();
  return true;
}

}  // namespace lur::test
