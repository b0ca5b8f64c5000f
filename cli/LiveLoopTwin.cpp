#include "cli/LiveLoopTwin.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <optional>
#include <string>

#include "cli/CmdWrite.h"
#include "link/TComPortClass.h"
#include "loops/TFormRegOnLineController.h"
#include "session/LinkReports.h"
#include "session/TSession.h"
#include "shell/TAccessLevel.h"
#include "shell/TConfigTransfer.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "shell/TShellContext.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

enum class TLoopChange { None, SP, OUT, Auto, AP, Step };

struct TLoopArguments {
  int loop = 0;  // 1-based
  std::string configFile;
  TLoopChange change = TLoopChange::None;
  std::string value;  // --sp / --out text
  bool on = false;    // --auto, --ap on; --step up
  int panel = 1;
  std::string password;
  std::string passwordFile = DefaultPasswordFile();
};

const char* const kLoopUsage =
    "takes N [--config FILE] [--sp V | --out V | --auto on|off | --ap on|off | --step up|down] [--panel 1|2] "
    "[--password TEXT] [--password-file PATH]";

bool ParseInt(const std::string& text, int low, int high, int& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && value >= low && value <= high;
}

bool ParseArguments(const std::vector<std::string>& args, TLoopArguments& a, std::string& error) {
  bool haveLoop = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    const bool hasValue = i + 1 < args.size();
    auto change = [&](TLoopChange kind, const char* onWord, const char* offWord) {
      if (!hasValue || a.change != TLoopChange::None) return false;
      const std::string& v = args[++i];
      a.change = kind;
      if (onWord == nullptr) {
        a.value = v;
        std::replace(a.value.begin(), a.value.end(), '.', ',');
        return true;
      }
      a.on = v == onWord;
      return v == onWord || v == offWord;
    };
    bool ok = true;
    if (name == "--config") {
      ok = hasValue && a.configFile.empty();
      if (ok) a.configFile = args[++i];
    } else if (name == "--sp") {
      ok = change(TLoopChange::SP, nullptr, nullptr);
    } else if (name == "--out") {
      ok = change(TLoopChange::OUT, nullptr, nullptr);
    } else if (name == "--auto") {
      ok = change(TLoopChange::Auto, "on", "off");
    } else if (name == "--ap") {
      ok = change(TLoopChange::AP, "on", "off");
    } else if (name == "--step") {
      ok = change(TLoopChange::Step, "up", "down");
    } else if (name == "--panel") {
      ok = hasValue && ParseInt(args[++i], 1, 2, a.panel);
    } else if (name == "--password") {
      ok = hasValue;
      if (ok) a.password = args[++i];
    } else if (name == "--password-file") {
      ok = hasValue;
      if (ok) a.passwordFile = args[++i];
    } else if (!haveLoop && ParseInt(name, 1, TProgRegClass::kRecords, a.loop)) {
      haveLoop = true;
    } else {
      ok = false;
    }
    if (!ok) {
      error = kLoopUsage;
      return false;
    }
  }
  if (!haveLoop) error = kLoopUsage;
  return haveLoop;
}

struct TLoopView : TFormRegOnLineController {
  TLoopView(TSession& session, TLoopArguments arguments)
      : TFormRegOnLineController(session), a(std::move(arguments)) {}
  TLoopArguments a;
};

// The configuration the window's opener has: the file's, or the controller's
// as the main window reads it.
bool LoadConfiguration(const TLoopArguments& a, TSession& session, std::string& error) {
  TMainState state;
  const std::function<void()> noRefresh;
  if (!a.configFile.empty()) {
    if (TFileOperations(session.config, session.ui, state, noRefresh, noRefresh).OpenFile(a.configFile))
      return true;
    error = "the configuration file could not be opened";
    return false;
  }
  TShellContext context{session.config, session.link, session.ui, state, noRefresh, noRefresh};
  TConfigTransfer transfer(context);
  transfer.CBoxUstrClick(session.addressing.AddressIndex() + 1);
  if (transfer.InPortButClick()) return true;
  error = "the configuration could not be read";
  return false;
}

// The change, through the window's operations: 0, or 1 with error saying why
// when the operation refused it (its own box, if any, is already shown).
int MakeChange(TLoopView& view, std::string& error) {
  const TLoopArguments& a = view.a;
  const int panel = a.panel - 1;
  if (panel >= static_cast<int>(view.Panels().size())) {
    error = "loop " + std::to_string(a.loop) + " has no panel " + std::to_string(a.panel);
    return 1;
  }
  bool done = false;
  switch (a.change) {
    case TLoopChange::None:
      return 0;
    case TLoopChange::SP:
    case TLoopChange::OUT: {
      const bool sp = a.change == TLoopChange::SP;
      view.PanelRightClick(panel);
      if (!(sp ? view.ChangeSPClick() : view.ChangeOUTClick())) {
        error = sp ? "\"Изменить SP\" is disabled: the regulator is in manual mode"
                   : "\"Изменить OUT\" is disabled: the regulator is in automatic mode";
        return 1;
      }
      done = view.EditTextExit(a.value);
      break;
    }
    case TLoopChange::Auto:
      done = view.AutoSwitchClick(panel, a.on);
      break;
    case TLoopChange::AP:
      done = view.APSwitchClick(panel, a.on);
      if (!done && a.on && view.Panels()[static_cast<std::size_t>(panel)].ap != true) {
        error = "\"AP\" is taken only in automatic mode, on a setter loop or a cascade's inner regulator";
        return 1;
      }
      break;
    case TLoopChange::Step:
      done = view.StepClick(panel, a.on);
      break;
  }
  if (done) return 0;
  if (error.empty()) error = "the change was not made";
  return 1;
}

}  // namespace

TLiveTwin LoopOnLineTwin() {
  TLiveTwin twin;
  twin.name = "loop";
  twin.summary =
      "N [--config FILE] [--sp V|--out V|--auto on|off|--ap on|off|--step up|down] [--panel 1|2] "
      "[--password TEXT]: control loop N on line (FormRegOnLine)";
  twin.make = [](TSession& session, const std::vector<std::string>& args,
                 std::string& error) -> std::unique_ptr<TLiveView> {
    TLoopArguments a;
    if (!ParseArguments(args, a, error)) return nullptr;
    return std::make_unique<TLoopView>(session, std::move(a));
  };
  twin.prepare = [](TLiveView& live, TSession& session, std::string& error) {
    auto& view = static_cast<TLoopView&>(live);
    const TLoopArguments& a = view.a;
    bool fullAccess = false;
    if (a.change != TLoopChange::None) {
      const TPasswordCheck access = TAccessLevel::CheckPassword(a.password, a.passwordFile);
      if (!access.accepted) {
        ShowError(session.ui, "Введенный пароль неверен");
        error = "the password was refused";
        return 1;
      }
      fullAccess = access.fullAccess;
    }
    if (!LoadConfiguration(a, session, error)) return 1;
    session.config.Lur.FullAccess = fullAccess ? 1 : 0;
    session.link.SetAccessQuery([fullAccess] { return fullAccess; });
    if (!view.Open(a.loop - 1)) {
      error = "the configuration holds no loop " + std::to_string(a.loop);
      return 1;
    }
    if (a.change == TLoopChange::None) return 0;
    // The window changes what a poll has shown: the modes decide what may
    // be changed.
    if (const int code = view.Poll()) {
      ReportLinkError(session.ui, session.link, session.addressing.AddressIndex(), code);
      error = "the loop could not be read";
      return 1;
    }
    return MakeChange(view, error);
  };
  return twin;
}

}  // namespace lur
