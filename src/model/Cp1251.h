#pragma once
// The one codec between the controller's Windows-1251 bytes and UTF-8.
// The model keeps bytes; windows and the command line convert at the edges.
#include <string>
#include <string_view>

namespace lur {

std::string Cp1251ToUtf8(std::string_view bytes);
// Characters with no Windows-1251 form become '?'.
std::string Utf8ToCp1251(std::string_view utf8);

}  // namespace lur
