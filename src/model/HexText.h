#pragma once
// Bytes as the tools print and take them (lurctl, lursim's log, the exchange
// journal): upper-case hexadecimal pairs.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace lur {

// "01 44 C2": the bytes separated by blanks.
std::string HexBytes(const std::uint8_t* bytes, std::size_t count);
inline std::string HexBytes(std::span<const std::uint8_t> bytes) { return HexBytes(bytes.data(), bytes.size()); }
// One byte of one or two hexadecimal digits; false for anything else.
bool ParseHexByte(const std::string& text, std::uint8_t& value);

}  // namespace lur
