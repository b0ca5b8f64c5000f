// The widgets of the discrete schema: their sizes, texts, hints and colours
// as the editor sets them, and the order of their callbacks. Colours are read
// back from the widget's own rendering.
#include <QApplication>
#include <QContextMenuEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QToolTip>
#include <QtTest>

#include <functional>
#include <memory>

#include "fb/widgets/DiagramColors.h"
#include "fb/widgets/TDiagramPictures.h"
#include "fb/widgets/TPanInp.h"
#include "fb/widgets/TPanMR.h"
#include "fb/widgets/TPanSign.h"
#include "fb/widgets/TPanZader.h"
#include "fb/widgets/TShapeHorz.h"
#include "fb/widgets/TSpBut.h"

namespace lur {

namespace {

QRgb Pixel(QWidget& widget, QPoint at) { return widget.grab().toImage().pixel(at); }

// Every pixel inside a sunken box (its one-pixel frame excluded) has `color`:
// the fill is right and no text is drawn on it.
bool BoxIsPlain(QWidget& widget, QRect box, QColor color) {
  const QImage image = widget.grab().toImage();
  const QRect inside = box.adjusted(1, 1, -1, -1);
  for (int y = inside.top(); y <= inside.bottom(); ++y)
    for (int x = inside.left(); x <= inside.right(); ++x)
      if (image.pixel(x, y) != color.rgb()) return false;
  return true;
}

// The inside corner of a box, where no text reaches.
QPoint InsideCorner(QRect box) { return box.topLeft() + QPoint(2, 2); }

// A parent that records the mouse presses its children pass on.
class Recorder : public QWidget {
 public:
  int presses = 0;
  int menus = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override { ++presses; }
  void contextMenuEvent(QContextMenuEvent*) override { ++menus; }
};

}  // namespace

class DiscreteWidgets : public QObject {
  Q_OBJECT

 private slots:
  void sizesOfEachKind() {
    struct Case {
      const char* name;
      std::function<std::unique_ptr<QWidget>()> make;
      QSize size;
    };
    const Case cases[] = {
        {"tpInput", [] { return std::make_unique<TPanInp>(nullptr, 1, tpInput); }, {120, 42}},
        {"tpId", [] { return std::make_unique<TPanInp>(nullptr, 1, tpId); }, {90, 42}},
        {"tpNB", [] { return std::make_unique<TPanInp>(nullptr, 1, tpNB); }, {24, 25}},
        // Switching kinds back and forth must not keep the old fixed size.
        {"tpNB then tpInput",
         [] {
           auto panel = std::make_unique<TPanInp>(nullptr, 1, tpNB);
           panel->PutTypePanel(tpId);
           panel->PutTypePanel(tpInput);
           return panel;
         },
         {120, 42}},
        {"TPanSign", [] { return std::make_unique<TPanSign>(nullptr, 1); }, {60, 42}},
        {"TPanZader", [] { return std::make_unique<TPanZader>(nullptr, 1); }, {42, 42}},
        {"TPanMR", [] { return std::make_unique<TPanMR>(nullptr, 1); }, {200, 42}},
    };
    for (const Case& c : cases) {
      auto widget = c.make();
      QVERIFY2(widget->size() == c.size, c.name);
      // An editor may resize nothing by accident: a layout keeps the size.
      QVERIFY2(widget->minimumSize() == c.size && widget->maximumSize() == c.size, c.name);
    }
  }

  void inputPanelHasItsButtonOnlyAsAnInput() {
    TPanInp panel(nullptr, 7, tpInput);
    QCOMPARE(panel.Caption(), QString("7"));
    QCOMPARE(panel.TypePanel(), tpInput);
    QVERIFY(panel.SpB() != nullptr);
    QCOMPARE(panel.SpB()->pos(), QPoint(8, 8));
    QVERIFY(!panel.SpB()->isHidden());
    QCOMPARE(panel.SpB()->Hint(), QString("Состояние входа - Нажато: НР"));

    panel.SetDownSpB(true);
    panel.SetEnabledSpB(false);
    panel.PutTypePanel(tpId);
    QVERIFY(panel.SpB()->isHidden());
    panel.PutTypePanel(tpInput);
    QVERIFY(!panel.SpB()->isHidden());
    QVERIFY(panel.SpB()->Down());
    QVERIFY(!panel.SpB()->isEnabled());

    // The schema's inputs never build a button at all.
    TPanInp id(nullptr, 3, tpId);
    QVERIFY(id.SpB() == nullptr);
    QVERIFY(id.findChildren<QWidget*>().isEmpty());
    TPanInp plate(nullptr, 12, tpNB);
    QVERIFY(plate.SpB() == nullptr);
    QCOMPARE(plate.Caption(), QString("12"));
  }

  void buttonClickCallsOnSpBClickBeforeOnClick() {
    TPanInp panel(nullptr, 1, tpInput);
    QStringList calls;
    connect(&panel, &TPanInp::OnSpBClick, [&] { calls << "SpB:" + QString::number(panel.DownSpB()); });
    connect(&panel, &TDiagramPanel::OnClick, [&] { calls << "Click"; });
    const QColor before = panel.Color();

    QTest::mouseClick(panel.SpB(), Qt::LeftButton);
    QCOMPARE(calls, QStringList({"SpB:1", "Click"}));
    // The button is not the panel: its click leaves the colour alone.
    QCOMPARE(panel.Color(), before);

    calls.clear();
    QTest::mouseClick(panel.SpB(), Qt::LeftButton);
    QCOMPARE(calls, QStringList({"SpB:0", "Click"}));
  }

  void panelClickTogglesItsColourUnlessTheEditorOwnsIt() {
    TPanInp panel(nullptr, 1, tpId);
    QList<QRgb> seenInOnClick;
    connect(&panel, &TDiagramPanel::OnClick, [&] { seenInOnClick << panel.Color().rgb(); });
    const QPoint middle(60, 21);

    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, middle);
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, middle);
    // The colour has changed before OnClick runs.
    QCOMPARE(seenInOnClick, QList<QRgb>({diagram::SelectionColor().rgb(), diagram::FaceColor().rgb()}));

    panel.SetToggleColorOnClick(false);
    panel.SetColor(diagram::SelectionColor());
    QTest::mouseClick(&panel, Qt::LeftButton, Qt::NoModifier, middle);
    QCOMPARE(panel.Color(), diagram::SelectionColor());
    QCOMPARE(Pixel(panel, middle), diagram::SelectionColor().rgb());
    QCOMPARE(seenInOnClick.size(), 3);
  }

  void clicksCarryModifiersAndADoubleClickIsOneClick() {
    TPanSign sign(nullptr, 1);
    QList<Qt::KeyboardModifiers> clicks;
    int doubles = 0;
    connect(&sign, &TDiagramPanel::OnClick, [&](Qt::KeyboardModifiers m) { clicks << m; });
    connect(&sign, &TDiagramPanel::OnDblClick, [&] { ++doubles; });

    QTest::mouseClick(&sign, Qt::LeftButton, Qt::ControlModifier, QPoint(5, 5));
    QCOMPARE(clicks.size(), 1);
    QCOMPARE(clicks[0], Qt::KeyboardModifiers(Qt::ControlModifier));

    // What the window system sends for a double click: the first click,
    // then a double-click press and its release, which is no second click.
    clicks.clear();
    const QPointF at(5, 5);
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease}) {
      const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
      QMouseEvent event(type, at, sign.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
      QApplication::sendEvent(&sign, &event);
    }
    QCOMPARE(doubles, 1);
    QCOMPARE(clicks.size(), 1);
  }

  void unheardMousePassesToTheParent() {
    Recorder parent;
    auto* sign = new TPanSign(&parent, 1);
    QTest::mouseClick(sign, Qt::LeftButton);
    QTest::mouseClick(sign, Qt::RightButton);
    QCOMPARE(parent.presses, 2);
    auto menuRequest = [&] {
      QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(3, 4), sign->mapToGlobal(QPoint(3, 4)));
      QApplication::sendEvent(sign, &request);
    };
    menuRequest();
    QCOMPARE(parent.menus, 1);

    QPoint menuAt;
    connect(sign, &TDiagramPanel::OnRightPress, [&](QPoint at) { menuAt = at; });
    connect(sign, &TDiagramPanel::OnClick, [] {});
    QTest::mouseClick(sign, Qt::LeftButton);
    QTest::mousePress(sign, Qt::RightButton, Qt::NoModifier, QPoint(3, 4));
    QCOMPARE(parent.presses, 2);
    QCOMPARE(menuAt, sign->mapToGlobal(QPoint(3, 4)));
    menuRequest();
    QCOMPARE(parent.menus, 1);
  }

  void hoverShowsTheTooltipColourOverTheColourAtRest() {
    TPanZader delay(nullptr, 1);
    delay.SetColor(diagram::SelectionColor());
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QEvent leave(QEvent::Leave);

    QApplication::sendEvent(&delay, &enter);
    QCOMPARE(delay.ShownColor(), diagram::SelectionColor());  // off unless asked
    delay.SetHoverHighlight(true);
    QCOMPARE(Pixel(delay, {3, 3}), diagram::InfoColor().rgb());
    QCOMPARE(delay.Color(), diagram::SelectionColor());
    QApplication::sendEvent(&delay, &leave);
    QCOMPARE(Pixel(delay, {3, 3}), diagram::SelectionColor().rgb());
  }

  void speedButtonIsBuiltDisabledAndTogglesWhenEnabled() {
    TSpBut button(nullptr, true);
    QVERIFY(!button.isEnabled());
    QVERIFY(button.Down());
    QCOMPARE(button.Hint(), QString("Состояние входа - Нажато: НР"));
    QCOMPARE(button.size(), QSize(TSpBut::kWidth, TSpBut::kHeight));
    QCOMPARE(button.GlyphIndex(), 1);

    int clicks = 0;
    connect(&button, &TSpBut::OnClick, [&] {
      ++clicks;
      QVERIFY(button.Clicked());
    });
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 0);

    button.setEnabled(true);
    QCOMPARE(button.GlyphIndex(), 3);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(clicks, 1);
    QVERIFY(!button.Down());
    QCOMPARE(button.GlyphIndex(), 0);
  }

  void picturesShowFourDistinctGlyphs() {
    for (const QImage* strip : {&TDiagramPictures::TipKont(), &TDiagramPictures::Arhiv()}) {
      const int s = TDiagramPictures::kGlyphSize;
      QCOMPARE(strip->size(), QSize(s * TDiagramPictures::kGlyphCount, s));
      QList<QImage> glyphs;
      for (int i = 0; i < TDiagramPictures::kGlyphCount; ++i) glyphs << strip->copy(i * s, 0, s, s);
      for (int i = 0; i < glyphs.size(); ++i)
        for (int j = i + 1; j < glyphs.size(); ++j) QVERIFY2(glyphs[i] != glyphs[j], "two glyphs alike");
    }
  }

  void signallingShowsItsTypeAndCellInTheTypesColour() {
    struct Case {
      int type;
      const char* caption;
      QColor color;
    };
    const Case cases[] = {
        {0, "т сиг", diagram::WindowColor()},
        {1, "пред", QColor(255, 255, 0)},
        {2, "авар", QColor(255, 0, 0)},
        {3, "инд", QColor(0, 255, 0)},
    };
    for (const Case& c : cases) {
      TPanSign sign(nullptr, 1);
      sign.PutTipS(c.type);
      sign.PutNTabS(c.type, 4);
      QCOMPARE(sign.Caption(), QString(c.caption));
      QCOMPARE(sign.CellText(), QString("4"));
      QCOMPARE(sign.ColorSign(), c.color);
      QCOMPARE(Pixel(sign, InsideCorner(TPanSign::BoxRect())), c.color.rgb());
    }
    TPanSign sign(nullptr, 1);
    QCOMPARE(sign.Hint(), QString("панель сигнализации"));
  }

  void alarmWithoutACellIsAnEmptyRedBox() {
    TPanSign sign(nullptr, 1);
    sign.PutTipS(2);
    sign.PutNTabS(2, 7);
    QVERIFY(!BoxIsPlain(sign, TPanSign::BoxRect(), diagram::Red()));  // the 7 is drawn
    sign.PutNTabS(2, 0);
    QCOMPARE(sign.CellText(), QString());
    QVERIFY(BoxIsPlain(sign, TPanSign::BoxRect(), diagram::Red()));

    sign.SetColorSign(diagram::Teal());
    QCOMPARE(sign.ColorSign(), diagram::Teal());
    QVERIFY(BoxIsPlain(sign, TPanSign::BoxRect(), diagram::Teal()));
  }

  void delayShowsValueTimesFactor() {
    TPanZader delay(nullptr, 1);
    QCOMPARE(delay.Caption(), QString(" t"));
    QCOMPARE(delay.Hint(), QString("панель задержки"));
    const struct {
      int value, factor;
      const char* shown;
    } cases[] = {{7, 1, "7"}, {25, 10, "250"}, {255, 10, "2550"}, {0, 10, "0"},
                 // Past the int range the product stops at its end.
                 {2147483647, 10, "2147483647"}};
    for (const auto& c : cases) {
      delay.PutTimeDelay(c.value, c.factor);
      QCOMPARE(delay.DelayText(), QString(c.shown));
    }
    QVERIFY(!BoxIsPlain(delay, TPanZader::BoxRect(), diagram::WindowColor()));
  }

  void relayBoxesAreSilverUntilAModuleIsUsed() {
    TPanMR mr(nullptr, 1);
    QCOMPARE(mr.Caption(), QString::fromUtf8("\u041C\u0420"));  // Cyrillic Em, Er
    QCOMPARE(mr.Hint(), QString("панель выходов"));
    const QStringList initial{mr.MRHint1(), mr.MRHint2(), mr.MRHint3(), mr.MRHint4(), mr.MRHint5()};
    QCOMPARE(initial, QStringList({"MP 1: ", "MP 2: ", "MP 3: ", "MP 4: ", "MP 5: "}));
    QCOMPARE(mr.MRHint1().at(0).unicode(), u'M');  // Latin, unlike the caption
    for (int m = 0; m < TPanMR::kModules; ++m) QVERIFY(BoxIsPlain(mr, TPanMR::BoxRect(m), diagram::Silver()));

    mr.PassiveMR(0);
    mr.ActiveMR(0, 0x05);
    QCOMPARE(mr.BoxText(0), QString("1,3,"));
    QCOMPARE(mr.MRHint1(), QString("MP 1: 1,3,"));
    QCOMPARE(mr.GetHint(0), mr.MRHint1());
    QCOMPARE(Pixel(mr, InsideCorner(TPanMR::BoxRect(0))), diagram::InfoColor().rgb());
    QVERIFY(BoxIsPlain(mr, TPanMR::BoxRect(1), diagram::Silver()));

    // Shown again with another byte: listed afresh, not appended.
    mr.ActiveMR(4, 0x80);
    mr.ActiveMR(4, 0x81);
    QCOMPARE(mr.BoxText(4), QString("1,8,"));
    QCOMPARE(mr.MRHint5(), QString("MP 5: 1,8,"));
    mr.ActiveMR(2, 0xFF);
    QCOMPARE(mr.BoxText(2), QString("1,2,3,4,5,6,7,8,"));

    mr.PassiveMR(0);
    QCOMPARE(mr.MRHint1(), QString("MP 1: "));
    QVERIFY(BoxIsPlain(mr, TPanMR::BoxRect(0), diagram::Silver()));

    // A module past the five changes nothing.
    mr.ActiveMR(5, 0x01);
    mr.PassiveMR(-1);
    QCOMPARE(mr.GetHint(5), QString());
    QCOMPARE(mr.MRHint5(), QString("MP 5: 1,8,"));
  }

  void relayBoxShowsItsOwnHint() {
    TPanMR mr(nullptr, 1);
    mr.ActiveMR(1, 0x06);
    mr.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mr));
    const QPoint at = TPanMR::BoxRect(1).center();
    QHelpEvent help(QEvent::ToolTip, at, mr.mapToGlobal(at));
    QApplication::sendEvent(&mr, &help);
    QTRY_COMPARE(QToolTip::text(), QString("MP 2: 2,3,"));
    QToolTip::hideText();
  }

  void lineIsOliveAndThreePixelsThick() {
    TShapeHorz line(nullptr, 1);
    QCOMPARE(line.TypeSh(), shNormal);
    line.resize(100, 9);
    const QImage image = line.grab().toImage();
    for (int x : {0, 50, 99}) {
      QCOMPARE(image.pixel(x, 3), diagram::Olive().rgb());
      QCOMPARE(image.pixel(x, 5), diagram::Olive().rgb());
      QVERIFY(image.pixel(x, 2) != diagram::Olive().rgb());
      QVERIFY(image.pixel(x, 6) != diagram::Olive().rgb());
    }
    line.PutTypeShape(shZigzag1);
    QCOMPARE(line.TypeSh(), shZigzag1);
    const QImage zigzag = line.grab().toImage();
    QCOMPARE(zigzag.pixel(0, 4), diagram::Olive().rgb());
    QVERIFY(zigzag != image);
  }
};

}  // namespace lur

QTEST_MAIN(lur::DiscreteWidgets)
#include "DiscreteWidgets_qtest.moc"
