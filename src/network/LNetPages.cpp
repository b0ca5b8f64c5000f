#include "network/LNetPages.h"

#include <algorithm>

#include "model/ModuleTypes.h"

namespace lur::lnet_pages {
namespace {

TPageData WithNumber(std::uint8_t page, const std::uint8_t* bytes, std::size_t count) {
  TPageData data(1 + count);
  data[0] = page;
  std::copy(bytes, bytes + count, data.begin() + 1);
  return data;
}

template <class Image>
TPageData AsData(const Image& image) {
  return TPageData(image.begin(), image.end());
}

}  // namespace

int NetworkStart(const TConfiguration& cfg) { return cfg.Serv.GetDiCount() + 4 * cfg.Serv.GetAiCount(); }

int FirstBasePage(const TConfiguration& cfg) {
  return std::clamp(NetworkStart(cfg) / TProgLurClass::kRecordsPerPage, 0, kBasePages);
}

int FirstTextPage(const TConfiguration& cfg) {
  return std::clamp(NetworkStart(cfg) / TServClass::kInputTextsPerPage, 0, kTextPages);
}

int GroupCount(const TConfiguration& cfg) {
  return std::clamp(TProgMBMClass::kGroupCount - cfg.Serv.GetAiModuleCount(), 0, TProgMBMClass::kGroupCount);
}

TPageData GroupPage(const TConfiguration& cfg, int g) {
  return AsData(cfg.MBM.GetGroupPageData(g, cfg.Serv.GetAiModuleCount() + g + 1));
}

bool GroupsDiffer(const TConfiguration& cfg) {
  for (int g = 0; g < GroupCount(cfg); ++g) {
    if (cfg.MBM.GetGroup(g) != cfg.Reserv.ResMBM[static_cast<std::size_t>(g)]) return true;
  }
  return false;
}

TPageData ExchangeTablePage(const TConfiguration& cfg) { return AsData(cfg.MBM.GetTablePageData()); }

TPageData BasePage(TConfiguration& cfg, int k) {
  cfg.Lur.LoadPage(k);
  const auto& page = cfg.Lur.GetPage();
  return WithNumber(static_cast<std::uint8_t>(kFirstBasePage + k), page.data(), page.size());
}

TPageData TextPage(TConfiguration& cfg, int q) {
  cfg.Serv.FetchInputTextPage(q);
  const auto page = cfg.Serv.GetInputTextPage();
  return WithNumber(static_cast<std::uint8_t>(kFirstTextPage + q), page.data(), page.size());
}

TPageData FBPage(TConfiguration& cfg, int p) {
  cfg.FB.LoadPage(p);
  const auto& page = cfg.FB.PageBuffer();
  return WithNumber(static_cast<std::uint8_t>(kFirstFBPage + p), page.data(), page.size());
}

TPageData F15Page(const TConfiguration& cfg) {
  const auto data = cfg.F15.GetPageData();
  return TPageData(data.begin(), data.begin() + TProgF15Class::GetF15Length());
}

std::vector<int> ChangedFBPages(const TConfiguration& cfg) {
  std::vector<int> pages;
  const int capacity = std::min(cfg.FB.Capacity(), TReservBlocksClass::kBlocks);
  const int perPage = TProgFBClass::kRecordsPerPage;
  for (int p = 0; p * perPage < capacity; ++p) {
    for (int i = p * perPage; i < std::min(capacity, (p + 1) * perPage); ++i) {
      if (cfg.FB.GetRecord(i) != cfg.Reserv.ResFB[static_cast<std::size_t>(i)]) {
        pages.push_back(p);
        break;
      }
    }
  }
  return pages;
}

void ReserveBasePage(TConfiguration& cfg, int k) {
  const auto& records = cfg.Lur.GetRecords();
  const int per = TProgLurClass::kRecordsPerPage;
  for (int i = k * per; i < (k + 1) * per && i < TReservBlocksClass::kInputSignals; ++i) {
    cfg.Reserv.ResDiskr[static_cast<std::size_t>(i)] = records[static_cast<std::size_t>(i)];
  }
}

void ReserveTextPage(TConfiguration& cfg, int q) {
  const auto& texts = cfg.Serv.GetInputTexts();
  const int per = TServClass::kInputTextsPerPage;
  for (int i = q * per; i < (q + 1) * per && i < TReservBlocksClass::kInputSignals; ++i) {
    cfg.Reserv.ResInputTexts[static_cast<std::size_t>(i)] = texts[static_cast<std::size_t>(i)];
  }
  // The page is in the controller: no longer listed as unsent.
  cfg.Serv.UnsentInputTextPages &= ~(1 << q);
}

void ReserveFBPage(TConfiguration& cfg, int p) {
  const int per = TProgFBClass::kRecordsPerPage;
  for (int i = p * per; i < (p + 1) * per && i < TReservBlocksClass::kBlocks; ++i) {
    cfg.Reserv.ResFB[static_cast<std::size_t>(i)] = cfg.FB.GetRecord(i);
  }
}

bool HasLoopModule(const TConfiguration& cfg) {
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (cfg.Serv.GetModuleType(slot) == kModuleControlLoop) return true;
  }
  return false;
}

}  // namespace lur::lnet_pages
