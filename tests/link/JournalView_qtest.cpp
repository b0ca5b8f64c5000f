// The exchange journal's window: it follows the journal lazily (nothing while
// hidden), keeps to the journal's bound, copies and saves.
#include <QApplication>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "session/TTrafficLog.h"
#include "shell/views/TFormJurnal.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

class JournalView : public QObject {
  Q_OBJECT

 private:
  static std::string Words(int, int code) { return "code " + std::to_string(code); }
  static QString Shown(const TFormJurnal& window) { return window.Lines()->toPlainText() + "\n"; }
  static void Transaction(TTrafficLog& log, std::int64_t ms, int code) {
    const std::uint8_t request[] = {0x01, 0x11, 0xC0, 0x2C};
    log.Frame(ms, TrafficDirection::Sent, request);
    log.Result(ms + 1, 0, code);
  }

 private slots:
  void NothingWhileHiddenEverythingOnceShown() {
    TTrafficLog log(0, Words);
    TScriptedUserInterface ui;
    TFormJurnal window(log, ui);
    QCOMPARE(window.objectName(), QString("TFormJurnal"));
    QCOMPARE(window.windowTitle(), QString("Журнал обмена"));
    QVERIFY(!window.isModal());
    QVERIFY(window.findChild<QPushButton*>("ButCopy"));
    QVERIFY(window.findChild<QPushButton*>("ButSave"));

    Transaction(log, 10, 0);
    QTest::qWait(3 * kJournalRefreshMs);
    QVERIFY(window.Lines()->toPlainText().isEmpty());

    window.show();
    QCOMPARE(Shown(window), QString::fromStdString(log.Text()));
    Transaction(log, 20, 130);
    // Taken by the window's own timer.
    QTRY_COMPARE_WITH_TIMEOUT(Shown(window), QString::fromStdString(log.Text()), 5 * kJournalRefreshMs);
    QCOMPARE(window.Lines()->document()->blockCount(), 4);
  }

  void FollowsTheJournalRoundItsBound() {
    TTrafficLog log(0, Words, 3);
    TScriptedUserInterface ui;
    TFormJurnal window(log, ui);
    window.show();
    for (int i = 0; i < 3; ++i) Transaction(log, i * 100, i);
    window.Refresh();
    QCOMPARE(Shown(window), QString::fromStdString(log.Text()));
    // Two more: the first two transactions leave the top of the window.
    Transaction(log, 300, 3);
    Transaction(log, 400, 4);
    window.Refresh();
    QCOMPARE(Shown(window), QString::fromStdString(log.Text()));
    QCOMPARE(window.Lines()->document()->blockCount(), 6);
    // Round the whole journal while hidden, then shown again.
    window.hide();
    for (int i = 0; i < 10; ++i) Transaction(log, 500 + i, 5 + i);
    window.show();
    QCOMPARE(Shown(window), QString::fromStdString(log.Text()));
    log.Clear();
    window.Refresh();
    QCOMPARE(window.Lines()->toPlainText(), QString());
  }

  void CopyAndSave() {
    TTrafficLog log(0, Words);
    TScriptedUserInterface ui;
    TFormJurnal window(log, ui);
    Transaction(log, 25, 0);
    window.show();
    window.findChild<QPushButton*>("ButCopy")->click();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(log.Text()));

    const auto path = std::filesystem::temp_directory_path() / "lur-journal-view.txt";
    std::filesystem::remove(path);
    ui.files.push_back(path.string());
    window.findChild<QPushButton*>("ButSave")->click();
    std::ifstream in(path, std::ios::binary);
    const std::string saved{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    QCOMPARE(QString::fromStdString(saved), QString::fromStdString(log.Text()));
    QVERIFY(ui.shown.empty());
    std::filesystem::remove(path);
  }
};

}  // namespace lur

QTEST_MAIN(lur::JournalView)
#include "JournalView_qtest.moc"
