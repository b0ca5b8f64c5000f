#pragma once
// How an editor records a change: its own modified flag always, and in file
// mode the configuration's `Modified` as well, so the file is offered for
// saving (texts count like any other change).
namespace lur {

struct TSession;

void MarkEdited(TSession& session, int& modifiedFlag);

}  // namespace lur
