#pragma once
// Builds controller answer frames for the model tests: address, function,
// byte count, data, two checksum bytes (the tables never look at the
// checksum: the transaction has checked it before they see the frame).
#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

#include "model/Protocol.h"

namespace lur::test {

inline std::vector<std::uint8_t> MakeAnswer(std::uint8_t function, std::span<const std::uint8_t> data) {
  // Sized once and filled in place (GCC 12 at -O2 cannot prove an insert
  // after an initializer list in range and warns).
  std::vector<std::uint8_t> frame(3 + data.size() + 2, 0x00);
  frame[0] = 0x01;
  frame[1] = function;
  frame[2] = static_cast<std::uint8_t>(data.size());
  std::copy(data.begin(), data.end(), frame.begin() + 3);
  return frame;
}

// A page-read answer: the echoed page number, then the page bytes.
inline std::vector<std::uint8_t> MakePageAnswer(std::uint8_t page, std::span<const std::uint8_t> pageBytes,
                                                std::uint8_t function = fn::kReadPage) {
  std::vector<std::uint8_t> data(1 + pageBytes.size(), page);
  std::copy(pageBytes.begin(), pageBytes.end(), data.begin() + 1);
  return MakeAnswer(function, data);
}

// A page-read answer whose byte count says `count`, whatever the bytes that
// follow: the answer of a controller that miscounts its page.
inline std::vector<std::uint8_t> MakePageAnswerCounted(std::uint8_t count, std::uint8_t page,
                                                       std::span<const std::uint8_t> pageBytes) {
  auto frame = MakePageAnswer(page, pageBytes);
  frame[2] = count;
  return frame;
}

// Page bytes whose every byte differs from its neighbours, so that a shifted
// or partial copy cannot pass for the real one.
inline std::vector<std::uint8_t> PatternBytes(std::size_t size, std::uint8_t seed) {
  std::vector<std::uint8_t> bytes(size);
  for (std::size_t i = 0; i < size; ++i) bytes[i] = static_cast<std::uint8_t>(seed + 7 * i + (i >> 5));
  return bytes;
}

}  // namespace lur::test
