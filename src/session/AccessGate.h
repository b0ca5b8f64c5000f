#pragma once
// The operation side of the access gate: every operation that would change
// the controller asks here before it sends anything. At the limited level the
// user is told once (the words of the transaction's own refusal,
// kNoAccessText) and the change stays in memory, still marked.
namespace lur {

struct TSession;

// True at the full access level. Otherwise shows the warning box and returns
// false; nothing is sent and nothing in memory changes.
bool OutputAllowed(TSession& session);

}  // namespace lur
