#pragma once
// The boxes of the whole-configuration transfers (caption "Предупреждение").
#include <string_view>

namespace lur {

inline constexpr std::string_view kSixtyBlocksText = "Прибор  на 60 ФБ";
// The first letter is a Latin K, as the controller's tool has always shown it.
inline constexpr std::string_view kNoModulesText = "Kонфигурация не задана";
inline constexpr std::string_view kSameModulesText =
    "Передаваемая конфигурация\nсоответствует конфигурации прибора";
inline constexpr std::string_view kOtherModulesText =
    "Передаваемая конфигурация\nне соответствует конфигурации прибора";
inline constexpr std::string_view kCannotWriteText =
    "Передаваемая конфигурация\nне может быть передана в прибор ";

}  // namespace lur
