#pragma once
// Feeds arbitrary answer bytes to one transaction through a scripted port on
// a virtual clock. The first bytes pick the request (function, data length,
// answer buffer size), the retry counts and the port's misbehaviour; the rest
// are the line's answers to the attempts, one chunk each. Returns false when
// the transaction broke a promise: a result code the link does not define, a
// wait longer than its retry counts allow, a success without a valid answer
// frame in the buffer, a refused function that was sent anyway. Memory
// errors are the sanitizers' to catch.
#include <cstdint>
#include <span>

namespace lur::test {

bool FeedTransaction(std::span<const std::uint8_t> data);

}  // namespace lur::test
