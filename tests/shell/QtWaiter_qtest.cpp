// The program's waiter keeps the window alive during a synchronous transfer:
// timers and painting are serviced while it sleeps.
#include <QTimer>
#include <QtTest>

#include "link/TQtWaiter.h"

namespace lur {

class QtWaiterTest : public QObject {
  Q_OBJECT

 private slots:
  void sleepsTheRequestedTimeAndServicesEvents() {
    TQtWaiter waiter;
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(5);
    const auto start = waiter.NowMs();
    waiter.SleepMs(200);
    const auto elapsed = waiter.NowMs() - start;
    QVERIFY(elapsed >= 200);
    QVERIFY2(ticks >= 5, qPrintable(QString::number(ticks)));  // the event loop ran during the wait
  }
};

}  // namespace lur

QTEST_MAIN(lur::QtWaiterTest)
#include "QtWaiter_qtest.moc"
