// The calculation block dialog on the screen: its controls by name, what each
// mode enables, the corrections of the operation, the inline errors of a
// field left and of OK, and the spinner's bounds.
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "fb/views/TFormFBCalcWindow.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "shell/ModalDriver.h"
#include "ui/TQtUserInterface.h"

namespace lur {

using test::WhenModal;
using Calc = TFormFBCalcController;

class FormFBCalcView : public QObject {
  Q_OBJECT

  // 10 blocks and 12 analog signals; integrators (block 1 with channel 3)
  // and arithmetic blocks (a sum, a product, a square root) when asked.
  struct Fixture {
    explicit Fixture(bool calcBlocks = false) {
      config.Serv.SetProcessedAnalogCount(12);
      TProgFBClass& fb = config.FB;
      for (int i = 0; i < 10; ++i) fb.SetTipFB(i, 1);
      fb.NFB = 10;
      if (!calcBlocks) return;
      fb.SetTipFB(10, TProgFBClass::kCalcType);
      fb.SetIntVh(10, 0, 3);
      fb.SetHourBeginDay(10, 5);
      const int operations[] = {1, 3, 5};
      for (int k = 0; k < 3; ++k) {
        fb.SetTipFB(12 + k, TProgFBClass::kCalcType);
        fb.SetSubTip(12 + k, operations[k]);
        fb.SetAdrY(12 + k, operations[k] <= 2 ? 1 : 2, k + 1);
      }
      fb.NIntegr = 1;
      fb.NMat = 3;
    }
    void Prepare(int mode) {
      config.FB.CalcMode = mode;
      form.Prepare();
    }
    test::VirtualClock clock;
    test::ScriptedPort port{clock};
    TQtUserInterface ui;
    TComPortClass link{port, clock};
    TConfiguration config;
    TFixedAddressing addressing{0, 0};
    TSession session{config, link, ui, addressing};
    Calc form{session};
    TFormFBCalcWindow window{ui};
  };

  template <class T>
  static T* Child(QWidget* dialog, const QString& name) {
    auto* w = dialog->findChild<T*>(name);
    if (!w) qWarning("no %s", qPrintable(name));
    return w;
  }
  static auto CloseOnFailure(QWidget* dialog) {
    return qScopeGuard([dialog] {
      if (dialog->isVisible()) static_cast<QDialog*>(dialog)->done(kModalCancel);
    });
  }
  static QStringList Enabled(QWidget* dialog, const QStringList& names) {
    QStringList on;
    for (const QString& name : names) {
      if (Child<QWidget>(dialog, name)->isEnabled()) on << name;
    }
    return on;
  }
  static int Checked(QWidget* dialog) {
    for (int k = 0; k < 6; ++k)
      if (Child<QRadioButton>(dialog, QString("RadioGroup1_%1").arg(k))->isChecked()) return k;
    return -1;
  }
  static void Type(QWidget* dialog, const QString& field, const QString& text) {
    auto* edit = Child<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }
  static QLabel* Marker(QWidget* dialog) { return Child<QLabel>(dialog, "ErrorText"); }

 private slots:
  void everyControlIsThereByName() {
    Fixture f;
    f.Prepare(1);
    QWidget* d = f.window.Window(f.form);
    QCOMPARE(d->windowTitle(), QString("Программирование расчетных блоков"));
    QStringList names = {"LabCreatProg", "GroupBox2", "LabFB",     "LabNFB1",      "EditNFB1",    "Label26",
                         "LabNFB2",      "EditNFB2",  "GroupBox1", "HourBeginDay", "RadioGroup1", "GroupBox3",
                         "Label31",      "LabNFB3",   "EditNFB3",  "UpDown1",      "ComboBox1",   "ComboBox2",
                         "EditX1",       "EditX2",    "EditC1",    "EditC2",       "EditY",       "OK",
                         "Cancel",       "ErrorText"};
    for (int c = 1; c <= 24; ++c) names << QString("Edit%1").arg(c);
    for (const QString& name : names) QVERIFY2(d->findChild<QWidget*>(name), qPrintable(name));
    QCOMPARE(Child<QRadioButton>(d, "RadioGroup1_1")->text(), QString("\"Суммирование       Y=C1*X1+C2*X2"));
    QCOMPARE(Child<QRadioButton>(d, "RadioGroup1_5")->text(), QString("Квадратный корень Y=SQRT(C1*X1)"));
    QCOMPARE(Child<QGroupBox>(d, "RadioGroup1")->title(), QString("Тип арифметического блока"));
    QCOMPARE(Child<QComboBox>(d, "ComboBox2")->itemText(1), QString("расчетная величина"));
    QCOMPARE(Child<QLineEdit>(d, "Edit24")->maxLength(), 7);
    QCOMPARE(Child<QLineEdit>(d, "EditC1")->maxLength(), 10);
    QCOMPARE(Child<QLineEdit>(d, "HourBeginDay")->toolTip(), QString("0-23"));
    QCOMPARE(Child<QPushButton>(d, "Cancel")->text(), QString("Отмена"));
  }

  void eachModeEnablesItsControls() {
    const QStringList watched = {"GroupBox2", "Edit1",    "Edit2",     "Edit13",    "HourBeginDay",
                                 "GroupBox3", "EditNFB3", "ComboBox1", "ComboBox2", "EditX1",
                                 "EditX2",    "EditC1",   "EditC2",    "EditY",     "EditNFB1"};
    const struct {
      int mode;
      bool calcBlocks;
      QString label;
      QStringList enabled;
    } cases[] = {
        {0, false, "создание интеграторов расхода", {"GroupBox2", "Edit1", "HourBeginDay"}},
        {1,
         false,
         "создание арифметических блоков",
         {"GroupBox3", "ComboBox1", "EditX1", "EditX2", "EditC1", "EditC2"}},
        {2, true, "программирование интеграторов расхода", {"GroupBox2", "Edit1", "Edit2", "HourBeginDay"}},
        {3,
         true,
         "программирование арифметических блоков",
         {"GroupBox3", "EditNFB3", "ComboBox1", "ComboBox2", "EditX1", "EditX2", "EditC1", "EditC2"}},
    };
    for (const auto& c : cases) {
      Fixture f(c.calcBlocks);
      f.Prepare(c.mode);
      WhenModal("TFormFBCalc", [&](QWidget* d) {
        const auto closeOnFailure = CloseOnFailure(d);
        QCOMPARE(Child<QLabel>(d, "LabCreatProg")->text(), c.label);
        QCOMPARE(Enabled(d, watched), c.enabled);
        QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
      });
      QCOMPARE(f.window.ShowModal(f.form), kModalCancel);
    }
  }

  void theOperationIsCorrectedByTheMode() {
    const struct {
      int mode;
      const char* click;
      int checked;
    } cases[] = {
        {1, "RadioGroup1_0", 1}, {3, "RadioGroup1_0", -1}, {2, "RadioGroup1_4", 0}, {1, "RadioGroup1_5", 5}};
    for (const auto& c : cases) {
      Fixture f(c.mode >= 2);
      f.Prepare(c.mode);
      WhenModal("TFormFBCalc", [&](QWidget* d) {
        const auto closeOnFailure = CloseOnFailure(d);
        QTest::mouseClick(Child<QRadioButton>(d, c.click), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(Checked(d), c.checked);
        QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
      });
      QCOMPARE(f.window.ShowModal(f.form), kModalCancel);
    }
  }

  // A channel past the analog signals is reported when left and keeps the
  // next one closed; a constant out of range keeps the dialog open.
  void inlineErrorsOnLeavingAndOnOK() {
    Fixture f;
    f.Prepare(0);
    WhenModal("TFormFBCalc", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      // Focus moves between fields of the active window only.
      d->activateWindow();
      QVERIFY(QTest::qWaitForWindowActive(d));
      Type(d, "Edit1", "13");
      Child<QLineEdit>(d, "HourBeginDay")->setFocus();
      QVERIFY(Marker(d)->isVisible());
      QCOMPARE(Marker(d)->text(), QString(" Ошибка ввода "));
      QVERIFY(!Child<QLineEdit>(d, "Edit2")->isEnabled());
      Type(d, "Edit1", "12");
      Child<QLineEdit>(d, "HourBeginDay")->setFocus();
      QVERIFY(Child<QLineEdit>(d, "Edit2")->isEnabled());
      QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalCancel);

    Fixture g;
    g.Prepare(1);
    WhenModal("TFormFBCalc", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
      QVERIFY(d->isVisible());  // no operation chosen
      QCOMPARE(Marker(d)->text(), QString(" Ошибка ввода "));
      QTest::mouseClick(Child<QRadioButton>(d, "RadioGroup1_3"), Qt::LeftButton, {}, QPoint(5, 5));
      Type(d, "EditC1", "40000");
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
      QVERIFY(d->isVisible());
      QVERIFY(Marker(d)->isVisible());
      QCOMPARE(Marker(d)->text(), QString("Величина вне диапазона -32767 - 32767"));
      Type(d, "EditC1", "2,5");
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(g.window.ShowModal(g.form), kModalOk);
    QCOMPARE(g.form.editC1, std::string("2,5"));
  }

  // The spinner walks the arithmetic blocks there are and stops at the last.
  void theSpinnerStopsAtTheLastBlock() {
    Fixture f(true);
    f.Prepare(3);
    WhenModal("TFormFBCalc", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      auto* up = Child<QToolButton>(d, "UpDown1_Up");
      QCOMPARE(Child<QLineEdit>(d, "EditNFB3")->text(), QString("13"));
      for (int k = 0; k < 4; ++k) QTest::mouseClick(up, Qt::LeftButton);
      QCOMPARE(Child<QLineEdit>(d, "EditNFB3")->text(), QString("15"));
      QCOMPARE(Child<QLabel>(d, "LabNFB3")->text(), QString("3"));
      QCOMPARE(Checked(d), 5);
      QVERIFY(!Child<QLineEdit>(d, "EditX2")->isEnabled());
      QTest::mouseClick(Child<QToolButton>(d, "UpDown1_Down"), Qt::LeftButton);
      QCOMPARE(Child<QLineEdit>(d, "EditNFB3")->text(), QString("14"));
      QCOMPARE(Checked(d), 3);
      QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalCancel);
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormFBCalcView)
#include "FormFBCalc_qtest.moc"
