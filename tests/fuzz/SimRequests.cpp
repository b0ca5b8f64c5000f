#include "SimRequests.h"

#include <algorithm>
#include <array>
#include <map>
#include <tuple>
#include <vector>

#include "link/Crc16.h"
#include "model/Protocol.h"
#include "sim/DefaultPages.h"
#include "sim/FrameAssembler.h"
#include "sim/ModuleSet.h"
#include "sim/SimController.h"

namespace lur::test {

namespace {

// Module sets that reach every kind of page: thermo probes, a loop module,
// the sensor-type module, full and empty slots.
constexpr std::array<std::array<std::uint8_t, 8>, 4> kModuleSets = {{
    {1, 7, 3, 0, 0, 0, 0, 0},
    {1, 0xA, 8, 7, 4, 0xC, 0xE, 0},
    {8, 8, 8, 8, 8, 8, 8, 8},
    {0, 0, 0, 0, 0, 0, 0, 0},
}};

// The same bound the assembler keeps (the longest request and some slack).
constexpr std::size_t kPendingBound = 300;

// The default pages of a controller's make-up, made once per make-up: making
// them costs more than most inputs do.
const sim::PageStore& DefaultPages(const sim::SimOptions& options) {
  static std::map<std::tuple<std::array<std::uint8_t, 8>, int, int>, sim::PageStore> made;
  const auto key = std::tuple{options.modules, int{options.display}, options.functionBlocks};
  auto it = made.find(key);
  if (it == made.end()) {
    const sim::ModuleSet modules(options.modules, options.display);
    it = made.emplace(key, sim::MakeDefaultPages(modules, options.functionBlocks)).first;
  }
  return it->second;
}

bool IsFrame(std::span<const std::uint8_t> frame) {
  return frame.size() >= 4 && CheckCrc16(frame.data(), frame.size());
}

// Calls each(control, bytes, nowMs) for every chunk after the first byte:
// the chunk's bytes (with their CRC appended when its control byte asks),
// at the time its pause brings; `each` may let more time pass. Stops at the
// first false.
template <typename Each>
bool ForEachChunk(std::span<const std::uint8_t> data, Each each) {
  std::int64_t nowMs = 0;
  std::vector<std::uint8_t> bytes;
  std::size_t at = 1;
  while (at < data.size()) {
    const std::uint8_t control = data[at++];
    const std::size_t length = at < data.size() ? data[at++] : 0;
    const std::size_t end = std::min(at + length, data.size());
    bytes.assign(data.begin() + static_cast<std::ptrdiff_t>(at), data.begin() + static_cast<std::ptrdiff_t>(end));
    at = end;
    if ((control & 0x01) != 0) {  // seal: append the right CRC
      const std::size_t n = bytes.size();
      bytes.resize(n + 2);
      AppendCrc16(bytes.data(), n);
    }
    nowMs += control >> 3;  // up to 31 ms: pauses below and above the silence
    if (!each(control, std::span<const std::uint8_t>(bytes), nowMs)) return false;
  }
  return true;
}

}  // namespace

bool FeedSimulator(std::span<const std::uint8_t> data) {
  if (data.empty()) return true;
  const std::uint8_t make = data[0];

  sim::SimOptions options;
  options.modules = kModuleSets[make & 0x03];
  options.display = static_cast<std::uint8_t>((make >> 2) % 5);
  options.functionBlocks = (make & 0x10) != 0 ? 60 : 120;
  // Faults that keep answers whole, so every answer can be checked as a frame.
  if ((make & 0x20) != 0) options.busyPolls = 2;
  if ((make & 0x40) != 0) {
    options.pollException = 4;
    options.mutedRequests.insert({fn::kReadDiscreteInputs, 0});
    options.liveExceptions[{fn::kReadCoils, 1016}] = 2;
    options.pageExceptions[10] = 3;
  }
  if ((make & 0x80) != 0) options.liveToggleMs = 100;

  std::int64_t clockMs = 0;
  sim::SimController controller(options, DefaultPages(options), [&clockMs] { return clockMs; }, sim::ClockTime{});
  return ForEachChunk(data, [&](std::uint8_t, std::span<const std::uint8_t> request, const std::int64_t& nowMs) {
    clockMs = nowMs;
    const auto reply = controller.Answer(request);
    return !reply || (IsFrame(*reply) && reply->size() <= kAnswerCapacity);
  });
}

bool FeedAssembler(std::span<const std::uint8_t> data) {
  sim::FrameAssembler assembler(5);
  return ForEachChunk(data, [&](std::uint8_t control, std::span<const std::uint8_t> bytes, std::int64_t& nowMs) {
    for (const auto& frame : assembler.Feed(bytes, nowMs)) {
      if (!IsFrame(frame)) return false;
    }
    if ((control & 0x04) != 0) {  // the line falls quiet past the silence
      nowMs += assembler.MsUntilSilence(nowMs) + 1;
      if (const auto frame = assembler.Idle(nowMs)) {
        if (!IsFrame(*frame)) return false;
      }
    }
    return assembler.PendingBytes() <= kPendingBound;
  });
}

}  // namespace lur::test
