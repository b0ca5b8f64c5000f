// The window "Поиск приборов" offscreen over a scripted bus: the menu item
// scans, the list shows what answered, Cancel and Esc stop the scan, and a
// choice picks the number in CBoxUstr as the user's own pick does.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "MainWindowFixture.h"
#include "link/ScriptedPort.h"
#include "model/Protocol.h"
#include "shell/views/TFormScan.h"

namespace lur {
namespace {

using Bytes = std::vector<std::uint8_t>;

// The main window over a line where only `answering` gives its identity.
struct ScanFixture {
  test::ScratchDir dir;
  test::VirtualClock clock;
  test::ScriptedPort port{clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TMainState state;
  test::ScriptedQtUserInterface ui;
  TComPortClass link{port, clock};
  TEditorRegistry editors;
  TForm1Controller form{*config, link, ui, state, editors, dir.File("FParol.dat")};
  TForm1 window{form};

  explicit ScanFixture(int answering) {
    ui.SetParent(&window);
    for (int a = 1; a <= 31; ++a) {
      if (a != answering) {
        port.replies.push_back(std::nullopt);
        continue;
      }
      const auto address = static_cast<std::uint8_t>(a);
      port.replies.push_back(test::WithCrc({address, fn::kIdentity, 15, 3, 1, 7, 3, 0, 0, 0, 0, 0, 0, 0, 8, 0x34, 8, 1}));
    }
    window.show();
  }
  TFormScan* Scan() { return window.ScanWindow(); }
  template <typename T>
  T* In(const char* name) {
    return Scan()->findChild<T*>(name);
  }
  QTreeWidget* List() { return In<QTreeWidget>("ListScan"); }
  QString Status() { return In<QLabel>("StScan")->text(); }
  QComboBox* Ustr() { return window.findChild<QComboBox*>("CBoxUstr"); }
};

}  // namespace

class ScanWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void menuItemScansTheBusAndListsWhatAnswered() {
    ScanFixture f(12);
    QMenu* port = f.window.menuBar()->findChild<QMenu*>("MPort");
    QVERIFY(port);
    QAction* item = port->findChild<QAction*>("MPortScan");
    QVERIFY(item);
    QVERIFY(item->text().startsWith("Поиск приборов"));
    item->trigger();

    QVERIFY(f.Scan()->isVisible());
    QCOMPARE(f.Scan()->windowTitle(), QString("Поиск приборов"));
    QCOMPARE(f.port.written.size(), std::size_t{31});
    for (std::size_t k = 0; k < f.port.written.size(); ++k) {
      QCOMPARE(f.port.written[k].bytes[0], static_cast<std::uint8_t>(k + 1));
      QCOMPARE(f.port.written[k].bytes[1], fn::kIdentity);
    }
    QCOMPARE(f.List()->topLevelItemCount(), 1);
    const QTreeWidgetItem* row = f.List()->topLevelItem(0);
    QCOMPARE(row->text(0), QString("12"));
    QCOMPARE(row->text(1), QString("17300000"));
    QCOMPARE(row->text(2), QString("24+ЖКИ(4х20)"));
    QCOMPARE(row->text(3), QString("ЛУР-05-8B 17300000"));
    QCOMPARE(f.Status(), QString("Опрошено адресов: 31. Найдено приборов: 1."));
    QVERIFY(f.In<QPushButton>("ButScan")->isEnabled());
    QVERIFY(!f.In<QPushButton>("ButCancel")->isEnabled());
    QVERIFY(f.In<QPushButton>("ButChoose")->isEnabled());
    // The main window's own bar stays as it was.
    QVERIFY(!f.window.ProgressBar()->isVisible());
  }

  void choosingARowPicksItsNumberInCBoxUstr() {
    ScanFixture f(12);
    f.window.findChild<QAction*>("AScan")->trigger();
    QCOMPARE(f.Ustr()->currentIndex(), 0);
    const std::size_t sent = f.port.written.size();

    f.List()->setCurrentItem(f.List()->topLevelItem(0));
    QTest::mouseClick(f.In<QPushButton>("ButChoose"), Qt::LeftButton);
    QCOMPARE(f.Ustr()->currentIndex(), 11);
    QCOMPARE(f.state.ustr, 12);
    // Requests go there now, and choosing sent nothing.
    QCOMPARE(f.config->Serv.GetAddressIndex(), 11);
    QCOMPARE(f.port.written.size(), sent);
  }

  // Input that comes while the scan holds the window: Cancel's click and Esc
  // are taken between two addresses and stop the scan there.
  void cancelAndEscStopTheScan() {
    for (const bool escape : {false, true}) {
      ScanFixture f(20);
      QTimer::singleShot(0, f.Scan(), [&f, escape] {
        if (escape) {
          QTest::keyClick(f.List(), Qt::Key_Escape);
        } else {
          QTest::mouseClick(f.In<QPushButton>("ButCancel"), Qt::LeftButton);
        }
      });
      f.window.findChild<QAction*>("AScan")->trigger();
      QCOMPARE(f.port.written.size(), std::size_t{1});
      QCOMPARE(f.List()->topLevelItemCount(), 0);
      QCOMPARE(f.Status(), QString("Поиск прерван: опрошено 1 из 31. Приборы не найдены."));
      QVERIFY(f.Scan()->isVisible());
      QVERIFY(!f.In<QPushButton>("ButCancel")->isEnabled());
    }
  }
};

}  // namespace lur

QTEST_MAIN(lur::ScanWindowTest)
#include "ScanWindow_qtest.moc"
