// The calibration window drawn: state and violation cells in their colours
// for the status bytes the controller reports, the units, the row buttons
// and "Калибровка", and the release its closing sends.
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "modules/KalibrFixture.h"
#include "modules/views/TFormKalibr.h"
#include "modules/views/TQtCalibrationWindow.h"
#include "session/TModalWindow.h"
#include "support/WindowProbe.h"

namespace lur {

using test::ColourShare;
using test::KalibrRig;
using test::RectIn;
using test::Render;

class Kalibr : public QObject {
  Q_OBJECT

  static QLabel* Label(QWidget* window, const QString& name) { return window->findChild<QLabel*>(name); }
  static QPushButton* Button(QWidget* window, const QString& name) { return window->findChild<QPushButton*>(name); }

  // Most of the cell is its background; some of its pixels (the letters) are
  // the text colour.
  static void CheckCell(QWidget* window, const QString& name, const QString& text, QColor background,
                        QColor textColour) {
    QLabel* cell = Label(window, name);
    QVERIFY2(cell, qPrintable(name));
    QCOMPARE(cell->text(), text);
    const QImage image = Render(window);
    const QRect rect = RectIn(cell, window);
    QVERIFY2(ColourShare(image, rect, background) > 0.5, qPrintable(name + " background"));
    // A one-letter cell has few such pixels, none when its text is empty.
    if (!text.isEmpty()) QVERIFY2(ColourShare(image, rect, textColour, 40) > 0.002, qPrintable(name + " text"));
  }

 private slots:
  void StatusBytesAreDrawnInTheirColours() {
    // Analog module 3 (type 9): signals 13..18.
    sim::SimOptions o = test::KalibrOptions();
    const int statuses[] = {0x24, 0x20, 0x00, 0x81, 0x40, 0x07};
    for (int i = 0; i < 6; ++i) o.analogStatus[13 + i] = static_cast<std::uint8_t>(statuses[i]);
    KalibrRig rig(o);
    QVERIFY(rig.form.Open({.editor = TEditor::AnalogCalibration, .module = 3, .type = 9}));
    TFormKalibr window(rig.form);
    window.show();
    const QColor lime(0x00, 0xFF, 0x00), yellow(0xFF, 0xFF, 0x00), purple(0x80, 0x00, 0x80), red(0xFF, 0x00, 0x00);
    const QColor infoBk = window.palette().color(QPalette::ToolTipBase);
    const QColor black(Qt::black);
    CheckCell(&window, "Ar1", "к", yellow, black);
    CheckCell(&window, "Nar1", "LL", red, black);
    CheckCell(&window, "Ar2", "к", yellow, black);
    CheckCell(&window, "Nar2", "", infoBk, black);
    CheckCell(&window, "Ar3", "и", lime, black);
    CheckCell(&window, "Nar3", "норма", lime, black);
    CheckCell(&window, "Ar4", "п", purple, infoBk);
    CheckCell(&window, "Nar4", "L(L-H)", red, black);
    CheckCell(&window, "Ar5", "о", purple, infoBk);
    CheckCell(&window, "Nar5", "", infoBk, black);
    CheckCell(&window, "Ar6", "и", lime, black);
    CheckCell(&window, "Nar6", "", infoBk, black);
    // Type 9, input type 0, bit 5: the current's unit; the rest their own.
    QCOMPARE(Label(&window, "Razm1")->text(), QString("мА"));
    QCOMPARE(Label(&window, "Razm3")->text(), QString::fromUtf8(Cp1251ToUtf8(rig.config.MBA.GetUnitText(3))));
    QVERIFY(Label(&window, "Val5")->text().size() == 7);  // the value stays shown in the "о" state
    QVERIFY(!Button(&window, "SpBut7")->isVisible());
    window.done(0);
  }

  void RowsButtonsAndLabelsFollowTheController() {
    KalibrRig rig;
    QVERIFY(rig.form.Open({.editor = TEditor::AnalogCalibration, .module = 2, .type = 8}));
    TFormKalibr window(rig.form);
    window.show();
    QCOMPARE(window.windowTitle(), QString("Калибровка аналоговых входов ЛУР-05"));
    QCOMPARE(Label(&window, "LabColumns")->text(),
             QString("Позиция       код MIN       код  АЦП      код MAX      Тек. знач.    Размер.    Наруш.   Сост "));
    QVERIFY(Label(&window, "Label1")->isVisible());
    QCOMPARE(Button(&window, "SpBut7")->text(), QString("Тхс"));
    QCOMPARE(Label(&window, "Poz7")->text(), QString("TXC"));
    QCOMPARE(Label(&window, "Razm7")->text(), QString("град.C"));
    QCOMPARE(Button(&window, "KalMin1")->text(), QString("Min"));
    QCOMPARE(Button(&window, "KalMax1")->text(), QString("Max"));
    QVERIFY(!Button(&window, "KalMin2")->isEnabled());
    QLabel* kalibr = Label(&window, "LabKalibr");
    QCOMPARE(kalibr->palette().color(QPalette::WindowText), QColor(Qt::gray));

    QTest::mouseClick(Button(&window, "SpBut2"), Qt::LeftButton);
    QVERIFY(Button(&window, "SpBut2")->isChecked());
    QVERIFY(Button(&window, "KalMin2")->isEnabled());
    QVERIFY(!Button(&window, "KalMin1")->isEnabled());
    QCOMPARE(kalibr->palette().color(QPalette::WindowText), QColor(Qt::black));
    // Another row: the old one up, the new one down.
    QTest::mouseClick(Button(&window, "SpBut5"), Qt::LeftButton);
    QVERIFY(!Button(&window, "SpBut2")->isChecked());
    QVERIFY(Button(&window, "SpBut5")->isChecked());

    // A refused select pops the button back up.
    rig.config.Lur.FullAccess = 0;
    QTest::mouseClick(Button(&window, "SpBut1"), Qt::LeftButton);
    QVERIFY(!Button(&window, "SpBut1")->isChecked());
    QVERIFY(Button(&window, "SpBut5")->isChecked());
    rig.config.Lur.FullAccess = 1;

    QTest::mouseClick(Button(&window, "Button1"), Qt::LeftButton);
    QVERIFY(!Label(&window, "Label1")->isVisible());
    rig.line.ForgetRequests();
    window.done(0);
    QCOMPARE(rig.Coils(), (std::vector<test::Frame>{test::KalibrCoil(0x10, 2, 5, false)}));
    QVERIFY(!Button(&window, "SpBut5")->isChecked());
  }

  void TheRegisteredWindowOpensThroughTheRegistry() {
    KalibrRig rig;
    TEditorRegistry editors;
    TQtCalibrationWindow calibration(rig.session, editors, nullptr, nullptr);
    calibration.Register();
    QVERIFY(editors.Available(TEditor::AnalogCalibration));
    QTimer::singleShot(0, [&] {
      QVERIFY(calibration.Window()->isVisible());
      calibration.Window()->reject();
    });
    QCOMPARE(editors.Open({.editor = TEditor::AnalogCalibration, .slot = 2, .module = 1, .type = 7}), kModalOk);
    // A failed opening shows nothing.
    rig.config.Serv.FileMode = 1;
    QCOMPARE(editors.Open({.editor = TEditor::AnalogCalibration, .slot = 2, .module = 1, .type = 7}), kModalCancel);
  }
};

}  // namespace lur

QTEST_MAIN(lur::Kalibr)
#include "Kalibr_qtest.moc"
