#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "NetworkLiveFixture.h"
#include "network/views/TFormF15.h"
#include "shell/ModalDriver.h"
#include "ui/TQtUserInterface.h"

namespace lur {

using test::NetworkLiveRig;

class FormF15 : public QObject {
  Q_OBJECT

  template <class W>
  static W* Find(QWidget* window, const char* name) {
    return window->findChild<W*>(name);
  }

 private slots:
  void TheFieldsTheirFiltersAndTheirExits() {
    NetworkLiveRig rig;
    TQtUserInterface ui;
    TSession session{rig.config, rig.link, ui, rig.addressing};
    TProgF15Class& f15 = rig.config.F15;
    f15.SetKodF(0, 15);
    f15.SetKolVh(0, 4);
    f15.SetUstr(0, 2);
    f15.SetKolDat(0, 4);
    for (int k = 0; k < 4; ++k) f15.SetSignal(0, k, 10 + k);
    TFormF15Controller form{session, nullptr};
    form.Open(0);
    TFormF15 window(form, ui);
    ui.SetParent(&window);
    QCOMPARE(window.windowTitle(), QString("Программирование функционального блока MBM"));
    for (const char* name : {"EditKodF", "EditKolVh", "EditAdBegDat", "EditKolDat", "Edit1", "Edit32"}) {
      QVERIFY2(Find<QLineEdit>(&window, name), name);
    }
    for (const char* name : {"Kvit", "Sbros", "InformBut", "OK"}) QVERIFY2(Find<QPushButton>(&window, name), name);
    QCOMPARE(Find<QComboBox>(&window, "CBoxUstr")->count(), 32);

    int result = -1;
    test::WhenModal("TFormF15", [&](QWidget* w) {
      Drive(w, form, f15);
      // Whatever failed above, the dialog closes: the block as it was, unchanged.
      if (w->isVisible()) {
        form.Open(0);
        f15.F15Clean = 1;
        QTest::mouseClick(Find<QPushButton>(w, "OK"), Qt::LeftButton);
      }
    });
    result = window.ExecForm();
    QCOMPARE(result, kModalOk);
    QVERIFY(rig.line.requests.empty());
  }

 private:
  static void Drive(QWidget* w, TFormF15Controller& form, TProgF15Class& f15) {
      QApplication::setActiveWindow(w);
      QVERIFY(QTest::qWaitForWindowActive(w));
      QCOMPARE(Find<QLabel>(w, "LabN_MBM")->text(), QString("1"));
      QCOMPARE(Find<QComboBox>(w, "CBoxUstr")->currentText(), QString("2"));
      QVERIFY(Find<QLineEdit>(w, "Edit4")->isEnabled());
      QVERIFY(!Find<QLineEdit>(w, "Edit5")->isEnabled());
      QVERIFY(!Find<QPushButton>(w, "InformBut")->isEnabled());
      QCOMPARE(f15.F15Clean, 1);

      // A typed number survives tabbing through the count.
      auto* edit3 = Find<QLineEdit>(w, "Edit3");
      edit3->setFocus();
      edit3->selectAll();
      QTest::keyClicks(edit3, "99");
      QCOMPARE(f15.F15Clean, 0);
      auto* kolVh = Find<QLineEdit>(w, "EditKolVh");
      kolVh->setFocus();
      QTest::keyClick(kolVh, Qt::Key_Tab);
      QCOMPARE(edit3->text(), QString("99"));
      // A new count sets the fields up afresh.
      kolVh->setFocus();
      kolVh->selectAll();
      QTest::keyClicks(kolVh, "6");
      QTest::keyClick(kolVh, Qt::Key_Tab);
      QCOMPARE(edit3->text(), QString("0"));
      QVERIFY(Find<QLineEdit>(w, "Edit6")->isEnabled());
      QVERIFY(!Find<QLineEdit>(w, "Edit7")->isEnabled());

      // The address field takes hexadecimal digits.
      auto* address = Find<QLineEdit>(w, "EditAdBegDat");
      address->setFocus();
      address->selectAll();
      QTest::keyClicks(address, "37f");
      QCOMPARE(address->text().toUpper(), QString("37F"));

      // Code 16 is refused when the field is left.
      auto* kodF = Find<QLineEdit>(w, "EditKodF");
      kodF->setFocus();
      kodF->selectAll();
      QTest::keyClicks(kodF, "16");
      QTest::keyClick(kodF, Qt::Key_Tab);
      auto* marker = Find<QLabel>(w, "ErrorText");
      QVERIFY(marker && marker->isVisible());
      QCOMPARE(marker->text(), QString(" Ошибка ввода "));

      // The speed buttons stay down and mark a change.
      form.Open(0);
      QTest::mouseClick(Find<QPushButton>(w, "Kvit"), Qt::LeftButton);
      QVERIFY(Find<QPushButton>(w, "Kvit")->isChecked());
      QVERIFY(form.kvit);
      QCOMPARE(f15.F15Clean, 0);
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormF15)
#include "FormF15_qtest.moc"
