#pragma once
// The live views of exchange blocks against the simulated controller on
// virtual time. The controller has a discrete input module (entries 0..11)
// and an analog input module (analog signals 0..5, alarm entries 12..35), so
// the network entries start at 36 and the network analog signals at 6.
//
// Blocks: 0 function 2, 8 values from entry 36; 1 function 3, 3 values from
// entry 44 and signal 6 (channels 0..2); 2 function 1, 32 values from entry
// 100; 3 function 4, 5 values from entry 60 and signal 9 (channels 3..7);
// 4 unconfigured.
//
// The clock fires two window timers: the analog view's and its discrete
// child's.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "link/Crc16.h"
#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/Protocol.h"
#include "model/TConfiguration.h"
#include "session/PollClock.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

class TwoTimerClock : public PollClock {
 public:
  void SleepMs(int ms) override {
    PollClock::SleepMs(ms);
    if (other != nullptr) other->FireDue();
  }
  ManualPollTimer* other = nullptr;
};

inline sim::SimOptions NetworkLiveOptions() {
  sim::SimOptions options;
  options.modules = {1, 7, 0, 0, 0, 0, 0, 0};
  return options;
}

struct NetworkLiveRig {
  explicit NetworkLiveRig(const sim::SimOptions& options = NetworkLiveOptions()) : line(clock, options) {
    clock.timer = &timer;
    clock.other = &childTimer;
    link.PortName = "COM1";
    std::array<std::uint8_t, kAnswerCapacity> answer{};
    if (link.Transact(0, fn::kIdentity, 0, nullptr, answer) == kResultOk) {
      config.Serv.SetIdentityFromAnswer(fn::kIdentity, std::span<const std::uint8_t>(answer).first(3 + 15 + 2));
      config.Serv.MakeDefaultInputIds();
    }
    SetBlock(0, 2, 8, 36, 0);
    SetBlock(1, 3, 3, 44, 6);
    SetBlock(2, 1, 32, 100, 0);
    SetBlock(3, 4, 5, 60, 9);
    for (int e = 0; e < 8; ++e) config.MBM.NewChannel(e);
    for (int r = 0; r < 8; ++r) config.Serv.MakeNetDiscreteId(0, r, 36 + r);
    config.MBA.SetUnitText("%", 1);
    config.MBA.SetUnitText(Utf8ToCp1251("°C"), 2);
    config.MBM.SetRazm(3, 2);
    config.MBM.SetPoz(3, Utf8ToCp1251("ТК-101"));
    line.ForgetRequests();
  }

  void SetBlock(int b, int kodF, int kolVh, int s1, int s2) {
    config.MBM.SetKodF(b, kodF);
    config.MBM.SetKolVh(b, kolVh);
    config.MBM.SetStAddr_Beg1(b, s1);
    config.MBM.SetStAddr_Beg2(b, s2);
  }

  // The requests sent, as (function, start, quantity); 0x47 as (0x47,
  // first signal, count).
  std::vector<std::array<int, 3>> Reads() const {
    std::vector<std::array<int, 3>> out;
    for (const SimPort::Request& q : line.requests) {
      const Frame& r = q.bytes;
      if (r[1] == fn::kAnalogStates) {
        out.push_back({r[1], r[2], r[3]});
      } else {
        out.push_back({r[1], r[2] << 8 | r[3], r[4] << 8 | r[5]});
      }
    }
    return out;
  }

  TwoTimerClock clock;
  ManualPollTimer timer{clock};
  ManualPollTimer childTimer{clock};
  SimPort line;
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
};

// An analog block's 0x47 answer, rewritten with these statuses and a value
// text for each.
inline void StageStatuses(NetworkLiveRig& rig, std::vector<std::uint8_t> statuses) {
  rig.line.rewriteAnswer = [statuses](const Frame& request, std::optional<Frame> answer) -> std::optional<Frame> {
    if (!answer || request[1] != fn::kAnalogStates) return answer;
    Frame out = {request[0], fn::kAnalogStates, static_cast<std::uint8_t>(8 * statuses.size())};
    for (std::size_t i = 0; i < statuses.size(); ++i) {
      const std::string text = "  " + std::to_string(10 + i) + ",50";
      out.insert(out.end(), text.begin(), text.end());
      out.push_back(statuses[i]);
    }
    out.resize(out.size() + 2);
    AppendCrc16(out.data(), out.size() - 2);
    return out;
  };
}

}  // namespace lur::test
