// The live poller on the program's own timer and waiter: a poll that waits
// (servicing timers, as every transaction does) for several periods is never
// entered twice, and closing stops the ticks.
#include <QtTest>
#include <algorithm>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "link/TQtWaiter.h"
#include "model/TConfiguration.h"
#include "session/TLivePoller.h"
#include "session/TSession.h"
#include "ui/TQtPollTimer.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

class WaitingView : public TLiveView {
 public:
  int PeriodMs() const override { return 20; }
  int Poll() override {
    ++polls;
    maxDepth = std::max(maxDepth, ++depth);
    waiter.SleepMs(70);
    --depth;
    return 0;
  }
  void ClearCells() override {}
  std::vector<TLiveCell> Cells() const override { return {}; }

  TQtWaiter waiter;
  int polls = 0;
  int depth = 0;
  int maxDepth = 0;
};

class QtPollTimerTest : public QObject {
  Q_OBJECT

 private slots:
  void aWaitingPollIsNeverEnteredTwiceAndClosingStopsTheTicks() {
    test::VirtualClock clock;
    test::ScriptedPort port(clock);
    TScriptedUserInterface ui;
    TComPortClass link(port, clock);
    TConfiguration config;
    TFixedAddressing addressing(0, 0);
    TSession session{config, link, ui, addressing};
    WaitingView view;
    TQtPollTimer timer;
    TLivePoller poller(session, timer, view);

    poller.Show();
    QVERIFY(timer.IsActive());
    QTRY_VERIFY_WITH_TIMEOUT(view.polls >= 3, 10000);
    QCOMPARE(view.maxDepth, 1);

    poller.Close();
    QVERIFY(!timer.IsActive());
    const int polls = view.polls;
    QTest::qWait(100);
    QCOMPARE(view.polls, polls);
    QVERIFY(ui.shown.empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::QtPollTimerTest)
#include "QtPollTimer_qtest.moc"
