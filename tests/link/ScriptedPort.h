#pragma once
// A serial line on virtual time: each request written takes the next scripted
// reply (or silence), and reads that come up short advance the clock by the
// time-out a real port would have waited.
#include <algorithm>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "link/Crc16.h"
#include "link/TSerialPort.h"
#include "link/TWaiter.h"

namespace lur::test {

class VirtualClock : public TWaiter {
 public:
  std::int64_t NowMs() override { return now; }
  void SleepMs(int ms) override { now += ms > 0 ? ms : 0; }
  std::int64_t now = 1'000'000;
};

struct WrittenFrame {
  std::vector<std::uint8_t> bytes;
  std::int64_t atMs;
};

class ScriptedPort : public TSerialPort {
 public:
  explicit ScriptedPort(VirtualClock& clock) : clock_(clock) {}

  void Open(const TPortSettings& s) override {
    ++opens;
    settings = s;
    open = openSucceeds;
  }
  void Close() noexcept override { open = false; }
  bool IsOpen() const override { return open; }
  std::string OpenFailure() const override { return openSucceeds ? "" : "Порт занят."; }
  void ClearBuffers() override {
    if (failClear) throw TPortError("gone");
    ++clears;
    incoming.clear();
  }
  void Write(const std::uint8_t* data, std::size_t count) override {
    written.push_back({{data, data + count}, clock_.now});
    std::optional<std::vector<std::uint8_t>> reply;
    if (!replies.empty()) {
      reply = replies.front();
      replies.pop_front();
    }
    if (reply) incoming.insert(incoming.end(), reply->begin(), reply->end());
  }
  int Read(std::uint8_t* buffer, int count) override {
    if (readError) return readError;
    int got = 0;
    while (got < count && !incoming.empty()) {
      buffer[got++] = incoming.front();
      incoming.pop_front();
    }
    if (got < count) clock_.now += got == 0 ? ReadTimeoutMs(count) : std::min(kInterByteTimeoutMs, ReadTimeoutMs(count));
    return got;
  }

  // Script: one entry per request written; nullopt is silence.
  std::deque<std::optional<std::vector<std::uint8_t>>> replies;
  std::deque<std::uint8_t> incoming;
  std::vector<WrittenFrame> written;
  TPortSettings settings;
  bool open = true;
  bool openSucceeds = true;
  bool failClear = false;
  int readError = 0;
  int opens = 0;
  int clears = 0;

 private:
  VirtualClock& clock_;
};

// A frame with its CRC appended.
inline std::vector<std::uint8_t> WithCrc(std::vector<std::uint8_t> bytes) {
  const std::size_t n = bytes.size();
  bytes.resize(n + 2);
  AppendCrc16(bytes.data(), n);
  return bytes;
}

}  // namespace lur::test
