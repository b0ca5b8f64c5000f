#pragma once
// lurctl live: a live window's twin on the command line. It runs the
// window's own controller through the same poller, so the requests, their
// order and the period are the window's; each poll prints one line (or one
// JSON object), and the run ends after --count polls, on Ctrl+C (exit 0), or
// when a failure switches polling off (the window's message on stderr, exit
// 1).
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "session/TLiveView.h"

namespace lur {

class TComPortClass;
class TUserInterface;
class TWaiter;
struct TLurctlOptions;
struct TSession;

// A live window as lurctl knows it.
struct TLiveTwin {
  std::string name;     // the VIEW argument
  std::string summary;  // its line in the list of views
  // Builds the window's controller over the session; args are the view's own
  // arguments (those the frame does not take). On a mistake: nullptr, with
  // error saying why.
  std::function<std::unique_ptr<TLiveView>(TSession& session, const std::vector<std::string>& args,
                                           std::string& error)>
      make;
  // Twins that must ask the controller before the first poll (a module view
  // finds its module from the identity) do it here, once, after make: 0, or
  // the exit code (1) with error saying why.
  std::function<int(TLiveView& view, TSession& session, std::string& error)> prepare = nullptr;
};

using TLiveRegistry = std::vector<TLiveTwin>;

// The program's live windows, in the order lurctl lists them.
TLiveRegistry ProgramLiveViews();

const TLiveTwin* FindLiveTwin(const TLiveRegistry& registry, std::string_view name);

struct TLiveOptions {
  std::string view;
  int intervalMs = 0;  // 0: the window's own period
  int count = 0;       // 0: until stopped
  bool json = false;
  std::vector<std::string> viewArguments;
};

// `VIEW [--interval MS] [--count K] [--json] [the view's own arguments]`.
std::optional<TLiveOptions> ParseLiveOptions(const std::vector<std::string>& args, std::string& error);

// The views lurctl knows, one a line, on err; returns 2 (a usage error).
int ListLiveViews(const TLiveRegistry& registry, std::ostream& err);

// Runs the view the arguments name over the session, on the waiter's time
// (the link's). 0 after --count polls or Ctrl+C, 1 after a failed poll (its
// box is on the session's user) or a refusal of the view's preparation, 2 for a usage error or an unknown view (the
// registered views are listed on err).
int RunLiveView(const TLiveRegistry& registry, const std::vector<std::string>& args, TSession& session,
                TWaiter& waiter, std::ostream& out, std::ostream& err);

// 0 when the arguments are well formed and name a registered view;
// otherwise says why and lists the views on err, and returns 2. lurctl checks
// this before it opens the port.
int CheckLiveArguments(const TLiveRegistry& registry, const std::vector<std::string>& args, std::ostream& err);

// `lurctl live`, over the link lurctl opened for the device of the options.
int RunLive(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui);

}  // namespace lur
