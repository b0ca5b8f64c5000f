// The output information window's view: names and captions, the column
// widths and row heights as drawn, the double click and the right press,
// the registered window opened through the registry with the discrete
// editor's number dialog, the dialogs over the discrete editor's
// controllers, and the landscape report printed into a PDF.
#include <QAction>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

#include "InformMRFixture.h"
#include "PdfText.h"
#include "discrete/TFormVhController.h"
#include "discrete/views/TQtDiscreteEditor.h"
#include "live/views/TInformMR.h"
#include "live/views/TOutputDialogsOverDiscrete.h"
#include "live/views/TQtInformMRWindow.h"
#include "reports/TQtReportPrinter.h"
#include "shell/ModalDriver.h"
#include "ui/TQtUserInterface.h"

namespace lur {

using test::InformMRFixture;

namespace {

// The lengths of the runs of equal colour along a line of the image, from
// `from` to `to` (exclusive), stepping by `dx`, `dy`.
std::vector<int> Runs(const QImage& image, QPoint from, int steps, QPoint step) {
  std::vector<int> runs;
  QColor last;
  for (int i = 0; i < steps; ++i) {
    const QPoint at = from + i * step;
    if (!image.rect().contains(at)) break;
    const QColor c = image.pixelColor(at);
    if (runs.empty() || c != last) {
      runs.push_back(1);
      last = c;
    } else {
      ++runs.back();
    }
  }
  return runs;
}

QRect CellRect(QTableWidget* grid, int row, int column) {
  return grid->visualRect(grid->model()->index(row, column));
}

}  // namespace

class InformMRView : public QObject {
  Q_OBJECT

 private slots:
  void everyControlCarriesItsNameAndText() {
    InformMRFixture f;
    TInformMR window(f.form);
    QCOMPARE(window.objectName(), QString("TInformMR"));
    QCOMPARE(window.windowTitle(), QString("Информация о выходах"));
    QCOMPARE(window.findChild<QLabel*>("Label1")->text(), QString("Дискретные выходы"));
    auto* grid = window.findChild<QTableWidget*>("StringGrid1");
    QVERIFY(grid);
    QCOMPARE(grid->columnCount(), 12);
    QCOMPARE(grid->rowCount(), 42);
    QCOMPARE(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    QCOMPARE(window.findChild<QPushButton*>("NameFromFile")->text(), QString("Наименование из файла"));
    QCOMPARE(window.findChild<QPushButton*>("BNew")->text(), QString("Создание и печать файла .rtf"));
    auto* menu = window.findChild<QMenu*>("PopupMenu3");
    QVERIFY(menu);
    auto* copy = menu->findChild<QAction*>("CopyTextGroup");
    auto* insert = menu->findChild<QAction*>("InsertTextGroup");
    QCOMPARE(copy->text(), QString("Копировать группу текст. реквизитов"));
    QCOMPARE(insert->text(), QString("Заменить группу текст. реквизитов"));
    QVERIFY(copy->isEnabled());
    QVERIFY(!insert->isEnabled());
    QCOMPARE(grid->item(0, 6)->text(), QString("Квитирование c"));
    QCOMPARE(grid->item(1, 1)->text(), QString(12, ' '));
    // The header rows take no selection.
    QVERIFY(!(grid->item(0, 1)->flags() & Qt::ItemIsSelectable));
    QVERIFY(grid->item(2, 1)->flags() & Qt::ItemIsSelectable);
  }

  // The widths and heights as drawn: each cell of a row painted a colour of
  // its own, the runs of colour along the row are the columns (grid lines
  // included), down the first column the rows.
  void columnWidthsAndRowHeightsAsDrawn() {
    InformMRFixture f;
    TInformMR window(f.form);
    window.resize(1000, 950);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = window.Grid();
    grid->setShowGrid(false);
    grid->clearSelection();
    grid->setCurrentCell(-1, -1);
    const QColor colours[2] = {QColor(255, 0, 0), QColor(0, 0, 255)};
    for (int c = 0; c < 12; ++c) {
      grid->item(3, c)->setText({});
      grid->item(3, c)->setBackground(colours[c % 2]);
    }
    for (int r = 2; r < 42; ++r) {
      grid->item(r, 0)->setText({});
      grid->item(r, 0)->setBackground(colours[(r + 1) % 2]);  // row 3 red, as above
    }
    QApplication::processEvents();
    const QImage image = grid->viewport()->grab().toImage();
    const int y = CellRect(grid, 3, 0).center().y();
    std::vector<int> runs = Runs(image, {0, y}, 886, {1, 0});
    const std::vector<int> widths = {29, 118, 39, 52, 43, 122, 98, 83, 81, 85, 67, 69};
    QCOMPARE(runs, widths);
    const int x = CellRect(grid, 2, 0).center().x();
    runs = Runs(image, {x, 40}, 40 * 20, {0, 1});
    QCOMPARE(runs, std::vector<int>(40, 20));
    QCOMPARE(CellRect(grid, 0, 0).top(), 0);
    QCOMPARE(CellRect(grid, 2, 0).top(), 40);
  }

  void doubleClickOnATextEditsItAndTheCellShowsIt() {
    InformMRFixture f;
    f.form.InformButMRClick();
    TInformMR window(f.form);
    window.resize(1000, 950);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = window.Grid();
    QCOMPARE(grid->item(4, 1)->text(), QString("Выход 3       "));
    f.dialogs.typed = "Задвижка";
    // As a user does it: the first press makes the cell current.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellRect(grid, 4, 1).center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellRect(grid, 4, 1).center());
    QCOMPARE(int(f.dialogs.textShown.size()), 1);
    QCOMPARE(f.dialogs.textShown[0].first, 3);
    QCOMPARE(grid->item(4, 1)->text(), QString("Задвижка      "));
    // Row 18 is past the two modules' outputs.
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, CellRect(grid, 18, 1).center());
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, CellRect(grid, 18, 1).center());
    QCOMPARE(int(f.dialogs.textShown.size()), 1);
  }

  // A right press opens the menu and leaves the current cell where it was;
  // after a copy the replacement item is enabled for good.
  void rightPressOpensTheMenuWithoutMovingTheCurrentCell() {
    InformMRFixture f;
    f.form.InformButMRClick();
    TInformMR window(f.form);
    window.resize(1000, 950);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* grid = window.Grid();
    grid->setCurrentCell(5, 1);
    QTest::mousePress(grid->viewport(), Qt::RightButton, {}, CellRect(grid, 9, 4).center());
    QTest::mouseRelease(grid->viewport(), Qt::RightButton, {}, CellRect(grid, 9, 4).center());
    // The platform follows a right press with a context menu event.
    const QPoint at = CellRect(grid, 9, 4).center();
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, grid->viewport()->mapToGlobal(at));
    QApplication::sendEvent(grid->viewport(), &menuEvent);
    QCOMPARE(grid->currentRow(), 5);
    QCOMPARE(grid->currentColumn(), 1);
    QTRY_VERIFY(window.PopupMenu()->isVisible());
    window.PopupMenu()->hide();
    f.dialogs.first = 1;
    f.dialogs.last = 2;
    window.PopupMenu()->findChild<QAction*>("CopyTextGroup")->trigger();
    QVERIFY(window.PopupMenu()->findChild<QAction*>("InsertTextGroup")->isEnabled());
    f.dialogs.start = 7;
    window.PopupMenu()->findChild<QAction*>("InsertTextGroup")->trigger();
    QCOMPARE(grid->item(8, 1)->text(), QString("Выход 1       "));
  }

  // The dialogs as the program has them: the output text dialog's
  // controller labels the output, the number dialog checks its fields.
  void dialogsOverTheDiscreteEditorsControllers() {
    InformMRFixture f;
    TFormTextMRController text(f.config.Serv);
    TFormVhController vh(f.session);
    std::string label;
    TModalFunction<TFormTextMRController> textWindow([&](TFormTextMRController& d) {
      label = d.label2;
      d.FormShow();
      d.EditTextChange("Вентилятор");
      return d.FormClose();
    });
    std::function<void(TFormVhController&)> user;
    TModalFunction<TFormVhController> vhWindow([&](TFormVhController& d) {
      user(d);
      return d.OKClick();
    });
    TOutputDialogsOverDiscrete dialogs(text, textWindow, vh, vhWindow);
    TInformMRController form(f.session, dialogs);
    form.InformButMRClick();
    form.StringGrid1DblClick(4, 1);
    QCOMPARE(label, "3      " + Cp1251ToUtf8(f.config.Serv.GetOutputId(2)));
    QCOMPARE(f.Text(3), std::string("Вентилятор"));
    QCOMPARE(f.config.Serv.OutputTextsEdited, 1);

    user = [](TFormVhController& d) {
      QCOMPARE(d.group, 2);
      QCOMPARE(d.caption, std::string("Ввод номеров группы текстовых реквизитов"));
      d.edit1 = "3";
      d.edit2 = "4";
    };
    form.CopyTextGroupClick();
    QVERIFY(form.InsertTextGroupEnabled());
    // Ten digits are too large: the dialog refuses them with the window's
    // message and nothing is replaced.
    user = [](TFormVhController& d) {
      QCOMPARE(d.group, 3);
      d.edit3 = "9999999999";
    };
    form.InsertTextGroupClick();
    QCOMPARE(f.ui.Texts(), std::vector<std::string>{"Неверно задан № выхода"});
    QCOMPARE(f.Text(1), std::string("Выход 1"));
    user = [](TFormVhController& d) { d.edit3 = "1"; };
    form.InsertTextGroupClick();
    QCOMPARE(f.Text(1), std::string("Вентилятор"));
    QCOMPARE(f.Text(2), std::string("Выход 4"));
  }

  // The window as the program registers it: the registry's opening fills the
  // table and shows it modally.
  void theRegisteredWindowFillsBeforeItShows() {
    InformMRFixture f;
    TQtUserInterface ui;
    QWidget main;
    TEditorRegistry editors;
    TQtDiscreteEditor discrete(f.session, editors, ui, &main);
    TQtInformMRWindow window(f.session, editors, ui, discrete, &main);
    window.Register();
    QVERIFY(editors.Available(TEditor::OutputInform));
    f.config.Serv.SetOutputText(Utf8ToCp1251("Сирена"), 15);
    QString shown;
    test::WhenModal("TInformMR", [&](QWidget* w) {
      shown = w->findChild<QTableWidget*>("StringGrid1")->item(17, 1)->text();
      w->close();
    });
    QCOMPARE(editors.Open({TEditor::OutputInform}), kModalOk);
    QCOMPARE(shown, QString("Сирена        "));
  }

  // The program's own dialogs behind the window: the number dialog of the
  // discrete editor with only its range group, then the output text dialog
  // labelled with the output and its identifier; typing there in file mode
  // marks the file.
  void theRegisteredWindowUsesTheDiscreteEditorsDialogs() {
    InformMRFixture f;
    f.config.Serv.FileMode = 1;
    TQtUserInterface ui;
    QWidget main;
    TEditorRegistry editors;
    TQtDiscreteEditor discrete(f.session, editors, ui, &main);
    TQtInformMRWindow window(f.session, editors, ui, discrete, &main);
    window.Register();
    QString vhTitle, label2;
    bool onlyRange = false;
    test::WhenModal("TInformMR", [&](QWidget* w) {
      test::WhenModal("TFormVh", [&](QWidget* d) {
        vhTitle = d->windowTitle();
        onlyRange = !d->findChild<QWidget*>("GroupBox1")->isVisible() &&
                    d->findChild<QWidget*>("GroupBox2")->isVisible() &&
                    !d->findChild<QWidget*>("GroupBox3")->isVisible();
        QTest::keyClicks(d->findChild<QLineEdit*>("Edit1"), "2");
        QTest::keyClicks(d->findChild<QLineEdit*>("Edit2"), "3");
        d->findChild<QPushButton*>("OK")->click();
      });
      w->findChild<QAction*>("CopyTextGroup")->trigger();
      test::WhenModal("TFormTextMR", [&](QWidget* d) {
        label2 = d->findChild<QLabel*>("Label2")->text();
        auto* edit = d->findChild<QLineEdit*>("EditText");
        edit->clear();
        QTest::keyClicks(edit, "Horn-5");
        d->findChild<QPushButton*>("OK")->click();
      });
      QTableWidget* grid = window.Window()->Grid();
      const QPoint output5 = CellRect(grid, 6, 1).center();
      QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, output5);
      QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, output5);
      w->close();
    });
    QCOMPARE(editors.Open({TEditor::OutputInform}), kModalOk);
    QCOMPARE(vhTitle, QString("Ввод номеров группы текстовых реквизитов"));
    QVERIFY(onlyRange);
    QCOMPARE(f.config.Copy.CopyOutFirst, 1);
    QCOMPARE(f.config.Copy.CopyOutLast, 2);
    QVERIFY(window.Form().InsertTextGroupEnabled());
    QCOMPARE(label2, "5      " + QString::fromStdString(Cp1251ToUtf8(f.config.Serv.GetOutputId(4))));
    QCOMPARE(f.Text(5), std::string("Horn-5"));
    QCOMPARE(f.config.Serv.Modified, 1);
  }

  // "Печатать?" Yes: the report on landscape pages, every output on them.
  void theReportPrintsOnLandscapePages() {
    QTemporaryDir dir;
    InformMRFixture f(5);
    TQtReportPrinter printer;
    printer.Target().pdfPath = dir.filePath("outputs.pdf");
    TInformMRController form(f.session, f.dialogs, &printer);
    form.InformButMRClick();
    f.ui.files = {dir.filePath("outputs.rtf").toStdString()};
    f.ui.answers = {MsgAnswer::Yes};
    form.BNewClick();
    QCOMPARE(printer.Jobs(), 1);
    const std::string pdf = printer.Target().pdfPath.toStdString();
    const int pages = test::PdfPageCount(pdf);
    QVERIFY(pages >= 1);
    QVERIFY2(test::PdfInfo(pdf, "Page size").rfind("842 x 595", 0) == 0,
             test::PdfInfo(pdf, "Page size").c_str());
    std::string text;
    for (const std::string& page : test::PdfPages(pdf)) text += page;
    QVERIFY(text.find("Дискретные выходы") != std::string::npos);
    QVERIFY(text.find("Выход 1") != std::string::npos);
    QVERIFY(text.find("Выход 40") != std::string::npos);
    QVERIFY(text.find("ЛУР-05HMI") != std::string::npos);
  }
};

}  // namespace lur

QTEST_MAIN(lur::InformMRView)
#include "InformMR_qtest.moc"
