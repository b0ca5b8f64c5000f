#pragma once
// Small configurations for the detail windows: two discrete input modules,
// one analog input module and two relay modules (DiCount 24, AiCount 6,
// DoCount 16), so entries 0..23 are own discrete inputs, 24..47 the limits
// of the analog inputs and the network inputs begin at entry 48.
#include <array>
#include <initializer_list>
#include <memory>

#include "model/TConfiguration.h"

namespace lur::test {

struct NetBlockSpec {
  int block;
  int kodF;
  int kolVh;
  int stAddrBeg2 = 0;
  int ustr = 1;
  int tipUstr = 0;
};

inline std::unique_ptr<TConfiguration> MakeDetailConfig(int analogType = 6, int processed = 192) {
  auto config = std::make_unique<TConfiguration>();
  TServClass::Identity id{};
  id[0] = 5;
  const std::array<std::uint8_t, 8> codes = {1, 1, static_cast<std::uint8_t>(analogType), 3, 4, 0, 0, 0};
  for (int s = 0; s < 8; ++s) id[1 + s] = codes[s];
  id[11] = 16;
  id[12] = static_cast<std::uint8_t>(processed);
  id[13] = 6;
  config->Serv.SetIdentityFromBytes(id);
  config->Serv.MakeDefaultInputIds();
  config->Serv.MakeDefaultOutputIds();
  config->MBA.SetDefaultUnits();
  return config;
}

// Configures the given exchange blocks (the others stay unconfigured) and
// builds the network input identifiers and counts from them.
inline void SetNetBlocks(TConfiguration& config, std::initializer_list<NetBlockSpec> specs) {
  for (const auto& s : specs) {
    config.MBM.SetKodF(s.block, s.kodF);
    config.MBM.SetKolVh(s.block, s.kolVh);
    config.MBM.SetStAddr_Beg2(s.block, s.stAddrBeg2);
    config.MBM.SetUstr(s.block, s.ustr);
    config.MBM.SetTipUstr(s.block, s.tipUstr);
  }
  std::array<TServClass::NetBlock, TServClass::kNetBlockCount> blocks{};
  for (int b = 0; b < TServClass::kNetBlockCount; ++b) {
    blocks[b] = {static_cast<std::uint8_t>(config.MBM.GetKodF(b)), static_cast<std::uint8_t>(config.MBM.GetKolVh(b))};
  }
  config.Serv.BuildNetInputIds(blocks);
}

}  // namespace lur::test
