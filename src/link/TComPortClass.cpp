#include "link/TComPortClass.h"

#include <algorithm>
#include <cstdio>

#include "link/Crc16.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

const char* const kPortLost = "COM-порт отключен. Проверьте оборудование, перезапустите программу.";

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

// A guard that marks the link busy for the length of a transaction.
class TBusy {
 public:
  explicit TBusy(bool& flag) : flag_(flag) { flag_ = true; }
  ~TBusy() { flag_ = false; }

 private:
  bool& flag_;
};

}  // namespace

TComPortClass::TComPortClass(TSerialPort& port, TWaiter& waiter, TUserInterface& ui)
    : port_(port), waiter_(waiter), ui_(ui) {}

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
    ShowError(ui_, kPortLost);
    return -1;
  }
}

void TComPortClass::ClosePort() { port_.Close(); }

bool TComPortClass::ClearPort() {
  try {
    port_.ClearBuffers();
    return true;
  } catch (const TPortError&) {
    ShowError(ui_, kPortLost);
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
  DataLength = dataLength;
  FrameLength = dataLength + 4;
  if (!IsAllowed(function)) return kResultFunctionRefused;
  // A frame the line cannot carry, or data the caller did not give, is
  // refused before anything is sent, like an unknown function.
  if (dataLength < 0 || dataLength > kMaxRequestData || (dataLength > 0 && data == nullptr)) {
    return kResultFunctionRefused;
  }
  frame_.assign(static_cast<std::size_t>(FrameLength), 0);
  frame_[0] = function == 0x46 ? 0 : static_cast<std::uint8_t>(deviceIndex + 1);
  frame_[1] = function;
  std::copy_n(data, dataLength, frame_.begin() + 2);
  AppendCrc16(frame_.data(), static_cast<std::size_t>(dataLength) + 2);

  if (!port_.IsOpen()) return kResultPortClosed;
  TBusy busy(inTransaction_);
  return RunAttempts(function, answer);
}

int TComPortClass::RunAttempts(std::uint8_t function, std::span<std::uint8_t> answer) {
  std::uint32_t counterA = RetriesStage1;
  std::uint32_t counterB = RetriesStage2;
  int code = kResultOk;
  // Every attempt starts from an empty input buffer, so the leftovers of a
  // bad answer never become the next header.
  for (;;) {
    enum { kRetryA, kRetryB } retry = kRetryA;
    do {
      if (!ClearPort()) return kResultPortSetup;
      Pause(static_cast<int>(RequestDelay));
      port_.Write(frame_.data(), frame_.size());
      if (function == 0x46) return kResultOk;  // a broadcast gets no answer

      // The smallest answer is an exception answer of 5 bytes.
      if (answer.size() < 5) return kResultIncomplete;
      code = ReadResult(port_.Read(answer.data(), 3), 3);
      if (code != kResultOk) break;

      AnswerCount = answer[2];
      AnswerLength = AnswerCount + 5;
      if (function == 5 || function == 14) AnswerLength = FrameLength;
      // A standard write answers with 8 bytes: 15 and 16 by the table, and 6,
      // whose echo would otherwise be sized by its address byte.
      if (function == 6 || function == 15 || function == 16) AnswerLength = 8;

      if (answer[1] == (function | 0x80)) {
        if (answer[2] == 0) {
          code = kResultIncomplete;  // an exception without a code is malformed
          break;
        }
        // An exception answer counts only when its own CRC is right.
        AnswerLength = 5;
        code = ReadResult(port_.Read(answer.data() + 3, 2), 2);
        if (code == kResultOk) {
          if (CheckCrc16(answer.data(), 5)) return answer[2];
          code = kResultChecksum;
        }
        retry = kRetryB;
        break;
      }
      if (answer[1] != function) {
        code = kResultBadData;  // a header of another function
        break;
      }
      if (AnswerLength < 4 || static_cast<std::size_t>(AnswerLength) > answer.size()) {
        code = kResultIncomplete;  // would not fit the caller's buffer: never copied
        break;
      }

      counterA = RetriesStage1;
      retry = kRetryB;
      code = ReadResult(port_.Read(answer.data() + 3, AnswerLength - 3), AnswerLength - 3);
      if (code != kResultOk) break;
      if (CheckCrc16(answer.data(), static_cast<std::size_t>(AnswerLength))) return kResultOk;
      code = kResultChecksum;
    } while (false);

    Pause(kRetryPauseMs);
    std::uint32_t& counter = retry == kRetryA ? counterA : counterB;
    if (counter <= 1) return code;
    --counter;
  }
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
    default: {
      char hex[16];
      std::snprintf(hex, sizeof hex, "%02X", static_cast<unsigned>(code));
      return device + " ошибка обмена " + hex;
    }
  }
}

void TComPortClass::ReportError(int deviceIndex, int code) {
  if (code == kResultOk) return;
  const std::string text = ErrorText(deviceIndex, code);
  switch (code) {
    case kResultPortClosed:
      ClosePort();
      ShowError(ui_, text);
      break;
    case kResultPortNotSet:
    case kResultPortSwitchedOff:
    case kResultPortSetup:
      ShowError(ui_, text);
      break;
    default:
      ShowWarning(ui_, text);
      break;
  }
}

}  // namespace lur
