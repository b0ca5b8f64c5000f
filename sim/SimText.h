#pragma once
// Texts as the controller keeps them: Windows-1251 bytes, blank-padded, not
// terminated. Only the characters the simulator's own defaults use are needed:
// ASCII, the Cyrillic alphabet and the numero sign.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace lur::sim {

// UTF-8 in, Windows-1251 out; a character outside the code page becomes '?'.
std::string ToCp1251(std::string_view utf8);

// Writes the text into width bytes, cut or padded with blanks.
void PutText(std::uint8_t* destination, std::size_t width, std::string_view utf8);

}  // namespace lur::sim
