// The compare window, its menu item in the main window and the exchange
// settings' "Проверять после записи", offscreen.
#include <QCheckBox>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "shell/views/TFormCompare.h"

namespace lur {

using test::WhenModal;

class CompareWindow : public QObject {
  Q_OBJECT

  static void Click(QWidget* dialog, const char* button) {
    auto* b = dialog->findChild<QAbstractButton*>(button);
    QVERIFY2(b, button);
    b->click();
  }
  static QString Cell(QWidget* dialog, int row, int column) {
    auto* item = dialog->findChild<QTableWidget*>("GridCompare")->item(row, column);
    return item ? item->text() : QString();
  }
  static QString Summary(QWidget* dialog) { return dialog->findChild<QLabel*>("LabelSummary")->text(); }

 private slots:
  void listsTheDifferencesAndCopiesAndSavesThem() {
    TScriptedUserInterface ui;
    TFormCompare window(ui);
    TFormCompareController form;
    TCompareResult result;
    result.differences = {{"discrete signals", "signal 5", "TimeZ", "5", "7"},
                          {"units", "unit 2", "", "\"бар\"", "\"кПа\""}};
    form.Show(TFormCompareController::kCompareTitle, result);
    test::ScratchDir dir;
    ui.files = {dir.File("compare.txt")};

    WhenModal("TFormCompare", [](QWidget* d) {
      QCOMPARE(d->windowTitle(), QString("Сравнение с прибором"));
      auto* grid = d->findChild<QTableWidget*>("GridCompare");
      QCOMPARE(grid->rowCount(), 2);
      QCOMPARE(grid->horizontalHeaderItem(3)->text(), QString("В памяти"));
      QCOMPARE(grid->horizontalHeaderItem(4)->text(), QString("В приборе"));
      QCOMPARE(Cell(d, 0, 0), QString("discrete signals"));
      QCOMPARE(Cell(d, 0, 1), QString("signal 5"));
      QCOMPARE(Cell(d, 0, 2), QString("TimeZ"));
      QCOMPARE(Cell(d, 0, 4), QString("7"));
      QCOMPARE(Cell(d, 1, 2), QString(""));
      QCOMPARE(Summary(d), QString("расхождений: 2"));
      Click(d, "ButCopy");
      Click(d, "ButSave");
      Click(d, "ButClose");
    });
    QCOMPARE(window.ShowModal(form), kModalOk);

    const QString text = "discrete signals, signal 5, TimeZ: 5 -> 7\nunits, unit 2: \"бар\" -> \"кПа\"\nрасхождений: 2\n";
    QCOMPARE(QApplication::clipboard()->text(), text);
    std::ifstream in(dir.File("compare.txt"));
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    QCOMPARE(QString::fromStdString(saved), text);
  }

  void saysSoWhenEqualButNeverWhenItStopped() {
    TScriptedUserInterface ui;
    TFormCompare window(ui);
    TFormCompareController form;
    form.Show(TFormCompareController::kCompareTitle, {});
    window.Draw(form);
    QCOMPARE(Summary(&window), QString("нет расхождений"));
    QCOMPARE(window.findChild<QTableWidget*>("GridCompare")->rowCount(), 0);

    TCompareResult stopped;
    stopped.stopped = "проверка прервана на странице 20: нет ответа";
    stopped.notCompared = {"страницы 20, 21"};
    form.Show(TFormCompareController::kVerifyTitle, stopped, true);
    window.Draw(form);
    QCOMPARE(window.windowTitle(), QString("Проверка после записи"));
    QCOMPARE(window.findChild<QTableWidget*>("GridCompare")->horizontalHeaderItem(4)->text(), QString("Прочитано"));
    QVERIFY(!Summary(&window).contains("нет расхождений"));
    QVERIFY(Summary(&window).startsWith("проверка прервана на странице 20"));
  }

  // The menu item of menu "Порт" over a closed port: the compare stops at
  // the identity, says so in its window, and memory and mode stay.
  void menuItemComparesAndShowsWhereItStopped() {
    test::MainWindow f;
    QMenu* port = f.window.menuBar()->findChild<QMenu*>("MPort");
    QVERIFY(port);
    QAction* item = port->findChild<QAction*>("MPortCompare");
    QVERIFY(item && port->actions().contains(item));
    QCOMPARE(item->text(), QString("Сравнить с прибором"));
    f.config->Serv.FileMode = 1;
    f.config->Serv.Modified = 1;

    WhenModal("TFormCompare", [](QWidget* d) {
      QCOMPARE(Summary(d), QString("чтение прервано на запросе идентификации: Не выбран COM-порт.; не сравнено: "
                                   "identity, analog modules, network analog groups, relay outputs, exchange, "
                                   "function15, discrete signals, function blocks, units, control loops, "
                                   "sensor types"));
      Click(d, "ButClose");
    });
    item->trigger();
    QCOMPARE(f.config->Serv.FileMode, 1);
    QCOMPARE(f.config->Serv.Modified, 1);
    QVERIFY(f.Texts().empty());
  }

  void verifyCheckBoxIsOnUntilConfirmedOff() {
    test::MainWindow f;
    QVERIFY(f.flow.VerifyAfterWrite());
    // Unticked but closed: nothing changes.
    WhenModal("TFormNastr", [](QWidget* d) {
      auto* box = d->findChild<QCheckBox*>("CBoxVerify");
      QVERIFY(box && box->isVisibleTo(d));
      QCOMPARE(box->text(), QString("Проверять после записи"));
      QVERIFY(box->isChecked());
      box->setChecked(false);
      d->close();
    });
    f.flow.NastrObmClick();
    QVERIFY(f.flow.VerifyAfterWrite());

    WhenModal("TFormNastr", [](QWidget* d) {
      auto* box = d->findChild<QCheckBox*>("CBoxVerify");
      QVERIFY(box->isChecked());
      box->setChecked(false);
      Click(d, "OK");
    });
    f.flow.NastrObmClick();
    QVERIFY(!f.flow.VerifyAfterWrite());
    // Remembered for the next showing.
    WhenModal("TFormNastr", [](QWidget* d) {
      QVERIFY(!d->findChild<QCheckBox*>("CBoxVerify")->isChecked());
      Click(d, "OK");
    });
    f.flow.NastrObmClick();
    QVERIFY(!f.flow.VerifyAfterWrite());
  }
};

}  // namespace lur

QTEST_MAIN(lur::CompareWindow)
#include "CompareWindow_qtest.moc"
