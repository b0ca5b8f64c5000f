// The main window against the simulated controller (lursim on a
// pseudo-terminal): read, write, renumbering and the units list in
// controller mode, through the real window, its actions and its keys.
#include <QTimer>
#include <fstream>
#include <sstream>
#include <string>

#include "MainWindowFixture.h"
#include "integration/Processes.h"
#include "shell/TConfigController.h"
#include "shell/TModuleTable.h"
#include "shell/TNewConfiguration.h"

namespace lur {

using test::MainWindow;

class MainWindowTest : public QObject {
  Q_OBJECT

  // lursim with its own folder.
  struct Controller {
    test::TempDir dir;
    test::Simulator sim;
    explicit Controller(std::vector<std::string> options) : sim(dir, withVerbose(std::move(options))) {}
    static std::vector<std::string> withVerbose(std::vector<std::string> o) {
      o.push_back("--verbose");
      return o;
    }
    // Requests the log shows with these leading bytes (address, function, ...)
    // after the line's timestamp ("%10.3f ": the line's first '.', three
    // decimals and a blank).
    int Requests(const std::string& head) const {
      std::istringstream lines(sim.Log());
      int n = 0;
      for (std::string line; std::getline(lines, line);) {
        const std::size_t dot = line.find('.');
        n += dot != std::string::npos && dot + 5 <= line.size() && line.compare(dot + 5, head.size(), head) == 0;
      }
      return n;
    }
  };

  static void PressKey(MainWindow& w, Qt::Key key) {
    w.window.show();
    w.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QTest::keyClick(&w.window, key);
  }

 private slots:
  void f9FillsTheDevicePanelAndTheModuleTable() {
    Controller controller({"--display", "0"});
    QVERIFY(controller.sim.Ready());
    MainWindow w;
    QVERIFY(w.OpenPort(controller.sim.link));

    // The bar moves and the window keeps servicing its events while the
    // read holds it.
    QProgressBar* bar = w.Child<QProgressBar>("ProgressBar1");
    QVERIFY(bar && !bar->isVisible());
    std::vector<int> seen;
    QTimer sampler;
    connect(&sampler, &QTimer::timeout, [&] {
      if (bar->isVisible()) seen.push_back(bar->value());
    });
    sampler.start(5);
    PressKey(w, Qt::Key_F9);
    sampler.stop();

    QVERIFY2(w.Texts().empty(), w.Texts().empty() ? "" : w.Texts().front().c_str());
    QVERIFY(seen.size() > 5);
    QVERIFY(std::is_sorted(seen.begin(), seen.end()));
    QVERIFY(seen.back() > 100);
    QVERIFY(!bar->isVisible());

    QCOMPARE(w.Text("EditModif"), QString("17300000"));
    QCOMPARE(w.Text("StLUR"), QString("ЛУР-05-4A 1730"));
    QCOMPARE(w.Text("TipModInd"), QString("12+ЖКИ(4х20)"));
    QCOMPARE(w.Text("StKVhA"), QString("6"));
    QCOMPARE(w.Text("StKVhD"), QString("12"));
    QCOMPARE(w.Text("StKVyhS"), QString("8"));
    QCOMPARE(w.Text("StAllD"), QString::number(w.config->Serv.GetProcessedDiscreteCount()));
    QCOMPARE(w.Text("StAllAn"), QString::number(w.config->Serv.GetProcessedAnalogCount()));

    QCOMPARE(w.Text("M1"), QString("ТОРИ-5"));
    QCOMPARE(w.Text("AdrM1"), QString("0"));
    QCOMPARE(w.Text("KM1"), QString("1"));
    QCOMPARE(w.Text("IdVh1"), QString("DI_1_1 - DI_1_12"));
    QCOMPARE(w.Text("Prg1"), QString("on line"));
    QCOMPARE(w.Text("M2"), QString("ЮНАК-3  ДАЦ.006  ПО.V2  0308"));
    QCOMPARE(w.Text("KM2"), QString("7"));
    QCOMPARE(w.Text("IdVh2"), QString("AI1_1 - AI1_6"));
    QCOMPARE(w.Text("M3"), QString("МР-73       вых 1-8 реле    220V AC  2A"));
    QCOMPARE(w.Text("IdVyh3"), QString("DO_1_1 - DO_1_8"));
    QCOMPARE(w.Text("Prg3"), QString("программ."));
    QCOMPARE(w.Text("M4"), QString());
    QCOMPARE(w.Text("AdrM8"), QString("7"));

    // The editors of the later versions are not there yet: their buttons say so.
    auto* prg2 = w.Child<QPushButton>("Prg2");
    QVERIFY(!prg2->isEnabled());
    QCOMPARE(prg2->toolTip(), QString(kWindowComesLater));
    auto* diskr = w.Child<QPushButton>("ButProgDiskr");
    QVERIFY(!diskr->isEnabled());
    QCOMPARE(diskr->toolTip(), QString(kWindowComesLater));
    // The units list is filled and can be used.
    QVERIFY(w.Child<QWidget>("GBoxRazm")->isEnabled());
    QVERIFY(w.Child<QPushButton>("ButRazm")->isEnabled());
    auto* units = w.Child<QComboBox>("CBoxRazmChange");
    QCOMPARE(units->count(), 16);
    QCOMPARE(units->currentText(), QString("град.С"));
    QVERIFY(!w.Child<QLabel>("LabelFile")->isVisible());
    QCOMPARE(w.config->Serv.FileMode, 0);
  }

  void aLoopModuleWithoutAnalogSignalsIsShownButNotOffered() {
    // A configuration of a discrete module and a control loop module, made
    // as the new-configuration dialog makes it (no exchange blocks, so no
    // analog signal at all), served by the simulator.
    test::TempDir files;
    {
      auto blank = std::make_unique<TConfiguration>();
      TScriptedUserInterface quiet;
      TConfigController dialog(*blank, quiet);
      dialog.Prepare("00000000");
      QVERIFY(dialog.EditModifChange("1E"));
      QVERIFY(dialog.FormCloseQuery());
      const auto bytes = NewConfigurationFile(*blank, dialog);
      std::ofstream(files.File("loop.lur"), std::ios::binary)
          .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    Controller controller({"--config", files.File("loop.lur")});
    QVERIFY2(controller.sim.Ready(), controller.sim.Log().c_str());
    MainWindow w;
    QVERIFY(w.OpenPort(controller.sim.link));
    w.Trigger("AInPort");
    QCOMPARE(w.Texts(), std::vector<std::string>{"Невозможно программировать ЖОКА -  нет аналог. входов"});
    QCOMPARE(w.ui.script.shown[0].caption, std::string("Предупреждение"));
    QCOMPARE(w.Text("M2"), QString("ЖОКА"));
    QCOMPARE(w.Text("KM2"), QString("E"));
    QCOMPARE(w.Text("Prg2"), QString("нет"));
    QVERIFY(!w.Child<QPushButton>("Prg2")->isEnabled());
    QCOMPARE(w.Text("StAllAn"), QString("0"));
    // The read went on to the loop pages all the same.
    QCOMPARE(controller.Requests("01 44 20"), 1);
  }

  void f10WritesOnlyAtTheFullLevel() {
    Controller controller({});
    QVERIFY(controller.sim.Ready());
    MainWindow w;
    QVERIFY(w.OpenPort(controller.sim.link));
    w.Trigger("AInPort");
    QVERIFY(w.Texts().empty());

    // Limited level: refused, nothing sent.
    const int before = controller.Requests("01 11");
    PressKey(w, Qt::Key_F10);
    QCOMPARE(w.Texts(),
             std::vector<std::string>{"Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт"});
    QCOMPARE(controller.Requests("01 11"), before);
    QCOMPARE(controller.Requests("01 45"), 0);

    // Full level: the same module set, every page written, then read back
    // and found as sent.
    w.ui.script.shown.clear();
    w.config->Lur.FullAccess = 1;
    PressKey(w, Qt::Key_F10);
    QCOMPARE(w.Texts(), (std::vector<std::string>{"Передаваемая конфигурация\nсоответствует конфигурации прибора",
                                                  "Запись проверена: расхождений нет"}));
    QVERIFY(controller.Requests("01 45 0A") == 1);  // the exchange table
    QVERIFY(controller.Requests("01 45 28") == 1);  // the first input text page
    QCOMPARE(controller.Requests("01 44 28"), 2);    // read by F9, and back after the write
    QVERIFY(!w.Child<QProgressBar>("ProgressBar1")->isVisible());
  }

  void renumberingSendsPage99AndReaddressesTheRequests() {
    Controller controller({});
    QVERIFY(controller.sim.Ready());
    MainWindow w;
    QVERIFY(w.OpenPort(controller.sim.link));
    w.Trigger("AInPort");
    // The read sets both lists; setting them sends nothing.
    QCOMPARE(controller.Requests("01 45 63"), 0);
    QCOMPARE(w.Child<QComboBox>("CBoxUstrZ")->currentText(), QString("1"));

    w.config->Lur.FullAccess = 1;  // renumbering writes into the controller
    w.Pick("CBoxUstrZ", 4);  // the user picks 5
    QVERIFY(w.Texts().empty());
    QCOMPARE(controller.Requests("01 45 63 04"), 1);
    QCOMPARE(controller.Requests("05 0E"), 1);  // the completion poll at the new number
    QCOMPARE(w.Child<QComboBox>("CBoxUstr")->currentText(), QString("5"));
    QCOMPARE(w.Child<QComboBox>("CBoxUstrZ")->currentText(), QString("5"));
    QCOMPARE(w.config->Serv.GetAddressIndex(), 4);

    // Requests now go to 5, and the controller answers there.
    w.Trigger("AInPort");
    QVERIFY(w.Texts().empty());
    QVERIFY(controller.Requests("05 44 0A") == 1);

    // Addressing 1 again finds nobody.
    w.link.SetRetriesStage1(1);
    w.link.SetRetriesStage2(1);
    w.Pick("CBoxUstr", 0);
    QCOMPARE(w.config->Serv.GetAddressIndex(), 0);
    QCOMPARE(controller.Requests("01 45 63"), 1);  // choosing in CBoxUstr sends nothing
    w.Trigger("AInPort");
    QCOMPARE(w.Texts(), std::vector<std::string>{w.link.ErrorText(0, kResultNoAnswer)});
  }

  void unitsInControllerModeGoToTheControllerAtOnce() {
    Controller controller({});
    QVERIFY(controller.sim.Ready());
    MainWindow w;
    QVERIFY(w.OpenPort(controller.sim.link));
    w.Trigger("AInPort");
    w.config->Lur.FullAccess = 1;

    auto* units = w.Child<QComboBox>("CBoxRazmChange");
    QCOMPARE(units->itemText(5), QString("атм"));
    w.Pick("CBoxRazmChange", 5);
    units->lineEdit()->selectAll();
    test::TypeText(units->lineEdit(), "бар-бар-бар");
    QCOMPARE(units->currentText(), QString("бар-ба"));  // six characters at most
    w.Click("ButRazm");
    QVERIFY(w.Texts().empty());
    QCOMPARE(controller.Requests("01 45 23"), 1);
    QCOMPARE(units->itemText(5), QString("бар-ба"));

    // What the controller holds now comes back with the next read.
    w.config->MBA.SetDefaultUnits();
    w.Trigger("AInPort");
    QCOMPARE(w.Child<QComboBox>("CBoxRazmChange")->itemText(5), QString("бар-ба"));

    // The limited level puts the defaults in memory only.
    w.config->Lur.FullAccess = 0;
    w.Click("ButDefault");
    QCOMPARE(w.Texts(),
             std::vector<std::string>{"Ваш уровень доступа не позволяет\nпроизводить вывод в СОМ-порт"});
    QCOMPARE(controller.Requests("01 45 23"), 1);
  }
};

}  // namespace lur

QTEST_MAIN(lur::MainWindowTest)
#include "MainWindow_qtest.moc"
