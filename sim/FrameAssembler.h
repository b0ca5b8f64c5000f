#pragma once
// Cuts the byte stream of the line into request frames.
//
// A frame ends when it has the length its function implies (0x44: 5 bytes;
// 0x45: address, function, page number, the page's bytes, CRC; 14 and 17: 4;
// 1..6: 8; 15 and 16: 9 + byte count; 0x46: 11; 0x47: 6) and its CRC checks.
// Everything else waits for a silence on the line: bytes whose length cannot be
// told (another function, a write of an unknown page), a write of the wrong
// length, a request behind stray bytes. Then the pending bytes are settled: all
// of them as one frame when their CRC checks, else a frame of the right length
// that ends them behind the stray bytes, else nothing. Garbage never wedges the
// parser: the silence always clears it.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lur::sim {

class FrameAssembler {
 public:
  using Frame = std::vector<std::uint8_t>;

  explicit FrameAssembler(int silenceMs) : silenceMs_(silenceMs) {}

  // Takes the bytes received at nowMs and returns the frames they complete.
  // Pending bytes older than the silence are settled first.
  std::vector<Frame> Feed(std::span<const std::uint8_t> bytes, std::int64_t nowMs);

  // To be called while the line is quiet: once the silence has passed, settles
  // the pending bytes (a frame or nothing) and clears them.
  std::optional<Frame> Idle(std::int64_t nowMs);

  // Milliseconds until pending bytes are settled; -1 when nothing is pending.
  int MsUntilSilence(std::int64_t nowMs) const;

  std::size_t PendingBytes() const { return pending_.size(); }

 private:
  std::optional<Frame> Settle();
  void Extract(std::vector<Frame>& frames);

  int silenceMs_;
  std::vector<std::uint8_t> pending_;
  std::int64_t lastByteMs_ = 0;
};

// The length a request starting with these bytes will have: 0 when more bytes
// are needed to tell, nullopt when it cannot be told from the bytes at all.
std::optional<std::size_t> ExpectedRequestLength(std::span<const std::uint8_t> bytes);

}  // namespace lur::sim
