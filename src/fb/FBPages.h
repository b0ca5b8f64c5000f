#pragma once
// The function block table as its transfers see it, in one place for the
// editor's F9, F10 and closing and for `lurctl fb`:
// - a read asks for pages 20..31 into a scratch copy that starts as the full
//   table with no algorithms (the controller holds none); a 60-block
//   controller answers page 26 with exception 3, which completes the read at
//   60 blocks with records 60 and above empty ("Прибор  на 60 ФБ", once);
// - a write first probes page 26 to learn what the controller holds, refuses
//   a table with blocks the controller has no room for before any page, and
//   then sends the table's own pages (at most the controller's);
// - the reserve keeps the records and the algorithm data of the last read,
//   write or opened file, which a discard puts back.
#include <string_view>

#include "model/TProgFBClass.h"
#include "session/TEditorTransfer.h"

namespace lur {

inline constexpr std::string_view kSixtyBlockControllerText = "Прибор  на 60 ФБ";

TEditorPages<TProgFBClass> FunctionBlockPages(TSession& session);

}  // namespace lur
