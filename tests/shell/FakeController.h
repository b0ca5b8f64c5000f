#pragma once
// A controller behind a serial port on virtual time, for the whole-
// configuration transfers: it answers the identity, page reads, page writes
// and completion polls from a page map, and can refuse, corrupt or ignore any
// page, so that a fault can be staged at any point of a transfer.
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <vector>

#include "link/Crc16.h"
#include "link/ScriptedPort.h"
#include "link/TSerialPort.h"

namespace lur::test {

class FakeController : public TSerialPort {
 public:
  using Bytes = std::vector<std::uint8_t>;
  struct Request {
    std::uint8_t function;
    std::uint8_t page;  // 0 for requests without a page
    int address;
  };

  // How a page read misbehaves.
  static constexpr int kSilent = -1;      // no answer at all
  static constexpr int kWrongCount = -2;  // an answer one byte short, CRC correct

  explicit FakeController(VirtualClock& clock) : clock_(clock) {}

  void Open(const TPortSettings&) override { open_ = true; }
  void Close() noexcept override { open_ = false; }
  bool IsOpen() const override { return open_; }
  void ClearBuffers() override { incoming_.clear(); }
  void Write(const std::uint8_t* data, std::size_t count) override {
    const Bytes request(data, data + count);
    if (count < 4 || !CheckCrc16(data, count)) return;
    if (request[0] != address) return;
    const std::uint8_t function = request[1];
    const std::uint8_t page = (function == 0x44 || function == 0x45) && count > 4 ? request[2] : 0;
    requests.push_back({function, page, request[0]});
    std::optional<Bytes> answer = Serve(request);
    if (answer) {
      AppendCrc(*answer);
      incoming_.insert(incoming_.end(), answer->begin(), answer->end());
    }
  }
  int Read(std::uint8_t* buffer, int count) override {
    int got = 0;
    while (got < count && !incoming_.empty()) {
      buffer[got++] = incoming_.front();
      incoming_.erase(incoming_.begin());
    }
    if (got < count) clock_.now += got == 0 ? TotalReadTimeoutMs(count) : kInterByteTimeoutMs;
    return got;
  }

  // The controller.
  int address = 1;
  std::array<std::uint8_t, 15> identity{};
  std::map<std::uint8_t, Bytes> pages;  // bytes after the page number
  int functionBlocks = 120;             // 60: pages 26.. answer exception 3
  std::set<std::uint8_t> probeAnswers;  // probe pages 60 + n that answer
  // Faults.
  bool silent = false;
  std::map<std::uint8_t, int> readFaults;   // page -> exception code, kSilent or kWrongCount
  std::map<std::uint8_t, int> writeFaults;  // page -> exception code of its write
  std::optional<int> pollException;         // every completion poll answers it

  // What happened.
  std::vector<Request> requests;
  std::map<std::uint8_t, Bytes> written;  // page -> the bytes of its last write
  std::vector<std::uint8_t> writeOrder;

  std::vector<std::uint8_t> PagesRead() const { return PagesOf(0x44); }
  std::vector<std::uint8_t> PagesWritten() const { return PagesOf(0x45); }
  int Count(std::uint8_t function) const {
    int n = 0;
    for (const auto& r : requests) n += r.function == function;
    return n;
  }

 private:
  std::vector<std::uint8_t> PagesOf(std::uint8_t function) const {
    std::vector<std::uint8_t> out;
    for (const auto& r : requests) {
      if (r.function == function) out.push_back(r.page);
    }
    return out;
  }
  static void AppendCrc(Bytes& frame) {
    const std::size_t n = frame.size();
    frame.resize(n + 2);
    AppendCrc16(frame.data(), n);
  }
  Bytes Exception(std::uint8_t function, int code) const {
    return {static_cast<std::uint8_t>(address), static_cast<std::uint8_t>(function | 0x80),
            static_cast<std::uint8_t>(code)};
  }
  Bytes WithCount(std::uint8_t function, const Bytes& data) const {
    Bytes frame{static_cast<std::uint8_t>(address), function, static_cast<std::uint8_t>(data.size())};
    frame.insert(frame.end(), data.begin(), data.end());
    return frame;
  }
  std::optional<Bytes> Serve(const Bytes& request) {
    if (silent) return std::nullopt;
    const std::uint8_t function = request[1];
    switch (function) {
      case 17:
        return WithCount(17, Bytes(identity.begin(), identity.end()));
      case 0x44:
        return ReadPage(request[2]);
      case 0x45:
        return WritePage(request);
      case 14:
        if (pollException) return Exception(14, *pollException);
        return Bytes(request.begin(), request.end() - 2);
      default:
        return Exception(function, 1);
    }
  }
  std::optional<Bytes> ReadPage(std::uint8_t page) {
    if (const auto it = readFaults.find(page); it != readFaults.end()) {
      if (it->second == kSilent) return std::nullopt;
      if (it->second != kWrongCount) return Exception(0x44, it->second);
    }
    Bytes data{page};
    if (page >= 60 && page < 68) {
      if (!probeAnswers.count(page)) return Exception(0x44, 2);
      data.resize(43, 0x11);
      return WithCount(0x44, data);
    }
    if (page >= 20 + functionBlocks / 10 && page < 32) return Exception(0x44, 3);
    const auto it = pages.find(page);
    if (it == pages.end()) return Exception(0x44, 2);
    data.insert(data.end(), it->second.begin(), it->second.end());
    if (readFaults.count(page)) data.pop_back();  // kWrongCount
    return WithCount(0x44, data);
  }
  std::optional<Bytes> WritePage(const Bytes& request) {
    const std::uint8_t page = request[2];
    if (const auto it = writeFaults.find(page); it != writeFaults.end()) return Exception(0x45, it->second);
    if (page >= 20 + functionBlocks / 10 && page < 32) return Exception(0x45, 3);
    written[page] = Bytes(request.begin() + 3, request.end() - 2);
    pages[page] = written[page];
    writeOrder.push_back(page);
    return WithCount(0x45, Bytes{page});
  }

  VirtualClock& clock_;
  bool open_ = true;
  Bytes incoming_;
};

}  // namespace lur::test
