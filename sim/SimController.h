#pragma once
// The simulated controller's protocol core: one request frame in, the answer
// frame out (or none). No port, no threads: the pty server and the tests drive
// it alike.
//
// Answers:
// - 17 identity: count 15 and the identity record of the module set.
// - 0x44 page read: count = 1 + page length, the page number, the page bytes.
// - 0x45 page write: address, 0x45, count 1, the page number, CRC; the page is
//   stored at once. A write of page 99 (one byte, the new device index) makes
//   the controller answer the new address from the next request on, so the
//   completion poll already goes to the new number.
// - 14 completion poll: an echo of the request, or exception 6 while busy.
// - 1, 2, 3, 4, 5, 6, 15, 16: standard Modbus on the live maps, exception 2
//   for addresses outside them, 3 for bad quantities or values. The
//   regulators' values and switches follow the regulator page held
//   (Regulators); their step coils are momentary.
// - 0x46 clock broadcast (address 0): sets the clock, never answered.
// - 0x47 analog states: 8 bytes a channel.
// - converter codes page 59 + n of every analog module n and the calibration
//   coils 0x10nn..0x12nn (AnalogCalibration); the status of a selected input
//   carries bit 5.
// - anything else: exception 1. A frame with a bad CRC or for another address
//   gets no answer.
//
// Faults: those of the options, and per-request faults a test stages through
// Faults() (a page failing only on its nth read, one answer silent, ...).
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <span>
#include <string_view>
#include <vector>

#include "sim/AnalogChannels.h"
#include "sim/Calibration.h"
#include "sim/ControllerClock.h"
#include "sim/FaultPlan.h"
#include "sim/LiveData.h"
#include "sim/ModuleSet.h"
#include "sim/PageStore.h"
#include "sim/Regulators.h"
#include "sim/SimOptions.h"

namespace lur::sim {

class SimController {
 public:
  using Frame = std::vector<std::uint8_t>;

  SimController(const SimOptions& options, PageStore pages,
                ControllerClock::MsSource now = SteadyMilliseconds, ClockTime clockStart = HostLocalTime());
  SimController(const SimController&) = delete;
  SimController& operator=(const SimController&) = delete;

  std::optional<Frame> Answer(std::span<const std::uint8_t> request);

  // The per-request faults staged by a test. They come before the options'
  // poll, mute and live faults, which are rules of a plan of their own.
  FaultPlan& Faults() { return faults_; }
  const FaultPlan& Faults() const { return faults_; }

  // Told of every page write the controller accepts (page 99 included),
  // with the bytes after the page number.
  using PageWriteObserver = std::function<void(std::uint8_t page, std::span<const std::uint8_t> bytes)>;
  void SetPageWriteObserver(PageWriteObserver observer) { pageWritten_ = std::move(observer); }

  int DeviceNumber() const { return address_; }
  const ModuleSet& Modules() const { return modules_; }
  const PageStore& Pages() const { return pages_; }
  const LiveData& Live() const { return live_; }
  // The live maps as a test changes them between polls (an output switched).
  LiveData& Live() { return live_; }
  // Between polls a test may break a module or spoil a signal, or mend them.
  void SetModuleFaulty(int slot, bool faulty);
  void SetSignalUnreliable(int signal, bool unreliable);
  ClockTime ClockNow() const { return clock_.Now(); }
  // Told of what the controller refuses without an answer (a clock set to
  // an impossible time), one line each; lursim --verbose logs it.
  void SetEventLog(std::function<void(std::string_view)> log) { eventLog_ = std::move(log); }
  const AnalogCalibration& Calibration() const { return calibration_; }

 private:
  // The answer before the fault options touch it.
  std::optional<Frame> Serve(std::span<const std::uint8_t> request);
  std::optional<Frame> ApplyFaults(Frame answer);
  bool Hears(std::span<const std::uint8_t> request) const;
  static void Spoil(Frame& answer, AnswerFault fault);
  bool InputsToggled() const;
  bool CoilOn(int address) const;  // the live map with the faults of the options

  Frame WithCount(std::uint8_t function, std::span<const std::uint8_t> data) const;
  Frame Exception(std::uint8_t function, std::uint8_t code) const;
  static Frame Echo(std::span<const std::uint8_t> request);

  Frame Identity() const;
  Frame ReadPage(std::span<const std::uint8_t> request);
  Frame WritePage(std::span<const std::uint8_t> request);
  Frame CompletionPoll(std::span<const std::uint8_t> request);
  Frame ReadBits(std::span<const std::uint8_t> request);
  Frame ReadRegisters(std::span<const std::uint8_t> request);
  Frame WriteCoil(std::span<const std::uint8_t> request);
  Frame WriteRegister(std::span<const std::uint8_t> request);
  Frame WriteCoils(std::span<const std::uint8_t> request);
  Frame WriteRegisters(std::span<const std::uint8_t> request);
  Frame AnalogStates(std::span<const std::uint8_t> request);
  void SetClock(std::span<const std::uint8_t> request);

  std::uint16_t InputRegister(int address) const;
  bool FunctionBlockPageMissing(std::uint8_t page) const;

  SimOptions options_;
  ModuleSet modules_;
  PageStore pages_;
  AnalogChannels analog_;
  AnalogCalibration calibration_;
  LiveData live_;
  Regulators regulators_;
  ControllerClock clock_;
  ControllerClock::MsSource now_;
  std::int64_t startMs_;
  FaultPlan faults_;
  FaultPlan optionFaults_;
  PageWriteObserver pageWritten_;
  std::function<void(std::string_view)> eventLog_;
  int address_;
  unsigned busyPollsLeft_ = 0;
  unsigned answers_ = 0;
  unsigned requestsHeard_ = 0;  // for silentAfter
};

}  // namespace lur::sim
