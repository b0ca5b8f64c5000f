#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "../link/ScriptedPort.h"
#include "ModalDriver.h"
#include "link/TComPortClass.h"
#include "shell/TPortSettingsFlow.h"
#include "shell/views/TQtSettingsDialogs.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

using test::WhenModal;

class SettingsDialogs : public QObject {
  Q_OBJECT

  struct Fixture {
    test::VirtualClock clock;
    test::ScriptedPort port{clock};
    TScriptedUserInterface ui;
    TComPortClass link{port, clock};
    TQtSettingsDialogs dialogs;
    std::vector<std::string> ports = {"/dev/ttyUSB0", "/dev/pts/7"};
    TPortSettingsFlow flow{link, ui, dialogs.Dialogs(), [this] { return ports; }};
    Fixture() {
      dialogs.SetFlow(&flow);
      port.open = false;
    }
  };

  static void Choose(QWidget* dialog, const char* combo, int index) {
    auto* box = dialog->findChild<QComboBox*>(combo);
    QVERIFY(box);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  static void Click(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QAbstractButton*>(button);
    QVERIFY2(b, button);
    b->click();
  }

 private slots:
  void portDialogShowsListsAndDefaults() {
    Fixture f;
    WhenModal("TFormPort", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QString("Настройка СОМ-порта"));
      auto* port = d->findChild<QComboBox*>("CBoxPort");
      QCOMPARE(port->count(), 2);
      QCOMPARE(port->currentText(), QString("/dev/ttyUSB0"));
      auto* speed = d->findChild<QComboBox*>("Skor");
      QCOMPARE(speed->count(), 4);
      QCOMPARE(speed->itemText(3), QString("115200"));
      QCOMPARE(speed->currentText(), QString("9600"));
      QCOMPARE(d->findChild<QComboBox*>("Parit")->currentText(), QString("нет"));
      QCOMPARE(d->findChild<QComboBox*>("Parit")->itemText(2), QString("чет"));
      QCOMPARE(d->findChild<QComboBox*>("StBit")->currentText(), QString("2"));
      Choose(d, "CBoxPort", 1);
      Choose(d, "Skor", 3);
      Choose(d, "Parit", 1);
      Click(d, "OK");
    });
    f.flow.APortExecute();
    QVERIFY(f.port.IsOpen());
    QCOMPARE(f.port.settings.name, std::string("/dev/pts/7"));
    QCOMPARE(f.port.settings.baud, 115200);
    QCOMPARE(f.port.settings.parity, Parity::Odd);
    QCOMPARE(f.port.settings.stopBits, 2);  // odd parity with two stop bits is fine
    QCOMPARE(f.link.ParityText, std::string("O"));
    QVERIFY(f.ui.shown.empty());

    // The next showing selects the remembered choices, even when the list
    // comes back in another order.
    f.ports = {"/dev/ttyS0", "/dev/pts/7", "/dev/ttyUSB0"};
    WhenModal("TFormPort", [](QWidget* d) {
      QCOMPARE(d->findChild<QComboBox*>("CBoxPort")->currentText(), QString("/dev/pts/7"));
      QCOMPARE(d->findChild<QComboBox*>("Skor")->currentText(), QString("115200"));
      QCOMPARE(d->findChild<QComboBox*>("Parit")->currentText(), QString("нечет"));
      Click(d, "OK");
    });
    f.flow.APortExecute();
    QCOMPARE(f.port.settings.name, std::string("/dev/pts/7"));
  }

  void evenParityWithTwoStopBitsIsRefused() {
    Fixture f;
    f.ui.answers = {MsgAnswer::Retry};
    WhenModal("TFormPort", [](QWidget* d) {
      Choose(d, "Skor", 1);
      Choose(d, "Parit", 2);
      Click(d, "OK");
      // Retry shows the dialog again, with the choices not remembered.
      WhenModal("TFormPort", [](QWidget* again) {
        QCOMPARE(again->findChild<QComboBox*>("Parit")->currentText(), QString("нет"));
        QCOMPARE(again->findChild<QComboBox*>("Skor")->currentText(), QString("9600"));
        Choose(again, "Parit", 2);
        Choose(again, "StBit", 0);
        Click(again, "OK");
      });
    });
    f.flow.APortExecute();
    QCOMPARE(f.ui.shown.size(), std::size_t(1));
    QCOMPARE(f.ui.shown[0].text, std::string("Ошибочные данные "));
    QCOMPARE(f.ui.shown[0].caption, std::string("Ошибка"));
    QCOMPARE(f.ui.shown[0].icon, MsgIcon::Error);
    QCOMPARE(f.ui.shown[0].buttons, MsgButtons::RetryCancel);
    QVERIFY(f.port.IsOpen());
    QCOMPARE(f.port.settings.parity, Parity::Even);
    QCOMPARE(f.port.settings.stopBits, 1);

    // Cancel on the refusal changes nothing, and the open port is reopened.
    f.ui.shown.clear();
    f.ui.answers = {MsgAnswer::Cancel};
    const int opens = f.port.opens;
    WhenModal("TFormPort", [](QWidget* d) {
      Choose(d, "StBit", 1);
      Click(d, "OK");
    });
    f.flow.APortExecute();
    QCOMPARE(f.ui.shown.size(), std::size_t(1));
    QCOMPARE(f.link.StopBitsText, std::string("1"));
    QCOMPARE(f.port.opens, opens + 1);
    QVERIFY(f.port.IsOpen());
  }

  void cancelReopensOnlyAPortThatWasOpen() {
    Fixture f;
    // Closed before: stays closed, nothing applied.
    WhenModal("TFormPort", [](QWidget* d) {
      Choose(d, "Skor", 2);
      d->close();
    });
    f.flow.APortExecute();
    QVERIFY(!f.port.IsOpen());
    QCOMPARE(f.port.opens, 0);
    QCOMPARE(f.link.BaudText, std::string("9600"));

    // Open before: reopened with the unchanged settings.
    f.link.PortName = "/dev/ttyUSB0";
    QCOMPARE(f.link.OpenPort(), 0);
    WhenModal("TFormPort", [](QWidget* d) {
      Choose(d, "Skor", 2);
      Choose(d, "CBoxPort", 1);
      d->close();
    });
    f.flow.APortExecute();
    QVERIFY(f.port.IsOpen());
    QCOMPARE(f.port.opens, 2);
    QCOMPARE(f.port.settings.name, std::string("/dev/ttyUSB0"));
    QCOMPARE(f.port.settings.baud, 9600);
  }

  void emptyPortListReportsTheFailedOpen() {
    Fixture f;
    f.ports.clear();
    WhenModal("TFormPort", [](QWidget* d) { Click(d, "OK"); });
    f.flow.APortExecute();
    QVERIFY(!f.port.IsOpen());
    QCOMPARE(f.ui.shown.size(), std::size_t(1));
    QCOMPARE(f.ui.shown[0].text, std::string(" невозможно открыть последовательный порт "));
    QCOMPARE(f.ui.shown[0].caption, std::string("Предупреждение"));
  }

  void exchangeValuesApplyOnlyOnOk() {
    Fixture f;
    // Closing the window after stepping the delay: nothing changes, and the
    // next showing shows the old value again.
    WhenModal("TFormNastr", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QString("Настройка параметров обмена"));
      QCOMPARE(d->findChild<QLineEdit*>("Edit1")->text(), QString("25"));
      QVERIFY(d->findChild<QLineEdit*>("Edit1")->isReadOnly());
      QVERIFY(!d->findChild<QComboBox*>("CBoxPovt1")->isVisibleTo(d));
      Click(d, "UpDown1Up");
      Click(d, "UpDown1Up");
      QCOMPARE(d->findChild<QLineEdit*>("Edit1")->text(), QString("27"));
      d->close();
    });
    f.flow.NastrObmClick();
    QCOMPARE(f.link.GetRequestDelay(), 25u);

    // Confirming untouched leaves all four values as they were.
    WhenModal("TFormNastr", [](QWidget* d) {
      QCOMPARE(d->findChild<QLineEdit*>("Edit1")->text(), QString("25"));
      Click(d, "OK");
    });
    f.flow.NastrObmClick();
    QCOMPARE(f.link.GetRequestDelay(), 25u);
    QCOMPARE(f.link.GetReceiveDelay(), 20);
    QCOMPARE(f.link.GetRetriesStage1(), 5u);
    QCOMPARE(f.link.GetRetriesStage2(), 10u);

    // Stepping down to the floor and confirming applies the value; the hidden
    // retry lists carry theirs.
    WhenModal("TFormNastr", [](QWidget* d) {
      for (int i = 0; i < 30; ++i) Click(d, "UpDown1Down");
      QCOMPARE(d->findChild<QLineEdit*>("Edit1")->text(), QString("1"));
      d->findChild<QComboBox*>("CBoxPovt2")->setCurrentIndex(0);
      Click(d, "OK");
    });
    f.flow.NastrObmClick();
    QCOMPARE(f.link.GetRequestDelay(), 1u);
    QCOMPARE(f.link.GetRetriesStage2(), 1u);
  }

  void portDialogOpensTheExchangeDialog() {
    Fixture f;
    WhenModal("TFormPort", [](QWidget* d) {
      WhenModal("TFormNastr", [](QWidget* n) {
        Click(n, "UpDown1Up");
        Click(n, "OK");
        WhenModal("TFormPort", [](QWidget* p) { Click(p, "OK"); });
      });
      Click(d, "Button1");
    });
    f.flow.APortExecute();
    QCOMPARE(f.link.GetRequestDelay(), 26u);
    QVERIFY(f.port.IsOpen());
  }
};

}  // namespace lur

QTEST_MAIN(lur::SettingsDialogs)
#include "SettingsDialogs_qtest.moc"
