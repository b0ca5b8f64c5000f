#pragma once
// The check every live read makes of its answer: a read of n bits (functions
// 1 and 2) brings ceil(n / 8) data bytes, a read of n registers (3 and 4)
// brings 2n. An answer with another byte count is a failure (result 128),
// even with a correct checksum: its cells would show bits of something else.
#include <cstdint>
#include <span>

namespace lur {

// Data bytes a standard read of quantity items brings; -1 for a function that
// is not one of the four reads or a quantity outside what one request may ask
// (1..2000 bits, 1..125 registers).
int LiveAnswerByteCount(std::uint8_t function, int quantity);

// 0 when the answer frame's byte count (byte 2) is the one the request asks
// for, kResultBadData (128) otherwise.
int CheckLiveAnswer(std::uint8_t function, int quantity, std::span<const std::uint8_t> answer);

}  // namespace lur
