#include "sim/SimController.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "link/Crc16.h"
#include "model/Protocol.h"
#include "sim/NetworkSignals.h"
#include "sim/PageCatalogue.h"

namespace lur::sim {

namespace {

constexpr std::uint8_t kIllegalFunction = 1;
constexpr std::uint8_t kIllegalAddress = 2;
constexpr std::uint8_t kIllegalValue = 3;
constexpr std::uint8_t kBusy = 6;

constexpr int kClockFirstRegister = 1000;
constexpr int kClockRegisterCount = 7;

int BigEndian(std::span<const std::uint8_t> frame, std::size_t at) {
  return (frame[at] << 8) | frame[at + 1];
}

}  // namespace

SimController::SimController(const SimOptions& options, PageStore pages, ControllerClock::MsSource now,
                             ClockTime clockStart)
    : options_(options),
      modules_(options.modules, options.display),
      pages_(std::move(pages)),
      analog_(modules_, pages_),
      calibration_(modules_),
      live_(modules_, analog_),
      regulators_(live_, analog_),
      clock_(options.clockStart.value_or(clockStart), now),
      now_(std::move(now)),
      startMs_(now_()),
      address_(options.device) {
  regulators_.Follow(pages_.Find(kRegulatorPage));
  clock_.SetStopped(options_.clockStopped);
  // Presets come last: they are what the controller shows at the start.
  for (const auto& [coil, on] : options_.presetCoils) {
    if (coil >= 0 && coil < LiveData::kCoilCount) live_.SetCoil(coil, on);
  }
  for (const LiveRequest& r : options_.mutedRequests) {
    optionFaults_.Add({r.function, r.start}, {AnswerFault::Silence});
  }
  for (const auto& [r, code] : options_.liveExceptions) {
    optionFaults_.Add({r.function, r.start}, {AnswerFault::Exception, code});
  }
  if (options_.pollException) {
    optionFaults_.Add({fn::kCompletionPoll, std::nullopt}, {AnswerFault::Exception, *options_.pollException});
  }
  if (options_.pollTruncate) optionFaults_.Add({fn::kCompletionPoll, std::nullopt}, {AnswerFault::Truncate});
}

bool SimController::Hears(std::span<const std::uint8_t> request) const {
  return request.size() >= 4 && CheckCrc16(request.data(), request.size()) && request[0] == address_;
}

std::optional<SimController::Frame> SimController::Answer(std::span<const std::uint8_t> request) {
  if (options_.silent) return std::nullopt;
  if (options_.silentAfter && Hears(request)) {
    if (requestsHeard_ >= *options_.silentAfter) return std::nullopt;
    ++requestsHeard_;
  }
  std::optional<StagedFault> fault;
  if (Hears(request)) {
    fault = faults_.Take(request);
    const std::optional<StagedFault> optionFault = optionFaults_.Take(request);
    if (!fault) fault = optionFault;
  }
  if (fault && fault->kind == AnswerFault::Silence) return std::nullopt;
  std::optional<Frame> answer =
      fault && fault->kind == AnswerFault::Exception ? Exception(request[1], fault->exception) : Serve(request);
  if (!answer) return std::nullopt;
  AppendCrc16(answer->data(), answer->size() - 2);
  answer = ApplyFaults(std::move(*answer));
  if (answer && fault) Spoil(*answer, fault->kind);
  return answer;
}

void SimController::Spoil(Frame& answer, AnswerFault fault) {
  switch (fault) {
    case AnswerFault::BadCrc:
      answer.back() ^= 0x5A;
      break;
    case AnswerFault::Truncate:
      answer.resize(answer.size() / 2);
      break;
    case AnswerFault::ShortData:
      if (answer.size() >= 5) {
        // The last byte before the CRC goes; a count that told the length
        // still tells it.
        const bool counted = answer[2] + 5u == answer.size();
        answer.erase(answer.end() - 3);
        if (counted) --answer[2];
        AppendCrc16(answer.data(), answer.size() - 2);
      }
      break;
    case AnswerFault::Silence:
    case AnswerFault::Exception:
      break;
  }
}

std::optional<SimController::Frame> SimController::ApplyFaults(Frame answer) {
  ++answers_;
  if (options_.truncateEvery != 0 && answers_ % options_.truncateEvery == 0) {
    answer.resize(answer.size() / 2);
  } else if (options_.badCrcEvery != 0 && answers_ % options_.badCrcEvery == 0) {
    answer.back() ^= 0x5A;
  }
  return answer;
}

// Frames are built with two bytes of room at the end; Answer fills in the CRC.
SimController::Frame SimController::WithCount(std::uint8_t function,
                                              std::span<const std::uint8_t> data) const {
  // Sized once and filled in place: GCC 12 cannot see that an insert after
  // the three head bytes stays in range, and warns at -O2.
  Frame frame(3 + data.size() + 2, 0);
  frame[0] = static_cast<std::uint8_t>(address_);
  frame[1] = function;
  frame[2] = static_cast<std::uint8_t>(data.size());
  std::copy(data.begin(), data.end(), frame.begin() + 3);
  return frame;
}

SimController::Frame SimController::Exception(std::uint8_t function, std::uint8_t code) const {
  return {static_cast<std::uint8_t>(address_), static_cast<std::uint8_t>(function | 0x80), code, 0, 0};
}

SimController::Frame SimController::Echo(std::span<const std::uint8_t> request) {
  return Frame(request.begin(), request.end());
}

std::optional<SimController::Frame> SimController::Serve(std::span<const std::uint8_t> request) {
  if (request.size() < 4 || !CheckCrc16(request.data(), request.size())) return std::nullopt;
  const std::uint8_t address = request[0];
  const std::uint8_t function = request[1];
  if (function == fn::kClockBroadcast) {
    // The clock is set by broadcast: every controller takes it, none answers.
    if (address == 0 || address == address_) SetClock(request);
    return std::nullopt;
  }
  if (address != address_) return std::nullopt;
  switch (function) {
    case fn::kReadCoils:
    case fn::kReadDiscreteInputs:
      return ReadBits(request);
    case fn::kReadHoldingRegisters:
    case fn::kReadInputRegisters:
      return ReadRegisters(request);
    case fn::kWriteCoil:
      return WriteCoil(request);
    case fn::kWriteRegister:
      return WriteRegister(request);
    case fn::kCompletionPoll:
      return CompletionPoll(request);
    case fn::kWriteCoils:
      return WriteCoils(request);
    case fn::kWriteRegisters:
      return WriteRegisters(request);
    case fn::kIdentity:
      return Identity();
    case fn::kReadPage:
      return ReadPage(request);
    case fn::kWritePage:
      return WritePage(request);
    case fn::kAnalogStates:
      return AnalogStates(request);
    default:
      return Exception(function, kIllegalFunction);
  }
}

SimController::Frame SimController::Identity() const {
  const auto record = modules_.IdentityRecord(CountNetworkSignals(pages_));
  return WithCount(fn::kIdentity, record);
}

bool SimController::FunctionBlockPageMissing(std::uint8_t page) const {
  return IsFunctionBlockPage(page) && page >= kFirstFunctionBlockPage + options_.functionBlocks / 10;
}

SimController::Frame SimController::ReadPage(std::span<const std::uint8_t> request) {
  if (request.size() != 5) return Exception(fn::kReadPage, kIllegalValue);
  const std::uint8_t page = request[2];
  if (const auto it = options_.pageExceptions.find(page); it != options_.pageExceptions.end()) {
    return Exception(fn::kReadPage, it->second);
  }
  Frame data{page};
  if (IsProbePage(page)) {
    // Page 59 + n: the converter codes of analog module n.
    const auto codes = calibration_.Codes(page - kFirstProbePage + 1);
    if (!codes) return Exception(fn::kReadPage, kIllegalAddress);
    data.insert(data.end(), codes->begin(), codes->end());
    return WithCount(fn::kReadPage, data);
  }
  // A controller made for 60 blocks refuses the pages of blocks 61..120.
  if (FunctionBlockPageMissing(page)) return Exception(fn::kReadPage, kIllegalValue);
  const std::vector<std::uint8_t>* bytes = pages_.Find(page);
  if (bytes == nullptr || !ConfigPageLength(page)) return Exception(fn::kReadPage, kIllegalAddress);
  data.insert(data.end(), bytes->begin(), bytes->end());
  return WithCount(fn::kReadPage, data);
}

SimController::Frame SimController::WritePage(std::span<const std::uint8_t> request) {
  if (request.size() < 5) return Exception(fn::kWritePage, kIllegalValue);
  const std::uint8_t page = request[2];
  const std::span<const std::uint8_t> bytes = request.subspan(3, request.size() - 5);
  if (const auto it = options_.pageExceptions.find(page); it != options_.pageExceptions.end()) {
    return Exception(fn::kWritePage, it->second);
  }
  if (const auto it = options_.writeFaults.find(page); it != options_.writeFaults.end() && it->second.count > 0) {
    --it->second.count;
    return Exception(fn::kWritePage, it->second.code);
  }
  const std::optional<std::size_t> length = WritePageLength(page);
  if (!length) return Exception(fn::kWritePage, kIllegalAddress);
  if (FunctionBlockPageMissing(page) || bytes.size() != *length) return Exception(fn::kWritePage, kIllegalValue);
  int newAddress = address_;
  if (page == kDeviceNumberPage) {
    if (bytes[0] > 30) return Exception(fn::kWritePage, kIllegalValue);
    newAddress = bytes[0] + 1;
  } else {
    std::vector<std::uint8_t> stored(bytes.begin(), bytes.end());
    const auto& corrupt = options_.corruptAfterWrite;
    if (corrupt && corrupt->page == page && static_cast<std::size_t>(corrupt->offset) < stored.size()) {
      stored[static_cast<std::size_t>(corrupt->offset)] ^= 0xFF;
    }
    pages_.Put(page, std::move(stored));
    regulators_.Follow(pages_.Find(kRegulatorPage));
  }
  if (pageWritten_) pageWritten_(page, bytes);
  const std::uint8_t echoedPage[] = {page};
  Frame answer = WithCount(fn::kWritePage, echoedPage);  // still from the old address
  address_ = newAddress;
  busyPollsLeft_ = options_.busyPolls;
  return answer;
}

SimController::Frame SimController::CompletionPoll(std::span<const std::uint8_t> request) {
  if (options_.busyForever) return Exception(fn::kCompletionPoll, kBusy);
  if (busyPollsLeft_ > 0) {
    --busyPollsLeft_;
    return Exception(fn::kCompletionPoll, kBusy);
  }
  return Echo(request);
}

SimController::Frame SimController::ReadBits(std::span<const std::uint8_t> request) {
  const std::uint8_t function = request[1];
  if (request.size() != 8) return Exception(function, kIllegalValue);
  const int start = BigEndian(request, 2);
  const int count = BigEndian(request, 4);
  if (count < 1 || count > 2000) return Exception(function, kIllegalValue);
  const int size = function == fn::kReadCoils ? LiveData::kCoilCount : LiveData::kDiscreteInputCount;
  if (start + count > size) return Exception(function, kIllegalAddress);
  std::vector<std::uint8_t> data(static_cast<std::size_t>((count + 7) / 8), 0);
  for (int i = 0; i < count; ++i) {
    const bool on =
        function == fn::kReadCoils ? CoilOn(start + i) : live_.DiscreteInput(start + i) != InputsToggled();
    if (on) data[static_cast<std::size_t>(i / 8)] |= static_cast<std::uint8_t>(1 << (i % 8));
  }
  return WithCount(function, data);
}

bool SimController::CoilOn(int address) const {
  if (AnalogCalibration::IsCommandCoil(address)) return calibration_.Coil(address);
  if (address >= LiveData::kFirstModuleFaultCoil && address < LiveData::kFirstModuleFaultCoil + ModuleSet::kSlotCount &&
      options_.faultySlots.count(address - LiveData::kFirstModuleFaultCoil + 1) != 0) {
    return true;
  }
  if (address >= LiveData::kFirstInvalidSignalCoil &&
      address < LiveData::kFirstInvalidSignalCoil + LiveData::kDiscreteInputCount &&
      options_.unreliableSignals.count(address - LiveData::kFirstInvalidSignalCoil + 1) != 0) {
    return true;
  }
  return live_.Coil(address);
}

void SimController::SetModuleFaulty(int slot, bool faulty) {
  if (faulty) {
    options_.faultySlots.insert(slot);
  } else {
    options_.faultySlots.erase(slot);
  }
}

void SimController::SetSignalUnreliable(int signal, bool unreliable) {
  if (unreliable) {
    options_.unreliableSignals.insert(signal);
  } else {
    options_.unreliableSignals.erase(signal);
  }
}

bool SimController::InputsToggled() const {
  if (options_.liveToggleMs == 0) return false;
  const std::int64_t elapsed = now_() - startMs_;
  return elapsed >= 0 && (elapsed / options_.liveToggleMs) % 2 == 1;
}

std::uint16_t SimController::InputRegister(int address) const {
  if (address < kClockFirstRegister || address >= kClockFirstRegister + kClockRegisterCount) {
    return live_.InputRegister(address);
  }
  const ClockTime t = clock_.Now();
  const int fields[kClockRegisterCount] = {t.second, t.minute, t.hour, t.day, t.month, t.year, t.weekday};
  return static_cast<std::uint16_t>(fields[address - kClockFirstRegister]);
}

SimController::Frame SimController::ReadRegisters(std::span<const std::uint8_t> request) {
  const std::uint8_t function = request[1];
  if (request.size() != 8) return Exception(function, kIllegalValue);
  const int start = BigEndian(request, 2);
  const int count = BigEndian(request, 4);
  if (count < 1 || count > 125) return Exception(function, kIllegalValue);
  if (start + count > LiveData::kRegisterCount) return Exception(function, kIllegalAddress);
  std::vector<std::uint8_t> data;
  for (int i = 0; i < count; ++i) {
    const std::uint16_t value = function == fn::kReadHoldingRegisters ? live_.HoldingRegister(start + i) : InputRegister(start + i);
    data.push_back(static_cast<std::uint8_t>(value >> 8));
    data.push_back(static_cast<std::uint8_t>(value & 0xFF));
  }
  return WithCount(function, data);
}

SimController::Frame SimController::WriteCoil(std::span<const std::uint8_t> request) {
  if (request.size() != 8) return Exception(fn::kWriteCoil, kIllegalValue);
  const int address = BigEndian(request, 2);
  const int value = BigEndian(request, 4);
  if (value != 0xFF00 && value != 0x0000) return Exception(fn::kWriteCoil, kIllegalValue);
  if (AnalogCalibration::IsCommandCoil(address)) {
    const std::uint8_t refused = calibration_.WriteCoil(address, value == 0xFF00);
    return refused != 0 ? Exception(fn::kWriteCoil, refused) : Echo(request);
  }
  if (address >= LiveData::kCoilCount) return Exception(fn::kWriteCoil, kIllegalAddress);
  if (!regulators_.WriteCoil(address, value == 0xFF00)) live_.SetCoil(address, value == 0xFF00);
  return Echo(request);
}

SimController::Frame SimController::WriteRegister(std::span<const std::uint8_t> request) {
  if (request.size() != 8) return Exception(fn::kWriteRegister, kIllegalValue);
  const int address = BigEndian(request, 2);
  if (address >= LiveData::kRegisterCount) return Exception(fn::kWriteRegister, kIllegalAddress);
  live_.SetHoldingRegister(address, static_cast<std::uint16_t>(BigEndian(request, 4)));
  regulators_.RegistersWritten(address, 1);
  return Echo(request);
}

SimController::Frame SimController::WriteCoils(std::span<const std::uint8_t> request) {
  if (request.size() < 9) return Exception(fn::kWriteCoils, kIllegalValue);
  const int start = BigEndian(request, 2);
  const int count = BigEndian(request, 4);
  const std::size_t byteCount = request[6];
  if (count < 1 || count > 1968 || byteCount != static_cast<std::size_t>((count + 7) / 8) ||
      request.size() != 9 + byteCount) {
    return Exception(fn::kWriteCoils, kIllegalValue);
  }
  if (start + count > LiveData::kCoilCount) return Exception(fn::kWriteCoils, kIllegalAddress);
  for (int i = 0; i < count; ++i) {
    live_.SetCoil(start + i, (request[7 + static_cast<std::size_t>(i / 8)] >> (i % 8)) & 1);
  }
  Frame answer(request.begin(), request.begin() + 6);
  answer.resize(8);
  return answer;
}

SimController::Frame SimController::WriteRegisters(std::span<const std::uint8_t> request) {
  if (request.size() < 9) return Exception(fn::kWriteRegisters, kIllegalValue);
  const int start = BigEndian(request, 2);
  const int count = BigEndian(request, 4);
  const std::size_t byteCount = request[6];
  if (count < 1 || count > 123 || byteCount != static_cast<std::size_t>(2 * count) ||
      request.size() != 9 + byteCount) {
    return Exception(fn::kWriteRegisters, kIllegalValue);
  }
  if (start + count > LiveData::kRegisterCount) return Exception(fn::kWriteRegisters, kIllegalAddress);
  for (int i = 0; i < count; ++i) {
    live_.SetHoldingRegister(
        start + i, static_cast<std::uint16_t>(BigEndian(request, 7 + 2 * static_cast<std::size_t>(i))));
  }
  regulators_.RegistersWritten(start, count);
  Frame answer(request.begin(), request.begin() + 6);
  answer.resize(8);
  return answer;
}

SimController::Frame SimController::AnalogStates(std::span<const std::uint8_t> request) {
  if (request.size() != 6) return Exception(fn::kAnalogStates, kIllegalValue);
  const int first = request[2];
  const int count = request[3];
  std::vector<std::uint8_t> data;
  if (first >= AnalogChannels::kFirstColdJunction) {
    const auto state = analog_.ColdJunction(first - AnalogChannels::kFirstColdJunction + 1);
    if (!state) return Exception(fn::kAnalogStates, kIllegalAddress);
    if (count != 1) return Exception(fn::kAnalogStates, kIllegalValue);
    data.assign(state->begin(), state->end());
    const int module = first - AnalogChannels::kFirstColdJunction + 1;
    if (calibration_.Selected(module, AnalogCalibration::kColdJunctionRow)) {
      data[7] |= AnalogCalibration::kSelectedBit;
    }
    return WithCount(fn::kAnalogStates, data);
  }
  // Eight bytes a channel: at most 31 channels fit the byte count.
  if (count < 1 || count > 31) return Exception(fn::kAnalogStates, kIllegalValue);
  if (first + count > AnalogChannels::kSignalCount) return Exception(fn::kAnalogStates, kIllegalAddress);
  for (int i = 0; i < count; ++i) {
    const int signal = first + i;
    auto state = analog_.State(signal);
    if (const auto it = options_.analogStatus.find(signal + 1); it != options_.analogStatus.end()) {
      state[7] = it->second;
    }
    // Channel 6 (n - 1) + k - 1 is input k of analog module n.
    if (signal < modules_.AnalogInputs() && calibration_.Selected(signal / 6 + 1, signal % 6 + 1)) {
      state[7] |= AnalogCalibration::kSelectedBit;
    }
    data.insert(data.end(), state.begin(), state.end());
  }
  return WithCount(fn::kAnalogStates, data);
}

void SimController::SetClock(std::span<const std::uint8_t> request) {
  if (request.size() != 11) return;
  ClockTime t;
  t.second = request[2];
  t.minute = request[3];
  t.hour = request[4];
  t.day = request[5];
  t.month = request[6];
  t.year = request[7];
  t.weekday = request[8];
  // An impossible time is ignored, as the controller keeps running.
  if (!clock_.Set(t) && eventLog_) {
    char text[96];
    std::snprintf(text, sizeof text, "clock set refused: %02d:%02d:%02d %02d.%02d.%02d day %d", t.hour, t.minute,
                  t.second, t.day, t.month, t.year, t.weekday);
    eventLog_(text);
  }
}

}  // namespace lur::sim
