#include "session/InputTextPages.h"

#include <cstdint>
#include <vector>

#include "model/TServClass.h"
#include "session/AccessGate.h"
#include "session/LinkReports.h"
#include "session/TSession.h"
#include "session/TTransferProgress.h"

namespace lur {
namespace {

constexpr int kProgressMaximum = 100;
constexpr int kProgressStep = 20;

int PageBit(int page) { return 1 << page; }

// The pages to send: the edited one first, then the ones left unsent before,
// in page order.
std::vector<int> PagesToSend(int unsent, int edited) {
  std::vector<int> pages{edited};
  for (int q = 0; q < TServClass::kInputTextPageCount; ++q) {
    if (q != edited && (unsent & PageBit(q)) != 0) pages.push_back(q);
  }
  return pages;
}

}  // namespace

bool WriteInputTextPage(TSession& session, int entry) {
  TServClass& serv = session.config.Serv;
  if (entry < 0 || entry >= kMaxInputSignals) return false;
  const int edited = entry / TServClass::kInputTextsPerPage;
  if (serv.FileMode == 1) {
    // The text lives only in memory until the file is saved.
    serv.Modified = 1;
    return false;
  }
  if (!OutputAllowed(session)) {
    serv.UnsentInputTextPages |= PageBit(edited);
    serv.InputTextsEdited = 1;
    return false;
  }
  serv.UnsentInputTextPages |= PageBit(edited);
  TTransferProgress progress(session.ui, kProgressMaximum, kProgressStep);
  for (const int q : PagesToSend(serv.UnsentInputTextPages, edited)) {
    serv.FetchInputTextPage(q);
    std::vector<std::uint8_t> data{static_cast<std::uint8_t>(TServClass::kFirstInputTextPage + q)};
    const auto page = serv.GetInputTextPage();
    data.insert(data.end(), page.begin(), page.end());
    const int code = WritePage(session.ui, session.link, session.addressing, data);
    progress.Step();
    if (code != 0) {
      serv.InputTextsEdited = 1;
      return false;
    }
    serv.UnsentInputTextPages &= ~PageBit(q);
  }
  serv.InputTextsEdited = 0;
  return true;
}

}  // namespace lur
