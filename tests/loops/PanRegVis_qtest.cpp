// The regulator panel widget and the "Режим on line" window, rendered
// offscreen: bars by pixel, the panel's colour, the panels the first poll
// makes, the menu, the in-place editor and the switches on the simulated
// controller.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>
#include <limits>

#include "RegOnLineFixture.h"
#include "fb/widgets/TSpBut.h"
#include "loops/views/TFormRegOnLine.h"
#include "loops/views/TPanRegVis.h"
#include "loops/views/TQtRegOnLineWindow.h"
#include "shell/ModalDriver.h"
#include "support/WindowProbe.h"

namespace lur {

using test::PixelIs;
using test::RegOnLineRig;
using test::Render;

class PanRegVis : public QObject {
  Q_OBJECT

  static constexpr int kBottom = TPanRegVis::kScaleTop + TPanRegVis::kScaleHeight;
  static QColor PVBar() { return QColor(0x00, 0x80, 0x00); }
  // A pixel in the middle of the PV bar's column, `up` pixels above the
  // scale's bottom.
  static QPoint PVAt(int up) { return {TPanRegVis::kPVBarLeft + TPanRegVis::kBarWidth / 2, kBottom - up}; }

  static QLabel* Label(QWidget* w, const char* name) { return w->findChild<QLabel*>(name); }

 private slots:
  void BarsStandAtZeroFillTheScaleAndAreClampedToIt() {
    struct Case {
      const char* what;
      double value, low, high;
      std::optional<int> height;
    };
    const Case cases[] = {
        {"at the low limit", 0, 0, 100, 0},
        {"half", 50, 0, 100, 100},
        {"full", 100, 0, 100, 200},
        {"huge", 1e30, 0, 100, 200},
        {"far below", -1e30, 0, 100, 0},
        {"not a number", std::numeric_limits<double>::quiet_NaN(), 0, 100, std::nullopt},
        {"high = low", 5, 10, 10, std::nullopt},
    };
    for (const Case& c : cases) {
      TPanRegVis panel;
      panel.SetNSk_PV(c.low);
      panel.SetVSk_PV(c.high);
      panel.CalcSk();
      panel.SetVal_PV(c.value);
      panel.PutVal();
      QCOMPARE(panel.PVBarHeight(), c.height);
      const QImage image = Render(&panel);
      const int height = c.height.value_or(0);
      if (height > 0) {
        QVERIFY2(PixelIs(image, PVAt(1), PVBar()), c.what);
        QVERIFY2(PixelIs(image, PVAt(height - 1), PVBar()), c.what);
      }
      // Nothing above the bar, and nothing ever above the scale.
      if (height < TPanRegVis::kScaleHeight) QVERIFY2(!PixelIs(image, PVAt(height + 1), PVBar()), c.what);
      QVERIFY2(!PixelIs(image, PVAt(TPanRegVis::kScaleHeight + 2), PVBar()), c.what);
    }
  }

  void MarksValuesAndCaptions() {
    TPanRegVis panel;
    panel.SetNSk_SP(-50.5);
    panel.SetVSk_SP(150);
    panel.CalcSk();
    QCOMPARE(panel.SPMarks()[0], std::string("-50,50"));
    QCOMPARE(panel.SPMarks()[10], std::string("150,0"));
    panel.SetVal_OUT(42.5);
    panel.PutValOUT();
    QCOMPARE(panel.OUTText(), QString("42,50"));
    panel.SetVal_PV(1234.5);
    panel.PutValPV();
    QCOMPARE(panel.PVText(), QString("1235"));
  }

  void AClickTogglesThePanelsColour() {
    TPanRegVis panel;
    const QPoint spot(TPanRegVis::kWidth / 2, TPanRegVis::kHeight - 4);
    const QColor face = QPalette().color(QPalette::Button);
    QVERIFY(PixelIs(Render(&panel), spot, face));
    QSignalSpy clicked(&panel, &TPanRegVis::Clicked);
    QTest::mouseClick(&panel, Qt::LeftButton, {}, spot);
    QVERIFY(panel.SkyBlue());
    QVERIFY(PixelIs(Render(&panel), spot, QColor(0xA6, 0xCA, 0xF0)));
    QTest::mouseClick(&panel, Qt::LeftButton, {}, spot);
    QVERIFY(PixelIs(Render(&panel), spot, face));
    QCOMPARE(clicked.count(), 2);
  }

  void TheFirstPollMakesThePanelsOncePerShowing() {
    RegOnLineRig rig;
    TFormRegOnLineController form{rig.session};
    form.AttachTimer(rig.timer);
    QVERIFY(form.Open(0));
    TFormRegOnLine window(form);
    QCOMPARE(window.WidthFor(), 460);
    window.show();
    QVERIFY(Label(&window, "Label1")->isVisible());
    QVERIFY(window.findChild<QLabel*>("Label4")->isVisible());
    QCOMPARE(window.findChild<QLineEdit*>("EditNReg1")->text(), QString("2"));
    QCOMPARE(Label(&window, "LabTip")->text(), QString("каскадная схема"));
    QVERIFY(window.PanelWidgets().empty());
    rig.clock.Advance(3000);
    QCOMPARE(window.PanelWidgets().size(), std::size_t{2});
    TPanRegVis* outer = window.PanelWidgets()[0];
    TPanRegVis* inner = window.PanelWidgets()[1];
    QCOMPARE(outer->pos(), QPoint(20, 10));
    QCOMPARE(inner->pos(), QPoint(220, 10));
    QCOMPARE(outer->OUTText(), QString("42,50"));
    QVERIFY(inner->AutoSwitch()->isVisible());
    QVERIFY(inner->AutoSwitch()->Down());

    // "Таймер" off and on: the same panels.
    auto* timerButton = window.findChild<QPushButton*>("Button2");
    timerButton->click();
    QVERIFY(!Label(&window, "Label1")->isVisible());
    timerButton->click();
    rig.clock.Advance(3000);
    QCOMPARE(window.PanelWidgets().size(), std::size_t{2});
    QCOMPARE(window.PanelWidgets()[0], outer);
    window.done(0);
    QVERIFY(!form.Polling());
  }

  void ARepeaterHasNoSwitchesAndTheWindowIsNarrow() {
    RegOnLineRig rig;
    rig.line.Controller().Live().SetCoil(4 * 8 + 790, true);  // the repeater's output lamp
    TFormRegOnLineController form{rig.session};
    form.AttachTimer(rig.timer);
    QVERIFY(form.Open(3));
    TFormRegOnLine window(form);
    QCOMPARE(window.WidthFor(), 280);
    window.show();
    QVERIFY(!window.findChild<QLabel*>("Label4")->isVisible());
    rig.clock.Advance(3000);
    QCOMPARE(window.PanelWidgets().size(), std::size_t{1});
    TPanRegVis* panel = window.PanelWidgets()[0];
    QVERIFY(!panel->AutoSwitch()->isVisible());
    QVERIFY(!panel->APSwitch()->isVisible());
    QVERIFY(!panel->PlusButton()->isVisible());
    QVERIFY(!panel->MinusButton()->isVisible());
    QCOMPARE(panel->OutputLamp(), QColor(Qt::red));
    QCOMPARE(panel->InputLamp(), QColor(Qt::green));
    window.done(0);
  }

  void TheMenuAndEditorChangeAValueThroughTheController() {
    RegOnLineRig rig;
    rig.line.Controller().Live().SetCoil(784, false);  // the outer regulator in manual mode
    TFormRegOnLineController form{rig.session};
    form.AttachTimer(rig.timer);
    QVERIFY(form.Open(0));
    TFormRegOnLine window(form);
    window.show();
    rig.clock.Advance(3000);
    auto* changeSP = window.PopupMenu()->findChild<QAction*>("ChangeSP");
    auto* changeOUT = window.PopupMenu()->findChild<QAction*>("ChangeOUT");
    QVERIFY(changeSP && changeOUT);
    QVERIFY(!window.PopupMenu()->findChild<QAction*>("ChangePV")->isVisible());
    window.PanelMenu(0, {}, false);
    QVERIFY(!changeSP->isEnabled());
    QVERIFY(changeOUT->isEnabled());
    window.PanelMenu(1, {}, false);
    QVERIFY(changeSP->isEnabled());

    window.PanelMenu(0, {}, false);
    rig.line.ForgetRequests();
    changeOUT->trigger();
    auto* editText = window.findChild<QLineEdit*>("EditText");
    QVERIFY(editText->isVisible());
    QCOMPARE(editText->pos(), QPoint(20 + 126, 10 + 27));
    QCOMPARE(editText->text(), QString("42,50"));
    editText->setText("55");
    emit editText->editingFinished();
    QVERIFY(!editText->isVisible());
    QCOMPARE(rig.line.Controller().Live().HoldingFloat(674), 55.0f);
    QCOMPARE(window.PanelWidgets()[0]->OUTText(), QString("55,00"));
    QCOMPARE(rig.line.requests.size(), std::size_t{1});
    window.done(0);
  }

  void ARefusedSwitchReturnsAsItWas() {
    RegOnLineRig rig;
    TFormRegOnLineController form{rig.session};
    form.AttachTimer(rig.timer);
    QVERIFY(form.Open(2));
    TFormRegOnLine window(form);
    window.show();
    rig.clock.Advance(3000);
    rig.config.Lur.FullAccess = 0;
    TSpBut* automatic = window.PanelWidgets()[0]->AutoSwitch();
    QVERIFY(automatic->Down());
    QTest::mouseClick(automatic, Qt::LeftButton);
    QVERIFY(automatic->Down());
    QCOMPARE(rig.ui.shown.size(), std::size_t{1});
    QCOMPARE(rig.line.Controller().Live().Coil(784 + 3 * 8), true);

    rig.config.Lur.FullAccess = 1;
    QTest::mouseClick(automatic, Qt::LeftButton);
    QVERIFY(!automatic->Down());
    QCOMPARE(rig.line.Controller().Live().Coil(784 + 3 * 8), false);
    window.done(0);
  }

  void TheSeamPlacesTheWindowBesideTheEditor() {
    RegOnLineRig rig;
    QWidget editor;
    editor.setGeometry(100, 140, 400, 300);
    TQtRegOnLineWindow seam(rig.session, &editor);
    struct Case {
      int loop;
      int width;
    };
    for (const Case c : {Case{0, 460}, Case{1, 280}}) {
      QRect geometry;
      QString title;
      test::WhenModal("FormRegOnLine", [&](QWidget* w) {
        geometry = w->geometry();
        title = w->windowTitle();
        w->close();
      });
      seam.Show(c.loop);
      QCOMPARE(geometry.left(), 800);
      QCOMPARE(geometry.top(), 140);
      QCOMPARE(geometry.width(), c.width);
      QCOMPARE(title, QString("Режим on line"));
      QVERIFY(seam.Window() == nullptr);
    }
    seam.Show(7);  // no such loop: nothing opens
    QVERIFY(rig.line.requests.empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::PanRegVis)
#include "PanRegVis_qtest.moc"
