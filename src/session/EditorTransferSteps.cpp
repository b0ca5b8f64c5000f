#include "session/EditorTransferSteps.h"

#include <string>

#include "link/TPageWriter.h"
#include "model/Protocol.h"
#include "session/LinkReports.h"
#include "session/TSession.h"

namespace lur::transfer_steps {

int ReadPage(TSession& session, std::uint8_t page, std::span<std::uint8_t> answer) {
  return session.link.Transact(session.addressing.AddressIndex(), fn::kReadPage, 1, &page, answer);
}

void ReportFailure(TSession& session, int code) {
  ReportLinkError(session.ui, session.link, session.addressing.AddressIndex(), code);
}

int WritePage(TSession& session, std::span<const std::uint8_t> data) {
  // Reported once, by the session's page write.
  return lur::WritePage(session.ui, session.link, session.addressing, data);
}

bool ConfirmUnchangedWrite(TSession& session) {
  const MsgAnswer answer =
      session.ui.Message({std::string(kUnchangedWriteQuestion), std::string(kConfirmTransferCaption),
                          MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No});
  return answer == MsgAnswer::Yes;
}

CloseChoice AskOnClose(TSession& session) {
  const MsgAnswer answer =
      session.ui.Message({std::string(kChangedOnCloseQuestion), std::string(kConfirmTransferCaption),
                          MsgIcon::Question, MsgButtons::YesNoCancel, MsgAnswer::No});
  switch (answer) {
    case MsgAnswer::Yes: return CloseChoice::Send;
    case MsgAnswer::No: return CloseChoice::Discard;
    default: return CloseChoice::Stay;
  }
}

}  // namespace lur::transfer_steps
