#include "cli/LiveNetworkTwin.h"

#include <charconv>
#include <functional>
#include <optional>
#include <string>

#include "link/TComPortClass.h"
#include "model/SlaveTypes.h"
#include "network/TFormVhAnLController.h"
#include "network/TFormVhDLocController.h"
#include "network/TFormVhLocController.h"
#include "session/TSession.h"
#include "shell/TConfigTransfer.h"
#include "shell/TFileOperations.h"
#include "shell/TMainState.h"
#include "shell/TShellContext.h"

namespace lur {
namespace {

struct TNetworkArguments {
  int block = 0;  // 1-based
  std::string configFile;
  bool alarms = false;
  std::optional<std::string> first;  // the range dialog's texts, as typed
  std::optional<std::string> rows;
};

const char* const kNetworkUsage = "takes B (1..16) [--config FILE] [--alarms] [--first F] [--rows C]";

bool ParseArguments(const std::vector<std::string>& args, TNetworkArguments& a, std::string& error) {
  bool haveBlock = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    const bool hasValue = i + 1 < args.size();
    bool ok = true;
    if (name == "--config") {
      ok = hasValue && a.configFile.empty();
      if (ok) a.configFile = args[++i];
    } else if (name == "--alarms") {
      a.alarms = true;
    } else if (name == "--first") {
      ok = hasValue && !a.first;
      if (ok) a.first = args[++i];
    } else if (name == "--rows") {
      ok = hasValue && !a.rows;
      if (ok) a.rows = args[++i];
    } else if (!haveBlock) {
      const auto [end, ec] = std::from_chars(name.data(), name.data() + name.size(), a.block);
      ok = ec == std::errc() && end == name.data() + name.size() && a.block >= 1 &&
           a.block <= TProgMBMClass::kBlockCount;
      haveBlock = ok;
    } else {
      ok = false;
    }
    if (!ok) {
      error = kNetworkUsage;
      return false;
    }
  }
  if (!haveBlock) error = kNetworkUsage;
  return haveBlock;
}

// Both views of the block dialog's "on line"; the one the block calls for
// polls.
struct TNetworkView : TLiveView {
  TNetworkView(TSession& session, TNetworkArguments arguments)
      : a(std::move(arguments)), discrete(session, &range), analog(session, discrete, nullptr) {}

  int PeriodMs() const override { return TFormVhDLocController::kPeriodMs; }
  int Poll() override { return active->Poll(); }
  void ClearCells() override { active->ClearCells(); }
  void PollingChanged(bool on) override { active->PollingChanged(on); }
  std::vector<TLiveCell> Cells() const override { return active->Cells(); }

  TNetworkArguments a;
  // The range dialog, its fields typed from the arguments.
  TModalFunction<TFormVhLocController> range{[this](TFormVhLocController& form) {
    if (a.first) form.edit1 = *a.first;
    if (a.rows) form.edit2 = *a.rows;
    return form.OKClick() ? kModalOk : kModalError;
  }};
  TFormVhDLocController discrete;
  TFormVhAnLController analog;
  TLiveView* active = &analog;
};

// The configuration the block dialog has: the file's, or the controller's
// as the main window reads it.
bool LoadConfiguration(const TNetworkArguments& a, TSession& session, std::string& error) {
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

// The block dialog's device type item: code 15 is the list's "другие ".
std::string DeviceTypeItem(int code) { return code == 15 ? std::string("другие ") : std::string(SlaveTypeName(code)); }

int Prepare(TNetworkView& view, TSession& session, std::string& error) {
  const TNetworkArguments& a = view.a;
  if (!LoadConfiguration(a, session, error)) return 1;
  const TProgMBMClass& mbm = session.config.MBM;
  const int b = a.block - 1;
  const int kodF = mbm.GetKodF(b);
  const TNetworkLiveRequest request{b, DeviceTypeItem(mbm.GetTipUstr(b)), std::to_string(mbm.GetUstr(b))};
  const std::string name = "block " + std::to_string(a.block);
  if (a.alarms && kodF != 3 && kodF != 4) {
    error = name + " reads no analog values: it has no alarm entries";
    return 1;
  }
  if (kodF == 1 || kodF == 2 || a.alarms) {
    if (a.alarms) {
      view.analog.Open(request);
      view.analog.OpenAlarms(view.discrete);
    } else {
      view.discrete.Open(request.deviceType, request.slaveAddress, mbm.GetStAddr_Beg1(b), mbm.GetKolVh(b));
    }
    if ((a.first || a.rows) && view.discrete.N() <= TFormVhDLocController::kRows) {
      error = name + " shows all its " + std::to_string(view.discrete.N()) + " entries: there is no range to choose";
      return 1;
    }
    if (!view.discrete.ShowRows()) {
      error = "the range dialog refused --first/--rows";
      return 1;
    }
    view.active = &view.discrete;
    return 0;
  }
  if (a.first || a.rows) {
    error = name + " shows analog values: --first and --rows choose discrete entries";
    return 1;
  }
  view.analog.Open(request);
  view.active = &view.analog;
  return 0;
}

}  // namespace

TLiveTwin NetworkLiveTwin() {
  TLiveTwin twin;
  twin.name = "network";
  twin.summary =
      "B [--config FILE] [--alarms] [--first F --rows C]: what exchange block B receives (TFormVhDLoc, "
      "TFormVhAnL)";
  twin.make = [](TSession& session, const std::vector<std::string>& args,
                 std::string& error) -> std::unique_ptr<TLiveView> {
    TNetworkArguments a;
    if (!ParseArguments(args, a, error)) return nullptr;
    return std::make_unique<TNetworkView>(session, std::move(a));
  };
  twin.prepare = [](TLiveView& live, TSession& session, std::string& error) {
    return Prepare(static_cast<TNetworkView&>(live), session, error);
  };
  return twin;
}

}  // namespace lur
