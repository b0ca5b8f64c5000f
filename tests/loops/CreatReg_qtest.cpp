// The loop programming dialog on screen: its controls by name and caption,
// the key filter of a signal field, the inline error below a refused field,
// and OK, Cancel and the close box through the editor's loop dialog seam.
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "loops/views/TQtLoopDialog.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "shell/ModalDriver.h"
#include "ui/TQtUserInterface.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

using test::WhenModal;
using Form = TFormCreatRegController;

class CreatRegView : public QObject {
  Q_OBJECT

  // The program's own user by default (the marker and the boxes are
  // widgets); a scripted one records the key filter's refusals instead.
  // Record 0 is a single loop on signal 1, DAC output 1.
  struct Fixture {
    explicit Fixture(bool scripted = false) : ui(scripted ? static_cast<TUserInterface&>(script) : qtUi) {
      config.Serv.SetAiModuleCount(2);
      config.Serv.SetProcessedAnalogCount(12);
      config.MBA.SetDefaultUnits();
      config.MBA.SetMinSkText("0", 0, 0);
      config.MBA.SetMaxSkText("100", 0, 0);
      TProgRegClass& reg = config.Reg;
      reg.SetAnVh(0, 1);
      reg.SetTReg(0, 1);
      reg.SetAdOUT(0, 0);
      reg.SetKp(0, "2");
      reg.SetTi(0, "50");
      BuildLoopMap(reg);
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
    TEditorRegistry editors;
    TQtLoopDialog dialog{session, editors, nullptr};
  };

  template <class T>
  static T* Child(QWidget* dialog, const QString& name) {
    auto* w = dialog->findChild<T*>(name);
    if (!w) qWarning("no %s", qPrintable(name));
    return w;
  }
  static void Type(QWidget* dialog, const QString& field, const QString& text) {
    auto* edit = Child<QLineEdit>(dialog, field);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, text);
  }
  static void Choose(QWidget* dialog, const QString& list, int item) {
    auto* box = Child<QComboBox>(dialog, list);
    box->setCurrentIndex(item);
    emit box->activated(item);
  }
  // A failed check returns from the action at once: the dialog is closed
  // then, so the test goes on instead of waiting on it.
  static auto CloseOnFailure(QWidget* dialog) {
    return qScopeGuard([dialog] {
      if (dialog->isVisible()) static_cast<QDialog*>(dialog)->done(kModalCancel);
    });
  }
  static TLoopDialogRequest NewLoop(const TProgRegClass& reg) { return {0, *NewLoopSlot(reg), -1}; }

 private slots:
  void everyControlIsThereByName() {
    Fixture f;
    f.dialog.Form().Reset();
    f.dialog.Form().FillCreate(*NewLoopSlot(f.config.Reg));
    QWidget* d = f.dialog.Window().Window(f.dialog.Form());
    QCOMPARE(d->objectName(), QString("TFormCreatReg"));
    QCOMPARE(d->windowTitle(), QString("Программирование контура регулирования"));
    QStringList names = {"LabReg",    "EditNKReg",  "LabCreatProg", "CBoxTReg",  "GBComp",   "EditNReg",
                         "EditAnVh",  "LabInf1",    "LabInf",       "CBoxTOut",  "LabAdOUT", "EditAdOUT",
                         "EditKp",    "EditTi",     "EditTd",       "EditOL",    "EditOH",   "EditdSP",
                         "EditVhPZ",  "GBRegInt",   "EditNReg1",    "EditAnVh1", "LabInf2",  "LabInf3",
                         "CBoxTOut1", "EditAdOUT1", "EditKp1",      "EditTi1",   "EditTd1",  "EditOL1",
                         "EditOH1",   "EditdSP1",   "EditVhSP",     "GBPZ",      "EditNPZ",  "EditAReg",
                         "Razm1",     "Razm2",      "InformBut",    "OK",        "Cancel",   "ErrorText"};
    for (int k = 1; k <= 12; ++k) names << QString("Edit%1").arg(k);
    for (const QString& name : names) QVERIFY2(d->findChild<QWidget*>(name), qPrintable(name));

    auto* kinds = Child<QComboBox>(d, "CBoxTReg");
    QCOMPARE(kinds->count(), 5);
    QCOMPARE(kinds->itemText(1), QString("одноконтурный  регулятор"));
    QCOMPARE(kinds->itemText(3), QString("регулятор с прогр. задатч."));
    QCOMPARE(kinds->itemText(4), QString());
    QCOMPARE(Child<QComboBox>(d, "CBoxTOut")->itemText(1), QString("обратный"));
    QCOMPARE(Child<QGroupBox>(d, "GBComp")->title(),
             QString("Настройки одноконтур. рег.,   рег. внеш. контура или рег. с ПЗ"));
    QCOMPARE(Child<QGroupBox>(d, "GBPZ")->title(), QString("Настройки программного задатчика"));
    QCOMPARE(Child<QLabel>(d, "LabReg")->text(), QString("Контур регулирования №"));
    QCOMPARE(Child<QLabel>(d, "LabEditVhSP")->text(), QString("Адрес рег. внеш. контура "));
    QCOMPARE(Child<QLabel>(d, "LabEdit12")->text(), QString("Задание регулятора       в реперной точкe №6"));
    QCOMPARE(Child<QPushButton>(d, "Cancel")->text(), QString("Отмена"));
    QCOMPARE(Child<QPushButton>(d, "InformBut")->text(), QString("Входные сигналы"));
    QCOMPARE(Child<QLineEdit>(d, "EditAnVh")->maxLength(), 3);
    QCOMPARE(Child<QLineEdit>(d, "EditAdOUT")->maxLength(), 2);
    QVERIFY(Child<QLineEdit>(d, "EditNReg")->isReadOnly());
    QVERIFY(!Child<QComboBox>(d, "Razm1")->isVisibleTo(d));

    WhenModal("TFormCreatReg", [&](QWidget* w) {
      const auto closeOnFailure = CloseOnFailure(w);
      QCOMPARE(Child<QLabel>(w, "LabCreatProg")->text(), QString("создание"));
      QCOMPARE(Child<QLineEdit>(w, "EditNReg")->text(), QString("2"));
      QCOMPARE(Child<QLineEdit>(w, "EditKp")->text(), QString("1,0000"));
      QCOMPARE(Child<QComboBox>(w, "Razm1")->itemText(2), QString("МПа"));
      QVERIFY(!Child<QGroupBox>(w, "GBComp")->isEnabled());
      QVERIFY(!Child<QPushButton>(w, "InformBut")->isEnabled());
      Choose(w, "CBoxTReg", 3);
      QVERIFY(Child<QGroupBox>(w, "GBComp")->isEnabled());
      QVERIFY(Child<QGroupBox>(w, "GBPZ")->isEnabled());
      QVERIFY(!Child<QGroupBox>(w, "GBRegInt")->isEnabled());
      QCOMPARE(Child<QLineEdit>(w, "EditAReg")->text(), QString("2"));
      QTest::mouseClick(Child<QPushButton>(w, "Cancel"), Qt::LeftButton);
    });
    QCOMPARE(f.dialog.Window().ShowModal(f.dialog.Form()), kModalCancel);
  }

  // Integer fields refuse a letter with the input error box at the field.
  void keyFilterRefusesALetter() {
    Fixture f(true);
    WhenModal("TFormCreatReg", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      Choose(d, "CBoxTReg", 1);
      Type(d, "EditAnVh", "1x2");
      QCOMPARE(Child<QLineEdit>(d, "EditAnVh")->text(), QString("12"));
      QCOMPARE(f.dialog.Form().Text(TCreatRegField::EditAnVh), std::string("12"));
      Type(d, "EditKp", "2,5");
      QCOMPARE(Child<QLineEdit>(d, "EditKp")->text(), QString("2,5"));
      QTest::mouseClick(Child<QPushButton>(d, "Cancel"), Qt::LeftButton);
    });
    QVERIFY(!f.dialog.Dialog().Program(NewLoop(f.config.Reg)).has_value());
    QCOMPARE(f.script.inputErrors.size(), std::size_t(1));
    QCOMPARE(f.script.inputErrors[0], (TFieldError{"EditAnVh", " Ошибка ввода "}));
    QCOMPARE(f.config.Reg.RegModified, 1);  // the user's change counts, cancelled or not
  }

  // A refused check shows the marker just below and left of the field and
  // keeps the dialog open; the mouse over it hides it; OK then passes and
  // the values come back.
  void inlineErrorUnderTheField() {
    Fixture f;
    WhenModal("TFormCreatReg", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      Choose(d, "CBoxTReg", 1);
      Type(d, "EditAnVh", "1");
      Type(d, "EditAdOUT", "3");
      Type(d, "EditKp", "0,05");
      auto* marker = Child<QLabel>(d, "ErrorText");
      QVERIFY(!marker->isVisible());
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
      QVERIFY(d->isVisible());
      QVERIFY(marker->isVisible());
      QCOMPARE(marker->text(), QString("Величина вне диапазона 0.1 - 1000"));
      auto* kp = Child<QLineEdit>(d, "EditKp");
      const QPoint at = kp->mapTo(d, QPoint(0, 0));
      QCOMPARE(marker->pos(), QPoint(at.x() - 15, at.y() + kp->height() - 5));
      QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
      QApplication::sendEvent(marker, &enter);
      QVERIFY(!marker->isVisible());
      QVERIFY(!f.dialog.Form().errorTextVisible);

      Type(d, "EditKp", "0,5");
      QTest::mouseClick(Child<QPushButton>(d, "OK"), Qt::LeftButton);
    });
    const auto values = f.dialog.Dialog().Program(NewLoop(f.config.Reg));
    QVERIFY(values.has_value());
    QCOMPARE(values->kind, 1);
    QCOMPARE(values->regulator, 2);
    QCOMPARE(values->output, 3);
    QCOMPARE(values->params[0], std::string("0,5"));
  }

  // The close box and Escape are Cancel: no values, whatever the fields hold.
  void closeBoxCancels() {
    Fixture f;
    for (bool escape : {false, true}) {
      WhenModal("TFormCreatReg", [&](QWidget* d) {
        const auto closeOnFailure = CloseOnFailure(d);
        QCOMPARE(Child<QLineEdit>(d, "EditAnVh")->text(), QString("1"));
        Type(d, "EditKp", "1,2,3");
        if (escape) {
          QTest::keyClick(d, Qt::Key_Escape);
        } else {
          d->close();
        }
      });
      QVERIFY(!f.dialog.Dialog().Program({1, {}, 0}).has_value());
      QCOMPARE(f.dialog.Form().cancelled, 1);
    }
  }
};

}  // namespace lur

QTEST_MAIN(lur::CreatRegView)
#include "CreatReg_qtest.moc"
