#pragma once
// The live views of module inputs and outputs against the simulated
// controller on virtual time, their poll timer fired from the clock as the
// program's waits service timers. The configuration knows the controller's
// modules from its identity, as after a read.
//
// Slots: 1..3 discrete inputs (ТОРИ, ЛЕНС-9(2), ТОРИ), 4 analog, 5 the
// control loop module, 6 and 7 relay modules: slot 6 is output module 1,
// slot 7 output module 2.
#include <array>
#include <cstdint>
#include <vector>

#include "link/TComPortClass.h"
#include "model/Protocol.h"
#include "model/TConfiguration.h"
#include "session/PollClock.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

inline sim::SimOptions ModuleLiveOptions() {
  sim::SimOptions options;
  options.modules = {1, 2, 1, 7, 14, 3, 12, 0};
  return options;
}

struct ModuleLiveRig {
  explicit ModuleLiveRig(const sim::SimOptions& options = ModuleLiveOptions()) : line(clock, options) {
    clock.timer = &timer;
    link.PortName = "COM1";
    std::array<std::uint8_t, kAnswerCapacity> answer{};
    if (link.Transact(0, fn::kIdentity, 0, nullptr, answer) == kResultOk) {
      config.Serv.SetIdentityFromAnswer(fn::kIdentity, std::span<const std::uint8_t>(answer).first(3 + 15 + 2));
      config.Serv.MakeDefaultInputIds();
      config.Serv.MakeDefaultOutputIds();
    }
    line.ForgetRequests();
  }

  // The requests sent, as (function, start, quantity).
  std::vector<std::array<int, 3>> Reads() const {
    std::vector<std::array<int, 3>> out;
    for (const SimPort::Request& q : line.requests) {
      const Frame& r = q.bytes;
      out.push_back({r[1], r[2] << 8 | r[3], r[4] << 8 | r[5]});
    }
    return out;
  }

  PollClock clock;
  ManualPollTimer timer{clock};
  SimPort line;
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
};

}  // namespace lur::test
