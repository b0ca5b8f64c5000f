#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include "discrete/views/TQtDiscreteDialogs.h"
#include "discrete/views/TQtOutputPanel.h"
#include "discrete/views/TQtUpDown.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "shell/ModalDriver.h"
#include "ui/TQtUserInterface.h"

namespace lur {

using test::WhenModal;

class DiscreteDialogsView : public QObject {
  Q_OBJECT

  // The program's own user: the inline marker and error boxes are widgets.
  struct Fixture {
    Fixture() {
      config.Serv.SetDiModuleCount(2);
      config.Serv.SetAiModuleCount(1);
      config.Serv.SetProcessedDiscreteCount(48);
    }
    test::VirtualClock clock;
    test::ScriptedPort port{clock};
    TQtUserInterface ui;
    TComPortClass link{port, clock};
    TConfiguration config;
    TFixedAddressing addressing{0, 0};
    TSession session{config, link, ui, addressing};
    TDiscreteDialogForms forms{session};
    TQtDiscreteDialogs dialogs{forms, ui};
    TDiscreteDialogWindows windows = dialogs.Windows();
  };

  template <class T>
  static T* Child(QWidget* dialog, const char* name) {
    auto* w = dialog->findChild<T*>(name);
    if (!w) qWarning("no %s", name);
    return w;
  }

 private slots:
  void everyControlIsThereByName() {
    Fixture f;
    const struct {
      QWidget* dialog;
      QStringList names;
    } dialogs[] = {
        {f.dialogs.CreatVhWindow(),
         {"LabNVh",  "LabN",       "EditText", "PageControl1",   "CBoxTipVh",    "EditNMod",
          "UpDown1", "EditNVhMod", "UpDown2",  "CBoxTipSign",    "CBoxTipVhNet", "EditNB_MBM",
          "UpDown3", "EditNVhNet", "UpDown4",  "CBoxTipSignNet", "LabTipSlave",  "LabAdrSlave",
          "TipK",    "Arh",        "OK"}},
        {f.dialogs.SigWindow(), {"LabNVh", "Label2", "RadioGroup1", "Edit1", "OK"}},
        {f.dialogs.ZaWindow(), {"LabNVh", "Label2", "Label1", "EditDiskr", "EditT", "OK"}},
        {f.dialogs.VyhWindow(),
         {"LabNVh", "LabelName", "Label6", "Label1", "Label5", "Panel1", "Panel40", "OK"}},
        {f.dialogs.VklWindow(), {"LabNVh", "Label2", "Label3", "SBVkl", "OK"}},
        {f.dialogs.TextWindow(), {"LabNVh", "Label2", "Label1", "EditText", "OK"}},
        {f.dialogs.VhWindow(),
         {"GroupBox1", "LabNVh", "EditNVh", "LabName", "GroupBox2", "Edit1", "Edit2", "GroupBox3", "Edit3",
          "OK", "Cancel", "ErrorText"}},
    };
    for (const auto& d : dialogs) {
      QVERIFY(d.dialog);
      for (const QString& name : d.names) QVERIFY2(d.dialog->findChild<QWidget*>(name), qPrintable(name));
    }
    QCOMPARE(f.dialogs.VyhWindow()->findChild<QLabel*>("Label1")->text(), QString("MP №1"));
    QCOMPARE(f.dialogs.VhWindow()->findChild<QPushButton*>("Cancel")->text(), QString("Отмена"));
    QCOMPARE(f.dialogs.CreatVhWindow()->findChild<QLineEdit*>("EditText")->maxLength(), 14);
    QCOMPARE(f.dialogs.ZaWindow()->findChild<QLineEdit*>("EditT")->toolTip(),
             QString("Время в ед дискр(0-60)"));
  }

  void identifierDialogShowsTheControllersRanges() {
    Fixture f;
    f.forms.creatVh.caption = "Создание нового идентификатора входа";
    f.forms.creatVh.netPageEnabled = false;
    WhenModal("TFormCreatVh", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QString("Создание нового идентификатора входа"));
      auto* pages = Child<QTabWidget>(d, "PageControl1");
      QVERIFY(!pages->isTabEnabled(1));
      QCOMPARE(pages->currentIndex(), 0);
      QCOMPARE(Child<TQtUpDown>(d, "UpDown1")->Maximum(), 2);
      QCOMPARE(Child<TQtUpDown>(d, "UpDown2")->Maximum(), 12);
      QVERIFY(!Child<QComboBox>(d, "CBoxTipSign")->isEnabled());

      auto* kind = Child<QComboBox>(d, "CBoxTipVh");
      kind->setCurrentIndex(1);
      emit kind->activated(1);
      QCOMPARE(Child<TQtUpDown>(d, "UpDown1")->Maximum(), 1);
      QCOMPARE(Child<TQtUpDown>(d, "UpDown2")->Maximum(), 6);
      QVERIFY(Child<QComboBox>(d, "CBoxTipSign")->isEnabled());

      // A typed number past the range is held at its maximum.
      auto* input = Child<QLineEdit>(d, "EditNVhMod");
      input->setFocus();
      input->selectAll();
      QTest::keyClicks(input, "9");
      emit input->editingFinished();
      QCOMPARE(input->text(), QString("6"));
      QTest::mouseClick(Child<QWidget>(d, "UpDown2Up"), Qt::LeftButton);
      QCOMPARE(input->text(), QString("6"));
      QTest::mouseClick(Child<QWidget>(d, "UpDown2Down"), Qt::LeftButton);
      QCOMPARE(input->text(), QString("5"));
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.windows.creatVh.ShowModal(f.forms.creatVh), kModalOk);
    QCOMPARE(f.forms.creatVh.kind, int(TFormCreatVhController::kAnalog));
    QCOMPARE(f.forms.creatVh.input, 5);
  }

  void anOutputPanelTogglesItsByteAndColour() {
    Fixture f;
    TFormVyhController& vyh = f.forms.vyh;
    vyh.Preset(2, {0x01, 0, 0, 0, 0});
    int changes = 0;
    int infos = 0;
    vyh.marksChange.Set([&] { ++changes; });
    vyh.onInfVyh = [&] { ++infos; };
    WhenModal("TFormVyh", [&](QWidget* d) {
      auto* view = static_cast<TFormVyh*>(d);
      QVERIFY(Child<QLabel>(d, "Label2")->isVisible());
      QVERIFY(!Child<QLabel>(d, "Label3")->isVisible());
      QVERIFY(!Child<QWidget>(d, "Panel17")->isVisible());
      TQtOutputPanel* first = view->OutputPanel(0, 0);
      QCOMPARE(first->Color(), 0x808000u);
      TQtOutputPanel* panel = view->OutputPanel(1, 2);  // "Panel11"
      QCOMPARE(panel->objectName(), QString("Panel11"));
      QCOMPARE(panel->Color(), 0xC0C0C0u);
      QTest::mouseClick(panel, Qt::LeftButton);
      QCOMPARE(panel->Color(), 0x808000u);
      QCOMPARE(vyh.Byte(1), 0x04);
      QTest::mouseClick(first, Qt::LeftButton);
      QCOMPARE(first->Color(), 0xC0C0C0u);
      QCOMPARE(vyh.Byte(0), 0x00);

      QTest::mousePress(panel, Qt::RightButton);
      QCOMPARE(f.config.Lur.InfMR, 1);
      QCOMPARE(f.config.Lur.InfOut, 2);
      QTRY_VERIFY(view->OutputMenu()->isVisible());
      QCOMPARE(view->InfVyhAction()->text(), QString("Информация о дискретном выходе"));
      view->InfVyhAction()->trigger();
      view->OutputMenu()->close();
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.windows.vyh.ShowModal(vyh), kModalOk);
    QCOMPARE(changes, 2);
    QCOMPARE(infos, 1);
    QCOMPARE(vyh.Bytes(), (std::array<std::uint8_t, 5>{0x00, 0x04, 0, 0, 0}));
  }

  void numberDialogRefusesInPlaceAndCancels() {
    Fixture f;
    TFormVhController& vh = f.forms.vh;
    vh.ShowGroup(1);
    vh.editNVh = "0";
    vh.caption = "Ввод номера  входа";
    WhenModal("TFormVh", [&](QWidget* d) {
      QCOMPARE(d->windowTitle(), QString("Ввод номера  входа"));
      QVERIFY(Child<QGroupBox>(d, "GroupBox1")->isVisible());
      QVERIFY(!Child<QGroupBox>(d, "GroupBox2")->isVisible());
      auto* marker = Child<QLabel>(d, "ErrorText");
      QVERIFY(!marker->isVisible());
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
      QVERIFY(d->isVisible());
      QVERIFY(marker->isVisible());
      QCOMPARE(marker->text(), QString(" Ошибка ввода "));
      // The close box checks as OK does.
      d->close();
      QVERIFY(d->isVisible());
      auto* edit = Child<QLineEdit>(d, "EditNVh");
      edit->selectAll();
      QTest::keyClicks(edit, "48");
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.windows.vh.ShowModal(vh), kModalOk);
    QCOMPARE(vh.NVh(), 48);

    vh.editNVh = "";
    WhenModal("TFormVh", [](QWidget* d) {
      QVERIFY(!Child<QLabel>(d, "ErrorText")->isVisible());  // hidden again on showing
      QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
    });
    QCOMPARE(f.windows.vh.ShowModal(vh), kModalCancel);
  }

  void aClickOnTheBackgroundClosesWhereHandled() {
    Fixture f;
    f.forms.sig.edit1 = "";
    f.forms.sig.label2 = "3      DI_03";
    WhenModal("TFormSig", [](QWidget* d) {
      QCOMPARE(Child<QLabel>(d, "Label2")->text(), QString("3      DI_03"));
      QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(1, 1));
    });
    QCOMPARE(f.windows.sig.ShowModal(f.forms.sig), kModalOk);
    QCOMPARE(f.forms.sig.edit1, std::string("00"));

    f.forms.vkl.Preset(false);
    WhenModal("TFormVkl", [](QWidget* d) {
      auto* toggle = Child<QAbstractButton>(d, "SBVkl");
      QCOMPARE(toggle->text(), QString("отключено"));
      QTest::mouseClick(toggle, Qt::LeftButton);
      QCOMPARE(toggle->text(), QString("включено"));
      QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(1, 1));
    });
    QCOMPARE(f.windows.vkl.ShowModal(f.forms.vkl), kModalOk);
    QVERIFY(f.forms.vkl.sbVkl);
    QCOMPARE(f.config.Lur.DiskrModified, 1);

    f.forms.text.editText = "";
    WhenModal("TFormText", [](QWidget* d) { QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(1, 1)); });
    QCOMPARE(f.windows.text.ShowModal(f.forms.text), kModalOk);
    QCOMPARE(f.forms.text.editText, std::string("          "));

    // The delay dialog has no such close: a background click leaves it open.
    WhenModal("TFormZa", [](QWidget* d) {
      QTest::mouseClick(d, Qt::LeftButton, {}, QPoint(1, 1));
      QVERIFY(d->isVisible());
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.windows.za.ShowModal(f.forms.za), kModalOk);
  }
};

}  // namespace lur

QTEST_MAIN(lur::DiscreteDialogsView)
#include "DiscreteDialogs_qtest.moc"
