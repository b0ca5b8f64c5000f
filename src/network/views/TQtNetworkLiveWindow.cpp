#include "network/views/TQtNetworkLiveWindow.h"

#include "network/views/TFormVhAnL.h"
#include "network/views/TFormVhDLoc.h"
#include "network/views/TFormVhLoc.h"
#include "session/TSession.h"
#include "ui/TQtUserInterface.h"
#include "ui/TQtWindowScope.h"

namespace lur {
namespace {

// The user's boxes over `window` while it runs, where the program's user
// interface is the Qt one.
template <class Run>
int InScope(TUserInterface& ui, QWidget* window, Run run) {
  if (auto* qtUi = dynamic_cast<TQtUserInterface*>(&ui)) {
    TQtWindowScope scope(*qtUi, window, qtUi->ProgressBar());
    return run();
  }
  return run();
}

}  // namespace

TQtNetworkLiveWindow::TQtNetworkLiveWindow(TSession& session, QWidget* parent)
    : session_(session),
      parent_(parent),
      rangeSeam_([this](TFormVhLocController& form) { return RunRange(form); }),
      discreteSeam_([this](TFormVhDLocController& form) { return RunDiscrete(form); }),
      discrete_(std::make_unique<TFormVhDLocController>(session, &rangeSeam_)),
      analog_(std::make_unique<TFormVhAnLController>(session, *discrete_, &discreteSeam_)) {
  discrete_->AttachTimer(discreteTimer_);
  analog_->AttachTimer(analogTimer_);
}

TQtNetworkLiveWindow::~TQtNetworkLiveWindow() = default;

QWidget* TQtNetworkLiveWindow::Owner() const {
  if (auto* qtUi = dynamic_cast<TQtUserInterface*>(&session_.ui); qtUi && qtUi->Parent()) return qtUi->Parent();
  return parent_;
}

void TQtNetworkLiveWindow::Show(const TNetworkLiveRequest& request) {
  const TProgMBMClass& mbm = session_.config.MBM;
  const int kodF = mbm.GetKodF(request.block);
  if (kodF == 1 || kodF == 2) {
    discrete_->Open(request.deviceType, request.slaveAddress, mbm.GetStAddr_Beg1(request.block),
                    mbm.GetKolVh(request.block));
    RunDiscrete(*discrete_);
    return;
  }
  analog_->Open(request);
  RunAnalog();
}

int TQtNetworkLiveWindow::RunRange(TFormVhLocController& form) {
  TFormVhLoc window(form, session_.ui, Owner());
  rangeWindow_ = &window;
  const int result = InScope(session_.ui, &window, [&] { return window.ExecForm(); });
  rangeWindow_ = nullptr;
  return result;
}

int TQtNetworkLiveWindow::RunDiscrete(TFormVhDLocController& form) {
  TFormVhDLoc window(form, Owner());
  TFormVhDLoc* outer = discreteWindow_;
  discreteWindow_ = &window;
  const int result = InScope(session_.ui, &window, [&] { return window.ExecForm(); });
  discreteWindow_ = outer;
  return result;
}

void TQtNetworkLiveWindow::RunAnalog() {
  TFormVhAnL window(*analog_, Owner());
  analogWindow_ = &window;
  InScope(session_.ui, &window, [&] { return window.ExecForm(); });
  analogWindow_ = nullptr;
}

}  // namespace lur
