#include "sim/FrameAssembler.h"

#include "link/Crc16.h"
#include "model/Protocol.h"
#include "sim/PageCatalogue.h"

namespace lur::sim {

namespace {

// The longest request is a write of a text page (229 bytes); more pending bytes
// than this without a frame are garbage.
constexpr std::size_t kMaxPending = 300;

}  // namespace

std::optional<std::size_t> ExpectedRequestLength(std::span<const std::uint8_t> bytes) {
  if (bytes.size() < 2) return 0;
  switch (bytes[1]) {
    case fn::kReadCoils:
    case fn::kReadDiscreteInputs:
    case fn::kReadHoldingRegisters:
    case fn::kReadInputRegisters:
    case fn::kWriteCoil:
    case fn::kWriteRegister:
      return 8;
    case fn::kCompletionPoll:
    case fn::kIdentity:
      return 4;
    case fn::kWriteCoils:
    case fn::kWriteRegisters:
      if (bytes.size() < 7) return 0;
      return 9 + static_cast<std::size_t>(bytes[6]);
    case fn::kReadPage:
      return 5;
    case fn::kWritePage: {
      if (bytes.size() < 3) return 0;
      const auto length = WritePageLength(bytes[2]);
      if (!length) return std::nullopt;
      return 3 + *length + 2;
    }
    case fn::kClockBroadcast:
      return 11;
    case fn::kAnalogStates:
      return 6;
    default:
      return std::nullopt;
  }
}

std::vector<FrameAssembler::Frame> FrameAssembler::Feed(std::span<const std::uint8_t> bytes,
                                                        std::int64_t nowMs) {
  std::vector<Frame> frames;
  if (auto settled = Idle(nowMs)) frames.push_back(std::move(*settled));
  pending_.insert(pending_.end(), bytes.begin(), bytes.end());
  if (!bytes.empty()) lastByteMs_ = nowMs;
  Extract(frames);
  return frames;
}

void FrameAssembler::Extract(std::vector<Frame>& frames) {
  while (!pending_.empty()) {
    const std::optional<std::size_t> length = ExpectedRequestLength(pending_);
    if (!length || *length == 0 || pending_.size() < *length) break;
    // A failing CRC may be a longer frame than its function implies, or a
    // frame behind a stray byte: the silence settles which.
    if (!CheckCrc16(pending_.data(), *length)) break;
    frames.emplace_back(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(*length));
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(*length));
  }
  if (pending_.size() > kMaxPending) {
    pending_.erase(pending_.begin(), pending_.end() - static_cast<std::ptrdiff_t>(kMaxPending));
  }
}

std::optional<FrameAssembler::Frame> FrameAssembler::Idle(std::int64_t nowMs) {
  if (pending_.empty() || nowMs - lastByteMs_ < silenceMs_) return std::nullopt;
  return Settle();
}

std::optional<FrameAssembler::Frame> FrameAssembler::Settle() {
  std::optional<Frame> frame;
  // The whole remainder, or a frame that ends it behind some leading garbage.
  for (std::size_t start = 0; start + 4 <= pending_.size() && !frame; ++start) {
    const std::size_t length = pending_.size() - start;
    if (!CheckCrc16(pending_.data() + start, length)) continue;
    if (start > 0) {
      const auto expected = ExpectedRequestLength(std::span(pending_).subspan(start));
      if (!expected || *expected != length) continue;
    }
    frame.emplace(pending_.begin() + static_cast<std::ptrdiff_t>(start), pending_.end());
  }
  pending_.clear();
  return frame;
}

int FrameAssembler::MsUntilSilence(std::int64_t nowMs) const {
  if (pending_.empty()) return -1;
  const std::int64_t left = lastByteMs_ + silenceMs_ - nowMs;
  return left < 0 ? 0 : static_cast<int>(left);
}

}  // namespace lur::sim
