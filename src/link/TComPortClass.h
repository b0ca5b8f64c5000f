#pragma once
// The one path between the tool and a controller: frames a request, sends it,
// collects and checks the answer, repeats on transient failures and turns
// every failure into a result code. Pure transport: what a code means to the
// user is shown above the link (session/LinkReports.h).
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

#include "link/TSerialPort.h"
#include "link/TTrafficObserver.h"
#include "link/TWaiter.h"
#include "model/Protocol.h"

namespace lur {

// Result codes of a transaction besides 0 (success) and the controller's
// exception codes 1..255.
enum ResultCode : int {
  kResultOk = 0,
  kResultFunctionRefused = 1,    // function code not in the table: nothing sent
  kResultBusy = 6,               // exception 6: the controller is still writing
  kResultBadData = 128,          // an answer that makes no sense
  kResultIncomplete = 129,       // incomplete or malformed answer
  kResultNoAnswer = 130,         // not a byte came
  kResultChecksum = 131,         // CRC mismatch
  kResultPortNotOpened = 132,    // the port could not be opened
  kResultPortNotSet = 133,
  kResultPortSwitchedOff = 134,
  kResultPortSetup = 135,        // the port failed while its buffers were cleared
  kResultPortClosed = 256,       // no port open
  kResultNoAccess = 257,         // a changing function at the limited access level: nothing sent
};

// The words of kResultNoAccess, as its warning shows them.
extern const char* const kNoAccessText;

// The functions a request may carry, in the controller's table order.
// 18, 0x42, 0x43 and 0x64 are the controller's own, allowed but never sent.
constexpr std::array<std::uint8_t, 18> kAllowedFunctions = {
    fn::kReadCoils,     fn::kReadDiscreteInputs, fn::kReadHoldingRegisters, fn::kReadInputRegisters, fn::kWriteCoil,
    fn::kWriteRegister, fn::kCompletionPoll,     fn::kWriteCoils,           fn::kWriteRegisters,     fn::kIdentity,
    18,                 0x42,                    0x43,                      fn::kReadPage,           fn::kWritePage,
    fn::kClockBroadcast, fn::kAnalogStates,      0x64};

class TComPortClass {
 public:
  TComPortClass(TSerialPort& port, TWaiter& waiter);

  // Sends function with data to device deviceIndex (0..30; the address byte is
  // deviceIndex + 1, 0 for the broadcast 0x46) and places the whole answer
  // frame in answer, whose size is its capacity. Returns 0 or a result code.
  int Transact(int deviceIndex, std::uint8_t function, int dataLength, const std::uint8_t* data,
               std::span<std::uint8_t> answer);

  // One attempt and no retry, for a search of the bus where a silent address
  // is the rule: the request goes to device deviceIndex (0..30; never the
  // broadcast) without data, and its answer is awaited at most timeoutMs in
  // all. The configured retries and time-outs are neither used nor changed,
  // and no pause follows a failure. Returns 0 or a result code; a device
  // index out of range, the broadcast function or a time-out below 1 ms is
  // refused before anything is sent (kResultFunctionRefused).
  int Probe(int deviceIndex, std::uint8_t function, std::span<std::uint8_t> answer, int timeoutMs);

  // Applies BaudText, ParityText, StopBitsText and PortName and opens the
  // port: 0 when open, -1 otherwise.
  int OpenPort();
  void ClosePort();
  bool IsPortOpen() const { return port_.IsOpen(); }

  // What a result code means, in the words of its box ("" for 0).
  std::string ErrorText(int deviceIndex, int code) const;

  // Called when the port fails outright while it is opened or its buffers
  // are cleared, before the failing operation returns: the program tells
  // the user at that very moment. Nothing is called while unset.
  void SetPortLostHandler(std::function<void()> handler) { portLost_ = std::move(handler); }

  // Whether the user may change the controller. Asked before every function
  // that changes it (ChangesController); a refusal returns kResultNoAccess
  // without a byte sent. Unset: always allowed.
  void SetAccessQuery(std::function<bool()> query) { accessAllowed_ = std::move(query); }

  // Receives every frame sent and received and every transaction's result;
  // nullptr (the default) for none. The observer must outlive its use.
  void SetTrafficObserver(TTrafficObserver* observer) { observer_ = observer; }
  TTrafficObserver* TrafficObserver() const { return observer_; }

  // Waits ms milliseconds on the monotonic clock.
  void Pause(int ms);

  std::uint32_t GetRetriesStage1() const { return RetriesStage1; }
  void SetRetriesStage1(std::uint32_t v) { RetriesStage1 = v; }
  void SetRetriesStage2(std::uint32_t v) { RetriesStage2 = v; }
  std::uint32_t GetRetriesStage2() const { return RetriesStage2; }
  std::uint32_t GetRequestDelay() const { return RequestDelay; }
  void SetRequestDelay(std::uint32_t v) { RequestDelay = v; }
  std::int32_t GetReceiveDelay() const { return ReceiveDelay; }
  void SetReceiveDelay(std::int32_t v) { ReceiveDelay = v; }

  // Settings texts, written by the port dialog and read by OpenPort.
  std::string BaudText = "9600";
  std::string ParityText = "N";
  std::string StopBitsText = "2";
  std::string PortName = "COM1";  // the platform's whole name, however long

  // State of the current or last request.
  std::int32_t FrameLength = 0;
  std::int32_t DataLength = 0;
  std::int32_t AnswerLength = 0;
  std::int32_t AnswerCount = 0;

  // The last answer frame in the caller's buffer, as long as the controller
  // made it.
  std::span<const std::uint8_t> AnswerIn(std::span<const std::uint8_t> buffer) const {
    const auto length = static_cast<std::size_t>(AnswerLength < 0 ? 0 : AnswerLength);
    return buffer.first(length < buffer.size() ? length : buffer.size());
  }

  TWaiter& Waiter() { return waiter_; }

 private:
  // Which retry counter a failed attempt counts against; None ends the
  // transaction with the attempt's code (success, an exception answer, a
  // failed port).
  enum class TRetry { None, HeaderCounter, BodyCounter };
  struct TAttemptResult {
    int code;
    TRetry retry;
    bool headerAccepted;  // a good header came: the header counter starts afresh
  };

  int Exchange(int deviceIndex, std::uint8_t function, int dataLength, const std::uint8_t* data,
               std::span<std::uint8_t> answer);
  // Checks the request and builds its frame: 0, or the code of a refusal.
  int PrepareFrame(int deviceIndex, std::uint8_t function, int dataLength, const std::uint8_t* data);
  int ProbeOnce(int deviceIndex, std::uint8_t function, std::span<std::uint8_t> answer, int timeoutMs);
  // A read of the answer, bounded by answerDeadline_ when one is set.
  int ReadPart(std::uint8_t* buffer, int count);
  // The retry policy around Attempt.
  int RunAttempts(std::uint8_t function, std::span<std::uint8_t> answer);
  // One request on the line and whatever answer it gets.
  TAttemptResult Attempt(std::uint8_t function, std::span<std::uint8_t> answer);
  TAttemptResult ReadAnswer(std::uint8_t function, std::span<std::uint8_t> answer, int& received);
  bool ClearPort();
  void PortLost();
  int ReadResult(int got, int wanted) const;

  std::uint32_t RetriesStage1 = 5;
  std::uint32_t RetriesStage2 = 10;
  [[maybe_unused]] std::uint32_t Spare = 5;  // set, never used by the controller protocol
  std::uint32_t RequestDelay = 25;
  std::int32_t ReceiveDelay = 20;

  TSerialPort& port_;
  TWaiter& waiter_;
  std::function<void()> portLost_;
  std::function<bool()> accessAllowed_;
  TTrafficObserver* observer_ = nullptr;
  std::vector<std::uint8_t> frame_;
  // During a probe: its time-out, and once its request is out the time it
  // gives up waiting (0: no bound, as in every transaction).
  int probeTimeoutMs_ = 0;
  std::int64_t answerDeadline_ = 0;
  std::string openFailure_;
};

// The pause after a failed attempt.
constexpr int kRetryPauseMs = 300;
// The largest data part a request may carry (a page write: page number + 224
// bytes); frames stay within the 256 bytes of an RTU frame.
constexpr int kMaxRequestData = 252;
// Device indexes a request may address: numbers 1..31 on the line.
constexpr int kDeviceIndexCount = 31;

}  // namespace lur
