#include "loops/LoopPages.h"

#include <algorithm>
#include <vector>

namespace lur {
namespace {

constexpr int kProgressMaximum = 120;
constexpr int kProgressStep = 30;

}  // namespace

TEditorPages<TProgRegClass> LoopPages(TSession& session) {
  TEditorPages<TProgRegClass> d{
      .table = session.config.Reg,
      .modified = session.config.Reg.RegModified,
      .pages =
          [](const TProgRegClass&) {
            return std::vector<std::uint8_t>{TProgRegClass::RegPage, TProgRegClass::PZPage};
          },
      .load =
          [](TProgRegClass& t, std::uint8_t page, std::span<const std::uint8_t> answer) {
            // A read speaks for every record the controller holds.
            t.RegRecordWork = t.RegRecordCount;
            return t.PutPageFromAnswer(answer, page) && t.LoadPage(page);
          },
      .store =
          [](TProgRegClass& t, std::uint8_t page) {
            t.StorePage(page);
            const auto& bytes = t.PageBuffer();
            std::vector<std::uint8_t> data(1 + bytes.size());
            data[0] = page;
            std::copy(bytes.begin(), bytes.end(), data.begin() + 1);
            return data;
          },
      .saveReserve = [](const TProgRegClass& t, TReservBlocksClass& r) { r.ResReg = t.GetFileBlock(); },
      .restoreReserve = [](TProgRegClass& t, const TReservBlocksClass& r) { t.PutFileBlock(r.ResReg); },
  };
  d.progressMaximum = kProgressMaximum;
  d.progressStep = kProgressStep;
  return d;
}

}  // namespace lur
