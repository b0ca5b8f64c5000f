#pragma once
// The on-line view's controller against the simulated controller with
// modules 173E0000 (discrete inputs, one analog module, a relay module, the
// control loop module) on virtual time, the view's timer fired from the
// clock. The loop table and the controller's regulator page hold the same
// four loops:
//   loop 1: a cascade on records 1 (outer, signal 1) and 2 (inner, signal 2)
//   loop 2: a single loop on record 3 (signal 3)
//   loop 3: a loop with program setter 1 on record 4 (signal 4)
//   loop 4: a signal repeater on record 5 (signal 5)
// Signal 1 has the scale "-50,5" .. "150", signal 2 "0" .. "10".
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <span>
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

inline void FillFourLoops(TProgRegClass& reg) {
  struct Rec {
    int anVh, tReg, adOut;
  };
  const Rec recs[] = {{1, 1, 9}, {2, 8, 0}, {3, 1, 1}, {4, 16, 2}, {5, 0, 3}};
  for (int r = 0; r < 5; ++r) {
    reg.SetAnVh(r, recs[r].anVh);
    reg.SetTReg(r, recs[r].tReg);
    reg.SetAdOUT(r, recs[r].adOut);
  }
  reg.SetAReg(0, 4);
}

// The frames of the view's writes, without their CRC: a coil (function 5)
// and a float into two holding registers (function 16).
inline Frame CoilFrame(int coil, bool on) {
  return {1,
          5,
          static_cast<std::uint8_t>(coil >> 8),
          static_cast<std::uint8_t>(coil & 0xFF),
          static_cast<std::uint8_t>(on ? 0xFF : 0),
          0};
}
inline Frame FloatFrame(int reg, float value) {
  std::uint32_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  return {1,
          16,
          static_cast<std::uint8_t>(reg >> 8),
          static_cast<std::uint8_t>(reg & 0xFF),
          0,
          2,
          4,
          static_cast<std::uint8_t>(bits >> 24),
          static_cast<std::uint8_t>(bits >> 16),
          static_cast<std::uint8_t>(bits >> 8),
          static_cast<std::uint8_t>(bits)};
}

inline sim::SimOptions RegOnLineOptions() {
  sim::SimOptions options;
  options.modules = {1, 7, 3, 0xE, 0, 0, 0, 0};
  return options;
}

struct RegOnLineRig {
  explicit RegOnLineRig(const sim::SimOptions& options = RegOnLineOptions())
      : line(clock, options, [](sim::PageStore& pages) {
          TProgRegClass reg;
          FillFourLoops(reg);
          reg.StorePage(TProgRegClass::RegPage);
          const auto& image = reg.PageBuffer();
          pages.Put(TProgRegClass::RegPage, std::vector<std::uint8_t>(image.begin(), image.end()));
        }) {
    clock.timer = &timer;
    link.PortName = "COM1";
    std::array<std::uint8_t, kAnswerCapacity> answer{};
    if (link.Transact(0, fn::kIdentity, 0, nullptr, answer) == kResultOk) {
      config.Serv.SetIdentityFromAnswer(fn::kIdentity,
                                        std::span<const std::uint8_t>(answer).first(3 + 15 + 2));
    }
    FillFourLoops(config.Reg);
    config.MBA.SetMinSkText("-50,5", 0, 0);
    config.MBA.SetMaxSkText("150", 0, 0);
    config.MBA.SetMinSkText("0", 0, 1);
    config.MBA.SetMaxSkText("10", 0, 1);
    config.Lur.FullAccess = 1;
    line.ForgetRequests();
  }

  sim::LiveData& Live() { return line.Controller().Live(); }

  // The requests sent, as (function, address, quantity or value).
  std::vector<std::array<int, 3>> Requests() const {
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
