#include "shell/TAccessLevel.h"

#include <array>
#include <fstream>

namespace lur {

std::optional<std::uint16_t> TAccessLevel::ReadPasswordFile(const std::string& passwordFilePath) {
  std::ifstream file(passwordFilePath, std::ios::binary);
  if (!file) return std::nullopt;
  std::array<char, 2> bytes{};
  if (!file.read(bytes.data(), bytes.size())) return std::nullopt;
  const auto low = static_cast<std::uint8_t>(bytes[0]);
  const auto high = static_cast<std::uint8_t>(bytes[1]);
  return static_cast<std::uint16_t>(low | (high << 8));
}

std::string TAccessLevel::ExpectedPassword(const std::string& passwordFilePath) {
  if (const auto number = ReadPasswordFile(passwordFilePath)) return std::to_string(*number);
  return std::string(kBuiltInPassword);
}

TPasswordCheck TAccessLevel::CheckPassword(std::string_view text, const std::string& passwordFilePath) {
  if (text.empty()) return {true, false};
  const bool matches = text == ExpectedPassword(passwordFilePath);
  return {matches, matches};
}

}  // namespace lur
