#pragma once
// The operation side of the access gate: every operation that would change
// the controller asks here before it sends anything. At the limited level the
// user is told once and the change stays in memory, still marked.
#include <string_view>

namespace lur {

struct TSession;

inline constexpr std::string_view kNoOutputAccessText =
    "Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт";

// True at the full access level. Otherwise shows the warning box and returns
// false; nothing is sent and nothing in memory changes.
bool OutputAllowed(TSession& session);

}  // namespace lur
