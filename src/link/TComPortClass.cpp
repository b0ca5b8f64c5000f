#include "link/TComPortClass.h"

#include <algorithm>
#include <cstdio>

#include "link/Crc16.h"
#include "model/Protocol.h"

namespace lur {

const char* const kNoAccessText = "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт";

namespace {

bool IsAllowed(std::uint8_t function) {
  return std::find(kAllowedFunctions.begin(), kAllowedFunctions.end(), function) != kAllowedFunctions.end();
}

bool ParseBaud(const std::string& text, int& baud) {
  static constexpr int kRates[] = {110, 300, 600, 1200, 2400, 4800, 9600, 14400, 19200, 38400, 56000, 57600, 115200};
  if (text.empty() || text.size() > 6) return false;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  if (std::find(std::begin(kRates), std::end(kRates), value) == std::end(kRates)) return false;
  baud = value;
  return true;
}

}  // namespace

TComPortClass::TComPortClass(TSerialPort& port, TWaiter& waiter) : port_(port), waiter_(waiter) {}

void TComPortClass::PortLost() {
  if (portLost_) portLost_();
}

void TComPortClass::Pause(int ms) {
  const std::int64_t start = waiter_.NowMs();
  for (;;) {
    const std::int64_t left = ms - (waiter_.NowMs() - start);
    if (left <= 0) return;
    waiter_.SleepMs(static_cast<int>(left));
  }
}

int TComPortClass::OpenPort() {
  try {
    port_.Close();
    openFailure_.clear();
    TPortSettings settings;
    if (!ParseBaud(BaudText, settings.baud)) return -1;
    switch (ParityText.empty() ? '\0' : ParityText[0]) {
      case 'E': settings.parity = Parity::Even; break;
      case 'N': settings.parity = Parity::None; break;
      case 'O': settings.parity = Parity::Odd; break;
      default: return -1;
    }
    if (StopBitsText == "1") {
      settings.stopBits = 1;
    } else if (StopBitsText == "2") {
      settings.stopBits = 2;
    } else {
      return -1;
    }
#ifdef _WIN32
    if (PortName.find("COM") == std::string::npos && PortName.find("com") == std::string::npos) return -1;
#else
    // Elsewhere port names are the platform's own paths (/dev/ttyUSB0, a pty).
    if (PortName.empty()) return -1;
#endif
    settings.name = PortName;
    port_.Open(settings);
    if (port_.IsOpen()) return 0;
    openFailure_ = port_.OpenFailure();
    return -1;
  } catch (const TPortError& e) {
    openFailure_ = e.what();
    port_.Close();
    PortLost();
    return -1;
  }
}

void TComPortClass::ClosePort() { port_.Close(); }

bool TComPortClass::ClearPort() {
  try {
    port_.ClearBuffers();
    return true;
  } catch (const TPortError&) {
    PortLost();
    return false;
  }
}

int TComPortClass::ReadResult(int got, int wanted) const {
  if (got < 0) return -got;
  if (got == 0) return kResultNoAnswer;
  return got == wanted ? kResultOk : kResultIncomplete;
}

int TComPortClass::Transact(int deviceIndex, std::uint8_t function, int dataLength, const std::uint8_t* data,
                            std::span<std::uint8_t> answer) {
  const int code = Exchange(deviceIndex, function, dataLength, data, answer);
  if (observer_ != nullptr) observer_->Result(waiter_.NowMs(), deviceIndex, code);
  return code;
}

int TComPortClass::Exchange(int deviceIndex, std::uint8_t function, int dataLength, const std::uint8_t* data,
                            std::span<std::uint8_t> answer) {
  const int refused = PrepareFrame(deviceIndex, function, dataLength, data);
  if (refused != kResultOk) return refused;
  if (!port_.IsOpen()) return kResultPortClosed;
  return RunAttempts(function, answer);
}

int TComPortClass::Probe(int deviceIndex, std::uint8_t function, std::span<std::uint8_t> answer, int timeoutMs) {
  const int code = ProbeOnce(deviceIndex, function, answer, timeoutMs);
  if (observer_ != nullptr) observer_->Result(waiter_.NowMs(), deviceIndex, code);
  return code;
}

int TComPortClass::ProbeOnce(int deviceIndex, std::uint8_t function, std::span<std::uint8_t> answer,
                             int timeoutMs) {
  if (deviceIndex < 0 || deviceIndex >= kDeviceIndexCount || function == fn::kClockBroadcast || timeoutMs < 1) {
    return kResultFunctionRefused;
  }
  const int refused = PrepareFrame(deviceIndex, function, 0, nullptr);
  if (refused != kResultOk) return refused;
  if (!port_.IsOpen()) return kResultPortClosed;
  // The time-out runs from the request's last byte; the port reads under
  // what is left of it, and are unbounded again whatever the attempt did.
  struct TProbeEnd {
    TComPortClass& link;
    ~TProbeEnd() {
      link.probeTimeoutMs_ = 0;
      link.answerDeadline_ = 0;
      link.port_.LimitReads(0);
    }
  } end{*this};
  probeTimeoutMs_ = timeoutMs;
  return Attempt(function, answer).code;
}

int TComPortClass::ReadPart(std::uint8_t* buffer, int count) {
  if (answerDeadline_ == 0) return port_.Read(buffer, count);
  const std::int64_t left = answerDeadline_ - waiter_.NowMs();
  if (left <= 0) return 0;
  port_.LimitReads(static_cast<int>(left));
  return port_.Read(buffer, count);
}

int TComPortClass::PrepareFrame(int deviceIndex, std::uint8_t function, int dataLength, const std::uint8_t* data) {
  DataLength = dataLength;
  FrameLength = dataLength + 4;
  if (!IsAllowed(function)) return kResultFunctionRefused;
  // A frame the line cannot carry, or data the caller did not give, is
  // refused before anything is sent, like an unknown function.
  if (dataLength < 0 || dataLength > kMaxRequestData || (dataLength > 0 && data == nullptr)) {
    return kResultFunctionRefused;
  }
  // The last line of defence of the limited access level: whatever an
  // operation forgot to check, nothing that changes the controller leaves.
  if (ChangesController(function) && accessAllowed_ && !accessAllowed_()) return kResultNoAccess;
  frame_.assign(static_cast<std::size_t>(FrameLength), 0);
  frame_[0] = function == fn::kClockBroadcast ? 0 : static_cast<std::uint8_t>(deviceIndex + 1);
  frame_[1] = function;
  std::copy_n(data, dataLength, frame_.begin() + 2);
  AppendCrc16(frame_.data(), static_cast<std::size_t>(dataLength) + 2);
  return kResultOk;
}

int TComPortClass::RunAttempts(std::uint8_t function, std::span<std::uint8_t> answer) {
  // The header counter allows RetriesStage1 failures in a row before a good
  // header; the body counter RetriesStage2 failures after one, in the whole
  // transaction.
  std::uint32_t headerCounter = RetriesStage1;
  std::uint32_t bodyCounter = RetriesStage2;
  for (;;) {
    const TAttemptResult attempt = Attempt(function, answer);
    if (attempt.retry == TRetry::None) return attempt.code;
    if (attempt.headerAccepted) headerCounter = RetriesStage1;
    Pause(kRetryPauseMs);
    std::uint32_t& counter = attempt.retry == TRetry::HeaderCounter ? headerCounter : bodyCounter;
    if (counter <= 1) return attempt.code;
    --counter;
  }
}

TComPortClass::TAttemptResult TComPortClass::Attempt(std::uint8_t function, std::span<std::uint8_t> answer) {
  // Every attempt starts from an empty input buffer, so the leftovers of a
  // bad answer never become the next header.
  if (!ClearPort()) return {kResultPortSetup, TRetry::None, false};
  Pause(static_cast<int>(RequestDelay));
  port_.Write(frame_.data(), frame_.size());
  if (observer_ != nullptr) observer_->Frame(waiter_.NowMs(), TrafficDirection::Sent, frame_);
  if (function == fn::kClockBroadcast) return {kResultOk, TRetry::None, false};  // never answered
  if (probeTimeoutMs_ > 0) answerDeadline_ = waiter_.NowMs() + probeTimeoutMs_;

  int received = 0;
  const TAttemptResult result = ReadAnswer(function, answer, received);
  if (observer_ != nullptr && received > 0) {
    observer_->Frame(waiter_.NowMs(), TrafficDirection::Received,
                     answer.first(static_cast<std::size_t>(received)));
  }
  return result;
}

TComPortClass::TAttemptResult TComPortClass::ReadAnswer(std::uint8_t function, std::span<std::uint8_t> answer,
                                                        int& received) {
  const auto take = [&received](int got) {
    if (got > 0) received += got;
    return got;
  };
  // The smallest answer is an exception answer of 5 bytes.
  if (answer.size() < 5) return {kResultIncomplete, TRetry::None, false};
  int code = ReadResult(take(ReadPart(answer.data(), 3)), 3);
  if (code != kResultOk) return {code, TRetry::HeaderCounter, false};

  AnswerCount = answer[2];
  AnswerLength = AnswerCount + 5;
  if (function == fn::kWriteCoil || function == fn::kCompletionPoll) AnswerLength = FrameLength;
  // A standard write answers with 8 bytes: 15 and 16 by the table, and 6,
  // whose echo would otherwise be sized by its address byte.
  if (function == fn::kWriteRegister || function == fn::kWriteCoils || function == fn::kWriteRegisters) {
    AnswerLength = 8;
  }

  if (answer[1] == (function | 0x80)) {
    // An exception without a code is malformed.
    if (answer[2] == 0) return {kResultIncomplete, TRetry::HeaderCounter, false};
    // An exception answer counts only when its own CRC is right.
    AnswerLength = 5;
    code = ReadResult(take(ReadPart(answer.data() + 3, 2)), 2);
    if (code == kResultOk) {
      if (CheckCrc16(answer.data(), 5)) return {answer[2], TRetry::None, false};
      code = kResultChecksum;
    }
    return {code, TRetry::BodyCounter, false};
  }
  if (answer[1] != function) return {kResultBadData, TRetry::HeaderCounter, false};  // another function's header
  if (AnswerLength < 4 || static_cast<std::size_t>(AnswerLength) > answer.size()) {
    // Would not fit the caller's buffer: never copied.
    return {kResultIncomplete, TRetry::HeaderCounter, false};
  }

  code = ReadResult(take(ReadPart(answer.data() + 3, AnswerLength - 3)), AnswerLength - 3);
  if (code != kResultOk) return {code, TRetry::BodyCounter, true};
  if (CheckCrc16(answer.data(), static_cast<std::size_t>(AnswerLength))) return {kResultOk, TRetry::None, true};
  return {kResultChecksum, TRetry::BodyCounter, true};
}

std::string TComPortClass::ErrorText(int deviceIndex, int code) const {
  const std::string device = "устройство " + std::to_string(deviceIndex + 1) + " " + PortName;
  switch (code) {
    case kResultOk: return {};
    case kResultBusy: return device + " Идет запись базы данных. Ждите.";
    case kResultBadData: return device + " ошибка приема данных ";
    case kResultIncomplete: return device + " тайм-аут приема данных";
    case kResultNoAnswer: return device + " не отвечает на запрос";
    case kResultChecksum: return device + " ошибка контрольной суммы";
    case kResultPortNotOpened:
      return openFailure_.empty() ? " невозможно открыть последовательный порт "
                                  : " невозможно открыть последовательный порт \n" + openFailure_;
    case kResultPortNotSet: return "вероятно, порт не настроен";
    case kResultPortSwitchedOff: return "сбой настройки порта при выключении прибора";
    case kResultPortSetup: return "ошибка настройки порта";
    case kResultPortClosed: return "Не выбран COM-порт.";
    case kResultNoAccess: return kNoAccessText;
    default: {
      char hex[16];
      std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(code));
      return device + " ошибка обмена " + hex;
    }
  }
}

}  // namespace lur
