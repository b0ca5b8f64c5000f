// The discrete processing editor as the program registers it, opened from
// the main window's button over a configuration file.
#include <QtTest>
#include <fstream>

#include "discrete/views/TQtDiscreteEditor.h"
#include "session/TServAddressing.h"
#include "shell/ConfigFileSamples.h"
#include "shell/MainWindowFixture.h"
#include "shell/ModalDriver.h"

namespace lur {

class DiscreteEditorMainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void butProgDiskrOpensTheEditorForARebuild() {
    test::MainWindow w;
    const std::string path = w.dir.File("d.lur");
    {
      const test::Bytes file = test::SampleFile(120);
      std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(file.data()),
                                                  static_cast<std::streamsize>(file.size()));
    }
    w.ui.script.files = {path};
    w.Trigger("AOpenFile");
    QVERIFY(w.Texts().empty());

    auto* button = w.Child<QPushButton>("ButProgDiskr");
    QVERIFY(!button->isEnabled());  // no editor registered yet
    TServAddressing addressing{w.config->Serv};
    TSession session{*w.config, w.link, w.ui, addressing};
    TQtDiscreteEditor editor(session, w.editors, w.ui, &w.window, w.window.ProgressBar());
    editor.Register();
    w.window.Draw();
    QVERIFY(button->isEnabled());

    int handlers = 0;
    for (int n = 0; n < w.config->Serv.GetProcessedDiscreteCount(); ++n) handlers += w.config->Lur.HasHandler(n);
    QVERIFY(handlers > 0);

    w.config->Lur.PrgDShown = 1;  // left from an earlier showing
    bool opened = false;
    test::WhenModal("TFormPrgD", [&](QWidget* window) {
      opened = true;
      QCOMPARE(window, static_cast<QWidget*>(editor.Window()));
      QCOMPARE(window->windowTitle(), QString("Программирование обработки дискретных входов"));
      QVERIFY(window->findChild<QLabel*>("LabelFile")->isVisible());
      QCOMPARE(window->findChild<QLineEdit*>("EditModif")->text(), w.Text("EditModif"));
      QCOMPARE(static_cast<int>(editor.Form().Layout().rows.size()), handlers);
      QCOMPARE(w.config->Lur.PrgDShown, 1);
      // While the editor is open its own bar shows the transfers.
      w.ui.ProgressShow(100, 20);
      QVERIFY(editor.Window()->ProgressBar()->isVisible());
      QVERIFY(!w.window.ProgressBar()->isVisibleTo(&w.window));
      w.ui.ProgressHide();
      QVERIFY(!editor.Window()->ProgressBar()->isVisible());
      editor.Window()->Action(TFormPrgDAction::AClose)->trigger();
    });
    w.Click("ButProgDiskr");
    QVERIFY(opened);
    QVERIFY(!editor.Window()->isVisible());
    QVERIFY(w.Texts().empty());
    // Closed, the main window's bar is the one again.
    w.ui.ProgressShow(100, 20);
    QVERIFY(w.window.ProgressBar()->isVisibleTo(&w.window));
    w.ui.ProgressHide();
  }
};

}  // namespace lur

QTEST_MAIN(lur::DiscreteEditorMainWindowTest)
#include "DiscreteEditorMainWindow_qtest.moc"
