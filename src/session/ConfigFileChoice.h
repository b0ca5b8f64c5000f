#pragma once
// Taking something from another configuration file (output texts,
// algorithms): the file dialog for .lur files and the read of as many bytes
// as the larger layout holds, plus one, so that a longer file shows as none
// of the layouts. A file that cannot be read is reported here.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ui/TUserInterface.h"

namespace lur {

inline constexpr const char* kConfigFileFilter = "Файлы типа .lur|*.lur|Все файлы|*.*";
inline constexpr const char* kFileNotOpened = "Файл не удается открыть";
inline constexpr const char* kFileNotOpenedCaption = "Открытие файла";

// The file's first bytes; nothing when the user cancelled or the file could
// not be read (then after the warning "Файл не удается открыть").
std::optional<std::vector<std::uint8_t>> ChooseConfigFileStart(TUserInterface& ui, const std::string& title);

}  // namespace lur
