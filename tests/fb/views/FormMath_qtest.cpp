// The math block window on the screen: the buttons' captions and hints, a
// click programming a block, and the deletion through the context menu.
#include <QAction>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "fb/views/TFormMathWindow.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TSession.h"
#include "shell/ModalDriver.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

using test::WhenModal;

class FormMathView : public QObject {
  Q_OBJECT

  // A comparator of calculated value 2, an AND block, then a sum, a product
  // and a square root with results 1, 2, 3.
  struct Fixture {
    Fixture() {
      TProgFBClass& fb = config.FB;
      fb.SetTipFB(0, TProgFBClass::kComparatorType);
      fb.SetKindAn(0, 1);
      fb.SetAnVh(0, 2);
      fb.SetTipFB(1, 1);
      const int operations[] = {1, 3, 5};
      for (int k = 0; k < 3; ++k) {
        fb.SetTipFB(2 + k, TProgFBClass::kCalcType);
        fb.SetSubTip(2 + k, operations[k]);
        fb.SetAdrY(2 + k, operations[k] <= 2 ? 1 : 2, k + 1);
      }
      fb.NFB = 2;
      fb.NMat = 3;
    }
    test::VirtualClock clock;
    test::ScriptedPort port{clock};
    TScriptedUserInterface ui;
    TComPortClass link{port, clock};
    TConfiguration config;
    TFixedAddressing addressing{0, 0};
    TSession session{config, link, ui, addressing};
    TFormMathController form{session};
    TFormMathWindow window;
  };

  static QPushButton* Button(QWidget* dialog, int i) {
    return dialog->findChild<QPushButton*>(QString("Button%1").arg(i));
  }
  static QStringList Captions(QWidget* dialog, int count) {
    QStringList captions;
    for (int i = 1; i <= count; ++i) captions << Button(dialog, i)->text();
    return captions;
  }
  static auto CloseOnFailure(QWidget* dialog) {
    return qScopeGuard([dialog] {
      if (dialog->isVisible()) static_cast<QDialog*>(dialog)->done(kModalOk);
    });
  }

 private slots:
  void captionsHintsAndAClick() {
    Fixture f;
    int programmed = -1;
    f.form.programBlock = [&f, &programmed] {
      programmed = f.config.FB.CurMat;
      QCOMPARE(f.config.FB.CalcMode, 3);
      f.config.FB.SetSubTip(3, 4);  // the product made a quotient
    };
    QVERIFY(
        !f.window.Window(f.form)->findChild<QGroupBox*>("GroupBox1")->isVisibleTo(f.window.Window(f.form)));
    f.form.Fill();
    WhenModal("TFormMath", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      QCOMPARE(d->windowTitle(), QString("Информация о  математических блоках"));
      QVERIFY(d->findChild<QGroupBox*>("GroupBox1")->isVisible());
      QCOMPARE(d->findChild<QGroupBox*>("GroupBox1")->title(), QString("Математические блоки"));
      QCOMPARE(Captions(d, 4), (QStringList{"+", "X", "SQRT", ""}));
      QCOMPARE(Button(d, 1)->toolTip(), QString("МБ1"));
      QCOMPARE(Button(d, 24)->toolTip(), QString("МБ24"));
      QTest::mouseClick(Button(d, 2), Qt::LeftButton);
      QCOMPARE(Captions(d, 2), (QStringList{"+", ":"}));
      QTest::mouseClick(Button(d, 4), Qt::LeftButton);  // no block: nothing programmed
      QTest::mouseClick(d->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalOk);
    QCOMPARE(programmed, 1);
    QCOMPARE(f.config.FB.CurMat, -1);
  }

  void deletingThroughTheContextMenu() {
    Fixture f;
    f.form.Fill();
    WhenModal("TFormMath", [&](QWidget* d) {
      const auto closeOnFailure = CloseOnFailure(d);
      auto* deleteBl = d->findChild<QAction*>("DeleteBl");
      QVERIFY(deleteBl);
      QCOMPARE(deleteBl->text(), QString("Удаление математического блока "));
      QCOMPARE(deleteBl->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
      QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 5), Button(d, 1)->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(Button(d, 1), &menu);
      QCOMPARE(f.config.FB.MatPopup, 0);
      auto* popup = d->findChild<QMenu*>("PopupMenu1");
      QVERIFY(popup->isVisible());
      deleteBl->trigger();
      popup->hide();
      QCOMPARE(Captions(d, 3), (QStringList{"X", "SQRT", ""}));
      QTest::mouseClick(d->findChild<QPushButton*>("OK"), Qt::LeftButton);
    });
    QCOMPARE(f.window.ShowModal(f.form), kModalOk);
    QCOMPARE(f.config.FB.NMat, 2);
    QCOMPARE(f.config.FB.GetAnVh(0), 1);
    QVERIFY(f.form.ComparatorsRenumbered());
    QCOMPARE(f.config.FB.GetSubTip(4), 0);
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormMathView)
#include "FormMath_qtest.moc"
