// The clock window as the program shows it, against lursim on a
// pseudo-terminal: its named controls, the readings and their period in
// lursim's timestamped log, Button1, the fields with their marker, the
// broadcast, and the failures (one box each).
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <algorithm>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "integration/Processes.h"
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "link/TQtSerialPort.h"
#include "link/TQtWaiter.h"
#include "live/views/TQtTimeDateWindow.h"
#include "model/TConfiguration.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/TQtUserInterface.h"

namespace lur {
namespace {

// Boxes answered at once and remembered; the field markers are the real
// ones on the window.
class ScriptedBoxes : public TQtUserInterface {
 public:
  MsgAnswer Message(const TMessage& message) override {
    shown.push_back(message);
    return MsgAnswer::Ok;
  }
  std::vector<TMessage> shown;
};

const TClockValues kSunday{0, 30, 18, 13, 12, 26, 7};
const char* const kReadRequest = "01 04 03 E8 00 07";

struct ClockRig {
  explicit ClockRig(std::vector<std::string> options) : sim(dir, WithVerbose(std::move(options))) {
    link.PortName = sim.link;
    open = sim.Ready() && link.OpenPort() == 0;
    config->Lur.FullAccess = 1;
    ui.SetParent(&main);
  }
  ~ClockRig() { link.ClosePort(); }
  static std::vector<std::string> WithVerbose(std::vector<std::string> o) {
    o.push_back("--verbose");
    return o;
  }

  // The window shown modally while `user` acts on it; the user closes it.
  int Run(const std::function<void(TFormTimeDate&)>& user) {
    TFormTimeDate* window = clock.Window();
    QTimer::singleShot(0, window, [window, user] { user(*window); });
    return clock.Open();
  }
  // Request times in lursim's log (ms) of the requests starting with head.
  std::vector<double> Times(const std::string& head) const {
    std::vector<double> times;
    std::istringstream lines(sim.Log());
    for (std::string line; std::getline(lines, line);) {
      const std::size_t dot = line.find('.');
      if (dot != std::string::npos && line.compare(dot + 5, head.size(), head) == 0) {
        times.push_back(std::stod(line.substr(0, dot + 4)));
      }
    }
    return times;
  }

  test::TempDir dir;
  test::Simulator sim;
  TQtWaiter waiter;
  TQtSerialPort serial{waiter};
  ScriptedBoxes ui;
  TComPortClass link{serial, waiter};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TFixedAddressing addressing{0, 0};
  TSession session{*config, link, ui, addressing};
  TEditorRegistry editors;
  QWidget main;
  TQtTimeDateWindow clock{session, editors, ui, &main, [] { return kSunday; }};
  bool open = false;
};

template <class T = QWidget>
T* Child(QWidget& window, const char* name) {
  return window.findChild<T*>(name);
}

QString Text(QWidget& window, const char* name) {
  if (auto* label = Child<QLabel>(window, name)) return label->text();
  if (auto* edit = Child<QLineEdit>(window, name)) return edit->text();
  return QString("<no %1>").arg(name);
}

void Click(QWidget& window, const char* name) {
  if (auto* button = Child<QPushButton>(window, name)) button->click();
}

}  // namespace

class TimeDateWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlCarriesItsName() {
    ClockRig rig({"--clock", "09:07:05,01.02.24,4", "--clock-stopped"});
    rig.clock.Register();
    QVERIFY(rig.editors.Available(TEditor::TimeDate));
    TFormTimeDate& w = *rig.clock.Window();
    QCOMPARE(w.objectName(), QString("TFormTimeDate"));
    QCOMPARE(w.windowTitle(), QString("Задание времени и даты"));
    for (const char* name : {"StTime", "StDate", "StDayWeek", "Label10", "ErrorText"}) {
      QVERIFY2(Child<QLabel>(w, name), name);
    }
    for (const char* name : {"Button1", "Button2", "Button3", "ChangeTime", "OK", "Cancel"}) {
      QVERIFY2(Child<QPushButton>(w, name), name);
    }
    QCOMPARE(Text(w, "Label10"), QString("запрос  времени включен"));
    QCOMPARE(Child<QPushButton>(w, "Cancel")->text(), QString("Отмена"));
    QCOMPARE(Child<QPushButton>(w, "ChangeTime")->text(), QString("Передать время и дату в прибор"));
    QVERIFY(!Child<QLabel>(w, "ErrorText")->isVisible());
    const char* hints[] = {"0-59", "0-59", "0-23", "1-31", "1-12", "0-99", "1-7"};
    for (int i = 0; i < 7; ++i) {
      const QString name = QString("Edit%1").arg(i + 1);
      auto* edit = w.findChild<QLineEdit*>(name);
      QVERIFY2(edit, qPrintable(name));
      QCOMPARE(edit->toolTip(), QString(hints[i]));
      QCOMPARE(edit->maxLength(), i == 6 ? 1 : 2);
    }
  }

  // Readings every 100 ms, never overlapping, shown as the window shows
  // them; Button1 stops and resumes them; closing stops them.
  void readsEvery100MsAndStopsOnButton1AndClosing() {
    ClockRig rig({"--clock", "09:07:05,01.02.24,4", "--clock-stopped"});
    QVERIFY2(rig.open, qPrintable(QString::fromStdString(rig.sim.Log())));
    std::size_t whileStopped = 0;
    std::size_t afterStop = 0;
    bool label10WhileStopped = true;
    QString shown;
    bool label10WhileReading = false;
    rig.Run([&](TFormTimeDate& w) {
      QTest::qWait(1050);
      shown = Text(w, "StTime") + " " + Text(w, "StDate") + " " + Text(w, "StDayWeek");
      label10WhileReading = Child<QLabel>(w, "Label10")->isVisible();
      Click(w, "Button1");
      QTest::qWait(150);
      whileStopped = rig.Times(kReadRequest).size();
      label10WhileStopped = Child<QLabel>(w, "Label10")->isVisible();
      QTest::qWait(400);
      afterStop = rig.Times(kReadRequest).size();
      Click(w, "Button1");
      QTest::qWait(350);
      Click(w, "Cancel");
    });
    QCOMPARE(shown, QString("09:07:05 01.02.24 чт"));
    QVERIFY(label10WhileReading);
    QVERIFY(!label10WhileStopped);
    QCOMPARE(afterStop, whileStopped);
    const std::vector<double> times = rig.Times(kReadRequest);
    QVERIFY2(times.size() > whileStopped + 1, "Button1 resumed the reading");
    QVERIFY2(whileStopped >= 8 && whileStopped <= 12, qPrintable(QString::number(whileStopped)));
    std::vector<double> gaps;
    for (std::size_t i = 1; i < whileStopped; ++i) gaps.push_back(times[i] - times[i - 1]);
    for (const double gap : gaps) QVERIFY2(gap > 60.0, qPrintable(QString::number(gap)));
    std::sort(gaps.begin(), gaps.end());
    const double median = gaps[gaps.size() / 2];
    QVERIFY2(median > 85.0 && median < 160.0, qPrintable(QString::number(median)));

    const std::size_t closed = rig.Times(kReadRequest).size();
    QTest::qWait(400);
    QCOMPARE(rig.Times(kReadRequest).size(), closed);
    QVERIFY(rig.ui.shown.empty());
  }

  void typedFieldsAreBroadcastAndTheNextReadingShowsThem() {
    ClockRig rig({"--clock", "09:07:05,01.02.24,4", "--clock-stopped"});
    QVERIFY(rig.open);
    QString shown;
    rig.Run([&](TFormTimeDate& w) {
      const char* typed[] = {"59", "58", "22", "29", "2", "24", "4"};
      for (int i = 0; i < 7; ++i) {
        auto* edit = w.findChild<QLineEdit*>(QString("Edit%1").arg(i + 1));
        edit->setFocus();
        QTest::keyClicks(edit, typed[i]);
      }
      Click(w, "ChangeTime");
      QTest::qWait(300);
      shown = Text(w, "StTime") + " " + Text(w, "StDate");
      Click(w, "OK");
    });
    QCOMPARE(shown, QString("22:58:59 29.02.24"));
    const std::vector<double> sent = rig.Times("00 46 3B 3A 16 1D 02 18 04");
    QCOMPARE(sent.size(), std::size_t{1});
    QVERIFY(rig.ui.shown.empty());
    QCOMPARE(rig.config->Serv.StateFlags[TFormTimeDateController::kStateFlag], 1);
  }

  // An empty minutes field: the marker beside it, nothing sent; OK keeps
  // the window open.
  void theMarkerStandsBesideTheFirstFailingField() {
    ClockRig rig({"--clock", "09:07:05,01.02.24,4", "--clock-stopped"});
    QVERIFY(rig.open);
    QString marker;
    QPoint markerAt;
    QPoint expectedAt;
    bool openAfterOk = false;
    rig.Run([&](TFormTimeDate& w) {
      Click(w, "Button3");
      auto* minutes = w.findChild<QLineEdit*>("Edit2");
      minutes->clear();
      emit minutes->textEdited(QString());
      Click(w, "ChangeTime");
      auto* errorText = Child<QLabel>(w, "ErrorText");
      marker = errorText->isVisible() ? errorText->text() : QString();
      markerAt = errorText->pos();
      const QPoint field = minutes->mapTo(&w, QPoint(0, 0));
      expectedAt = QPoint(field.x() - 15, field.y() + minutes->height() - 5);
      Click(w, "OK");
      openAfterOk = w.isVisible();
      Click(w, "Cancel");
    });
    QCOMPARE(marker, QString("Величина вне диапазона 0 - 59"));
    QCOMPARE(markerAt, expectedAt);
    QVERIFY(openAfterOk);
    QVERIFY(rig.Times("00 46").empty());
  }

  void button2AndButton3FillTheFields() {
    ClockRig rig({"--clock", "09:07:05,01.02.24,4", "--clock-stopped"});
    QVERIFY(rig.open);
    QStringList fromController;
    QStringList fromComputer;
    rig.Run([&](TFormTimeDate& w) {
      QTest::qWait(250);
      Click(w, "Button2");
      for (int i = 1; i <= 7; ++i) fromController << Text(w, qPrintable(QString("Edit%1").arg(i)));
      Click(w, "Button3");
      for (int i = 1; i <= 7; ++i) fromComputer << Text(w, qPrintable(QString("Edit%1").arg(i)));
      Click(w, "Button1");
      Click(w, "Button2");
      Click(w, "Cancel");
    });
    QCOMPARE(fromController, (QStringList{"5", "7", "9", "1", "2", "24", "4"}));
    QCOMPARE(fromComputer, (QStringList{"0", "30", "18", "13", "12", "26", "7"}));
    QCOMPARE(rig.ui.shown.size(), std::size_t{1});
    QCOMPARE(rig.ui.shown[0].text, std::string("Включите запрос времени с прибора"));
  }

  // A silent controller: one box, the reading off; Button1 tries again.
  void silenceGivesOneBoxAndButton1Resumes() {
    ClockRig rig({"--silent"});
    QVERIFY(rig.open);
    rig.link.SetRetriesStage1(1);
    std::size_t boxesAfterSilence = 0;
    bool label10 = true;
    rig.Run([&](TFormTimeDate& w) {
      QTest::qWait(2500);
      boxesAfterSilence = rig.ui.shown.size();
      label10 = Child<QLabel>(w, "Label10")->isVisible();
      Click(w, "Button1");
      QTest::qWait(2500);
      Click(w, "Cancel");
    });
    QCOMPARE(boxesAfterSilence, std::size_t{1});
    QVERIFY(!label10);
    QCOMPARE(rig.ui.shown.size(), std::size_t{2});
    QCOMPARE(rig.ui.shown[0].text, rig.link.ErrorText(0, kResultNoAnswer));
  }

  void aClosedPortOnChangeTimeGivesOneBox() {
    ClockRig rig({"--clock", "09:07:05,01.02.24,4", "--clock-stopped"});
    QVERIFY(rig.open);
    rig.Run([&](TFormTimeDate& w) {
      Click(w, "Button1");  // the reading off, so only the broadcast meets the closed port
      Click(w, "Button3");
      rig.link.ClosePort();
      Click(w, "ChangeTime");
      Click(w, "Cancel");
    });
    QCOMPARE(rig.ui.shown.size(), std::size_t{1});
    QCOMPARE(rig.ui.shown[0].text, rig.link.ErrorText(0, kResultPortClosed));
    QVERIFY(rig.Times("00 46").empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::TimeDateWindowTest)
#include "TimeDate_qtest.moc"
