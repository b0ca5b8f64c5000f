#pragma once
// Whether a controller can take the function block table: a controller of 60
// blocks has no room for blocks in records 60 and above, and writing only
// its 6 pages would lose them while reporting success. Every write of the
// table (the editor's and the whole configuration's) asks here before its
// first page.
#include <string_view>

namespace lur {

class TProgFBClass;
class TUserInterface;

inline constexpr std::string_view kTooManyBlocksText = "Передаваемая конфигурация\nне может быть передана в прибор ";

// True when every record the controller lacks (deviceBlocks and above) is
// empty. Otherwise warns (caption "Предупреждение") and returns false.
bool FunctionBlocksFit(TUserInterface& ui, const TProgFBClass& fb, int deviceBlocks);

}  // namespace lur
