#include <QButtonGroup>
#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QtTest>

#include "fb/views/TFormCreatFBWindow.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "shell/ModalDriver.h"
#include "ui/TQtUserInterface.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

using test::WhenModal;
using Form = TFormCreatFBController;

class FormCreatFBView : public QObject {
  Q_OBJECT

  // The program's own user by default (the inline marker and the error boxes
  // are widgets); a scripted one records the key filters' refusals instead.
  struct Fixture {
    explicit Fixture(bool scripted = false) : ui(scripted ? static_cast<TUserInterface&>(script) : qtUi) {
      config.Serv.SetProcessedDiscreteCount(96);
      config.Serv.SetProcessedAnalogCount(12);
      for (int i = 0; i < 20; ++i) config.FB.SetTipFB(i, 1);
      config.FB.NFB = 20;
    }
    test::VirtualClock clock;
    test::ScriptedPort port{clock};
    TQtUserInterface qtUi;
    TScriptedUserInterface script;
    TUserInterface& ui;
    TComPortClass link{port, clock};
    TConfiguration config;
    TFixedAddressing addressing{0, 0};
    TSession session{config, link, ui, addressing};
    Form form{session};
    TFormCreatFBWindow window{ui};
  };

  template <class T>
  static T* Child(QWidget* dialog, const QString& name) {
    auto* w = dialog->findChild<T*>(name);
    if (!w) qWarning("no %s", qPrintable(name));
    return w;
  }
  static void Click(QWidget* dialog, const QString& radioButton) {
    QTest::mouseClick(Child<QRadioButton>(dialog, radioButton), Qt::LeftButton, {}, QPoint(5, 5));
  }
  static void Type(QWidget* dialog, const QString& field, const QString& text) {
    auto* edit = Child<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }
  // A failed check returns from the action at once: the dialog is closed
  // then, so the test goes on instead of waiting on it.
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

 private slots:
  void everyControlIsThereByName() {
    Fixture f;
    f.form.PrepareForNewBlock(21, true);
    QWidget* d = f.window.Window(f.form);
    QCOMPARE(d->objectName(), QString("TFormCreatFB"));
    QCOMPARE(d->windowTitle(), QString("Программирование функционального блока"));
    const QStringList names = {
        "LabFB",    "EditNFB",     "LabCreatProg", "RadioGroup1", "SBVkl",       "GroupBox1",  "ComboBox1",
        "ComboBox2", "ComboBox3",  "ComboBox4",    "ComboBox5",   "ComboBox6",   "ComboBox7",  "ComboBox8",
        "EditVx1",  "EditVx2",     "EditVx3",      "EditVx4",     "LabRS1",      "LabRS2",     "LabRS3",
        "LabRS4",   "RadioGroup3", "GBTimer",      "RadioGroup2", "RadioGroup4", "EditT",      "RadioGroup5",
        "EditAdrT", "GroupBox2",   "EditHour",     "EditMin",     "EditSec",     "GBComp",     "EditAnVh",
        "ComboBox9", "CBoxCond",   "RadioGroup6",  "EditLim",     "EditAdrUst",  "EditGist",   "GBCount",
        "EditLimCount", "InformBut", "OK",         "Cancel",      "ErrorText"};
    for (const QString& name : names) QVERIFY2(d->findChild<QWidget*>(name), qPrintable(name));

    auto* types = Child<QGroupBox>(d, "RadioGroup1");
    QCOMPARE(types->title(), QString("Тип функц. блока"));
    QCOMPARE(types->findChildren<QRadioButton*>().size(), 9);
    QCOMPARE(Child<QRadioButton>(d, "RadioGroup1_0")->text(), QString("\"И\" (4 входа)"));
    QCOMPARE(Child<QRadioButton>(d, "RadioGroup1_6")->text(), QString("\"Тр\"  триггер (4 входа)"));
    QCOMPARE(Child<QRadioButton>(d, "RadioGroup2_5")->text(), QString("T5 - \"будильник\""));
    QCOMPARE(Child<QGroupBox>(d, "GroupBox2")->title(), QString("Реальное время включения \"будильника\""));
    QCOMPARE(Child<QComboBox>(d, "ComboBox2")->itemText(3), QString("флаг недост. диск. сигн."));
    QCOMPARE(Child<QPushButton>(d, "Cancel")->text(), QString("Отмена"));
    QCOMPARE(Child<QPushButton>(d, "InformBut")->text(), QString("Входные сигналы"));
    QCOMPARE(Child<QLineEdit>(d, "EditT")->toolTip(), QString("Время в ед дискр(0-120)"));
    QCOMPARE(Child<QLineEdit>(d, "EditAdrUst")->toolTip(), QString("Адрес(1-10)"));
    QCOMPARE(Child<QLineEdit>(d, "EditVx1")->maxLength(), 3);
    QCOMPARE(Child<QLineEdit>(d, "EditT")->maxLength(), 4);
    QCOMPARE(Child<QLineEdit>(d, "EditLim")->maxLength(), 7);
    QVERIFY(!Child<QLineEdit>(d, "EditNFB")->isEnabled());
  }

  // Clicking a type (and a timer type) enables exactly its controls.
  void enablingMatrixByTypeAndTimerType() {
    const QStringList watched = {"EditVx1",     "EditVx2",     "EditVx3",     "EditVx4",  "RadioGroup3",
                                 "GBTimer",     "RadioGroup2", "RadioGroup4", "EditT",    "RadioGroup5",
                                 "EditAdrT",    "EditHour",    "GBComp",      "EditLim",  "EditAdrUst",
                                 "RadioGroup6", "ComboBox9",   "GBCount",     "EditLimCount"};
    const struct {
      const char* type;
      const char* timerType;  // nullptr: none clicked
      QStringList enabled;
      QStringList labels;
    } cases[] = {
        {"RadioGroup1_1", nullptr, {"EditVx1", "EditVx2", "EditVx3", "EditVx4"}, {"", "", "", ""}},
        {"RadioGroup1_4", nullptr, {"EditVx1", "EditVx2"}, {"", "", "", ""}},
        {"RadioGroup1_5",
         nullptr,
         {"EditVx1", "EditVx2", "GBTimer", "RadioGroup2", "RadioGroup4", "EditT", "RadioGroup5"},
         {"S", "R", "", ""}},
        {"RadioGroup1_5",
         "RadioGroup2_5",
         {"EditVx1", "GBTimer", "RadioGroup2", "RadioGroup4", "EditT", "RadioGroup5", "EditHour"},
         {"", "", "", ""}},
        {"RadioGroup1_6", nullptr, {"EditVx1", "EditVx2", "EditVx3", "EditVx4", "RadioGroup3"}, {"S", "S", "R", "R"}},
        {"RadioGroup1_7",
         nullptr,
         {"EditVx1", "GBTimer", "RadioGroup4", "EditT", "GBComp", "EditLim", "RadioGroup6", "ComboBox9"},
         {"", "", "", ""}},
        {"RadioGroup1_8",
         nullptr,
         {"EditVx1", "EditVx2", "EditVx3", "EditVx4", "GBCount", "EditLimCount"},
         {"ZV", "ZR", "S", "R"}},
    };
    for (const auto& c : cases) {
      Fixture f;
      f.form.PrepareForNewBlock(21, true);
      WhenModal("TFormCreatFB", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
        QCOMPARE(Enabled(d, watched), QStringList{});  // no type yet: every setting disabled
        Click(d, c.type);
        if (c.timerType) Click(d, c.timerType);
        QCOMPARE(Enabled(d, watched), c.enabled);
        QStringList labels;
        for (int r = 1; r <= 4; ++r) labels << Child<QLabel>(d, QString("LabRS%1").arg(r))->text();
        QCOMPARE(labels, c.labels);
        QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
      });
      QCOMPARE(f.window.ShowModal(f.form), kModalCancel);
    }
  }

  // A record's settings are shown in order: the set-point kind's handling
  // ran before its address was filled in; a value no list holds checks no
  // item.
  void filledFromARecord() {
    Fixture f;
    f.config.FB.SetRecord(4, {0x38, 0x05, 0, 0, 0, 0x95, 9, 0x0A, 12, 0x20});
    f.form.PrepareFromRecord(4);
    QWidget* d = f.window.Window(f.form);
    WhenModal("TFormCreatFB", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      QCOMPARE(Child<QLineEdit>(d, "EditNFB")->text(), QString("5"));
      QCOMPARE(Child<QLabel>(d, "LabCreatProg")->text(), QString("программирование"));
      QVERIFY(Child<QRadioButton>(d, "RadioGroup1_7")->isChecked());
      QVERIFY(Child<QRadioButton>(d, "RadioGroup6_1")->isChecked());
      QCOMPARE(Child<QLineEdit>(d, "EditAdrUst")->text(), QString("3"));
      QVERIFY(Child<QLineEdit>(d, "EditAdrUst")->isEnabled());
      QVERIFY(!Child<QLineEdit>(d, "EditLim")->isEnabled());
      QCOMPARE(Child<QLineEdit>(d, "EditAnVh")->text(), QString("5"));
      QCOMPARE(Child<QComboBox>(d, "CBoxCond")->currentText(), QString("H"));
      QCOMPARE(Child<QComboBox>(d, "ComboBox2")->currentIndex(), 2);
      QCOMPARE(Child<QLineEdit>(d, "EditVx1")->text(), QString("12"));
      QVERIFY(Child<QToolButton>(d, "SBVkl")->isChecked());
      QCOMPARE(Child<QToolButton>(d, "SBVkl")->text(), QString("включено"));
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalOk);
    QCOMPARE(d, static_cast<QWidget*>(f.window.Window(f.form)));  // one dialog for the run

    f.config.FB.SetRecord(4, {0x96, 0x0B, 1, 0x08, 2, 0x03, 10, 0x00});
    f.form.PrepareFromRecord(4);
    WhenModal("TFormCreatFB", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      for (const char* group : {"RadioGroup2", "RadioGroup4"}) {
        const auto buttons = Child<QGroupBox>(d, group)->findChildren<QRadioButton*>();
        for (auto* b : buttons) QVERIFY2(!b->isChecked(), qPrintable(b->objectName()));
      }
      QCOMPARE(Child<QComboBox>(d, "ComboBox2")->currentIndex(), -1);  // kind 3
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalOk);
    QVERIFY(f.form.WriteIntoRecord(4));
    QCOMPARE(f.config.FB.GetRecord(4), (TProgFBClass::Record{0x96, 0x0B, 1, 0x08, 2, 0x03, 10, 0x00}));
  }

  // A refused check shows the marker at the field (top = bottom - 5,
  // left = left - 15) and keeps the dialog open; the mouse over the marker
  // hides it. Typed values reach the record.
  void inlineErrorAtTheField() {
    Fixture f;
    f.form.PrepareForNewBlock(21, true);
    WhenModal("TFormCreatFB", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      Click(d, "RadioGroup1_5");
      Click(d, "RadioGroup2_5");
      Type(d, "EditHour", "24");
      auto* marker = Child<QLabel>(d, "ErrorText");
      QVERIFY(!marker->isVisible());
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
      QVERIFY(d->isVisible());
      QVERIFY(marker->isVisible());
      QCOMPARE(marker->text(), QString("Вне диапазона 0 - 23"));
      auto* hour = Child<QLineEdit>(d, "EditHour");
      const QPoint at = hour->mapTo(d, QPoint(0, 0));
      QCOMPARE(marker->pos(), QPoint(at.x() - 15, at.y() + hour->height() - 5));
      QVERIFY(f.form.errorTextVisible);
      QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
      QApplication::sendEvent(marker, &enter);
      QVERIFY(!marker->isVisible());
      QVERIFY(!f.form.errorTextVisible);

      d->close();  // the close box checks as OK does
      QVERIFY(d->isVisible());
      Type(d, "EditHour", "7");
      Type(d, "EditMin", "5");
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalOk);
    QVERIFY(f.form.WriteIntoRecord(20));
    const auto r = f.config.FB.GetRecord(20);
    QCOMPARE(int(r[0]), 0x56);
    QCOMPARE(int(r[4]), 5);
    QCOMPARE(int(r[5]) >> 2, 7);
  }

  // Integer fields refuse letters, typed or pasted; EditLim refuses only
  // what Shift with a digit types.
  void keyFiltersAndPaste() {
    Fixture f(true);
    f.form.PrepareForNewBlock(21, true);
    WhenModal("TFormCreatFB", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      Click(d, "RadioGroup1_7");
      auto* vx1 = Child<QLineEdit>(d, "EditVx1");
      vx1->setFocus();
      vx1->selectAll();
      QTest::keyClicks(vx1, "1x2");
      QCOMPARE(vx1->text(), QString("12"));
      QGuiApplication::clipboard()->setText("4a");
      QTest::keyClick(vx1, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(vx1->text(), QString("12"));
      QGuiApplication::clipboard()->setText("4");
      QTest::keyClick(vx1, Qt::Key_V, Qt::ControlModifier);
      QCOMPARE(vx1->text(), QString("124"));
      QCOMPARE(f.form.rows[0].number, "124");

      auto* lim = Child<QLineEdit>(d, "EditLim");
      lim->setFocus();
      lim->selectAll();
      QTest::keyClicks(lim, "-1,5");
      QTest::keyClick(lim, Qt::Key_Percent, Qt::ShiftModifier);  // Shift+5
      QCOMPARE(lim->text(), QString("-1,5"));
      QCOMPARE(f.form.editLim, "-1,5");
      QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalCancel);
    QCOMPARE(f.script.inputErrors.size(), std::size_t(3));
    QCOMPARE(f.script.inputErrors[0].field, std::string("EditVx1"));
    QCOMPARE(f.script.inputErrors[1].field, std::string("EditVx1"));
    QCOMPARE(f.script.inputErrors[2].field, std::string("EditLim"));
  }

  // Cancel (the button or Escape) writes nothing and puts the modified flag back.
  void cancelChangesNothing() {
    Fixture f;
    const TProgFBClass::Record bytes{0x26, 0x08, 5, 0x01, 3, 0x01, 15, 0x00, 0, 0x20};
    f.config.FB.SetRecord(3, bytes);
    for (bool escape : {false, true}) {
      f.form.PrepareFromRecord(3);
      WhenModal("TFormCreatFB", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
        Click(d, "RadioGroup1_8");
        Type(d, "EditLimCount", "");
        QTest::mouseClick(Child<QToolButton>(d, "SBVkl"), Qt::LeftButton);
        QCOMPARE(Child<QToolButton>(d, "SBVkl")->text(), QString("отключено"));
        QCOMPARE(f.config.FB.FBModified, 1);
        if (escape) {
          QTest::keyClick(d, Qt::Key_Escape);
        } else {
          QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
        }
      });
      QCOMPARE(f.window.ShowModal(f.form), kModalCancel);
      QVERIFY(f.form.Cancelled());
      QCOMPARE(f.config.FB.FBModified, 0);
      QCOMPARE(f.config.FB.GetRecord(3), bytes);
    }
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormCreatFBView)
#include "FormCreatFB_qtest.moc"
