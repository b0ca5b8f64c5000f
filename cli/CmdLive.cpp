#include "cli/CmdLive.h"

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <type_traits>
#include <variant>

#include "cli/LiveAnalogTwin.h"
#include "cli/LiveLoopTwin.h"
#include "cli/LiveModuleTwins.h"
#include "cli/LiveNetworkTwin.h"
#include "shell/TDumpNode.h"
#include "cli/TLurctlOptions.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "link/TWaiter.h"
#include "model/TConfiguration.h"
#include "session/TLivePoller.h"
#include "session/TSession.h"
#include "ui/TPollTimer.h"

namespace lur {
namespace {

// Set by Ctrl+C; the poll under way finishes, then the run ends.
volatile std::sig_atomic_t gInterrupted = 0;

void OnInterrupt(int) {
  gInterrupted = 1;
  // A second Ctrl+C ends a run that no longer listens.
  std::signal(SIGINT, SIG_DFL);
}

// Catches Ctrl+C for the length of a run and puts the previous handler back.
class TInterruptCatcher {
 public:
  TInterruptCatcher() {
    gInterrupted = 0;
    previous_ = std::signal(SIGINT, OnInterrupt);
  }
  ~TInterruptCatcher() { std::signal(SIGINT, previous_ == SIG_ERR ? SIG_DFL : previous_); }
  TInterruptCatcher(const TInterruptCatcher&) = delete;
  TInterruptCatcher& operator=(const TInterruptCatcher&) = delete;

  bool Interrupted() const { return gInterrupted != 0; }

 private:
  void (*previous_)(int) = SIG_DFL;
};

// The window timer of the command line: a loop that sleeps until the next
// tick falls due, in short slices so that Ctrl+C is noticed between polls.
class TLoopPollTimer : public TPollTimer {
 public:
  static constexpr int kSliceMs = 50;

  explicit TLoopPollTimer(TWaiter& waiter) : waiter_(waiter) {}

  void Start(int periodMs) override {
    period_ = std::max(1, periodMs);
    due_ = waiter_.NowMs() + period_;
    active_ = true;
  }
  void Stop() override { active_ = false; }
  bool IsActive() const override { return active_; }

  // Fires the ticks as they fall due until the timer is stopped or stop()
  // says so.
  template <class StopCheck>
  void Run(const StopCheck& stop) {
    while (active_ && !stop()) {
      const std::int64_t now = waiter_.NowMs();
      if (now < due_) {
        waiter_.SleepMs(static_cast<int>(std::min<std::int64_t>(due_ - now, kSliceMs)));
        continue;
      }
      // Start to start, as a window timer runs; ticks a long poll overran
      // are dropped, not fired in a burst.
      due_ += period_;
      if (due_ <= now) due_ = now + period_;
      lastTickMs_ = now;
      Tick();
    }
  }

  std::int64_t LastTickMs() const { return lastTickMs_; }

 private:
  TWaiter& waiter_;
  int period_ = 1;
  std::int64_t due_ = 0;
  std::int64_t lastTickMs_ = 0;
  bool active_ = false;
};

bool ParseCount(const std::string& text, int& value) {
  if (text.empty() || text.size() > 9) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  value = std::atoi(text.c_str());
  return value > 0;
}

std::string JsonValue(const TLiveCell& cell) {
  return std::visit(
      [](const auto& v) -> std::string {
        using V = std::decay_t<decltype(v)>;
        if constexpr (std::is_same_v<V, std::int64_t>) {
          return TDumpNode::Number(static_cast<long long>(v)).Literal();
        } else if constexpr (std::is_same_v<V, double>) {
          return TDumpNode::Real(v).Literal();
        } else if constexpr (std::is_same_v<V, bool>) {
          return TDumpNode::Bool(v).Literal();
        } else if constexpr (std::is_same_v<V, TLiveBits>) {
          std::string list = "[";
          for (std::size_t i = 0; i < v.bits.size(); ++i) list += (i ? "," : "") + TDumpNode::Bool(v.bits[i]).Literal();
          return list + "]";
        } else {
          return JsonString(v);
        }
      },
      cell.value);
}

// A value of a text line: texts as they are unless a blank, a quote or an
// equals sign would make the line ambiguous.
std::string LineValue(const TLiveCell& cell) {
  if (const auto* text = std::get_if<std::string>(&cell.value)) {
    const bool plain = !text->empty() && text->find_first_of(" \t\"=") == std::string::npos;
    return plain ? *text : JsonString(*text);
  }
  // One word a signal, separated by commas.
  if (const auto* row = std::get_if<TLiveBits>(&cell.value)) {
    std::string words;
    for (std::size_t i = 0; i < row->bits.size(); ++i) words += (i ? "," : "") + (row->bits[i] ? row->onWord : row->offWord);
    return words;
  }
  return JsonValue(cell);
}

void PrintPoll(std::ostream& out, const TLiveOptions& options, int poll, std::int64_t ms,
               const std::vector<TLiveCell>& cells) {
  if (options.json) {
    out << "{\"view\":" << JsonString(options.view) << ",\"poll\":" << poll << ",\"ms\":" << ms << ",\"cells\":{";
    for (std::size_t i = 0; i < cells.size(); ++i) {
      out << (i ? "," : "") << JsonString(cells[i].name) << ':' << JsonValue(cells[i]);
    }
    out << "}}\n";
  } else {
    out << "poll=" << poll << " ms=" << ms;
    for (const TLiveCell& cell : cells) out << ' ' << cell.name << '=' << LineValue(cell);
    out << '\n';
  }
  out.flush();
}

}  // namespace

TLiveRegistry ProgramLiveViews() {
  // Each live window's twin is listed here by the window that owns it.
  return {ModuleInputsTwin(), ModuleOutputsTwin(), LoopOnLineTwin(), AnalogCalibrationTwin(), NetworkLiveTwin()};
}

const TLiveTwin* FindLiveTwin(const TLiveRegistry& registry, std::string_view name) {
  for (const TLiveTwin& twin : registry) {
    if (twin.name == name) return &twin;
  }
  return nullptr;
}

std::optional<TLiveOptions> ParseLiveOptions(const std::vector<std::string>& args, std::string& error) {
  if (args.empty() || args[0].empty() || args[0][0] == '-') {
    error = "live needs a view";
    return std::nullopt;
  }
  TLiveOptions o;
  o.view = args[0];
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--json") {
      o.json = true;
    } else if (a == "--interval" || a == "--count") {
      int value = 0;
      if (i + 1 >= args.size() || !ParseCount(args[i + 1], value)) {
        error = a == "--interval" ? "--interval takes a period in ms, 1 or more" : "--count takes a number, 1 or more";
        return std::nullopt;
      }
      (a == "--interval" ? o.intervalMs : o.count) = value;
      ++i;
    } else {
      o.viewArguments.push_back(a);
    }
  }
  return o;
}

int ListLiveViews(const TLiveRegistry& registry, std::ostream& err) {
  err << "usage: lurctl live VIEW [--interval MS] [--count K] [--json]\n";
  if (registry.empty()) {
    err << "no live views are registered\n";
  } else {
    err << "views:\n";
    for (const TLiveTwin& twin : registry) err << "  " << twin.name << "  " << twin.summary << '\n';
  }
  return 2;
}

int CheckLiveArguments(const TLiveRegistry& registry, const std::vector<std::string>& args, std::ostream& err) {
  std::string error;
  const std::optional<TLiveOptions> options = ParseLiveOptions(args, error);
  if (options && FindLiveTwin(registry, options->view)) return 0;
  if (options) error = "unknown view " + options->view;
  err << "lurctl: " << error << '\n';
  return ListLiveViews(registry, err);
}

int RunLiveView(const TLiveRegistry& registry, const std::vector<std::string>& args, TSession& session,
                TWaiter& waiter, std::ostream& out, std::ostream& err) {
  if (const int refused = CheckLiveArguments(registry, args, err)) return refused;
  std::string error;
  const TLiveOptions options = *ParseLiveOptions(args, error);
  const TLiveTwin& twin = *FindLiveTwin(registry, options.view);
  std::unique_ptr<TLiveView> view = twin.make(session, options.viewArguments, error);
  if (!view) {
    err << "lurctl: " << options.view << ": " << error << '\n';
    return 2;
  }
  if (twin.prepare) {
    if (const int refused = twin.prepare(*view, session, error)) {
      err << "lurctl: " << options.view << ": " << error << '\n';
      return refused;
    }
  }

  TLoopPollTimer timer(waiter);
  TLivePoller poller(session, timer, *view);
  if (options.intervalMs > 0) poller.SetPeriodMs(options.intervalMs);
  const std::int64_t startMs = waiter.NowMs();
  int polls = 0;
  bool failed = false;
  poller.SetAfterPoll([&](int code) {
    ++polls;
    if (code != 0) {
      failed = true;  // its message is already on stderr
    } else {
      PrintPoll(out, options, polls, timer.LastTickMs() - startMs, view->Cells());
    }
    if (options.count > 0 && polls >= options.count) poller.Close();
  });

  TInterruptCatcher interrupt;
  poller.Show();
  timer.Run([&interrupt] { return interrupt.Interrupted(); });
  poller.Close();
  return failed ? 1 : 0;
}

int RunLive(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui) {
  // A live view changes nothing in the configuration; its controller gets
  // one of its own, at the construction defaults.
  auto config = std::make_unique<TConfiguration>();
  TFixedAddressing addressing(options.device - 1, options.device - 1);
  TSession session{*config, link, ui, addressing};
  return RunLiveView(ProgramLiveViews(), options.arguments, session, link.Waiter(), std::cout, std::cerr);
}

}  // namespace lur
