#pragma once
// Bytes as lurctl prints and takes them: upper-case hexadecimal pairs.
#include <cstddef>
#include <cstdint>
#include <string>

namespace lur {

// "01 44 C2": the bytes separated by blanks.
std::string HexBytes(const std::uint8_t* bytes, std::size_t count);
// One byte of one or two hexadecimal digits; false for anything else.
bool ParseHexByte(const std::string& text, std::uint8_t& value);

}  // namespace lur
