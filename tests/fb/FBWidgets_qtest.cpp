// The widgets of the function block diagram: what a block panel draws for
// each type (inputs, inversion circles, output mark, type area, colours),
// read back from its own rendering; its texts, byte for byte; the values no
// list holds; the mouse; the number mark and every link shape.
#include <QApplication>
#include <QMouseEvent>
#include <QtTest>

#include <functional>

#include "fb/widgets/DiagramColors.h"
#include "fb/widgets/TDiagramPictures.h"
#include "fb/widgets/TPShapeZ.h"
#include "fb/widgets/TPanFB.h"
#include "fb/widgets/TShapeMark.h"

namespace lur {

namespace {

QImage Render(QWidget& widget) { return widget.grab().toImage(); }

QRgb Olive() { return diagram::Olive().rgb(); }

// How many pixels of `rect` have `color`.
int Count(const QImage& image, QRect rect, QRgb color) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) n += image.pixel(x, y) == color;
  return n;
}

// Whether every pixel of `rect` has `color`: nothing is drawn there.
bool Plain(const QImage& image, QRect rect, QRgb color) { return Count(image, rect, color) == rect.width() * rect.height(); }

// How many pixels of `rect` are of the hue of `color`: text is drawn with
// smoothed edges, so few of its pixels have the pen's colour itself.
int Tinted(const QImage& image, QRect rect, const QColor& color) {
  int n = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x) {
      const QColor pixel(image.pixel(x, y));
      n += pixel.hsvSaturation() > 60 && std::abs(pixel.hsvHue() - color.hsvHue()) < 15;
    }
  return n;
}

QPoint Centre(QRect rect) { return rect.topLeft() + QPoint(rect.width() / 2, rect.height() / 2); }

// The texts as the system shows them, spelt out by code point so that a
// Latin letter in place of a Cyrillic one (or the reverse) shows.
const QString kT = QString(QChar(0x0422));                                           // Cyrillic Te
const QString kMs = QString::fromUtf16(u" \u043C\u0441");                            // " мс"
const QString kS = QString::fromUtf16(u" \u0441");                                   // " с"
const QString kTzad = QString::fromUtf16(u"\u0422\u0437\u0430\u0434.=");             // "Тзад.="
const QString kAdr = QString::fromUtf16(u"\u0410\u0434\u0440 ");                     // "Адр "
const QString kSek = QString::fromUtf16(u" \u0441\u0435\u043A");                     // " сек"
const QString kMin = QString::fromUtf16(u" \u043C\u0438\u043D");                     // " мин"
const QString kChas = QString::fromUtf16(u" \u0447\u0430\u0441");                    // " час"
const QString kUst = QString::fromUtf16(u"\u0443\u0441\u0442\u0430\u0432\u043A\u0430=");  // "уставка="
const QString kAdrDot = QString::fromUtf16(u"\u0430\u0434\u0440. ");                 // "адр. "
const QString kGist =
    QString::fromUtf16(u"\u0433\u0438\u0441\u0442\u0435\u0440\u0435\u0437\u0438\u0441=");  // "гистерезис="
const QString kFB = QString::fromUtf16(u"\u0424\u0411");                             // "ФБ"

struct Recorder : QWidget {
  int presses = 0;
  void mousePressEvent(QMouseEvent*) override { ++presses; }
};

}  // namespace

class FBWidgets : public QObject {
  Q_OBJECT

 private slots:
  void sizesAndNames() {
    TPanFB panel(nullptr, ftTimer, 12);
    QCOMPARE(panel.size(), QSize(150, 110));
    QCOMPARE(panel.maximumSize(), QSize(150, 110));
    QCOMPARE(panel.objectName(), QString("PanFB12"));
    QCOMPARE(panel.Number(), 12);
    TShapeMark mark(nullptr, 12);
    QCOMPARE(mark.size(), QSize(80, 23));
    QCOMPARE(mark.maximumSize(), QSize(80, 23));
    QCOMPARE(mark.objectName(), QString("ShapeMark12"));
    TPShapeZ link(nullptr, 12);
    QCOMPARE(link.objectName(), QString("PShapeZ12"));
    // The panel paints its parts: the editor's 120 blocks hold no child
    // widgets.
    QVERIFY(panel.findChildren<QWidget*>().isEmpty());
  }

  // Per type: the drawn inputs (lines), the role labels, the icon, the type
  // text and the output mark, from the panel's accessors and its rendering.
  void eachTypeDrawsItsInputsIconAndOutput() {
    struct Case {
      const char* name;
      TFBType type;
      int sub;  // timer or trigger subtype
      int inputs;
      const char* icon;
      QStringList roles;
      const char* typeText;
      bool inverted;
    };
    const QStringList none{"", "", "", ""};
    const Case cases[] = {
        {"AND", ftAND, 0, 4, "BL_AND", none, "", false},
        {"AND inverted", ftANDInv, 0, 4, "BL_AND", none, "", true},
        {"OR", ftOR, 0, 4, "BL_OR", none, "", false},
        {"OR inverted", ftORInv, 0, 4, "BL_OR", none, "", true},
        {"hysteresis", ftGisterezis, 0, 2, "BL_GIST", {"", ""}, "", false},
        {"timer T0", ftTimer, tt0, 2, "BL_TIMER1", {"S", "R"}, "T0", false},
        {"timer T4", ftTimer, tt4, 2, "BL_TIMER1", {"S", "R"}, "T4", false},
        {"alarm clock T5", ftTimer, tt5, 4, "BL_TIMER1", none, "T5", false},
        {"trigger RS", ftTrigger, ttRS, 4, "BL_TRIGGER", {"S", "S", "R", "R"}, "", false},
        {"trigger SR", ftTrigger, ttSR, 4, "BL_TRIGGER2", {"S", "S", "R", "R"}, "", false},
        {"comparator", ftComparator, 0, 4, "BL_COMP", none, "L", false},
        {"counter", ftCounter, 0, 4, "BL_COUNT", {"ZV", "ZR", "S", "R"}, "0", false},
        // Values no list holds: record types 10 and 11, timer subtype 9,
        // trigger subtype 5.
        {"type byte 10", TFBType(9), 0, 0, "", {}, "", false},
        {"type byte 11", TFBType(10), 0, 0, "", {}, "", false},
        {"negative type", TFBType(-1), 0, 0, "", {}, "", false},
        {"timer subtype 9", ftTimer, 9, 4, "BL_TIMER1", none, "", false},
        {"trigger subtype 5", ftTrigger, 5, 4, "", {"S", "S", "R", "R"}, "", false},
    };
    const QRgb face = diagram::FaceColor().rgb();
    for (const Case& c : cases) {
      TPanFB panel(nullptr, c.type, 1);
      if (c.type == ftTimer) panel.PutTypeTim(TimerType(c.sub));
      if (c.type == ftTrigger) panel.PutTypeTr(TriggerType(c.sub));
      QVERIFY2(panel.NumberInputs() == c.inputs, c.name);
      QVERIFY2(panel.IconName() == c.icon, c.name);
      QVERIFY2(panel.TypeText() == c.typeText, c.name);
      QStringList roles;
      for (int i = 1; i <= c.inputs; ++i) roles << panel.RoleText(i);
      QVERIFY2(roles == c.roles, qPrintable(QString(c.name) + ": " + roles.join('|')));
      QVERIFY2(panel.OutputInverted() == c.inverted, c.name);

      const QImage image = Render(panel);
      for (int i = 1; i <= TPanFB::kInputs; ++i) {
        const QRect line = TPanFB::InputLineRect(i);
        if (i <= c.inputs)
          QVERIFY2(Plain(image, line, Olive()), c.name);
        else
          QVERIFY2(Plain(image, line, face), c.name);
      }
      // The circle is hollow (the panel's colour inside an olive ring); the
      // bar is solid olive.
      const QPoint middle = Centre(TPanFB::OutputCircleRect());
      QVERIFY2((image.pixel(middle) == face) == c.inverted, c.name);
      QVERIFY2(Plain(image, TPanFB::OutputBarRect(), Olive()) == !c.inverted, c.name);
      QVERIFY2(Count(image, TPanFB::OutputCircleRect(), Olive()) > 0, c.name);
      // The icon is drawn where a type has one, and nothing is where it has
      // none.
      QVERIFY2(Plain(image, TPanFB::IconRect(), face) == QString(c.icon).isEmpty(), c.name);
      QVERIFY2(Plain(image, TPanFB::TypeTextRect(), face) == QString(c.typeText).isEmpty(), c.name);
    }
  }

  void inversionCirclesOnlyOnDrawnInputs() {
    const QRgb face = diagram::FaceColor().rgb();
    TPanFB gate(nullptr, ftOR, 1);
    gate.PutTInp(2, itInverse);
    gate.PutTInp(4, itInverse);
    QImage image = Render(gate);
    for (int i = 1; i <= 4; ++i) {
      const bool inverted = i == 2 || i == 4;
      QCOMPARE(gate.TypeInput(i), inverted ? itInverse : itNormal);
      // The line runs under the circle's place; an inverted input hides it
      // in the hollow of an olive ring.
      QCOMPARE(image.pixel(Centre(TPanFB::InversionRect(i))), inverted ? face : Olive());
      if (inverted) QVERIFY(Count(image, TPanFB::InversionRect(i), Olive()) > 10);
    }
    gate.PutTInp(2, itNormal);
    QCOMPARE(Render(gate).pixel(Centre(TPanFB::InversionRect(2))), Olive());

    // Inputs the type does not draw, and the comparator's inputs 2..4,
    // take no direction; nor do numbers outside 1..4.
    TPanFB hysteresis(nullptr, ftGisterezis, 1);
    hysteresis.PutTInp(3, itInverse);
    hysteresis.PutTInp(0, itInverse);
    hysteresis.PutTInp(5, itInverse);
    QCOMPARE(hysteresis.TypeInput(3), itNormal);
    QVERIFY(Plain(Render(hysteresis), TPanFB::InversionRect(3), face));
    TPanFB comparator(nullptr, ftComparator, 1);
    comparator.PutTInp(1, itInverse);
    comparator.PutTInp(2, itInverse);
    QCOMPARE(comparator.TypeInput(1), itInverse);
    QCOMPARE(comparator.TypeInput(2), itNormal);
    image = Render(comparator);
    QCOMPARE(image.pixel(Centre(TPanFB::InversionRect(1))), face);
    QCOMPARE(image.pixel(Centre(TPanFB::InversionRect(2))), Olive());

    // A new type draws its inputs afresh.
    gate.PutTInp(1, itInverse);
    gate.PutIdVh(1, "X1");
    gate.PutTypeFB(ftAND);
    QCOMPARE(gate.TypeInput(1), itNormal);
    QCOMPARE(gate.CaptionInput(1), QString());
  }

  void captionsOfTheDrawnInputs() {
    TPanFB timer(nullptr, ftTimer, 1);
    const QRgb face = diagram::FaceColor().rgb();
    QVERIFY(Plain(Render(timer), TPanFB::InputCaptionRect(1), face));
    timer.PutIdVh(1, "DI5");
    timer.PutIdVh(3, "ignored");
    QCOMPARE(timer.CaptionInput(1), QString("DI5"));
    QCOMPARE(timer.CaptionInput(3), QString());
    const QImage image = Render(timer);
    QVERIFY(Tinted(image, TPanFB::InputCaptionRect(1), diagram::Blue()) > 0);
    QVERIFY(Tinted(image, TPanFB::RoleRect(1), diagram::Teal()) > 0);  // "S"
    // From T0 to T5 and back: the first input keeps its caption.
    timer.PutTypeTim(tt5);
    timer.PutTypeTim(tt1);
    QCOMPARE(timer.CaptionInput(1), QString("DI5"));
    QCOMPARE(timer.NumberInputs(), 2);
  }

  // The texts of timers, comparators, alarm clocks and counters, and the
  // limits their setters keep values to.
  void settingTexts() {
    struct Case {
      const char* name;
      TFBType type;
      std::function<void(TPanFB&)> set;
      QString caption;       // the panel's
      QStringList inputs;    // CaptionInput 1..4
      QString typeText;
      int time;              // TimerTime afterwards
    };
    const Case cases[] = {
        {"timer in 100 ms", ftTimer, [](TPanFB& p) { p.SetTimerD(tdms); p.SetTime(12); }, kT + "=1200" + kMs,
         {"", "", "", ""}, "T0", 12},
        {"timer in s", ftTimer, [](TPanFB& p) { p.SetTimerD(tdsec); p.SetTime(12); }, kT + "=12" + kS,
         {"", "", "", ""}, "T0", 12},
        {"timer in 10 s", ftTimer, [](TPanFB& p) { p.SetTimerD(tdDecsec); p.SetTime(12); }, kT + "=120" + kS,
         {"", "", "", ""}, "T0", 12},
        {"fixed time above 120", ftTimer, [](TPanFB& p) { p.SetTime(150); }, kT + "=12000" + kMs,
         {"", "", "", ""}, "T0", 120},
        {"negative time", ftTimer, [](TPanFB& p) { p.SetTime(-3); }, kT + "=0" + kMs, {"", "", "", ""}, "T0", 0},
        {"address above 10", ftTimer, [](TPanFB& p) { p.SetTimerTUsT(tkorr); p.SetTime(15); }, kAdr + "10",
         {"", "", "", ""}, "T0", 10},
        {"address 0", ftTimer, [](TPanFB& p) { p.SetTimerTUsT(tkorr); p.SetTime(0); }, kAdr + "1",
         {"", "", "", ""}, "T0", 1},
        {"fixed time 50 made adjustable", ftTimer,
         [](TPanFB& p) { p.SetTime(50); p.SetTimerTUsT(tkorr); }, kAdr + "10", {"", "", "", ""}, "T0", 10},
        {"unknown unit", ftTimer, [](TPanFB& p) { p.SetTime(5); p.SetTimerD(TimerDiskr(3)); }, "",
         {"", "", "", ""}, "T0", 5},
        {"timer type", ftTimer, [](TPanFB& p) { p.PutTypeTim(tt3); }, kT + "=0" + kMs, {"", "", "", ""}, "T3", 0},
        {"alarm clock", ftTimer,
         [](TPanFB& p) {
           p.PutTypeTim(tt5);
           p.PutSec(30);
           p.PutMin(15);
           p.PutHour(7);
         },
         kT + "=0" + kMs, {"", "30" + kSek, "15" + kMin, "7" + kChas}, "T5", 0},
        {"alarm clock chosen again starts at 0", ftTimer,
         [](TPanFB& p) {
           p.PutTypeTim(tt5);
           p.SetTimeHour(7);
           p.PutTypeTim(tt5);
         },
         kT + "=0" + kMs, {"", "0" + kSek, "0" + kMin, "0" + kChas}, "T5", 0},
        {"alarm time on T0 shows nowhere", ftTimer, [](TPanFB& p) { p.PutHour(7); }, kT + "=0" + kMs,
         {"", "", "", ""}, "T0", 0},
        {"comparator delay", ftComparator,
         [](TPanFB& p) {
           p.SetTimerD(tdsec);
           p.SetTime(7);
           p.SetLimit(1.5f);
         },
         "", {"", "", kUst + "1,5000", kTzad + "7" + kS}, "L", 7},
        {"comparator delay above 120", ftComparator,
         [](TPanFB& p) {
           p.SetTimerTUsT(tkorr);  // no address for a comparator's delay
           p.SetTime(200);
         },
         "", {"", "", kUst + "0,0000", kTzad + "12000" + kMs}, "L", 120},
        {"set-point -10", ftComparator, [](TPanFB& p) { p.SetLimit(-10); }, "",
         {"", "", kUst + "-10,000", kTzad + "0" + kMs}, "L", 0},
        {"set-point 12345", ftComparator,
         [](TPanFB& p) {
           p.SetLimit(12345);
           p.PutCompCond(ccH);
         },
         "", {"", "", kUst + "12345", kTzad + "0" + kMs}, "H", 0},
        {"adjustable set-point", ftComparator,
         [](TPanFB& p) {
           p.SetCompAdrUst(3);
           p.SetCompTUs(tukorr);
         },
         "", {"", "", kAdrDot + "3", kTzad + "0" + kMs}, "L", 0},
        {"set-point address above 10", ftComparator,
         [](TPanFB& p) {
           p.SetCompTUs(tukorr);
           p.SetCompAdrUst(11);
         },
         "", {"", "", kAdrDot + "10", kTzad + "0" + kMs}, "L", 0},
        {"unknown condition", ftComparator, [](TPanFB& p) { p.PutCompCond(ComparatorCondition(2)); }, "",
         {"", "", kUst + "0,0000", kTzad + "0" + kMs}, "", 0},
        {"counter set-point", ftCounter, [](TPanFB& p) { p.SetLimitCount(45); }, "", {"", "", "", ""}, "45", 0},
    };
    for (const Case& c : cases) {
      TPanFB panel(nullptr, c.type, 1);
      c.set(panel);
      QVERIFY2(panel.Caption() == c.caption, qPrintable(QString(c.name) + ": " + panel.Caption()));
      QStringList inputs;
      for (int i = 1; i <= 4; ++i) inputs << panel.CaptionInput(i);
      QVERIFY2(inputs == c.inputs, qPrintable(QString(c.name) + ": " + inputs.join('|')));
      QVERIFY2(panel.TypeText() == c.typeText, c.name);
      QVERIFY2(panel.TimerTime() == c.time, c.name);
    }
  }

  void alarmClockStartsAtMidnightWithFourInputs() {
    TPanFB panel(nullptr, ftTimer, 1);
    panel.SetTimeSec(10);
    panel.SetTimeMin(20);
    panel.SetTimeHour(5);
    panel.SetTimerTyp(tt5);
    QCOMPARE(panel.TimeSec(), 0);
    QCOMPARE(panel.TimeMin(), 0);
    QCOMPARE(panel.TimeHour(), 0);
    QCOMPARE(panel.NumberInputs(), 4);
    QVERIFY(Plain(Render(panel), TPanFB::InputLineRect(4), Olive()));
    // Settings kept over a change of type come back with the timer.
    panel.PutTypeFB(ftAND);
    panel.SetTimeHour(23);
    panel.PutTypeFB(ftTimer);
    QCOMPARE(panel.CaptionInput(4), "23" + kChas);
  }

  void hysteresisShowsOnlyOnComparators() {
    TPanFB comparator(nullptr, ftComparator, 1);
    const QRgb face = diagram::FaceColor().rgb();
    comparator.SetGisterezis(5);
    QCOMPARE(comparator.Gisterezis(), 5);
    QCOMPARE(comparator.HysteresisText(), kGist + "5%");
    QVERIFY(Tinted(Render(comparator), TPanFB::HysteresisRect().adjusted(0, 2, 0, 0), diagram::Blue()) > 0);
    TPanFB gate(nullptr, ftAND, 1);
    gate.SetGisterezis(5);
    QCOMPARE(gate.HysteresisText(), QString());
    QVERIFY(Plain(Render(gate), TPanFB::HysteresisRect().adjusted(0, 2, -10, 0), face));
  }

  void selectionColoursTheWholeBlock() {
    TPanFB panel(nullptr, ftAND, 3);
    panel.SetColor(diagram::SelectionColor());
    const QImage image = Render(panel);
    const QRgb sky = QColor(166, 202, 240).rgb();
    QCOMPARE(image.pixel(60, 2), sky);                                   // the body
    QCOMPARE(image.pixel(Centre(TPanFB::TypeTextRect())), sky);          // the type area
    QCOMPARE(image.pixel(TPanFB::NumberRect().topLeft() + QPoint(3, 3)), sky);  // the plate
    // The type area is raised: light top left, dark bottom right.
    const QRect area = TPanFB::TypeAreaRect();
    QCOMPARE(image.pixel(area.topLeft() + QPoint(5, 0)), diagram::HighlightColor().rgb());
    QCOMPARE(image.pixel(area.bottomRight() - QPoint(5, 0)), diagram::ShadowColor().rgb());
    // The plate shows the number.
    QVERIFY(!Plain(image, TPanFB::NumberRect().adjusted(3, 3, -3, -3), sky));
  }

  // Which signals a click and a double click give, by where they hit.
  void mouseTellsTheTypeAreaAndTheNumber() {
    TPanFB panel(nullptr, ftAND, 1);
    QStringList calls;
    connect(&panel, &TPanFB::OnNFBClick, [&](Qt::KeyboardModifiers) { calls << "NFB"; });
    connect(&panel, &TPanFB::OnTFBClick, [&](Qt::KeyboardModifiers) { calls << "TFB"; });
    connect(&panel, &TPanFB::OnTFBDblClick, [&] { calls << "TFBDbl"; });
    connect(&panel, &TDiagramPanel::OnClick, [&](Qt::KeyboardModifiers m) {
      calls << (m & Qt::ControlModifier ? "CtrlClick" : "Click");
    });
    connect(&panel, &TDiagramPanel::OnDblClick, [&] { calls << "Dbl"; });
    QPoint menuAt;
    connect(&panel, &TDiagramPanel::OnRightPress, [&](QPoint at) { menuAt = at; });

    auto doubleClick = [&](QPoint at) {
      QMouseEvent press(QEvent::MouseButtonDblClick, at, panel.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
      QApplication::sendEvent(&panel, &press);
      QMouseEvent release(QEvent::MouseButtonRelease, at, panel.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                          Qt::NoModifier);
      QApplication::sendEvent(&panel, &release);
    };
    const struct {
      const char* name;
      std::function<void()> act;
      QStringList calls;
    } cases[] = {
        {"body", [&] { QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(40, 60)); }, {"Click"}},
        {"ctrl on body", [&] { QTest::mouseClick(&panel, Qt::LeftButton, Qt::ControlModifier, QPoint(40, 60)); },
         {"CtrlClick"}},
        {"number", [&] { QTest::mouseClick(&panel, Qt::LeftButton, {}, Centre(TPanFB::NumberRect())); },
         {"NFB", "Click"}},
        {"type area", [&] { QTest::mouseClick(&panel, Qt::LeftButton, {}, QPoint(125, 40)); }, {"TFB", "Click"}},
        {"double on type area", [&] { doubleClick(QPoint(125, 40)); }, {"TFBDbl", "Dbl"}},
        {"double on number", [&] { doubleClick(Centre(TPanFB::NumberRect())); }, {"TFBDbl", "Dbl"}},
        {"double on body", [&] { doubleClick(QPoint(40, 60)); }, {"Dbl"}},
    };
    for (const auto& c : cases) {
      calls.clear();
      c.act();
      QVERIFY2(calls == c.calls, qPrintable(QString(c.name) + ": " + calls.join(',')));
    }
    QTest::mousePress(&panel, Qt::RightButton, {}, QPoint(20, 30));
    QCOMPARE(menuAt, panel.mapToGlobal(QPoint(20, 30)));
    QCOMPARE(TPanFB::PartAt(QPoint(111, 50)), TPanFB::fpBody);
    QCOMPARE(TPanFB::PartAt(QPoint(112, 50)), TPanFB::fpTypeArea);
  }

  void numberMark() {
    TShapeMark mark(nullptr, 7);
    QCOMPARE(mark.CaptionMark(), kFB + "7");
    QCOMPARE(mark.TypeShMark(), smMark);
    const QColor blue = diagram::Blue();
    QImage image = Render(mark);
    QVERIFY(Plain(image, TShapeMark::BarRect(), Olive()));
    QCOMPARE(TShapeMark::BarRect(), QRect(0, 20, 80, 3));
    QVERIFY(Tinted(image, TShapeMark::MarkRect(), blue) > 0);
    QVERIFY(Tinted(image, QRect(0, 0, 40, 19), blue) > 0);  // at the top left
    QVERIFY(Plain(image, QRect(0, 17, 80, 3), diagram::FaceColor().rgb()));

    mark.PutTypeShapeM(smNoMark);
    image = Render(mark);
    QCOMPARE(Tinted(image, TShapeMark::MarkRect(), blue), 0);
    QVERIFY(Plain(image, TShapeMark::BarRect(), Olive()));
    QCOMPARE(mark.CaptionMark(), kFB + "7");  // kept while hidden

    mark.PutMark(QString::fromUtf16(u"\u041A\u0412\u0423130"));
    mark.PutTypeShapeM(ShapeMark(7));  // unknown: the bar alone
    QVERIFY(!mark.MarkShown());
    mark.SetTypeShMark(smMark);
    QVERIFY(mark.MarkShown());
    QCOMPARE(mark.CaptionMark(), QString::fromUtf16(u"\u041A\u0412\u0423130"));
  }

  // Each link's size and segments, rendered, and that each reaches the input
  // it is named for when placed as the editor places it (at the panel's
  // top + 20, the next panel's inputs 20 to its right).
  void everyLinkShape() {
    struct Case {
      ShapeZType type;
      QSize size;
      int input;  // the next block's input the horizontal reaches; 0: none
      bool vertical;
    };
    const Case cases[] = {
        {stZigzag0, {20, 75}, 4, false}, {stZigzag1, {20, 75}, 3, true},  {stZigzag2, {20, 75}, 2, true},
        {stZigzag3, {20, 75}, 1, true},  {stZigzag4, {20, 98}, 1, true},  {stZigzag5, {20, 122}, 1, true},
        {stZigzag6, {20, 146}, 1, true}, {stZigzag7, {20, 170}, 1, true}, {stZigzag8, {20, 194}, 1, true},
        {stZigzag00, {20, 3}, 0, false}, {ShapeZType(12), {20, 3}, 0, false},
    };
    for (const Case& c : cases) {
      const QString name = QString("type %1").arg(int(c.type));
      TPShapeZ link(nullptr, 1, c.type);
      QCOMPARE(link.TypeSh(), c.type);
      QVERIFY2(link.size() == c.size, qPrintable(name));
      const QImage image = Render(link);
      const bool known = c.type != ShapeZType(12);
      int horizontalTop = 0;
      if (c.input > 0) horizontalTop = TPanFB::InputLineRect(c.input).top() - 20;
      const QRect horizontal(0, horizontalTop, 20, 3);
      QVERIFY2(Plain(image, horizontal, Olive()) == known, qPrintable(name));
      if (c.type == stZigzag0)  // level with the output of the block before
        QCOMPARE(horizontal.top() + 20, TPanFB::OutputBarRect().top());
      // The vertical runs on the left from the horizontal to the bottom;
      // nothing else is drawn.
      const QRect vertical(0, horizontalTop, 3, c.size.height() - horizontalTop);
      if (c.vertical) QVERIFY2(Plain(image, vertical, Olive()), qPrintable(name));
      const int drawn = known ? 60 + (c.vertical ? 3 * (vertical.height() - 3) : 0) : 0;
      QVERIFY2(Count(image, QRect(QPoint(0, 0), c.size), Olive()) == drawn, qPrintable(name));
    }
    // PutTypeShape resizes.
    TPShapeZ link(nullptr, 1, stZigzag00);
    link.PutTypeShape(stZigzag6);
    QCOMPARE(link.size(), QSize(20, 146));
  }

  void linkTakesTheMouseOnlyOnItsSegments() {
    Recorder parent;
    parent.resize(100, 100);
    auto* link = new TPShapeZ(&parent, 1, stZigzag2);
    link->move(10, 10);
    QCOMPARE(parent.childAt(QPoint(10 + 10, 10 + 24 + 1)), link);  // the horizontal
    QCOMPARE(parent.childAt(QPoint(10 + 1, 10 + 60)), link);       // the vertical
    QCOMPARE(parent.childAt(QPoint(10 + 10, 10 + 60)), nullptr);   // beside them
    QCOMPARE(parent.childAt(QPoint(10 + 10, 10 + 5)), nullptr);
  }

  void blockIconsAreEightDistinctDrawings() {
    const QStringList names{"BL_AND",   "BL_OR",     "BL_GIST",    "BL_COMP",
                            "BL_COUNT", "BL_TIMER1", "BL_TRIGGER", "BL_TRIGGER2"};
    QList<QImage> icons;
    for (const QString& name : names) {
      const QImage& icon = TDiagramPictures::BlockIcon(name);
      QVERIFY2(icon.size() == QSize(16, 16), qPrintable(name));
      int ink = 0;
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) ink += qAlpha(icon.pixel(x, y)) > 128;
      QVERIFY2(ink >= 12, qPrintable(name));
      for (const QImage& other : icons) QVERIFY2(other != icon, qPrintable(name));
      icons << icon;
    }
    QVERIFY(TDiagramPictures::BlockIcon("BL_NONE").isNull());
    QVERIFY(TDiagramPictures::BlockIcon("").isNull());
  }
};

}  // namespace lur

QTEST_MAIN(lur::FBWidgets)
#include "FBWidgets_qtest.moc"
