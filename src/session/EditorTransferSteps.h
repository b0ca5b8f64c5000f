#pragma once
// The steps of an editor's transfer that do not depend on its table: one
// page request, the one report of a failure, and the two questions.
#include <cstdint>
#include <span>
#include <string_view>

#include "session/TTransferProgress.h"

namespace lur {

struct TSession;

inline constexpr std::string_view kUnchangedWriteQuestion = "Данные не были изменены.Передавать?";
inline constexpr std::string_view kChangedOnCloseQuestion = "Данные были изменены. Передать в прибор?";
inline constexpr std::string_view kConfirmTransferCaption = "Подтвердите передачу данных";

namespace transfer_steps {

// Reads a page (function 0x44) from the device requests go to; the whole
// answer frame lands in answer. 0 or the result code; nothing is reported.
int ReadPage(TSession& session, std::uint8_t page, std::span<std::uint8_t> answer);

// The one box of a failed request, for the device requests go to.
void ReportFailure(TSession& session, int code);

// Writes a page with its completion poll; data is the page number followed by
// the page bytes. 0 when confirmed; a failure has been reported, once.
int WritePage(TSession& session, std::span<const std::uint8_t> data);

// "Данные не были изменены.Передавать?", No preselected: true for Yes.
bool ConfirmUnchangedWrite(TSession& session);

enum class CloseChoice { Send, Discard, Stay };
// "Данные были изменены. Передать в прибор?" with Yes, No and Cancel, No
// preselected.
CloseChoice AskOnClose(TSession& session);

}  // namespace transfer_steps
}  // namespace lur
