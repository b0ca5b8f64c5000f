#include <QHeaderView>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>
#include <filesystem>
#include <map>
#include <optional>

#include "InformFixture.h"
#include "live/views/TQtDetailWindows.h"
#include "live/views/TQtInformWindow.h"
#include "reports/TQtReportPrinter.h"
#include "shell/ModalDriver.h"
#include "support/PdfText.h"
#include "ui/TQtUserInterface.h"

namespace lur {

using test::ShapeInformConfig;
using test::WhenModal;

namespace {

// The program's pieces around the window: the simulated controller on
// virtual time, the Qt user and detail windows, scripted text and number
// dialogs.
struct Program {
  Program() {
    config.Lur.FullAccess = 1;
    link.PortName = "COM1";
    ShapeInformConfig(config, 60);
    inform.Register(editors);
  }
  test::VirtualClock clock;
  test::SimPort line{clock};
  TQtUserInterface ui;
  TComPortClass link{line, clock};
  TConfiguration config;
  TServAddressing addressing{config.Serv};
  TSession session{config, link, ui, addressing};
  TFormTextController text{config.Serv};
  TFormVhController vh{session};
  TDetailForms details;
  TQtDetailWindows detailWindows;
  std::optional<std::string> typed;
  TModalFunction<TFormTextController> textWindow{[this](TFormTextController& form) {
    form.FormShow();
    if (typed) form.EditTextChange(*typed);
    return form.FormClose();
  }};
  TModalFunction<TFormVhController> vhWindow{[](TFormVhController&) { return kModalCancel; }};
  TQtInformWindow inform{session, TInformDialogs{text, textWindow, vh, vhWindow, details, detailWindows.Windows()},
                         &ui, nullptr};
  TEditorRegistry editors;

  QTableWidget* Grid(const char* name) const { return inform.Window()->findChild<QTableWidget*>(name); }
};

// Where the grid's vertical (or horizontal) lines are along one row (or
// column) of its rendered viewport: the pixels that are not the cells' own
// background.
std::vector<int> LinesAlong(const QImage& image, bool vertical, int at) {
  std::vector<int> lines;
  const int length = vertical ? image.width() : image.height();
  // The background is the colour most of the line has.
  std::map<QRgb, int> counts;
  for (int i = 0; i < length; ++i) ++counts[vertical ? image.pixel(i, at) : image.pixel(at, i)];
  const QRgb background =
      std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; })->first;
  for (int i = 0; i < length; ++i) {
    const QRgb p = vertical ? image.pixel(i, at) : image.pixel(at, i);
    if (p != background) lines.push_back(i);
  }
  return lines;
}

std::vector<int> Gaps(const std::vector<int>& lines) {
  std::vector<int> gaps;
  int previous = -1;
  for (int x : lines) {
    gaps.push_back(x - previous);
    previous = x;
  }
  return gaps;
}

}  // namespace

class InformWindow : public QObject {
  Q_OBJECT
 private slots:
  void everyControlCarriesItsName() {
    Program p;
    TInform* w = p.inform.Window();
    QCOMPARE(w->objectName(), QString("TInform"));
    QCOMPARE(w->windowTitle(), QString("Информация о входах"));
    for (const char* name : {"Label1", "Label2", "StringGrid1", "StringGrid2", "BNew1", "BNew2", "ProgressBar1"}) {
      QVERIFY2(w->findChild<QWidget*>(name), name);
    }
    QCOMPARE(w->findChild<QPushButton*>("BNew1")->text(), QString("Создание и печать файла .rtf"));
    QMenu* menu = w->findChild<QMenu*>("PopupMenu3");
    QVERIFY(menu);
    QCOMPARE(menu->actions().size(), 2);
    QCOMPARE(menu->actions()[0]->objectName(), QString("CopyTextGroup"));
    QCOMPARE(menu->actions()[0]->text(), QString("Копировать группу текст. реквизитов"));
    QCOMPARE(menu->actions()[1]->objectName(), QString("InsertTextGroup"));
    QCOMPARE(menu->actions()[1]->text(), QString("Заменить группу текст. реквизитов"));
    QVERIFY(!menu->actions()[1]->isEnabled());
    QVERIFY(w->findChild<QProgressBar*>("ProgressBar1")->isHidden());
    QTableWidget* g1 = p.Grid("StringGrid1");
    QCOMPARE(g1->rowCount() + 1, 193);  // the header is the fixed row 0
    QCOMPARE(g1->columnCount(), 5);
    QCOMPARE(g1->horizontalHeaderItem(0)->text(), QString("  № "));
    QCOMPARE(g1->horizontalHeaderItem(4)->text(), QString("вых на МР"));
    QCOMPARE(g1->editTriggers(), QAbstractItemView::NoEditTriggers);
    QTableWidget* g2 = p.Grid("StringGrid2");
    QCOMPARE(g2->rowCount() + 1, 61);
    QCOMPARE(g2->horizontalHeaderItem(3)->text(), QString("Технолог. поз."));
  }

  // Column widths and row heights as drawn: the distance between grid lines.
  void gridsAreDrawnWithTheirWidthsAndHeights() {
    Program p;
    TInform* w = p.inform.Window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    struct Case {
      const char* name;
      std::vector<int> widths;
    };
    for (const Case& c : {Case{"StringGrid1", {43, 137, 71, 132, 84}}, Case{"StringGrid2", {44, 136, 71, 132}}}) {
      QTableWidget* grid = p.Grid(c.name);
      const QImage image = grid->viewport()->grab().toImage();
      // Along the sixth row and down the first column, away from the
      // current cell's marks.
      std::vector<int> widths = Gaps(LinesAlong(image, true, 5 * 20 + 10));
      widths.resize(std::min(widths.size(), c.widths.size()));
      QCOMPARE(widths, c.widths);
      std::vector<int> heights = Gaps(LinesAlong(image, false, c.widths[0] + c.widths[1] + 30));
      heights.resize(std::min<std::size_t>(heights.size(), 5));
      QCOMPARE(heights, (std::vector<int>{20, 20, 20, 20, 20}));
      QCOMPARE(grid->horizontalHeader()->height(), 20);
    }
    w->hide();
  }

  // A right press shows the menu and keeps the current cell where it was.
  void aRightPressKeepsTheCurrentCell() {
    Program p;
    p.inform.Form().InformButClick();
    TInform* w = p.inform.Window();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    QTableWidget* grid = p.Grid("StringGrid1");
    grid->setCurrentCell(2, 1);
    const QRect target = grid->visualRect(grid->model()->index(4, 3));
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, target.center());
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(grid->currentColumn(), 1);
    QCOMPARE(p.inform.Form().LastColumn(), 1);
    QTRY_VERIFY(w->PopupMenu()->isVisible());
    w->PopupMenu()->hide();
    // A left press moves the current cell and leaves LastColumn alone.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, target.center());
    QCOMPARE(grid->currentColumn(), 3);
    QCOMPARE(p.inform.Form().LastColumn(), 1);
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, target.center());
    QCOMPARE(p.inform.Form().LastColumn(), 3);
    w->PopupMenu()->hide();
    w->hide();
  }

  // The main window's button: filled, shown with the focus on the discrete
  // list; a double click on a text writes its page with the bar shown, then
  // hidden, and the cell shows the new text.
  void aTextEditWritesItsPageWithTheBar() {
    Program p;
    QProgressBar* bar = p.inform.Window()->ProgressBar();
    std::vector<bool> barDuringWrite;
    p.line.rewriteAnswer = [&](const test::Frame& request, std::optional<test::Frame> answer) {
      if (request.size() > 1 && request[1] == 0x45) barDuringWrite.push_back(bar->isVisible());
      return answer;
    };
    p.typed = "задвижка";
    bool focused = false;
    QString before, after;
    WhenModal("TInform", [&](QWidget* w) {
      QTableWidget* grid = p.Grid("StringGrid1");
      focused = QApplication::focusWidget() == grid;
      before = grid->item(17, 3)->text();
      const QRect cell = grid->visualRect(grid->model()->index(17, 3));
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
      QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
      after = grid->item(17, 3)->text();
      w->close();
    });
    QCOMPARE(p.editors.Open({TEditor::InputInform}), kModalOk);
    QVERIFY(focused);
    QCOMPARE(before, QString("Дискр.сигн.018"));
    QCOMPARE(after, QString("задвижка      "));
    QCOMPARE(barDuringWrite, std::vector<bool>{true});
    QVERIFY(bar->isHidden());
    QCOMPARE(p.line.written.count(41), 1u);
    QCOMPARE(p.config.Serv.InputTextsEdited, 0);
  }

  // The report printed through print-to-file: one portrait page with the
  // title, the label and the rows.
  void theReportPrintsToAPortraitPdf() {
    test::InformFixture t(3);
    const auto dir = std::filesystem::temp_directory_path() / ("inform_pdf_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    TQtReportPrinter printer;
    printer.Target().pdfPath = QString::fromStdString((dir / "out.pdf").string());
    TInformController form(t.f.session,
                           TInformDialogs{t.text, t.textWindow, t.vh, t.vhWindow, t.details, {t.infAn, t.infNetAn, t.infVyh}},
                           &printer);
    form.InformButClick();
    t.f.ui.files = {std::string(dir / "входы.rtf")};
    t.f.ui.answers = {MsgAnswer::Yes};
    form.BNew1Click();
    QCOMPARE(printer.Jobs(), 1);
    const std::string pdf = (dir / "out.pdf").string();
    QCOMPARE(test::PdfPageCount(pdf), 1);
    const QStringList size = QString::fromStdString(test::PdfInfo(pdf, "Page size")).split(' ');
    QVERIFY(size.size() >= 3);
    QVERIFY(size[0].toDouble() < size[2].toDouble());  // portrait
    const std::vector<std::string> pages = test::PdfPages(pdf);
    QCOMPARE(pages.size(), 1u);
    for (const char* text : {"ЛУР-05HMI", "11634000", "Дискретные сигналы", "Дискр.сигн.003", "0x02"}) {
      QVERIFY2(pages[0].find(text) != std::string::npos, text);
    }
    QVERIFY(std::filesystem::exists(dir / "входы.rtf"));
    std::filesystem::remove_all(dir);
  }
};

}  // namespace lur

QTEST_MAIN(lur::InformWindow)
#include "Inform_qtest.moc"
