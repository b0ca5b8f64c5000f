#pragma once
// Little-endian access to the controller's byte images, and the check of a
// page-read answer that every table applies before it takes a page.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace lur {

inline std::uint16_t GetU16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::int16_t GetS16(const std::uint8_t* p) { return static_cast<std::int16_t>(GetU16(p)); }
inline void PutU16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v & 0xFF);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

// A page-read answer frame: address, 0x44, count c, page number, page bytes, CRC.
// Returns the page bytes (after the echoed page number) only when the answer
// holds exactly pageSize bytes of page `page`: a controller answering another
// page or another length must never shift a table's layout or read past it.
inline std::optional<std::span<const std::uint8_t>> PageFromAnswer(std::span<const std::uint8_t> answer,
                                                                   std::uint8_t page, std::size_t pageSize) {
  if (answer.size() < pageSize + 4) return std::nullopt;
  if (answer[2] != pageSize + 1 || answer[3] != page) return std::nullopt;
  return answer.subspan(4, pageSize);
}

}  // namespace lur
