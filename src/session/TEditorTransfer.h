#pragma once
// An editor's own exchange with the controller, written once for every
// editor: the editor lists its pages and says how a page goes into its table
// and out of it; the transfer reads, writes, discards and asks on closing.
//
// - A read goes into a scratch copy of the table and is taken only after its
//   last page: a failure leaves memory (and so the caption and the view)
//   exactly as it was, with one box.
// - A write sends every page through the link's page writer; the modified
//   flag is cleared and the reserve takes what was written only after the
//   controller confirmed the last page. A failure leaves memory as edited,
//   the flag set and the reserve untouched, with one box.
// - A discard restores only this editor's data, from its own reserve area.
#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <utility>
#include <vector>

#include "model/Protocol.h"
#include "session/AccessGate.h"
#include "session/EditorTransferSteps.h"
#include "session/TSession.h"

namespace lur {

enum class TransferOutcome {
  Done,        // every page taken, or every page written and confirmed
  Failed,      // a request failed, or the controller cannot take the data; its one box has been shown
  NotAllowed,  // the limited access level: its warning was shown, nothing sent
  Declined,    // the user chose not to send unchanged data
  FileMode,    // the configuration is a file's: nothing is exchanged
};

// What an editor tells the transfer about its data.
template <class Table>
struct TEditorPages {
  Table& table;  // the editor's table in the configuration
  int& modified;  // the editor's modified flag
  // The pages in transfer order, for the table as it stands (a count may
  // depend on it, as the function blocks' does).
  std::function<std::vector<std::uint8_t>(const Table&)> pages;
  // Takes the answer frame of a page read into t (a scratch copy during a
  // read); false when the answer does not hold that page.
  std::function<bool(Table& t, std::uint8_t page, std::span<const std::uint8_t> answer)> load;
  // The data of the page's write: the page number followed by its bytes.
  std::function<std::vector<std::uint8_t>(Table& t, std::uint8_t page)> store;
  // The editor's reserve area: taken from the table after a confirmed write
  // or a complete read, put back on a discard.
  std::function<void(const Table& t, TReservBlocksClass& reserve)> saveReserve;
  std::function<void(Table& t, const TReservBlocksClass& reserve)> restoreReserve;
  // Optional: a refused page read that completes the read instead of failing
  // it (a 60-block controller answers page 26 with exception 3); it may adjust
  // the scratch copy and tell the user. True: the pages read so far are the
  // whole table.
  std::function<bool(Table& t, std::uint8_t page, int code)> endsRead = {};
  // Optional: runs when a write has been decided on, before its first page
  // (one progress step is its own). It may shorten the pages to what the
  // controller holds (a 60-block controller takes 6), or stop the write:
  // false when it has told the user why; nothing is sent, nothing changes.
  std::function<bool(Table& t, std::vector<std::uint8_t>& pages)> beforeWrite = {};
  // Progress bar: its maximum, and its step per page (0: the maximum spread
  // over the pages).
  int progressMaximum = 120;
  int progressStep = 0;
  // Whether a write of unchanged data asks "Данные не были изменены.Передавать?".
  bool askWhenUnchanged = true;
};

template <class Table>
class TEditorTransfer {
 public:
  TEditorTransfer(TSession& session, TEditorPages<Table> pages) : session_(session), d_(std::move(pages)) {}

  // "Ввод с СОМ-порта": every page into a scratch copy, taken when complete.
  TransferOutcome Read() {
    if (session_.config.Serv.FileMode == 1) return TransferOutcome::FileMode;
    auto scratch = std::make_unique<Table>(d_.table);
    const std::vector<std::uint8_t> pages = d_.pages(*scratch);
    TTransferProgress progress(session_.ui, d_.progressMaximum, Step(pages.size()));
    std::array<std::uint8_t, kAnswerCapacity> answer{};
    for (const std::uint8_t page : pages) {
      progress.Step();
      int code = transfer_steps::ReadPage(session_, page, answer);
      if (code != 0 && d_.endsRead && d_.endsRead(*scratch, page, code)) break;
      // A page that does not fit its table is as useless as no answer.
      if (code == 0 && !d_.load(*scratch, page, answer)) code = kResultBadData;
      if (code != 0) {
        transfer_steps::ReportFailure(session_, code);
        return TransferOutcome::Failed;
      }
    }
    d_.table = std::move(*scratch);
    // Memory now holds what the controller holds: nothing left to send, and
    // a later discard returns here.
    d_.modified = 0;
    d_.saveReserve(d_.table, session_.config.Reserv);
    return TransferOutcome::Done;
  }

  // "Вывод на СОМ-порт": every page with its completion poll.
  TransferOutcome Write() {
    if (!OutputAllowed(session_)) return TransferOutcome::NotAllowed;
    if (session_.config.Serv.FileMode == 1) return TransferOutcome::FileMode;
    if (d_.modified == 0 && d_.askWhenUnchanged && !transfer_steps::ConfirmUnchangedWrite(session_)) {
      return TransferOutcome::Declined;
    }
    std::vector<std::uint8_t> pages = d_.pages(d_.table);
    TTransferProgress progress(session_.ui, d_.progressMaximum, Step(pages.size()));
    if (d_.beforeWrite) {
      progress.Step();
      if (!d_.beforeWrite(d_.table, pages)) return TransferOutcome::Failed;
    }
    for (const std::uint8_t page : pages) {
      progress.Step();
      const std::vector<std::uint8_t> data = d_.store(d_.table, page);
      if (transfer_steps::WritePage(session_, data) != 0) return TransferOutcome::Failed;
    }
    d_.modified = 0;
    d_.saveReserve(d_.table, session_.config.Reserv);
    return TransferOutcome::Done;
  }

  // Puts the editor's data back as the reserve holds it; other editors'
  // data stay as they are.
  void Discard() {
    d_.restoreReserve(d_.table, session_.config.Reserv);
    d_.modified = 0;
  }

  // The editor is being closed: true when it may close. Unchanged data close
  // at once; in file mode the configuration is marked for saving; otherwise
  // the user chooses to send (the editor closes whatever the write's outcome,
  // a failed one leaving the change marked), to discard, or to stay.
  bool CloseQuery() {
    if (d_.modified == 0) return true;
    if (session_.config.Serv.FileMode == 1) {
      session_.config.Serv.Modified = 1;
      return true;
    }
    switch (transfer_steps::AskOnClose(session_)) {
      case transfer_steps::CloseChoice::Send: Write(); return true;
      case transfer_steps::CloseChoice::Discard: Discard(); return true;
      case transfer_steps::CloseChoice::Stay: return false;
    }
    return false;
  }

  Table& table() { return d_.table; }

 private:
  int Step(std::size_t pageCount) const {
    if (d_.progressStep > 0) return d_.progressStep;
    return std::max(1, d_.progressMaximum / static_cast<int>(std::max<std::size_t>(1, pageCount)));
  }

  TSession& session_;
  TEditorPages<Table> d_;
};

}  // namespace lur
