#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "ModuleLiveFixture.h"
#include "live/views/TFormVhD.h"
#include "live/views/TFormVyhOnL.h"
#include "live/views/TQtModuleLiveViews.h"
#include "model/Cp1251.h"
#include "session/TModalWindow.h"
#include "shell/ModalDriver.h"
#include "support/WindowProbe.h"

namespace lur {

using test::ColourShare;
using test::ModuleLiveRig;
using test::RectIn;
using test::Render;

class ModuleLive : public QObject {
  Q_OBJECT

  static QLabel* Label(QWidget* window, const QString& name) { return window->findChild<QLabel*>(name); }

  // The cell as drawn: most of it is its background, and some of its pixels
  // (the letters) are the text colour; an empty cell has no letters.
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
      QVERIFY2(letters > 0.005, qPrintable(name + " text colour"));
    }
  }

  static QColor InfoBk(QWidget* window) { return window->palette().color(QPalette::ToolTipBase); }

 private slots:
  void HealthStatesAndReliabilityAreDrawnInTheirColours() {
    ModuleLiveRig rig;
    sim::SimController& sim = rig.line.Controller();
    sim.SetModuleFaulty(3, true);
    sim.SetSignalUnreliable(25, true);
    sim.Live().SetDiscreteInput(24, true);
    sim.Live().SetDiscreteInput(25, false);
    TFormVhDController form{rig.session};
    form.AttachTimer(rig.timer);
    QVERIFY(form.Open(3, "ТОРИ"));
    TFormVhD window(form);
    window.show();
    QVERIFY(Label(&window, "Label1")->isVisible());
    rig.clock.Advance(3000);

    const QColor infoBk = InfoBk(&window);
    const QColor red(0xFF, 0, 0), teal(0, 0x80, 0x80), aqua(0, 0xFF, 0xFF), purple(0x80, 0, 0x80);
    CheckCell(&window, "Isprav", "неисправен", red, infoBk);
    CheckCell(&window, "OnOff1", "on", aqua, Qt::black);
    CheckCell(&window, "OnOff2", "off", infoBk, Qt::black);
    CheckCell(&window, "Dost1", "недостовер.", purple, infoBk);
    CheckCell(&window, "Dost2", "достовер.", infoBk, Qt::black);

    sim.SetModuleFaulty(3, false);
    rig.clock.Advance(3000);
    CheckCell(&window, "Isprav", "исправен", infoBk, teal);

    // Closed and shown again: the cells are empty until the next poll.
    window.done(0);
    QVERIFY(!form.Polling());
    window.show();
    CheckCell(&window, "Isprav", "", infoBk, teal);
    CheckCell(&window, "OnOff1", "", infoBk, Qt::black);
    CheckCell(&window, "Dost1", "", infoBk, Qt::black);
    rig.clock.Advance(3000);
    CheckCell(&window, "OnOff1", "on", aqua, Qt::black);
    window.done(0);
  }

  void TheOutputViewHasEightRowsAndNoReliability() {
    ModuleLiveRig rig;
    rig.line.Controller().SetModuleFaulty(6, true);
    TFormVyhOnLController form{rig.session};
    form.AttachTimer(rig.timer);
    QVERIFY(form.Open(6, "МР-73"));
    TFormVyhOnL window(form);
    QCOMPARE(window.windowTitle(), QString("FormVyhOnL"));
    QCOMPARE(Label(&window, "Mod1")->text(), QString("Модуль дискретного вывода"));
    QCOMPARE(Label(&window, "Vyh8")->text(), QString("Выход 8"));
    QVERIFY(Label(&window, "OnOff8"));
    QVERIFY(!Label(&window, "Vyh9"));
    QVERIFY(!Label(&window, "Dost1"));
    QCOMPARE(Label(&window, "LabNMod")->text(), QString("1"));
    QCOMPARE(Label(&window, "LabAMod")->text(), QString("5"));
    QCOMPARE(Label(&window, "TipMod")->text(), QString("МР-73"));
    auto* button = window.findChild<QPushButton*>("Button1");
    QVERIFY(button && button->isHidden());

    window.show();
    rig.clock.Advance(1000);
    const QColor infoBk = InfoBk(&window);
    CheckCell(&window, "Isprav", "неисправен", QColor(0xFF, 0, 0), infoBk);
    CheckCell(&window, "OnOff1", "on", QColor(0, 0xFF, 0xFF), Qt::black);  // the first output of each module is on
    CheckCell(&window, "OnOff2", "off", infoBk, Qt::black);

    // A read that gets no answer: one box, polling off, Label1 gone.
    rig.line.Fail({std::uint8_t{1}, 0}, test::Silence());
    rig.clock.Advance(1000);
    QCOMPARE(rig.ui.shown.size(), std::size_t{1});
    QVERIFY(!Label(&window, "Label1")->isVisible());
    window.done(0);
  }

  void TheRegisteredViewsOpenForTheirModulesOnly() {
    ModuleLiveRig rig;
    rig.config.Serv.SetInputText(Utf8ToCp1251("Насос"), 12);
    TEditorRegistry editors;
    TQtModuleLiveViews views(rig.session, editors, nullptr, nullptr);
    views.Register();
    QVERIFY(editors.Available(TEditor::DiscreteInputView));
    QVERIFY(editors.Available(TEditor::DiscreteOutputView));

    QString heading;
    bool labelShown = false;
    test::WhenModal("TFormVhD", [&](QWidget* w) {
      heading = Label(w, "Mod1")->text() + "|" + Label(w, "LabNMod")->text() + "|" + Label(w, "TipMod")->text() +
                "|" + Label(w, "LabAMod")->text() + "|" + Label(w, "Vh12")->text() + "|" +
                Label(w, "TRecv1")->text().trimmed();
      labelShown = Label(w, "Label1")->isVisible();
      w->close();
    });
    QCOMPARE(editors.Open({TEditor::DiscreteInputView, 2, 2, 2, -1}), kModalOk);
    QCOMPARE(heading, QString("Модуль ввода дискретной информации|2|ЛЕНС-9(2)|1|Вход 12|Насос"));
    QCOMPARE(views.InputsWindow()->windowTitle(), QString("FormVhD"));
    QVERIFY(labelShown);
    QVERIFY(!views.Inputs().Polling());

    // No output module at slot 5 (the control loop module), no discrete
    // input module at slot 4: nothing opens.
    QCOMPARE(editors.Open({TEditor::DiscreteOutputView, 5, 0, 14, -1}), kModalCancel);
    QCOMPARE(views.OpenInputs(4), kModalCancel);
    QVERIFY(rig.line.requests.empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::ModuleLive)
#include "ModuleLive_qtest.moc"
