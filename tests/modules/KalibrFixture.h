#pragma once
// The calibration window's controller against the simulated controller on
// virtual time, its poll timer fired from the clock. Slots: 1 discrete
// inputs, 2 analog module 1 (type 7), 3 analog module 2 (thermo, type 8),
// 4 analog module 3 (type 9), 5 a relay module. The configuration knows the
// modules from the identity; the analog blocks hold a tag and a unit for
// each channel.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/Protocol.h"
#include "model/TConfiguration.h"
#include "modules/TFormKalibrController.h"
#include "session/PollClock.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

inline sim::SimOptions KalibrOptions() {
  sim::SimOptions options;
  options.modules = {1, 7, 8, 9, 3, 0, 0, 0};
  return options;
}

// A request as (function, first byte pair, second byte pair): 0x47 (start,
// count), 0x44 (page, 0), 5 (coil, value).
using KalibrRequest = std::array<int, 3>;

// The coil frame of a calibration command, without its CRC.
inline Frame KalibrCoil(int command, int module, int row, bool on) {
  return {1, 5, static_cast<std::uint8_t>(command), static_cast<std::uint8_t>(16 * module + row),
          static_cast<std::uint8_t>(on ? 0xFF : 0), 0};
}

struct KalibrRig {
  explicit KalibrRig(const sim::SimOptions& options = KalibrOptions()) : line(clock, options) {
    clock.timer = &timer;
    link.PortName = "COM1";
    std::array<std::uint8_t, kAnswerCapacity> answer{};
    if (link.Transact(0, fn::kIdentity, 0, nullptr, answer) == kResultOk) {
      config.Serv.SetIdentityFromAnswer(fn::kIdentity, std::span<const std::uint8_t>(answer).first(3 + 15 + 2));
    }
    config.MBA.SetDefaultUnits();
    for (int a = 0; a < 3; ++a) {
      for (int c = 0; c < 6; ++c) {
        config.MBA.SetPozText(Utf8ToCp1251("ТЕ-" + std::to_string(10 * (a + 1) + c + 1)), a, c);
        config.MBA.SetUnit(a, c, 1 + c);  // "%", "МПа", ...
      }
    }
    config.Lur.FullAccess = 1;
    line.ForgetRequests();
    form.AttachTimer(timer);
  }

  // Opens analog module `module` of `type` and shows the window.
  bool Show(int module, int type) {
    if (!form.Open({.editor = TEditor::AnalogCalibration, .slot = module + 1, .module = module, .type = type}))
      return false;
    form.FormShow();
    return true;
  }

  std::vector<KalibrRequest> Requests() const {
    std::vector<KalibrRequest> out;
    for (const SimPort::Request& q : line.requests) {
      const Frame& r = q.bytes;
      if (r[1] == fn::kReadPage) {
        out.push_back({r[1], r[2], 0});
      } else if (r[1] == fn::kAnalogStates) {
        out.push_back({r[1], r[2], r[3]});
      } else {
        out.push_back({r[1], r[2] << 8 | r[3], r[4] << 8 | r[5]});
      }
    }
    return out;
  }
  // The coil frames sent, without their CRC.
  std::vector<Frame> Coils() const {
    std::vector<Frame> out;
    for (const Frame& f : line.RequestsOf(fn::kWriteCoil)) out.emplace_back(f.begin(), f.end() - 2);
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
  TFormKalibrController form{session};
};

}  // namespace lur::test
