#pragma once
// The serial port as the link needs it. One adapter drives a real port
// through Qt; the tests drive a scripted one.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace lur {

enum class Parity { None, Odd, Even };

struct TPortSettings {
  std::string name;
  int baud = 9600;
  Parity parity = Parity::None;
  int stopBits = 1;
};

// Raised by a port that fails outright (a vanished adapter, a refused ioctl).
class TPortError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Read time-outs of every adapter: 100 ms between two bytes (counted once the
// first byte has come), 100 ms per requested byte + 1,000 ms in all.
constexpr int kInterByteTimeoutMs = 100;
constexpr int TotalReadTimeoutMs(int count) { return 100 * count + 1000; }

class TSerialPort {
 public:
  virtual ~TSerialPort() = default;

  // Applies the settings (8 data bits, no flow control, DTR and RTS held
  // inactive) and opens. A port that cannot be opened stays closed and
  // OpenFailure() says why; an adapter may also raise TPortError.
  virtual void Open(const TPortSettings& settings) = 0;
  virtual void Close() noexcept = 0;
  virtual bool IsOpen() const = 0;
  // Why the last Open failed, in the user's words ("" when unknown).
  virtual std::string OpenFailure() const { return {}; }

  // Discards everything received and not read, and everything not yet sent.
  virtual void ClearBuffers() = 0;
  virtual void Write(const std::uint8_t* data, std::size_t count) = 0;
  // Waits until count bytes have come or a time-out expired; returns the
  // bytes placed (0..count), or a negative port error code.
  virtual int Read(std::uint8_t* buffer, int count) = 0;

  // A bound on the whole wait of each Read below the time-outs above, in
  // milliseconds; 0 (the default) for none. The link sets it for the one
  // attempt of a probe, where a silent address is the rule, and clears it
  // after; every adapter's Read honours it through ReadTimeoutMs.
  void LimitReads(int ms) { readLimitMs_ = ms > 0 ? ms : 0; }
  int ReadLimitMs() const { return readLimitMs_; }

 protected:
  // The total time-out of a read of count bytes, under the bound.
  int ReadTimeoutMs(int count) const {
    const int total = TotalReadTimeoutMs(count);
    return readLimitMs_ > 0 && readLimitMs_ < total ? readLimitMs_ : total;
  }

 private:
  int readLimitMs_ = 0;
};

}  // namespace lur
