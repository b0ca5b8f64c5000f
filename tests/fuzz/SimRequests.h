#pragma once
// Feeds arbitrary request bytes to the simulator: through its request
// assembler, with pauses between the pieces, and straight to the controller.
// The first byte picks the controller's make-up and faults; the rest are
// chunks, each a control byte (what to do), a length and the bytes. Since
// random bytes almost never carry a right CRC, a chunk may ask for its CRC to
// be appended, so the fuzzer reaches every request handler. Returns false
// when the assembler or the controller broke a promise (a frame without its
// CRC, pending bytes past their bound, an answer that is no frame or would
// not fit the tool's answer buffer); crashes and memory errors are the
// sanitizers' to catch.
#include <cstdint>
#include <span>

namespace lur::test {

bool FeedSimulator(std::span<const std::uint8_t> data);

}  // namespace lur::test
