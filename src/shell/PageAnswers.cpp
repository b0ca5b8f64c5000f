#include "shell/PageAnswers.h"

#include <algorithm>

#include "model/PageCatalogue.h"
#include "model/Protocol.h"

namespace lur {

bool LoadPageAnswer(TConfiguration& c, std::span<const std::uint8_t> answer) {
  if (answer.size() < 4) return false;
  const int page = answer[3];
  if (page >= page::kFirstModule && page < page::kFirstModule + page::kModuleCount) {
    const int slot = page - page::kFirstModule;
    const int analogModules = c.Serv.GetAiModuleCount();
    return slot < analogModules ? c.MBA.LoadBlockFromAnswer(answer, page)
                                : c.MBM.PutGroupFromAnswer(slot - analogModules, answer, page);
  }
  if (page == TProgMRClass::kPage) return c.MR.PutMRFromAnswer(fn::kReadPage, answer);
  if (page == TProgMBMClass::kTablePage) return c.MBM.PutTableFromAnswer(answer);
  if (page == TProgF15Class::kPage) return c.F15.PutF15FromAnswer(answer);
  if (page >= TProgLurClass::kFirstPage && page < TProgLurClass::kFirstPage + TProgLurClass::kPageCount) {
    const int k = page - TProgLurClass::kFirstPage;
    return c.Lur.PutPageFromAnswer(answer, k) && c.Lur.StorePage(k);
  }
  if (page >= TProgFBClass::kFirstPageCode && page < TProgFBClass::kFirstPageCode + TProgFBClass::kPageCount) {
    const int p = page - TProgFBClass::kFirstPageCode;
    return c.FB.PutPageFromAnswer(answer, p) && c.FB.StorePage(p);
  }
  if (page == TProgRegClass::RegPage || page == TProgRegClass::PZPage) {
    return c.Reg.PutPageFromAnswer(answer, static_cast<std::uint8_t>(page)) && c.Reg.LoadPage(page);
  }
  if (page == TProgMBAClass::kUnitsPage) return c.MBA.LoadUnitsFromAnswer(answer);
  if (page >= TServClass::kFirstInputTextPage &&
      page < TServClass::kFirstInputTextPage + TServClass::kInputTextPageCount) {
    const int p = page - TServClass::kFirstInputTextPage;
    return c.Serv.LoadInputTextPageFromAnswer(answer, p) && c.Serv.StoreInputTextPage(p);
  }
  if (page == TProgLurClass::kTipDatPage) {
    if (!c.Lur.PutTipDatFromAnswer(answer)) return false;
    c.Lur.UnpackTipDat();
    return true;
  }
  return false;
}

std::vector<std::uint8_t> PageAnswerFrame(const TPageImage& image) {
  // Sized once: address, function, count, page, the bytes, a CRC left zero.
  std::vector<std::uint8_t> frame(4 + image.bytes.size() + 2, 0);
  frame[0] = 1;
  frame[1] = fn::kReadPage;
  frame[2] = static_cast<std::uint8_t>(image.bytes.size() + 1);
  frame[3] = image.page;
  std::copy(image.bytes.begin(), image.bytes.end(), frame.begin() + 4);
  return frame;
}

}  // namespace lur
