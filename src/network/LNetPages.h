#pragma once
// The pages the local network editor writes, listed once: what each page
// carries (its number, then its bytes from byte 1 on) and which of them a
// change of the exchange blocks makes due. The discrete base and the input
// texts are written from the page holding the first network entry
// (DiCount + 4 x AiCount) to the last one there is (19 and 51): a network
// start at entry 192 has no page of its own and gives none.
#include <cstdint>
#include <vector>

#include "model/TConfiguration.h"

namespace lur {

using TPageData = std::vector<std::uint8_t>;

namespace lnet_pages {

inline constexpr std::uint8_t kFirstBasePage = 12;  // 24 records a page, up to 19
inline constexpr std::uint8_t kFirstTextPage = 40;  // 16 texts a page, up to 51
inline constexpr std::uint8_t kFirstFBPage = 20;    // 10 blocks a page
inline constexpr int kBasePages = 8;
inline constexpr int kTextPages = 12;

// The first network entry, and the base and text page indices (0-based)
// from which the network pages start; kBasePages / kTextPages when none.
int NetworkStart(const TConfiguration& cfg);
int FirstBasePage(const TConfiguration& cfg);
int FirstTextPage(const TConfiguration& cfg);

// The network analog groups: g = 0 .. 7 - AiModuleCount, controller page
// AiModuleCount + g + 1.
int GroupCount(const TConfiguration& cfg);
TPageData GroupPage(const TConfiguration& cfg, int g);
// Whether a network group differs from what the reserve holds.
bool GroupsDiffer(const TConfiguration& cfg);
TPageData ExchangeTablePage(const TConfiguration& cfg);
TPageData BasePage(TConfiguration& cfg, int k);
TPageData TextPage(TConfiguration& cfg, int q);
TPageData FBPage(TConfiguration& cfg, int p);
TPageData F15Page(const TConfiguration& cfg);

// Function block record pages whose records differ from what the reserve
// holds (what the controller holds), within the table's capacity.
std::vector<int> ChangedFBPages(const TConfiguration& cfg);

// The reserve takes what a confirmed page carried.
void ReserveBasePage(TConfiguration& cfg, int k);
void ReserveTextPage(TConfiguration& cfg, int q);
void ReserveFBPage(TConfiguration& cfg, int p);

// Whether the controller holds the control loop module (type 14): only then
// are the regulator pages 0x20 and 0x21 its own.
bool HasLoopModule(const TConfiguration& cfg);

}  // namespace lnet_pages
}  // namespace lur
