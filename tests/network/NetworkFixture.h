#pragma once
// A configuration with network signals and references to them in every
// table that names a signal, for the signal moves and the exchange block
// dialog.
//
// Modules: one discrete (inputs 1..12), one analog (channels 1..6, limit
// entries 13..36), a relay module and the control loop module; network
// signals start at entry 36 and analog signal 7. Blocks:
//   0 "ЛУР-01" function 1, 8 outputs: entries 36..43 (signals 37..44)
//   1 "ВЕДА" function 3, 6 values: entries 44..67 (45..68), analog 7..12
//   2 "ЛУР-05" function 2, 8 outputs: entries 68..75 (69..76)
// References: function block 0 (discrete) {5, 37, 45, 70}, function block 1
// (analog flags) {3, 7, 12, 0}, function-15 block 0 {37, 41, 45, 70, 200},
// regulators: record 0 on analog 3, record 1 on analog 8, relay output 0
// acknowledged by input 5. Entry 69 (block 2's second) carries processing
// and the text "B2E1".
#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "loops/LoopAssembly.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

struct NetworkConfig {
  static void Build(TConfiguration& c) {
    std::array<std::uint8_t, 15> id{};
    const std::array<std::uint8_t, 8> modules = {1, 7, 3, 14, 0, 0, 0, 0};
    for (std::size_t s = 0; s < modules.size(); ++s) id[1 + s] = modules[s];
    c.Serv.SetIdentityFromBytes(id);
    c.Serv.MakeDefaultInputIds();
    Block(c, 0, 0, 1, 8, 36, 6);
    Block(c, 1, 4, 3, 6, 44, 6);
    Block(c, 2, 5, 2, 8, 68, 12);
    c.Serv.SetProcessedDiscreteCount(76);
    c.Serv.SetProcessedAnalogCount(12);
    for (int e = 0; e < 6; ++e) c.MBM.NewChannel(e);
    c.MBM.SetPoz(2, "TAG3");

    c.FB.SetTipFB(0, 1);
    c.FB.SetTipFB(1, 1);
    for (int j = 0; j < 4; ++j) {
      c.FB.SetKindVh(0, j, TProgFBClass::kKindDiscrete);
      c.FB.SetKindVh(1, j, TProgFBClass::kKindAnalogFlag);
    }
    SetRefs(c, 0, {5, 37, 45, 70});
    SetRefs(c, 1, {3, 7, 12, 0});
    c.FB.FindNFB();

    c.F15.SetKodF(0, 15);
    c.F15.SetKolVh(0, 5);
    const int f15[] = {37, 41, 45, 70, 200};
    for (int k = 0; k < 5; ++k) c.F15.SetSignal(0, k, f15[k]);

    c.Reg.SetAnVh(0, 3);
    c.Reg.SetTReg(0, 1);
    c.Reg.SetAdOUT(0, 0);
    c.Reg.SetAnVh(1, 8);
    c.Reg.SetTReg(1, 1);
    c.Reg.SetAdOUT(1, 1);
    BuildLoopMap(c.Reg);

    c.MR.SetVxKvit(5, 0, 0);
    c.Lur.SetRecByte(69, 6, 0x85);
    c.Serv.SetInputText("B2E1", 69);
  }
  static void Block(TConfiguration& c, int b, int type, int kodF, int n, int start1, int start2) {
    c.MBM.SetTipUstr(b, type);
    c.MBM.SetKodF(b, kodF);
    c.MBM.SetKolVh(b, n);
    c.MBM.SetKolDat(b, n);
    c.MBM.SetUstr(b, b + 1);
    c.MBM.SetXMax(b, kodF >= 3 ? 8192 : 0);
    c.MBM.SetStAddr_Beg1(b, start1);
    c.MBM.SetStAddr_Beg2(b, start2);
  }
  static void SetRefs(TConfiguration& c, int record, std::array<int, 4> refs) {
    for (int j = 0; j < 4; ++j) c.FB.SetNVh(record, j, refs[static_cast<std::size_t>(j)]);
  }
  static std::array<int, 4> Refs(const TConfiguration& c, int record) {
    return {c.FB.GetNVh(record, 0), c.FB.GetNVh(record, 1), c.FB.GetNVh(record, 2), c.FB.GetNVh(record, 3)};
  }
  static std::array<int, 5> F15Refs(const TConfiguration& c) {
    std::array<int, 5> out{};
    for (int k = 0; k < 5; ++k) out[static_cast<std::size_t>(k)] = c.F15.GetSignal(0, k);
    return out;
  }
};

// Everything the moves may touch, for comparing memory before and after.
struct MemoryImage {
  explicit MemoryImage(const TConfiguration& c)
      : mbm(c.MBM.GetTable()),
        lur(c.Lur.GetRecords()),
        texts(c.Serv.GetInputTexts()),
        ids(c.Serv.GetInputIds()),
        f15(c.F15.GetTable()),
        discrete(c.Serv.GetProcessedDiscreteCount()),
        analog(c.Serv.GetProcessedAnalogCount()) {
    for (int i = 0; i < 120; ++i) fb[static_cast<std::size_t>(i)] = c.FB.GetRecord(i);
    for (int g = 0; g < TProgMBMClass::kGroupCount; ++g) groups[static_cast<std::size_t>(g)] = c.MBM.GetGroup(g);
    for (int i = 0; i < TProgRegClass::kRecords; ++i) reg[static_cast<std::size_t>(i)] = c.Reg.GetRegRecord(i);
    for (int i = 0; i <= 120; ++i) mr.push_back(c.MR.GetMRByte(i));
  }
  bool operator==(const MemoryImage&) const = default;

  TProgMBMClass::Table mbm;
  TProgLurClass::Records lur;
  TServClass::InputTextTable texts;
  TServClass::InputIdTable ids;
  TProgF15Class::Table f15;
  int discrete;
  int analog;
  std::array<TProgFBClass::Record, 120> fb{};
  std::array<TProgMBMClass::Group, TProgMBMClass::kGroupCount> groups{};
  std::array<TProgRegClass::RegRecord, TProgRegClass::kRecords> reg{};
  std::vector<std::uint8_t> mr;
};

}  // namespace lur::test
