#include "fb/FBPages.h"

#include <algorithm>
#include <array>
#include <string>

#include "model/Protocol.h"
#include "session/EditorTransferSteps.h"
#include "session/FunctionBlockFit.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr int kSixtyBlocks = 60;
constexpr int kIllegalDataValue = 3;  // a 60-block controller's answer to page 26
constexpr std::uint8_t kFirstPage = TProgFBClass::kFirstPageCode;
constexpr std::uint8_t kProbePage = kFirstPage + kSixtyBlocks / TProgFBClass::kRecordsPerPage;
constexpr int kProgressMaximum = 120;
constexpr int kProgressStep = 30;

int PageIndex(std::uint8_t page) { return page - kFirstPage; }

void ClearRecordsFrom(TProgFBClass& fb, int first) {
  for (int i = first; i < TProgFBClass::kSlots; ++i) fb.ClearRecord(i);
}

}  // namespace

TEditorPages<TProgFBClass> FunctionBlockPages(TSession& session) {
  TEditorPages<TProgFBClass> d{
      .table = session.config.FB,
      .modified = session.config.FB.FBModified,
      // Every page a controller may hold; a write cuts them to the table's
      // and the controller's own count before it sends any.
      .pages =
          [](const TProgFBClass&) {
            std::vector<std::uint8_t> pages;
            for (int p = 0; p < TProgFBClass::kPageCount; ++p) pages.push_back(static_cast<std::uint8_t>(kFirstPage + p));
            return pages;
          },
      .load =
          [](TProgFBClass& t, std::uint8_t page, std::span<const std::uint8_t> answer) {
            if (page == kFirstPage) {
              // What the controller answers decides the capacity, and the
              // grouping into algorithms exists in files only.
              t.CapFB = TProgFBClass::MaxFB;
              t.ResetAlgorithms();
            }
            const int p = PageIndex(page);
            return t.PutPageFromAnswer(answer, p) && t.StorePage(p);
          },
      .store =
          [](TProgFBClass& t, std::uint8_t page) {
            t.LoadPage(PageIndex(page));
            const auto& bytes = t.PageBuffer();
            // Sized once: GCC 12 sees a one-byte vector grown by insert as an
            // overflow in Release.
            std::vector<std::uint8_t> data(1 + bytes.size());
            data[0] = page;
            std::copy(bytes.begin(), bytes.end(), data.begin() + 1);
            return data;
          },
      .saveReserve =
          [](const TProgFBClass& t, TReservBlocksClass& r) {
            r.SaveFB(t, t.Capacity());
            r.SaveAlgorithms(t);
          },
      .restoreReserve =
          [](TProgFBClass& t, const TReservBlocksClass& r) {
            r.RestoreFB(t, t.Capacity());
            r.RestoreAlgorithms(t);
          },
  };
  d.endsRead = [&session](TProgFBClass& t, std::uint8_t page, int code) {
    if (page != kProbePage || code != kIllegalDataValue) return false;
    ShowWarning(session.ui, std::string(kSixtyBlockControllerText));
    t.CapFB = kSixtyBlocks;
    // Nothing of an earlier, larger table may pass for the controller's.
    ClearRecordsFrom(t, kSixtyBlocks);
    return true;
  };
  d.beforeWrite = [&session](TProgFBClass& t, std::vector<std::uint8_t>& pages) {
    std::array<std::uint8_t, kAnswerCapacity> answer{};
    int deviceBlocks = TProgFBClass::MaxFB;
    const int code = transfer_steps::ReadPage(session, kProbePage, answer);
    if (code == kIllegalDataValue) {
      ShowWarning(session.ui, std::string(kSixtyBlockControllerText));
      deviceBlocks = kSixtyBlocks;
    } else if (code != kResultOk) {
      transfer_steps::ReportFailure(session, code);
      return false;
    }
    if (!FunctionBlocksFit(session.ui, t, deviceBlocks)) return false;
    const int count = std::min(t.Capacity(), deviceBlocks) / TProgFBClass::kRecordsPerPage;
    pages.resize(static_cast<std::size_t>(std::max(count, 0)));
    return true;
  };
  d.progressMaximum = kProgressMaximum;
  d.progressStep = kProgressStep;
  return d;
}

}  // namespace lur
