// The group items of the function block editor's window: their names, texts
// and keys, the insertion items coming on once a group is copied (also in a
// window made afresh), the keys inserting the group, and a focused text
// field keeping its own copy and paste keys.
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QtTest>
#include <memory>

#include "fb/TFormFBController.h"
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

// A configuration of `blocks` AND gates and one editor window over it; the
// window can be made again over the same configuration.
struct Editor {
  explicit Editor(int blocks) {
    QVERIFY(test::SetSmallController(config->Serv));
    config->Serv.MakeDefaultInputIds();
    config->Lur.FullAccess = 1;
    for (int i = 0; i < blocks; ++i) config->FB.SetTipFB(i, 1);
    MakeWindow();
  }
  ~Editor() { window->hide(); }

  void MakeWindow() {
    if (window) window->hide();
    window.reset();
    form = std::make_unique<TFormFBController>(session, TFormFBDialogs{block, sigForm, sig, vyhForm, vyh});
    window = std::make_unique<TFormFB>(*form, *config, editors);
    window->resize(1000, 600);
  }
  // Shows the window the way ExecForm does, without its event loop.
  void Show() {
    form->FormShow();
    window->Draw();
    window->show();
    window->ScrollBox()->setFocus();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  QPoint Center(int record) const {
    const TDiagramBlock& b = window->Diagram()->Layout().blocks.at(static_cast<std::size_t>(record));
    return {b.rect.x + 200, b.rect.y + 100};
  }
  // Chooses block `record` and opens its menu, then closes it.
  void OpenBlockMenu(int record) {
    QTest::mouseClick(window->Diagram(), Qt::LeftButton, {}, Center(record));
    QTest::mousePress(window->Diagram(), Qt::RightButton, {}, Center(record));
    QTRY_VERIFY(window->BlockMenu()->isVisible());
    window->BlockMenu()->hide();
  }
  QAction* Action(const char* name) const { return window->Action(name); }

  test::VirtualClock clock;
  test::SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TServAddressing addressing{config->Serv};
  TSession session{*config, link, ui, addressing};
  test::NoBlockDialog block;
  TFormSigController sigForm;
  test::AnsweringWindow<TFormSigController> sig;
  TFormVyhController vyhForm{config->Lur};
  test::AnsweringWindow<TFormVyhController> vyh;
  TEditorRegistry editors;
  std::unique_ptr<TFormFBController> form;
  std::unique_ptr<TFormFB> window;
};

}  // namespace

class FBGroupTest : public QObject {
  Q_OBJECT

 private slots:
  void theGroupItemsCarryTheirNamesTextsAndKeys() {
    Editor e(2);
    const struct {
      const char* name;
      const char* caption;
      QKeySequence key;
      QMenu* menu;
    } items[] = {
        {"PMenu1Copy", "Копировать ", QKeySequence(Qt::CTRL | Qt::Key_C), e.window->BlockMenu()},
        {"PMenu1InsertGroup",
         "Вставить группу скопированных ФБ (перед выбранным ) ",
         {},
         e.window->BlockMenu()},
        {"PMenu3AddGroup", "Добавить группу скопированных ФБ", QKeySequence(Qt::CTRL | Qt::Key_V),
         e.window->BackgroundMenu()},
    };
    for (const auto& item : items) {
      QAction* a = e.Action(item.name);
      QVERIFY2(a, item.name);
      QCOMPARE(a->text(), QString(item.caption));
      QCOMPARE(a->shortcut(), item.key);
      QVERIFY2(item.menu->actions().contains(a), item.name);
    }
  }

  void aCopyEnablesTheInsertionAndTheKeysInsert() {
    Editor e(3);
    e.Show();
    QVERIFY(!e.Action("PMenu3AddGroup")->isEnabled());
    QVERIFY(!e.Action("PMenu1InsertGroup")->isEnabled());
    QCOMPARE(e.Action("PMenu3AddGroup")->toolTip(), e.Action("PMenu3AddGroup")->text());

    e.OpenBlockMenu(1);
    QVERIFY(e.Action("PMenu1Copy")->isEnabled());
    QVERIFY(!e.Action("PMenu1InsertGroup")->isEnabled());  // nothing copied yet
    QTest::keyClick(e.window.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(e.config->Copy.CopyFBCount, 1);
    QVERIFY(e.Action("PMenu3AddGroup")->isEnabled());
    QVERIFY(e.Action("PMenu1InsertGroup")->isEnabled());

    QTest::keyClick(e.window.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e.config->FB.NFB, 4);
    QCOMPARE(e.window->Diagram()->Layout().blocks.size(), std::size_t{4});
    QVERIFY(e.window->ScrollBox()->hasFocus());

    // The block menu's item puts the group before the block under the click.
    e.OpenBlockMenu(0);
    e.Action("PMenu1InsertGroup")->trigger();
    QCOMPARE(e.config->FB.NFB, 5);
    QCOMPARE(e.config->FB.CurPosFB, 0);  // one block inserted: the chosen one
  }

  void aWindowMadeAfreshOffersTheCopiedGroup() {
    Editor e(3);
    e.Show();
    e.OpenBlockMenu(2);
    e.Action("PMenu1Copy")->trigger();
    e.MakeWindow();
    e.Show();
    QVERIFY(e.Action("PMenu3AddGroup")->isEnabled());
    e.Action("PMenu3AddGroup")->trigger();
    QCOMPARE(e.config->FB.NFB, 4);
  }

  void aFocusedTextFieldKeepsItsCopyAndPasteKeys() {
    Editor e(3);
    e.Show();
    e.OpenBlockMenu(1);
    e.Action("PMenu1Copy")->trigger();
    const int copied = e.config->Copy.CopyFBCount;
    // Every block selected: a copy the field let through would take three.
    e.form->ChooseAllClick();
    auto* field = new QLineEdit("abc", e.window.get());
    field->show();
    field->setFocus();
    QTRY_VERIFY(field->hasFocus());
    field->selectAll();
    QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(e.config->FB.NFB, 3);
    QCOMPARE(e.config->Copy.CopyFBCount, copied);
  }
};

}  // namespace lur

QTEST_MAIN(lur::FBGroupTest)
#include "FBGroup_qtest.moc"
