#pragma once
// The one path between the tool and a controller: frames a request, sends it,
// collects and checks the answer, repeats on transient failures and turns
// every failure into a result code; ReportError turns a code into a box.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "link/TSerialPort.h"
#include "link/TWaiter.h"

namespace lur {

class TUserInterface;

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
};

// The functions a request may carry, in the controller's table order.
constexpr std::array<std::uint8_t, 18> kAllowedFunctions = {1,  2,  3,    4,    5,    6,    14,   15,   16,
                                                            17, 18, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x64};

class TComPortClass {
 public:
  TComPortClass(TSerialPort& port, TWaiter& waiter, TUserInterface& ui);

  // Sends function with data to device deviceIndex (0..30; the address byte is
  // deviceIndex + 1, 0 for the broadcast 0x46) and places the whole answer
  // frame in answer, whose size is its capacity. Returns 0 or a result code.
  int Transact(int deviceIndex, std::uint8_t function, int dataLength, const std::uint8_t* data,
               std::span<std::uint8_t> answer);

  // Applies BaudText, ParityText, StopBitsText and PortName and opens the
  // port: 0 when open, -1 otherwise.
  int OpenPort();
  void ClosePort();
  bool IsPortOpen() const { return port_.IsOpen(); }

  // Shows the box of a result code (nothing for 0).
  void ReportError(int deviceIndex, int code);
  // The box's text, for callers and tests that need it without a box.
  std::string ErrorText(int deviceIndex, int code) const;

  // Waits ms milliseconds on the monotonic clock.
  void Pause(int ms);

  // True while a transaction runs: live-view timers that fire while a wait
  // services painting skip their tick instead of starting another one.
  bool InTransaction() const { return inTransaction_; }

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

  TWaiter& Waiter() { return waiter_; }
  TUserInterface& Ui() { return ui_; }

 private:
  int RunAttempts(std::uint8_t function, std::span<std::uint8_t> answer);
  bool ClearPort();
  int ReadResult(int got, int wanted) const;

  std::uint32_t RetriesStage1 = 5;
  std::uint32_t RetriesStage2 = 10;
  [[maybe_unused]] std::uint32_t Spare = 5;  // set, never used by the controller protocol
  std::uint32_t RequestDelay = 25;
  std::int32_t ReceiveDelay = 20;

  TSerialPort& port_;
  TWaiter& waiter_;
  TUserInterface& ui_;
  std::vector<std::uint8_t> frame_;
  std::string openFailure_;
  bool inTransaction_ = false;
};

// The pause after a failed attempt.
constexpr int kRetryPauseMs = 300;
// The largest data part a request may carry (a page write: page number + 224
// bytes); frames stay within the 256 bytes of an RTU frame.
constexpr int kMaxRequestData = 252;

}  // namespace lur
