#include "cli/LiveAnalogTwin.h"

#include <array>
#include <charconv>
#include <string>
#include <utility>

#include "link/TComPortClass.h"
#include "model/Protocol.h"
#include "modules/TFormKalibrController.h"
#include "session/LinkReports.h"
#include "session/TSession.h"

namespace lur {
namespace {

constexpr int kNoSuchModule = 2;  // a usage error: the number names no analog module

struct TAnalogView : TFormKalibrController {
  TAnalogView(TSession& session, int module) : TFormKalibrController(session), wanted(module) {}
  int wanted;
};

bool IsAnalogInput(int type) { return type == 6 || type == 7 || type == 8 || type == 9 || type == 13; }

// Slot and type of analog module `module` (1-based) of the identity; slot 0
// when there is none.
std::pair<int, int> FindAnalogModule(const TSession& session, int module) {
  int seen = 0;
  for (int slot = 1; slot <= TProgMBAClass::kModuleCount; ++slot) {
    const int type = session.config.Serv.GetModuleType(slot - 1);
    if (IsAnalogInput(type) && ++seen == module) return {slot, type};
  }
  return {0, 0};
}

}  // namespace

TLiveTwin AnalogCalibrationTwin() {
  TLiveTwin twin;
  twin.name = "analog";
  twin.summary = "MODULE: the inputs and converter codes of analog module 1..8 (FormKalibr)";
  twin.make = [](TSession& session, const std::vector<std::string>& args,
                 std::string& error) -> std::unique_ptr<TLiveView> {
    int module = 0;
    if (args.size() == 1) {
      const std::string& text = args[0];
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), module);
      if (ec == std::errc() && end == text.data() + text.size()) return std::make_unique<TAnalogView>(session, module);
    }
    error = "takes one analog module number";
    return nullptr;
  };
  twin.prepare = [](TLiveView& live, TSession& session, std::string& error) {
    auto& view = static_cast<TAnalogView&>(live);
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
    const auto [slot, type] = FindAnalogModule(session, view.wanted);
    if (slot == 0) {
      error = "the controller has no analog module " + std::to_string(view.wanted);
      return kNoSuchModule;
    }
    if (!view.Open({.editor = TEditor::AnalogCalibration, .slot = slot, .module = view.wanted, .type = type})) {
      error = "analog module " + std::to_string(view.wanted) + " could not be read";
      return 1;
    }
    return 0;
  };
  return twin;
}

}  // namespace lur
