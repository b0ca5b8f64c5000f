#pragma once
// Serves a SimController on a pseudo-terminal: the slave side is reached
// through a symbolic link that a serial-port client opens like a COM port.
//
// The server keeps its own descriptor of the slave open for its whole life,
// so a client closing and reopening the port never hangs the master up.
#include <chrono>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "sim/FrameAssembler.h"
#include "sim/SimController.h"

namespace lur::sim {

struct PtyServerOptions {
  std::string linkPath;
  int silenceMs = 5;      // a quiet line this long ends whatever is pending
  unsigned paceBaud = 0;  // delay each answer by the wire time of request and answer, 11 bits a byte
  std::function<void(std::string_view)> log;  // one line per request, when set
};

class PtyServer {
 public:
  PtyServer(SimController& controller, PtyServerOptions options);
  ~PtyServer();
  PtyServer(const PtyServer&) = delete;
  PtyServer& operator=(const PtyServer&) = delete;

  // Opens the pseudo-terminal in raw mode and points the link at its slave,
  // replacing a stale link. A path that exists and is not a link is refused.
  bool Open(std::string& error);
  const std::string& SlaveName() const { return slaveName_; }

  // Serves requests until stopRequested() is true; asks it at least every 50 ms.
  void Serve(const std::function<bool()>& stopRequested);

  // Closes the terminal and removes the link if it still points at it.
  void Close();

 private:
  void Handle(const std::vector<std::uint8_t>& request);
  void WriteAll(std::span<const std::uint8_t> bytes);

  SimController& controller_;
  PtyServerOptions options_;
  FrameAssembler assembler_;
  int master_ = -1;
  int slave_ = -1;
  std::string slaveName_;
  bool linked_ = false;
};

// The time `bytes` bytes take on a line at `baud`, 11 bits a byte (start bit,
// 8 data bits, parity or a second stop bit, stop bit).
std::chrono::microseconds WireTime(std::size_t bytes, unsigned baud);

}  // namespace lur::sim
