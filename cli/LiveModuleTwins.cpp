#include "cli/LiveModuleTwins.h"

#include <array>
#include <charconv>
#include <string>

#include "link/TComPortClass.h"
#include "live/TFormVhDController.h"
#include "live/TFormVyhOnLController.h"
#include "model/ModuleTypes.h"
#include "model/Protocol.h"
#include "session/LinkReports.h"
#include "session/TSession.h"

namespace lur {
namespace {

// The one argument of a module twin, a number; its range is the
// controller's to judge.
bool ParseNumber(const std::vector<std::string>& args, const char* what, int& number, std::string& error) {
  if (args.size() == 1) {
    const std::string& text = args[0];
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (ec == std::errc() && end == text.data() + text.size()) return true;
  }
  error = std::string("takes one ") + what + ", a number";
  return false;
}

// The identity, as the main window's read takes it: the module codes and
// counts the views need. 0, or 1 with error set (a link failure's message
// is already on the user).
int ReadIdentity(TSession& session, std::string& error) {
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  const int device = session.addressing.AddressIndex();
  const int code = session.link.Transact(device, fn::kIdentity, 0, nullptr, answer);
  if (code != kResultOk) {
    ReportLinkError(session.ui, session.link, device, code);
    error = "the identity could not be read";
    return 1;
  }
  if (!session.config.Serv.SetIdentityFromAnswer(fn::kIdentity, answer)) {
    error = "the controller's identity names modules this program does not know";
    return 1;
  }
  session.config.Serv.MakeDefaultInputIds();
  session.config.Serv.MakeDefaultOutputIds();
  return 0;
}

std::string_view TypeAt(const TSession& session, int slot) {
  return ModuleTypeName(session.config.Serv.GetModuleType(slot - 1));
}

}  // namespace

TLiveTwin ModuleInputsTwin() {
  struct View : TFormVhDController {
    View(TSession& session, int position) : TFormVhDController(session), wanted(position) {}
    int wanted;
  };
  TLiveTwin twin;
  twin.name = "inputs";
  twin.summary = "POSITION: the inputs of the discrete input module at position 1..8 (FormVhD)";
  twin.make = [](TSession& session, const std::vector<std::string>& args,
                 std::string& error) -> std::unique_ptr<TLiveView> {
    int position = 0;
    if (!ParseNumber(args, "module position", position, error)) return nullptr;
    return std::make_unique<View>(session, position);
  };
  twin.prepare = [](TLiveView& live, TSession& session, std::string& error) {
    auto& view = static_cast<View&>(live);
    if (const int failed = ReadIdentity(session, error)) return failed;
    if (!view.Open(view.wanted, TypeAt(session, view.wanted))) {
      error = "position " + std::to_string(view.wanted) + " holds no discrete input module";
      return 1;
    }
    return 0;
  };
  return twin;
}

TLiveTwin ModuleOutputsTwin() {
  struct View : TFormVyhOnLController {
    View(TSession& session, int slot) : TFormVyhOnLController(session), wanted(slot) {}
    int wanted;
  };
  TLiveTwin twin;
  twin.name = "outputs";
  twin.summary = "SLOT: the outputs of the output module in slot 1..8 (FormVyhOnL)";
  twin.make = [](TSession& session, const std::vector<std::string>& args,
                 std::string& error) -> std::unique_ptr<TLiveView> {
    int slot = 0;
    if (!ParseNumber(args, "slot", slot, error)) return nullptr;
    return std::make_unique<View>(session, slot);
  };
  twin.prepare = [](TLiveView& live, TSession& session, std::string& error) {
    auto& view = static_cast<View&>(live);
    if (const int failed = ReadIdentity(session, error)) return failed;
    if (!view.Open(view.wanted, TypeAt(session, view.wanted))) {
      error = "slot " + std::to_string(view.wanted) + " holds no output module of the first five";
      return 1;
    }
    return 0;
  };
  return twin;
}

}  // namespace lur
