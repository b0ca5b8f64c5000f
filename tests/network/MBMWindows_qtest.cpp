// The exchange block dialog and the scaling window on screen: their
// controls by name, what opening shows, a rejected and an accepted block
// through the dialog seam, the scaling rows (enabled, hinted, a refused
// number coming back) and the scaling window opening after an analog block.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "NetworkFixture.h"
#include "network/views/TQtMBMDialog.h"
#include "network/views/TQtScalingWindow.h"
#include "shell/ModalDriver.h"

namespace lur {

using test::WhenModal;

class MBMWindows : public QObject {
  Q_OBJECT

  struct Fixture {
    Fixture() {
      link.PortName = "COM1";
      test::NetworkConfig::Build(config);
    }
    test::VirtualClock clock;
    test::ScriptedPort port{clock};
    TScriptedUserInterface ui;
    TComPortClass link{port, clock};
    TConfiguration config;
    TFixedAddressing addressing{0, 0};
    TSession session{config, link, ui, addressing};
    TQtScalingWindow scaling{session, nullptr, nullptr};
    TQtMBMDialog dialog{session, {&scaling, nullptr}, nullptr};
  };

  template <class T>
  static T* Child(QWidget* window, const QString& name) {
    auto* w = window->findChild<T*>(name);
    if (!w) qWarning("no %s", qPrintable(name));
    return w;
  }
  static void Type(QWidget* window, const QString& field, const QString& text) {
    auto* edit = Child<QLineEdit>(window, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }

  // A failed check returns from the action at once: the window is closed
  // then, so the test goes on instead of waiting on it.
  static auto CloseOnFailure(QWidget* window) {
    return qScopeGuard([window] {
      if (QTest::currentTestFailed()) window->close();
    });
  }

 private slots:
  void everyControlIsNamed() {
    Fixture f;
    QWidget* d = f.dialog.Window();
    for (const char* name : {"LabFB", "LabN_MBM", "Label9", "TipUstr", "EditKolVh", "EditXMax", "StAddr_Beg1",
                             "StAddr_Beg2", "EditUstr", "CBoxKodF", "EditAdBegDat", "EditKolDat", "TipDate",
                             "Byte_Order", "Scaling", "ButOnLine", "OK", "ErrorText", "LabelFile"}) {
      QVERIFY2(d->findChild<QWidget*>(name), name);
    }
    QWidget* s = f.scaling.Window();
    for (const char* name : {"Label1", "LabN1", "Razm1", "Poz1", "NSK1", "VSK1", "Ust1LL", "Ust1L", "Ust1H",
                             "Ust1HH", "Label48", "Ust48HH", "OK", "BNew1", "Save", "But3", "But5", "Button1",
                             "ProgressBar1"}) {
      QVERIFY2(s->findChild<QWidget*>(name), name);
    }
  }

  // Correcting block 1: its fields shown, a refused start closes with 6 and
  // memory as it was.
  void aRejectedBlockClosesWithSix() {
    Fixture f;
    const test::MemoryImage before(f.config);
    WhenModal("TFormMBM", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      QCOMPARE(Child<QLabel>(d, "Label9")->text(), QString("Коррекция"));
      QCOMPARE(Child<QLabel>(d, "LabN_MBM")->text(), QString("1"));
      QCOMPARE(Child<QComboBox>(d, "TipUstr")->currentText(), QString("ЛУР-01"));
      QCOMPARE(Child<QLineEdit>(d, "EditKolVh")->text(), QString("8"));
      QVERIFY(!Child<QLineEdit>(d, "EditXMax")->isEnabled());
      QVERIFY(!Child<QPushButton>(d, "ButOnLine")->isEnabled());
      QVERIFY(!Child<QLabel>(d, "LabelFile")->isVisible());
      Type(d, "EditAdBegDat", "8");
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.dialog.Dialog().Program({0}), kModalError);
    QCOMPARE(f.ui.Texts(),
             std::vector<std::string>{"ошибка в начальном адресе данных в запросе блока ЛУР-01\n"});
    QVERIFY(test::MemoryImage(f.config) == before);
  }

  // A new analog block: the choices through the lists, OK accepts, the
  // scaling window opens for it with only its rows enabled.
  void anAcceptedAnalogBlockOpensTheScalingWindow() {
    Fixture f;
    WhenModal("TFormMBM", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      QCOMPARE(Child<QLabel>(d, "Label9")->text(), QString("Создание"));
      QCOMPARE(Child<QLabel>(d, "StAddr_Beg1")->text(), QString("76"));
      auto* type = Child<QComboBox>(d, "TipUstr");
      type->setCurrentIndex(1);
      emit type->activated(1);
      QCOMPARE(Child<QLineEdit>(d, "EditXMax")->text(), QString("16384"));
      QCOMPARE(Child<QComboBox>(d, "TipDate")->currentText(), QString("целочисл. 16-разр. код"));
      QVERIFY(!Child<QComboBox>(d, "TipDate")->isEnabled());
      Type(d, "EditUstr", "12");
      WhenModal("TFormR_MBM", [&](QWidget* s) {
        const auto closeOnFailure = CloseOnFailure(s);
        QVERIFY(Child<QLineEdit>(s, "NSK7")->isEnabled());
        QVERIFY(!Child<QLineEdit>(s, "NSK1")->isEnabled());
        QVERIFY(!Child<QLineEdit>(s, "NSK8")->isEnabled());
        QCOMPARE(Child<QLabel>(s, "LabN7")->text(), QString("13"));
        QCOMPARE(Child<QLabel>(s, "LabN7")->toolTip(), QString("номер аналогового сигнала в базе 13 (адрес 0x0C)"));
        Type(s, "VSK7", "40000");
        QTest::keyClick(Child<QLineEdit>(s, "VSK7"), Qt::Key_Return);  // left: refused, the stored value back
        QCOMPARE(Child<QLineEdit>(s, "VSK7")->text(), QString::fromStdString(f.config.MBM.GetMax(6)));
        Type(s, "Poz7", "PT-7");
        QTest::mouseClick(Child<QPushButton>(s, "OK"), Qt::LeftButton);
      });
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.dialog.Dialog().Program({5}), kModalOk);
    QCOMPARE(f.config.MBM.GetKodF(5), 3);
    QCOMPARE(f.config.MBM.GetUstr(5), 12);
    QCOMPARE(f.config.MBM.GetStAddr_Beg2(5), 12);
    QCOMPARE(f.config.MBM.GetPoz(6), std::string("PT-7    "));
    QCOMPARE(f.ui.inputErrors, (std::vector<TFieldError>{{"VSK7", " Ошибка ввода "}}));
  }

  // The close box checks the block like OK.
  void theCloseBoxChecksTheBlock() {
    Fixture f;
    WhenModal("TFormMBM", [&](QWidget* d) { d->close(); });
    QCOMPARE(f.dialog.Dialog().Program({5}), kModalError);  // no type chosen
    QCOMPARE(f.ui.Texts(), std::vector<std::string>{"тип устройства не задан\n"});
  }
};

}  // namespace lur

QTEST_MAIN(lur::MBMWindows)
#include "MBMWindows_qtest.moc"
