// The function block editor's window and its transfers: F9 and F10 on and
// wired, the caption after a write, and the close box asking the controller.
#include <QAction>
#include <QProgressBar>
#include <QtTest>
#include <memory>

#include "fb/TFormFBController.h"
#include "fb/TDiagramLayout.h"
#include "fb/views/TFBDiagram.h"
#include "fb/views/TFormFB.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TEditorRegistry.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/FBEditorDoubles.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

struct Editor {
  Editor() {
    link.PortName = "COM1";
    TServClass::Identity id{};
    id[1] = 1;
    QVERIFY(config->Serv.SetIdentityFromBytes(id));
    config->Lur.FullAccess = 1;
    for (int i = 0; i < 3; ++i) config->FB.SetTipFB(i, 1);
    config->Reserv.SaveAll(*config);
    form = std::make_unique<TFormFBController>(session, TFormFBDialogs{block, sigForm, sig, vyhForm, vyh});
    window = std::make_unique<TFormFB>(*form, *config, editors);
    form->FormShow();
    window->Draw();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  ~Editor() { window->hide(); }

  test::VirtualClock clock;
  test::SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TServAddressing addressing{config->Serv};
  TSession session{*config, link, ui, addressing};
  test::NoBlockDialog block;
  TFormSigController sigForm;
  test::AnsweringWindow<TFormSigController> sig{kModalCancel};
  TFormVyhController vyhForm{config->Lur};
  test::AnsweringWindow<TFormVyhController> vyh{kModalCancel};
  TEditorRegistry editors;
  std::unique_ptr<TFormFBController> form;
  std::unique_ptr<TFormFB> window;
};

}  // namespace

class FBTransferTest : public QObject {
  Q_OBJECT
 private slots:
  void f10WritesAndNamesTheDevice() {
    Editor e;
    QAction* out = e.window->Action("AOutPort");
    QVERIFY(out->isEnabled());
    QVERIFY(e.window->Action("AInPort")->isEnabled());
    QCOMPARE(out->shortcut(), QKeySequence(Qt::Key_F10));
    QVERIFY(e.window->findChild<QProgressBar*>("ProgressBar1"));
    e.config->FB.FBModified = 1;
    out->trigger();
    QCOMPARE(e.line.Count(0x45), 12);
    QCOMPARE(e.window->windowTitle(), QString("Программирование обработки функциональных блоков ЛУР-05 устройство 1"));
  }

  void f9ReadsAndRedraws() {
    Editor e;
    e.window->Action("AInPort")->trigger();
    QCOMPARE(e.line.Count(0x44), 12);
    const auto& held = e.line.Page(20);
    for (int i = 0; i < 10; ++i) QCOMPARE(e.config->FB.GetTipFB(i), int(held.at(std::size_t(16 * i))));
    QVERIFY(e.config->FB.NFB != 3);
    QCOMPARE(e.window->Diagram()->Layout().blocks.size(), std::size_t(e.config->FB.NFB));
  }

  void theCloseBoxAsksWhileChangesAreUnsent() {
    Editor e;
    e.config->FB.SetTipFB(1, 6);
    e.config->FB.FBModified = 1;
    e.ui.answers = {MsgAnswer::Cancel};
    e.window->reject();
    QVERIFY(e.window->isVisible());
    QCOMPARE(e.ui.shown.size(), std::size_t{1});
    QCOMPARE(e.ui.shown[0].text, std::string("Данные были изменены. Передать в прибор?"));

    e.ui.answers = {MsgAnswer::No};
    e.window->reject();
    QVERIFY(!e.window->isVisible());
    QCOMPARE(e.config->FB.GetTipFB(1), 1);
    QVERIFY(e.line.requests.empty());
  }
};

}  // namespace lur

QTEST_MAIN(lur::FBTransferTest)
#include "FBTransfer_qtest.moc"
