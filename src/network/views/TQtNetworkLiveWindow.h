#pragma once
// The program's live views of an exchange block, behind the seam the block
// dialog's "on line" calls: the discrete view for a block of function 1 or 2,
// the analog view for any other, whose own "on line" opens the discrete view
// of its alarm entries. One controller of each and one window timer each
// live for the run; the windows are made for each showing over the window
// that opened them, and the user's boxes stand over the window shown.
#include <QPointer>
#include <QWidget>
#include <memory>

#include "network/TFormVhAnLController.h"
#include "network/TFormVhDLocController.h"
#include "network/TFormVhLocController.h"
#include "network/TNetworkLiveWindow.h"
#include "session/TModalWindow.h"
#include "ui/TQtPollTimer.h"

namespace lur {

struct TSession;
class TFormVhAnL;
class TFormVhDLoc;
class TFormVhLoc;

class TQtNetworkLiveWindow : public TNetworkLiveWindow {
 public:
  // The session must outlive this; parent is the window the views open over
  // when the user interface names none.
  TQtNetworkLiveWindow(TSession& session, QWidget* parent);
  ~TQtNetworkLiveWindow() override;
  TQtNetworkLiveWindow(const TQtNetworkLiveWindow&) = delete;
  TQtNetworkLiveWindow& operator=(const TQtNetworkLiveWindow&) = delete;

  void Show(const TNetworkLiveRequest& request) override;

  TFormVhDLocController& Discrete() { return *discrete_; }
  TFormVhAnLController& Analog() { return *analog_; }
  // While a window runs: the window (tests close it from a timer).
  TFormVhDLoc* DiscreteWindow() const { return discreteWindow_; }
  TFormVhAnL* AnalogWindow() const { return analogWindow_; }
  TFormVhLoc* RangeWindow() const { return rangeWindow_; }

 private:
  int RunRange(TFormVhLocController& form);
  int RunDiscrete(TFormVhDLocController& form);
  void RunAnalog();
  QWidget* Owner() const;

  TSession& session_;
  QPointer<QWidget> parent_;
  TQtPollTimer discreteTimer_;
  TQtPollTimer analogTimer_;
  TModalFunction<TFormVhLocController> rangeSeam_;
  TModalFunction<TFormVhDLocController> discreteSeam_;
  std::unique_ptr<TFormVhDLocController> discrete_;
  std::unique_ptr<TFormVhAnLController> analog_;
  TFormVhDLoc* discreteWindow_ = nullptr;
  TFormVhAnL* analogWindow_ = nullptr;
  TFormVhLoc* rangeWindow_ = nullptr;
};

}  // namespace lur
