#pragma once
// The Modbus CRC-16: reflected polynomial 0xA001, initial value 0xFFFF,
// sent low byte first.
#include <cstddef>
#include <cstdint>

namespace lur {

std::uint16_t Crc16(const std::uint8_t* data, std::size_t length);

// Appends the CRC of frame[0..length) at frame[length], frame[length + 1].
void AppendCrc16(std::uint8_t* frame, std::size_t length);

// True when the last two bytes of frame[0..length) are the CRC of the rest.
bool CheckCrc16(const std::uint8_t* frame, std::size_t length);

}  // namespace lur
