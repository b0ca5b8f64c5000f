// The sensor-type module window as the program registers it: its controls,
// a selector click reaching the block, and closing through the question.
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "modules/views/TQtSensorTypeEditor.h"
#include "session/TModalWindow.h"
#include "session/TServAddressing.h"
#include "shell/ModalDriver.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

class TipDatView : public QObject {
  Q_OBJECT

  struct Fixture {
    test::VirtualClock clock;
    test::SimPort line{clock};
    TScriptedUserInterface ui;
    TComPortClass link{line, clock};
    TConfiguration config;
    TServAddressing addressing{config.Serv};
    TSession session{config, link, ui, addressing};
    TEditorRegistry editors;
    TQtSensorTypeEditor editor{session, editors, nullptr};
    Fixture() {
      link.PortName = "COM1";
      config.Lur.FullAccess = 1;
      editor.Register();
    }
    int Open() {
      TEditorRequest request{TEditor::SensorTypeModule, 3, 3, 10};
      request.typeName = "ЛЕНС-9";
      request.inputs = "DI_3_1 - DI_3_12";
      return editors.Open(request);
    }
  };

 private slots:
  void showsTheModuleAndItsSelectors() {
    Fixture f;
    f.config.Lur.SetTipDatBit(0, 2, 1);
    bool shown = false;
    test::WhenModal("TFormTipDat", [&](QWidget* w) {
      shown = true;
      QCOMPARE(w->windowTitle(), QString("Программирование модуля  ЛЕНС-9"));
      QCOMPARE(w->findChild<QLabel*>("LabNMod")->text(), QString("3"));
      QCOMPARE(w->findChild<QLabel*>("LabTMod")->text(), QString("ЛЕНС-9"));
      QCOMPARE(w->findChild<QLabel*>("LabN")->text(), QString("входы DI_3_1 - DI_3_12"));
      QCOMPARE(w->findChild<QLabel*>("LabMod1")->text(), QString("модуль  ввода дискретных сигналов"));
      QCOMPARE(w->findChild<QGroupBox*>("RadioGroup1")->title(), QString("Датчик №1"));
      QCOMPARE(w->findChild<QGroupBox*>("RadioGroup12")->title(), QString("Датчик № 12"));
      QCOMPARE(w->findChild<QGroupBox*>("RadioGroup1")->toolTip(),
               QString("номер дискретного сигнала в базе 25 (адрес 0x18)"));
      QVERIFY(w->findChild<QRadioButton*>("RadioGroup1_1")->isChecked());
      QVERIFY(w->findChild<QRadioButton*>("RadioGroup2_0")->isChecked());
      QCOMPARE(w->findChild<QPushButton*>("Cancel")->text(), QString("Отмена"));
      QCOMPARE(w->findChild<QPushButton*>("ButOnLine")->text(), QString("on line"));
      QVERIFY(!w->findChild<QPushButton*>("Save")->isVisible());
      // NAMUR for sensor 3: bit 2 of word 2.
      w->findChild<QRadioButton*>("RadioGroup3_1")->click();
      QCOMPARE(f.config.Lur.GetTipDatByte(4), std::uint8_t(0x05));
      // The question's Cancel keeps the window; No closes it with the word
      // as the reserve had it.
      f.ui.answers = {MsgAnswer::Cancel, MsgAnswer::No};
      w->findChild<QPushButton*>("OK")->click();
      QVERIFY(w->isVisible());
      w->close();
    });
    QCOMPARE(f.Open(), kModalOk);
    QVERIFY(shown);
    QCOMPARE(f.ui.shown.size(), std::size_t(2));
    QCOMPARE(f.config.Lur.GetTipDatByte(4), std::uint8_t(0x00));
    QVERIFY(f.line.requests.empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::TipDatView)
#include "TipDat_qtest.moc"
