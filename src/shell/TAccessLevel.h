#pragma once
// The start-up password check: which access level a typed password gives.
// The password is a number 0..65535 kept as 2 little-endian bytes in
// "FParol.dat"; while that file cannot be read the built-in password applies.
// An empty text is accepted and gives the limited level (read, open, edit and
// save, but never write into the controller).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lur {

inline constexpr std::string_view kBuiltInPassword = "9362";
inline constexpr std::string_view kPasswordFileName = "FParol.dat";

struct TPasswordCheck {
  bool accepted = false;    // false: "Введенный пароль неверен"
  bool fullAccess = false;  // FullAccess = 1
};

class TAccessLevel {
 public:
  // The number the password file holds; nothing when the file is missing,
  // unreadable or shorter than 2 bytes.
  static std::optional<std::uint16_t> ReadPasswordFile(const std::string& passwordFilePath);

  // The text a password must equal: the file's number in decimal without
  // leading zeros, or the built-in password.
  static std::string ExpectedPassword(const std::string& passwordFilePath);

  // The dialog's check of a typed text. The text must equal the expected text
  // exactly (so "09362" never matches); while the file exists the built-in
  // password is refused like any other wrong text.
  static TPasswordCheck CheckPassword(std::string_view text, const std::string& passwordFilePath);
};

}  // namespace lur
