// The function block editor as the program wires it: registered beside the
// discrete editor, it brings that editor's "Функц. блоки" to life and opens
// over the configuration the main window opened, with the blocks it holds.
#include <QAction>
#include <QtTest>

#include "discrete/views/TQtDiscreteEditor.h"
#include "fb/views/TFBDiagram.h"
#include "fb/views/TQtFBEditor.h"
#include "session/TServAddressing.h"
#include "shell/ConfigFileSamples.h"
#include "shell/MainWindowFixture.h"
#include "shell/ModalDriver.h"

namespace lur {

class FBEditorFromDiscreteTest : public QObject {
  Q_OBJECT

 private slots:
  void funcBlocksOpensTheEditorOverTheOpenedFile() {
    test::MainWindow w;
    const std::string path = w.dir.File("d.lur");
    test::WriteBytes(path, test::SampleFile(120));
    w.ui.script.files = {path};
    w.Trigger("AOpenFile");
    QVERIFY(w.Texts().empty());
    w.config->FB.FindNFB();
    const int blocks = w.config->FB.NFB;
    QVERIFY(blocks > 0);

    TServAddressing addressing{w.config->Serv};
    TSession session{*w.config, w.link, w.ui, addressing};
    TQtDiscreteEditor discrete(session, w.editors, w.ui, &w.window);
    discrete.Register();
    QAction* afb = discrete.Window()->Action(TFormPrgDAction::AFB);
    discrete.Window()->Draw();
    QVERIFY(!afb->isEnabled());  // no function block editor yet
    TQtFBEditor functionBlocks(session, w.editors, w.ui, discrete, &w.window);
    functionBlocks.Register();
    w.window.Draw();

    bool opened = false;
    test::WhenModal("TFormPrgD", [&](QWidget*) {
      discrete.Window()->Draw();
      QVERIFY(afb->isEnabled());
      test::WhenModal("TFormFB", [&](QWidget* window) {
        opened = true;
        QCOMPARE(window->windowTitle(), QString("Программирование функциональных блоков"));
        QCOMPARE(static_cast<int>(functionBlocks.Window()->Diagram()->Layout().blocks.size()), blocks);
        // While the editor is open, its bar shows the transfers.
        w.ui.ProgressShow(100, 20);
        QVERIFY(functionBlocks.Window()->ProgressBar()->isVisible());
        w.ui.ProgressHide();
        functionBlocks.Window()->Action("AClose")->trigger();
      });
      afb->trigger();
      // Back in the discrete editor, its own bar is the one again.
      w.ui.ProgressShow(100, 20);
      QVERIFY(discrete.Window()->ProgressBar()->isVisible());
      w.ui.ProgressHide();
      discrete.Window()->Action(TFormPrgDAction::AClose)->trigger();
    });
    w.Click("ButProgDiskr");
    QVERIFY(opened);
    QVERIFY(w.Texts().empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::FBEditorFromDiscreteTest)
#include "FBEditorFromDiscrete_qtest.moc"
