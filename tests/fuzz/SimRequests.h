#pragma once
// Feeds arbitrary request bytes to the simulator, in two targets that read
// the same inputs: the first byte picks the controller's make-up and faults;
// the rest are chunks, each a control byte (what to do), a length and the
// bytes. Since random bytes almost never carry a right CRC, a chunk may ask
// for its CRC to be appended, so the fuzzer reaches every request handler.
// Crashes and memory errors are the sanitizers' to catch.
//
// The two were one target that cut every input into frames and answered
// them, building a whole controller for each input and settling the
// assembler's pending bytes against every start: each half now runs at the
// other's cost no more. The assembler only ever hands the controller frames
// whose CRC checks, and the controller's target sends it any such frame.
#include <cstdint>
#include <span>

namespace lur::test {

// Every chunk straight to a controller of the make-up, as one request after
// the chunk's pause. False when an answer is no frame or would not fit the
// tool's answer buffer.
bool FeedSimulator(std::span<const std::uint8_t> data);

// Every chunk to the request assembler after its pause, the line falling
// quiet after the chunks that ask for it; the make-up byte is not read.
// False when the assembler cuts a frame without its CRC or keeps pending
// bytes past their bound.
bool FeedAssembler(std::span<const std::uint8_t> data);

}  // namespace lur::test
