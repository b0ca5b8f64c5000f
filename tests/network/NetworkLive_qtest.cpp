#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "NetworkLiveFixture.h"
#include "network/views/TFormVhAnL.h"
#include "network/views/TFormVhDLoc.h"
#include "network/views/TFormVhLoc.h"
#include "network/views/TQtNetworkLiveWindow.h"
#include "session/TModalWindow.h"
#include "shell/ModalDriver.h"
#include "support/WindowProbe.h"
#include "ui/TQtUserInterface.h"

namespace lur {

using test::ColourShare;
using test::NetworkLiveRig;
using test::RectIn;
using test::Render;

class NetworkLive : public QObject {
  Q_OBJECT

  static QLabel* Label(QWidget* window, const QString& name) { return window->findChild<QLabel*>(name); }

  // The cell as drawn: most of it its background, some of its pixels (the
  // letters) the text colour; an empty cell has no letters.
  static void CheckCell(QWidget* window, const QString& name, const QString& text, QColor background,
                        QColor textColour) {
    QLabel* cell = Label(window, name);
    QVERIFY2(cell, qPrintable(name));
    QCOMPARE(cell->text(), text);
    const QImage image = Render(window);
    const QRect rect = RectIn(cell, window);
    QVERIFY2(ColourShare(image, rect, background) > 0.5, qPrintable(name + " background"));
    const double letters = ColourShare(image, rect, textColour, 40);
    if (text.isEmpty()) {
      QVERIFY2(background == textColour || letters == 0, qPrintable(name + " has letters"));
    } else {
      QVERIFY2(letters > 0.003, qPrintable(name + " text colour"));
    }
  }

  static QColor InfoBk(QWidget* window) { return window->palette().color(QPalette::ToolTipBase); }

 private slots:
  void AnalogRowsAreDrawnInTheColoursOfTheirStatusBytes() {
    NetworkLiveRig rig;
    test::StageStatuses(rig, {0x00, 0x04, 0x40, 0x25, 0x81});
    TFormVhDLocController alarms{rig.session, nullptr};
    TFormVhAnLController form{rig.session, alarms, nullptr};
    form.AttachTimer(rig.timer);
    form.Open({3, "ЛУР-05", "12"});
    TFormVhAnL window(form);
    QCOMPARE(window.windowTitle(), QString("Тек. информ. аналоговых входов  локал. сети ЛУР-05"));
    QCOMPARE(Label(&window, "TipMod")->text(), QString("ЛУР-05"));
    QCOMPARE(Label(&window, "LabAMod")->text(), QString("12"));
    QCOMPARE(Label(&window, "Poz1")->text(), QString("ТК-101  "));
    QCOMPARE(Label(&window, "Razm1")->text(), QString("°C"));
    for (const char* name : {"Label48", "Poz48", "Val48", "Razm48", "Nar48", "Ar48"}) QVERIFY2(Label(&window, name), name);
    QVERIFY(window.findChild<QPushButton*>("ButOnLine"));
    QVERIFY(window.findChild<QPushButton*>("Button1")->isHidden());
    window.resize(560, 1400);
    window.show();
    QVERIFY(Label(&window, "Label49")->isVisible());
    const QColor infoBk = InfoBk(&window);
    CheckCell(&window, "Ar1", "", infoBk, Qt::black);
    rig.clock.Advance(3000);

    const QColor lime(0, 0xFF, 0), red(0xFF, 0, 0), yellow(0xFF, 0xFF, 0), purple(0x80, 0, 0x80);
    QCOMPARE(Label(&window, "Label1")->text(), QString("9"));
    QCOMPARE(Label(&window, "Val1")->text(), QString("  10,50"));
    CheckCell(&window, "Ar1", "и", lime, Qt::black);
    CheckCell(&window, "Nar1", "норма", lime, Qt::black);
    CheckCell(&window, "Ar2", "и", lime, Qt::black);
    CheckCell(&window, "Nar2", "LL", red, Qt::black);
    CheckCell(&window, "Ar3", "о", purple, infoBk);
    CheckCell(&window, "Nar3", "", infoBk, Qt::black);
    QCOMPARE(Label(&window, "Val3")->text(), QString());
    CheckCell(&window, "Ar4", "к", yellow, Qt::black);
    CheckCell(&window, "Nar4", "H", red, Qt::black);
    CheckCell(&window, "Ar5", "п", purple, infoBk);
    CheckCell(&window, "Nar5", "L(L-H)", red, Qt::black);
    CheckCell(&window, "Ar6", "", infoBk, Qt::black);

    // No answer: one report, the label gone, the cells as they were.
    rig.line.Fail({fn::kAnalogStates, 9}, test::Silence());
    rig.clock.Advance(3000);
    QCOMPARE(rig.ui.shown.size(), std::size_t{1});
    QVERIFY(!Label(&window, "Label49")->isVisible());
    CheckCell(&window, "Nar2", "LL", red, Qt::black);
    window.done(0);
  }

  void DiscreteRowsShowStatesAndValidityInTheirColours() {
    NetworkLiveRig rig;
    sim::SimController& sim = rig.line.Controller();
    for (int e = 36; e < 44; ++e) sim.Live().SetDiscreteInput(e, e == 36);
    sim.SetSignalUnreliable(38, true);  // entry 37
    TFormVhDLocController form{rig.session, nullptr};
    form.AttachTimer(rig.timer);
    form.Open("ЛУР-01", "5", 36, 8);
    TFormVhDLoc window(form);
    QVERIFY(window.windowTitle().isEmpty());  // no caption of its own
    QVERIFY(form.ShowRows());
    window.show();
    QCOMPARE(Label(&window, "TipMod")->text(), QString("ЛУР-01"));
    QCOMPARE(Label(&window, "Vh1")->text(), QString("36"));
    QCOMPARE(Label(&window, "Vh9")->text(), QString());
    QVERIFY(Label(&window, "Label1")->isVisible());
    QVERIFY(window.findChild<QPushButton*>("Button1"));
    rig.clock.Advance(3000);
    const QColor infoBk = InfoBk(&window);
    CheckCell(&window, "OnOff1", "on", QColor(0, 0xFF, 0xFF), Qt::black);
    CheckCell(&window, "OnOff2", "off", infoBk, Qt::black);
    CheckCell(&window, "Dost1", "достовер.", infoBk, Qt::black);
    CheckCell(&window, "Dost2", "недостовер.", QColor(0x80, 0, 0x80), infoBk);
    CheckCell(&window, "OnOff9", "", infoBk, Qt::black);

    QTest::mouseClick(window.findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QVERIFY(!Label(&window, "Label1")->isVisible());
    window.done(0);
  }

  void TheRangeDialogStaysOpenUntilItsChecksPass() {
    TQtUserInterface ui;
    TFormVhLocController form{ui};
    form.Open(100, 32);
    TFormVhLoc window(form, ui);
    ui.SetParent(&window);
    QCOMPARE(window.windowTitle(), QString("Ввод начального адреса и количества входов блока MBM"));
    QVERIFY(!(window.windowFlags() & Qt::WindowCloseButtonHint));
    auto* edit1 = window.findChild<QLineEdit*>("Edit1");
    auto* edit2 = window.findChild<QLineEdit*>("Edit2");
    QCOMPARE(edit1->maxLength(), 10);

    int result = -1;
    test::WhenModal("TFormVhLoc", [&](QWidget* w) {
      QCOMPARE(edit1->text(), QString("100"));
      edit1->setText("132");
      QTest::mouseClick(w->findChild<QPushButton*>("OK"), Qt::LeftButton);
      auto* marker = w->findChild<QLabel*>("ErrorText");
      QVERIFY(marker && marker->isVisible());
      QCOMPARE(marker->text(), QString("Величина вне диапазона 100 - 131"));
      QTest::keyClick(w, Qt::Key_Escape);
      QVERIFY(w->isVisible());
      w->close();
      QVERIFY(w->isVisible());
      edit1->setText("110");
      edit2->setText("5");
      QTest::mouseClick(w->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    result = window.ExecForm();
    QCOMPARE(result, kModalOk);
    QCOMPARE(form.First(), 110);
    QCOMPARE(form.Count(), 5);
  }

  void TheSeamOpensTheDiscreteViewForFunctions1And2AndTheAnalogOneOtherwise() {
    NetworkLiveRig rig;
    TQtNetworkLiveWindow live(rig.session, nullptr);

    QString head;
    test::WhenModal("TFormVhDLoc", [&](QWidget* w) {
      head = Label(w, "TipMod")->text() + "|" + Label(w, "LabAMod")->text() + "|" + Label(w, "Vh8")->text() + "|" +
             Label(w, "Vh9")->text();
      w->close();
    });
    live.Show({0, "другие ", "7"});
    QCOMPARE(head, QString("не определен|7|43|"));
    QVERIFY(!live.Discrete().Polling());

    // An unconfigured block: the analog view with no rows.
    QString rows;
    test::WhenModal("TFormVhAnL", [&](QWidget* w) {
      rows = Label(w, "TipMod")->text() + "|" + Label(w, "Poz1")->text() + "|" + Label(w, "Razm1")->text();
      w->close();
    });
    live.Show({4, "другие ", "8"});
    QCOMPARE(rows, QString("другие ||"));
    QVERIFY(!live.Analog().Polling());

    // The analog view's "on line": the alarm entries, the range dialog first
    // for five values.
    QStringList seen;
    test::WhenModal("TFormVhAnL", [&](QWidget* w) {
      test::WhenModal("TFormVhLoc", [&](QWidget* range) {
        seen << "range";
        range->findChild<QLineEdit*>("Edit1")->setText("64");
        range->findChild<QLineEdit*>("Edit2")->setText("12");
        test::WhenModal("TFormVhDLoc", [&](QWidget* d) {
          seen << Label(d, "Vh1")->text() + "-" + Label(d, "Vh12")->text();
          seen << (live.Analog().Polling() ? "analog polling" : "analog paused");
          d->close();
          QTimer::singleShot(0, w, [w] { w->close(); });
        });
        QTest::mouseClick(range->findChild<QPushButton*>("OK"), Qt::LeftButton);
      });
      QTest::mouseClick(w->findChild<QPushButton*>("ButOnLine"), Qt::LeftButton);
    });
    live.Show({3, "ЛУР-05", "12"});
    QCOMPARE(seen, (QStringList{"range", "64-75", "analog paused"}));
    QVERIFY(rig.line.requests.empty());
    QVERIFY(rig.ui.shown.empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::NetworkLive)
#include "NetworkLive_qtest.moc"
