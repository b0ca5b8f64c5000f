#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "DetailConfig.h"
#include "live/InputDetail.h"
#include "live/views/TQtDetailWindows.h"
#include "model/Cp1251.h"
#include "shell/ModalDriver.h"

namespace lur {

using test::MakeDetailConfig;
using test::SetNetBlocks;
using test::WhenModal;

class DetailWindows : public QObject {
  Q_OBJECT

  struct Fixture {
    std::unique_ptr<TConfiguration> config = MakeDetailConfig();
    TDetailForms forms;
    TQtDetailWindows windows;
    Fixture() {
      config->MBA.SetUnit(0, 1, 2);
      config->MBA.SetPozText("TE-12", 0, 1);
      config->MBA.SetMaxSkText("400", 0, 1);
      config->MBA.SetUstHText("350", 0, 1);
      config->Serv.SetInputText(Utf8ToCp1251("Температура"), 30);
      SetNetBlocks(*config, {{0, 1, 2, 0, 9, 3}, {1, 3, 1, 6, 21, 2}});
      config->MBM.SetRazm(0, 4);
      config->MBM.SetPoz(0, "LT-7");
      config->MBM.SetUstLL(0, "0,5");
    }
  };

  static QString Text(QWidget* dialog, const char* name) {
    if (auto* label = dialog->findChild<QLabel*>(name)) return label->text();
    if (auto* edit = dialog->findChild<QLineEdit*>(name)) return edit->text();
    if (auto* box = dialog->findChild<QComboBox*>(name)) return box->currentText();
    return "<" + QString(name) + " missing>";
  }
  // Every value control is there and disabled: the windows only show.
  static void AllDisabled(QWidget* dialog, const QStringList& names) {
    for (const QString& name : names) {
      auto* w = dialog->findChild<QWidget*>(name);
      QVERIFY2(w, qPrintable(name));
      QVERIFY2(!w->isEnabled(), qPrintable(name));
    }
  }
  // Runs the checks on the window once it is shown, then closes it with OK
  // (so a failed check cannot leave the modal window open); the window
  // without an OK button fails the test.
  static void Inspect(const char* window, std::function<void(QWidget*)> checks) {
    WhenModal(window, [checks](QWidget* d) {
      checks(d);
      auto* ok = d->findChild<QPushButton*>("OK");
      if (!ok) {
        QTest::qFail("no OK button", __FILE__, __LINE__);
        d->close();
        return;
      }
      ok->click();
    });
  }

 private slots:
  void analogDetailShowsTheLimitsChannel() {
    Fixture f;
    bool seen = false;
    Inspect("TFormInfAn", [&](QWidget* d) {
      seen = true;
      QCOMPARE(d->windowTitle(), QString("Информация об аналоговом входе"));
      AllDisabled(d, {"Label2", "LabNMod", "LabTMod", "Label1", "LabTextRecv", "Razm1", "Poz1", "NSK1", "VSK1",
                      "LabUstLL", "Ust1LL"});
      for (const char* name : {"LabNVh", "Label11", "LabVh", "Label7", "LabelRazm", "Label8", "Label9"}) {
        QVERIFY2(d->findChild<QLabel*>(name), name);
      }
      QCOMPARE(Text(d, "Label11"), QString("Модуль аналогового ввода   № "));
      QCOMPARE(Text(d, "Label2"), QString("31 (адрес 0x1E)      AI1_2_H   "));
      QCOMPARE(Text(d, "LabNMod"), QString("1"));
      QCOMPARE(Text(d, "LabTMod"), QString("ГАРП-3"));
      QCOMPARE(Text(d, "Label1"), QString("2"));
      QCOMPARE(Text(d, "LabTextRecv"), QString("Температура   "));
      QCOMPARE(Text(d, "Razm1"), QString("МПа"));
      QCOMPARE(d->findChild<QComboBox*>("Razm1")->count(), 16);
      QCOMPARE(Text(d, "Poz1"), QString("TE-12   "));
      QCOMPARE(Text(d, "VSK1"), QString("400,0000"));
      QCOMPARE(Text(d, "LabUstLL"), QString("уставка H"));
      QCOMPARE(Text(d, "Ust1LL"), QString("350,0000"));
    });
    QCOMPARE(ShowInputDetail(*f.config, 30, f.forms, f.windows.Windows()), kModalOk);
    QVERIFY(seen);
    QVERIFY(!f.windows.InfAnWindow()->isVisible());
  }

  void networkDetailHidesScalingForDiscreteValues() {
    Fixture f;
    Inspect("TFormInfNetAn", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QString("Информация о сетевом  входе"));
      AllDisabled(d, {"Label2", "LabNMod", "LabAdrSlave", "LabTUst", "Label1", "LabTextRecv", "Razm1", "Poz1",
                      "NSK1", "VSK1", "LabUstLL", "Ust1LL"});
      for (const char* name : {"LabNVh", "Label11", "Label5", "Label4", "LabVh"}) {
        QVERIFY2(d->findChild<QLabel*>(name), name);
      }
      QCOMPARE(Text(d, "LabNMod"), QString("1"));
      QCOMPARE(Text(d, "LabAdrSlave"), QString("9"));
      QCOMPARE(Text(d, "LabTUst"), QString("СУР-ЛЕ"));
      QCOMPARE(Text(d, "Label1"), QString("2"));
      QVERIFY(d->findChild<QGroupBox*>("GroupBox1")->isHidden());
    });
    QCOMPARE(ShowInputDetail(*f.config, 49, f.forms, f.windows.Windows()), kModalOk);

    // The same window for an analog value: the group comes back, filled.
    Inspect("TFormInfNetAn", [](QWidget* d) {
      auto* group = d->findChild<QGroupBox*>("GroupBox1");
      QVERIFY(group->isVisible());
      QCOMPARE(group->title(), QString("Данные масштабирования аналогового входа"));
      QVERIFY(group->findChild<QLineEdit*>("Poz1"));
      QCOMPARE(Text(d, "Label2"), QString("51 (адрес 0x32)      DLAI2_1_LL"));
      QCOMPARE(Text(d, "LabNMod"), QString("2"));
      QCOMPARE(Text(d, "LabTUst"), QString("СУР-ЛО"));
      QCOMPARE(Text(d, "Label1"), QString("1"));
      QCOMPARE(d->findChild<QComboBox*>("Razm1")->currentIndex(), 4);
      QCOMPARE(Text(d, "Poz1"), QString("LT-7    "));
      QCOMPARE(Text(d, "LabUstLL"), QString("уставка LL"));
      QCOMPARE(Text(d, "Ust1LL"), QString("0,5000"));
    });
    QCOMPARE(ShowInputDetail(*f.config, 50, f.forms, f.windows.Windows()), kModalOk);
  }

  void outputDetailShowsTheSettingsBesideTheirHeadings() {
    Fixture f;
    f.config->MR.SetDefaultOutput(3, 1);  // output 12
    f.config->MR.SetVhSbr(5, 3, 1);
    Inspect("TFormInfVyh", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QString("Информация о дискретном выходе"));
      QStringList values;
      for (const char* name : TFormInfVyh::kFieldNames) {
        values << QString("Lab") + name;
        QVERIFY2(d->findChild<QLabel*>(QString("St") + name), name);
      }
      AllDisabled(d, values);
      QCOMPARE(Text(d, "StKvitMind"), QString("Квитирование c\nцентр.пан.КОРД"));
      QCOMPARE(Text(d, "LabNomer"), QString(" 12"));
      QCOMPARE(Text(d, "LabAdr"), QString(" 0x0B"));
      QCOMPARE(Text(d, "LabId"), QString("DO_2_4  "));
      QCOMPARE(Text(d, "LabTipVyh"), QString("управл."));
      QCOMPARE(Text(d, "LabKvitBlock"), QString("с   блокировкой"));
      QCOMPARE(Text(d, "LabKvitMind"), QString("нет"));
      QCOMPARE(Text(d, "LabSbrMind"), QString("есть"));
      QCOMPARE(Text(d, "LabVhSbr"), QString("5"));
    });
    QCOMPARE(ShowOutputDetail(*f.config, 11, f.forms, f.windows.Windows()), kModalOk);
  }
};

}  // namespace lur

QTEST_MAIN(lur::DetailWindows)
#include "DetailWindows_qtest.moc"
