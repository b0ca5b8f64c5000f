// The function block editor's window over its controller: every control by
// its name, the diagram where the layout puts it, the mouse choosing,
// selecting and opening the menus, double clicks, the wheel, printing to a
// PDF, and the items of the next version shown but disabled.
#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "PdfText.h"
#include "fb/TFormFBController.h"
#include "fb/views/TFBDiagram.h"
#include "fb/views/TFormFB.h"
#include "fb/widgets/TPanFB.h"
#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "session/TEditorRegistry.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/FBEditorDoubles.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

constexpr const char* kMainCaption = "Программатор ЛУР - 05HMI";

// The block dialog as a user who programs an OR gate and presses OK.
struct ScriptedBlockDialog : TBlockDialog {
  explicit ScriptedBlockDialog(TProgFBClass& table) : fb(table) {}
  void Reset() override {}
  void PrepareNew(int n, bool) override { number = n; }
  void PrepareFromRecord(int i, bool) override { number = i + 1; }
  int ShowModal() override {
    ++shows;
    return kModalOk;
  }
  int ChosenType() const override { return 3; }
  int Number() const override { return number; }
  void WriteRecord(int i) override { fb.SetTipFB(i, 3); }
  TProgFBClass& fb;
  int number = 0;
  int shows = 0;
};

template <class F>
struct Script : TModalWindow<F> {
  int ShowModal(F&) override {
    ++shows;
    return kModalOk;
  }
  int shows = 0;
};

struct Editor {
  // `blocks` AND gates in rows of three; block 2 has relay outputs of
  // module 1, block 1 a signalling cell.
  explicit Editor(int blocks, int fileMode = 0) {
    link.PortName = "COM1";
    QVERIFY(test::SetSmallController(config->Serv));
    config->Serv.MakeDefaultInputIds();
    config->Serv.FileMode = fileMode;
    config->Lur.FullAccess = 1;
    for (int i = 0; i < blocks; ++i) {
      config->FB.SetTipFB(i, 1);
      config->FB.SetNVh(i, 0, i + 1);  // input 1 from signal i + 1
    }
    if (blocks > 1) config->FB.SetMR(1, 1, 0x05);
    if (blocks > 0) {
      config->FB.SetTipS(0, 1);
      config->FB.SetNTabS(0, 3);
    }
    main.setWindowTitle(kMainCaption);
    auto* label = new QLabel("Режим работы с файлом /tmp/a.lur", &main);
    label->setObjectName("LabelFile");
    form = std::make_unique<TFormFBController>(session, TFormFBDialogs{block, sigForm, sig, vyhForm, vyh});
    window = std::make_unique<TFormFB>(*form, *config, editors, &main);
    window->SetHeadingSource(&main);
    window->SetPrintPdf(dir.filePath("fb.pdf"));
    window->resize(1000, 600);
  }
  ~Editor() { window->hide(); }

  // Shows the window the way ExecForm does, without its event loop.
  void Show() {
    form->FormShow();
    window->Draw();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  TFBDiagram* Diagram() const { return window->Diagram(); }
  QPoint Center(int record) const {
    const TDiagramBlock& b = Diagram()->Layout().blocks.at(static_cast<std::size_t>(record));
    return {b.rect.x + 200, b.rect.y + 100};  // the block's background, off its widgets
  }
  std::string Pdf() const { return dir.filePath("fb.pdf").toStdString(); }

  QTemporaryDir dir;
  test::VirtualClock clock;
  test::SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TServAddressing addressing{config->Serv};
  TSession session{*config, link, ui, addressing};
  ScriptedBlockDialog block{config->FB};
  TFormSigController sigForm;
  Script<TFormSigController> sig;
  TFormVyhController vyhForm{config->Lur};
  Script<TFormVyhController> vyh;
  TEditorRegistry editors;
  QWidget main;
  std::unique_ptr<TFormFBController> form;
  std::unique_ptr<TFormFB> window;
};

// Page k of a PDF at 20 dots an inch, in grey: the number of dark pixels
// (not white) in its lower two thirds.
int MarkedPixelsBelowHeading(const std::string& pdf, int k) {
  const std::string pgm = test::CommandOutput("pdftoppm -gray -r 20 -f " + std::to_string(k) + " -l " +
                                              std::to_string(k) + " " + test::ShellWord(pdf) + " 2>/dev/null");
  // "P5\nW H\n255\n" then the bytes.
  int width = 0, height = 0, maxval = 0, offset = 0;
  if (std::sscanf(pgm.c_str(), "P5 %d %d %d%n", &width, &height, &maxval, &offset) != 3) return -1;
  const std::size_t start = static_cast<std::size_t>(offset) + 1;
  if (pgm.size() < start + static_cast<std::size_t>(width * height)) return -1;
  int dark = 0;
  for (int y = height / 3; y < height; ++y) {
    for (int x = 0; x < width; ++x) dark += static_cast<unsigned char>(pgm[start + static_cast<std::size_t>(y * width + x)]) < 250;
  }
  return dark;
}

QColor Pixel(QWidget* w, QPoint at) { return w->grab().toImage().pixelColor(at); }

}  // namespace

class FormFBTest : public QObject {
  Q_OBJECT

 private slots:
  void everyControlCarriesItsNameCaptionAndKey() {
    Editor e(0);
    QCOMPARE(e.window->objectName(), QString("TFormFB"));
    QCOMPARE(e.window->windowTitle(), QString("Программирование функциональных блоков"));
    const struct {
      const char* name;
      const char* caption;
      QKeySequence key;
    } actions[] = {
        {"AInPort", "Ввод с СОМ-порта", Qt::Key_F9},
        {"AOutPort", "Вывод на СОМ-порт", Qt::Key_F10},
        {"ACreatFuncBut", "Создать функциональный блок ", {}},
        {"APMenu1Sign", "Редактировать сигнализацию", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"APMenu1Vyh", "Редактировать выход на реле", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"APMenu1FB", "Редактирование ФБ", QKeySequence(Qt::CTRL | Qt::Key_B)},
        {"AClose", "Выход", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"PMenu1Copy", "Копировать ", QKeySequence(Qt::CTRL | Qt::Key_C)},
        {"PMenu1Del", "Удалить", QKeySequence(Qt::Key_Delete)},
        {"PMenu3AddGroup", "Добавить группу скопированных ФБ", QKeySequence(Qt::CTRL | Qt::Key_V)},
        {"PMenu3ChooseAll", "Выделить все", QKeySequence(Qt::CTRL | Qt::Key_A)},
    };
    for (const auto& a : actions) {
      QAction* action = e.window->Action(a.name);
      QVERIFY2(action, a.name);
      QCOMPARE(action->text(), QString(a.caption));
      QCOMPARE(action->shortcut(), a.key);
    }
    QCOMPARE(e.window->BlockMenu()->actions().size(), 11);
    QCOMPARE(e.window->BackgroundMenu()->actions().size(), 4);
    QCOMPARE(e.window->BlockMenu()->objectName(), QString("PopupMenu1"));
    QCOMPARE(e.window->BackgroundMenu()->objectName(), QString("PopupMenu3"));
    QVERIFY(!e.window->Action("AAddAfter")->isVisible());
    for (const char* name : {"InformBut", "InformButMR", "Button1", "Button2"}) {
      QVERIFY2(e.window->findChild<QPushButton*>(name), name);
    }
    QVERIFY(e.window->findChild<QToolBar*>("ToolBar1"));
    QCOMPARE(e.window->findChild<QLabel*>("StLUR")->text(),
             QString("Сигнализация программируется только для ФБ с 1 по 62"));
    QVERIFY(e.window->findChild<QScrollArea*>("ScrollBox1"));
  }

  void itemsWithoutTheirWindowsAreShownDisabledWithATooltip() {
    Editor e(2);
    e.Show();
    for (const char* name : {"ACalcIntegr", "ACalcMat", "AEditIntegr", "AEditMat", "PMenu3Algorithms"}) {
      QAction* a = e.window->Action(name);
      QVERIFY2(!a->isEnabled(), name);
      QCOMPARE(a->toolTip(), QString("Появится в следующей версии"));
    }
    // No information windows registered yet.
    auto* inform = e.window->findChild<QPushButton*>("InformBut");
    QVERIFY(!inform->isEnabled());
    QCOMPARE(inform->toolTip(), QString("Окно появится в следующей версии"));
    e.editors.Register(TEditor::InputInform, [](const TEditorRequest&) { return kModalOk; });
    e.window->Draw();
    QVERIFY(inform->isEnabled());
    QVERIFY(e.window->Action("ACreatFuncBut")->isEnabled());
  }

  void theDiagramStandsWhereTheLayoutPutsIt() {
    Editor e(4, 1);
    e.Show();
    QVERIFY(e.window->findChild<QLabel*>("LabelFile")->isVisible());
    auto* panel = e.Diagram()->findChild<TPanFB*>("PanFB1");
    QVERIFY(panel);
    QCOMPARE(panel->pos(), QPoint(0, 15));
    QCOMPARE(panel->CaptionInput(1), QString("DI_1_1    "));
    QCOMPARE(e.Diagram()->findChild<TPanFB*>("PanFB3")->pos(), QPoint(0, 135));  // block 2's relay panel ends its row
    QVERIFY(e.Diagram()->findChild<QWidget*>("PanMR2"));
    QCOMPARE(e.Diagram()->findChild<QWidget*>("PanMR2")->pos(), QPoint(750, 15 + 24));
    QVERIFY(e.Diagram()->findChild<QWidget*>("PanSign1"));
    QVERIFY(!e.Diagram()->findChild<QWidget*>("PanSign2"));
    QCOMPARE(e.Diagram()->height(), 120 + 15 + 110 + 20);
  }

  void clicksChooseSelectAndClearInSkyBlue() {
    Editor e(4);
    e.Show();
    QWidget* viewport = e.window->ScrollBox()->viewport();
    const QColor sky(166, 202, 240);
    QTest::mouseClick(e.Diagram(), Qt::LeftButton, {}, e.Center(0));
    QCOMPARE(e.config->FB.CurPosFB, 0);
    QCOMPARE(Pixel(e.Diagram(), e.Center(0)), sky);
    QVERIFY(Pixel(e.Diagram(), e.Center(2)) != sky);
    // Ctrl adds block 3 to the selection; no block is chosen then.
    QTest::mouseClick(e.Diagram(), Qt::LeftButton, Qt::ControlModifier, e.Center(2));
    QCOMPARE(e.config->FB.CurPosFB, -1);
    QCOMPARE(Pixel(e.Diagram(), e.Center(2)), sky);
    QCOMPARE(Pixel(e.Diagram(), e.Center(0)), sky);
    // A click on free space clears both.
    QTest::mouseClick(e.Diagram(), Qt::LeftButton, {}, QPoint(600, 300));
    QVERIFY(Pixel(e.Diagram(), e.Center(0)) != sky);
    QVERIFY(Pixel(e.Diagram(), e.Center(2)) != sky);
    Q_UNUSED(viewport);
  }

  void rightClicksOpenTheBlockOrTheBackgroundMenu() {
    Editor e(4);
    e.Show();
    QTest::mouseClick(e.Diagram(), Qt::LeftButton, {}, e.Center(1));
    QTest::mousePress(e.Diagram(), Qt::RightButton, {}, e.Center(1));
    QTRY_VERIFY(e.window->BlockMenu()->isVisible());
    QCOMPARE(e.config->FB.PopupPos, 1);
    // Block 2 has relay outputs and no signalling.
    QVERIFY(e.window->Action("PMenu1Vyh")->isEnabled());
    QVERIFY(!e.window->Action("PMenu1CreatVyh")->isEnabled());
    QVERIFY(e.window->Action("PMenu1CreatSign")->isEnabled());
    QVERIFY(!e.window->Action("PMenu1Sign")->isEnabled());
    e.window->BlockMenu()->hide();
    // An unselected block, or free space: the background menu.
    QTest::mousePress(e.Diagram(), Qt::RightButton, {}, e.Center(3));
    QTRY_VERIFY(e.window->BackgroundMenu()->isVisible());
    QCOMPARE(e.config->FB.PopupPos, -1);
    e.window->BackgroundMenu()->hide();
  }

  void doubleClicksOpenTheDialogsOfTheirElement() {
    Editor e(4);
    e.Show();
    QTest::mouseClick(e.Diagram(), Qt::LeftButton, {}, e.Center(1));
    // The type area of block 2: the block dialog programs it.
    const QPoint typeArea = QPoint(250, 15) + TPanFB::TypeAreaRect().center();
    QTest::mouseDClick(e.Diagram(), Qt::LeftButton, {}, typeArea);
    QCOMPARE(e.block.shows, 1);
    QCOMPARE(e.config->FB.GetTipFB(1), 3);
    // Block 2's relay panel: the relay output dialog.
    QTest::mouseClick(e.Diagram(), Qt::LeftButton, {}, e.Center(1));
    QTest::mouseDClick(e.Diagram(), Qt::LeftButton, {}, QPoint(800, 15 + 24 + 20));
    QCOMPARE(e.vyh.shows, 1);
    // Block 1's signalling panel: the signalling dialog.
    QTest::mouseClick(e.Diagram(), Qt::LeftButton, {}, e.Center(0));
    QTest::mouseDClick(e.Diagram(), Qt::LeftButton, {}, QPoint(165 + 30, 15 + 10 + 20));
    QCOMPARE(e.sig.shows, 1);
  }

  void theWheelScrollsByTen() {
    Editor e(60);
    e.Show();
    QScrollBar* bar = e.window->ScrollBox()->verticalScrollBar();
    QVERIFY(bar->maximum() > 100);
    QWidget* viewport = e.window->ScrollBox()->viewport();
    QWheelEvent down(QPointF(50, 50), viewport->mapToGlobal(QPointF(50, 50)), {}, QPoint(0, -120), Qt::NoButton,
                     Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &down);
    QCOMPARE(bar->value(), 10);
  }

  void printingGivesLandscapePagesOfFiveRowsThenTheRelayLines() {
    Editor e(20, 1);  // 20 blocks: rows 0..7 (block 2's relay panel ends row 0)
    e.Show();
    e.window->findChild<QPushButton*>("Button2")->click();
    QCOMPARE(e.ui.shown.size(), std::size_t(0));
    const int rows = e.Diagram()->Layout().blocks.back().row + 1;
    const int diagramPages = (rows + 4) / 5;
    QCOMPARE(test::PdfPageCount(e.Pdf()), diagramPages + 1);
    const QStringList size = QString::fromStdString(test::PdfInfo(e.Pdf(), "Page size")).split(' ');
    QVERIFY(size.size() > 2 && size[0].toDouble() > size[2].toDouble());
    const std::vector<std::string> pages = test::PdfPages(e.Pdf());
    for (std::size_t k = 0; k < pages.size(); ++k) {
      const QString page = QString::fromStdString(pages[k]);
      QVERIFY(page.contains(kMainCaption));
      QVERIFY(page.contains("Программирование функциональных блоков"));
      QVERIFY(page.contains("Режим работы с файлом /tmp/a.lur"));
      QVERIFY(page.contains(QString("страница %1").arg(k + 1)));
    }
    // The diagram is drawn under the heading of every diagram page.
    for (int k = 1; k <= diagramPages; ++k) QVERIFY(MarkedPixelsBelowHeading(e.Pdf(), k) > 500);
    const QString relay = QString::fromStdString(pages.back());
    QVERIFY(relay.contains("Информация о модулях реле:"));
    QCOMPARE(relay.count("нет выхода на модуль реле"), 19);
    QVERIFY(relay.contains(QRegularExpression("ФБ2\\s+MP 1: 1,3,")));
  }

  void noBlocksPrintsNothing() {
    Editor e(0);
    e.Show();
    e.window->findChild<QPushButton*>("Button2")->click();
    QVERIFY(!QFile::exists(QString::fromStdString(e.Pdf())));
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormFBTest)
#include "FormFB_qtest.moc"
