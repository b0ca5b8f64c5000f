#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>

#include "NetworkLiveFixture.h"
#include "network/views/TFormLNet.h"
#include "network/views/TQtLNetEditor.h"
#include "shell/ModalDriver.h"
#include "ui/TQtUserInterface.h"

namespace lur {

using test::NetworkLiveRig;

class LNetWindow : public QObject {
  Q_OBJECT

  template <class W>
  static W* Find(QWidget* window, const char* name) {
    return window->findChild<W*>(name);
  }

 private slots:
  // File mode: the window closes without a question, so the test drives it
  // to the end with no box in the way.
  void TheBlocksModeNamesEveryControlAndDeletesFromItsMenu() {
    NetworkLiveRig rig;
    rig.config.Serv.FileMode = 1;
    TQtUserInterface ui;
    TSession session{rig.config, rig.link, ui, rig.addressing};
    TFormLNetController form{session, nullptr, nullptr};
    TFormLNet window(form, nullptr);
    ui.SetParent(&window);
    for (int b = 1; b <= 16; ++b) {
      QVERIFY(Find<QPushButton>(&window, qPrintable(QString("Button%1").arg(b))));
    }
    for (const char* name : {"LocNet15_1", "LocNet15_2", "OK", "Save", "Save15"}) {
      QVERIFY2(Find<QPushButton>(&window, name), name);
    }
    for (const char* name : {"Skor", "Parit"}) QVERIFY2(Find<QComboBox>(&window, name), name);
    for (const char* name : {"PopupMenu1", "PopupMenu2"}) QVERIFY2(Find<QMenu>(&window, name), name);
    for (const char* name : {"DeleteBl", "DeleteBl15"}) QVERIFY2(Find<QAction>(&window, name), name);
    QVERIFY(Find<QProgressBar>(&window, "ProgressBar1"));

    bool checked = false;
    test::WhenModal("TFormLNet", [&](QWidget* w) {
      checked = true;
      QCOMPARE(w->windowTitle(), QString("Локальная сеть RS-485 ModBus ф1,ф2,ф3,ф4"));
      QVERIFY(Find<QGroupBox>(w, "GroupBox1")->isVisible());
      QVERIFY(!Find<QGroupBox>(w, "GroupBox2")->isVisible());
      QVERIFY(!Find<QGroupBox>(w, "GroupBox3")->isVisible());
      QVERIFY(Find<QLabel>(w, "LabelFile")->isVisible());
      QVERIFY(!Find<QLabel>(w, "Indicator")->isVisible());
      QCOMPARE(Find<QPushButton>(w, "Button1")->text(), QString("Ф2"));
      QCOMPARE(Find<QPushButton>(w, "Button5")->text(), QString(""));
      form.ButtonRightClick(0);
      Find<QAction>(w, "DeleteBl")->trigger();
      QCOMPARE(Find<QPushButton>(w, "Button1")->text(), QString("Ф3"));
      QCOMPARE(Find<QPushButton>(w, "Button4")->text(), QString(""));
      QTest::mouseClick(Find<QPushButton>(w, "OK"), Qt::LeftButton);
    });
    QCOMPARE(window.ExecForm(TLNetMode::Functions), kModalOk);
    QVERIFY(checked);
    QCOMPARE(rig.config.Serv.Modified, 1);
    QVERIFY(rig.line.requests.empty());
  }

  void TheSettingsModeStoresTheChoicesInByte193() {
    NetworkLiveRig rig;
    rig.config.Serv.FileMode = 1;
    rig.config.MBM.SetSpeed(1);
    rig.config.MBM.SetFrame(3);
    TQtUserInterface ui;
    TSession session{rig.config, rig.link, ui, rig.addressing};
    TFormLNetController form{session, nullptr, nullptr};
    TFormLNet window(form, nullptr);
    ui.SetParent(&window);
    test::WhenModal("TFormLNet", [&](QWidget* w) {
      QCOMPARE(w->windowTitle(), QString("Локальная сеть RS-485"));
      QVERIFY(Find<QGroupBox>(w, "GroupBox2")->isVisible());
      auto* skor = Find<QComboBox>(w, "Skor");
      auto* parit = Find<QComboBox>(w, "Parit");
      QCOMPARE(skor->currentIndex(), 1);
      QCOMPARE(parit->currentText(), QString("1 стоп-бит без контр. четности"));
      skor->setCurrentIndex(3);
      emit skor->activated(3);
      parit->setCurrentIndex(0);
      emit parit->activated(0);
      QTest::mouseClick(Find<QPushButton>(w, "OK"), Qt::LeftButton);
    });
    QCOMPARE(window.ExecForm(TLNetMode::Exchange), kModalOk);
    QCOMPARE(rig.config.MBM.GetTableByte(193), 3 << 2);
    QCOMPARE(rig.config.MBM.SettingsChanged, 1);  // kept for the file
    QCOMPARE(rig.config.Serv.Modified, 1);
  }

  // The main window's three commands open the one window in their modes.
  void TheEditorRegistersTheThreeCommands() {
    NetworkLiveRig rig;
    rig.config.Serv.FileMode = 1;
    TQtUserInterface ui;
    TSession session{rig.config, rig.link, ui, rig.addressing};
    TEditorRegistry editors;
    TQtLNetEditor editor(session, editors, ui, nullptr, nullptr);
    editor.Register();
    struct Case {
      TEditor command;
      const char* caption;
    };
    const Case cases[] = {{TEditor::LocalNetFunctions, "Локальная сеть RS-485 ModBus ф1,ф2,ф3,ф4"},
                          {TEditor::LocalNetF15, "Локальная сеть RS-485 ModBus ф15"},
                          {TEditor::LocalNetExchange, "Локальная сеть RS-485"}};
    for (const auto& c : cases) {
      QVERIFY(editors.Available(c.command));
      QString title;
      test::WhenModal("TFormLNet", [&](QWidget* w) {
        title = w->windowTitle();
        QTest::mouseClick(Find<QPushButton>(w, "OK"), Qt::LeftButton);
      });
      QCOMPARE(editors.Open({c.command}), kModalOk);
      QCOMPARE(title, QString(c.caption));
    }
  }
};

}  // namespace lur

QTEST_MAIN(lur::LNetWindow)
#include "LNetWindow_qtest.moc"
