// The discrete processing editor as the program registers it, opened from
// the main window's button over a configuration file.
#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

#include "discrete/views/TQtDiscreteEditor.h"
#include "model/Cp1251.h"
#include "session/TServAddressing.h"
#include "shell/ConfigFileSamples.h"
#include "shell/MainWindowFixture.h"
#include "shell/ModalDriver.h"

namespace lur {

class DiscreteEditorMainWindowTest : public QObject {
  Q_OBJECT

  // Opens a 120-block sample file by AOpenFile; true when it opened silently.
  static bool OpenSample(test::MainWindow& w) {
    const std::string path = w.dir.File("d.lur");
    test::WriteBytes(path, test::SampleFile(120));
    w.ui.script.files = {path};
    w.Trigger("AOpenFile");
    return w.Texts().empty();
  }

  // Flips the second row's archiving by its button and types a text for the
  // first row in place.
  static void EditTwoRows(TQtDiscreteEditor& editor, TConfiguration& config, const TScriptedUserInterface& script,
                          int& archived, int& renamed) {
    TFormPrgD& window = *editor.Window();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(editor.Form().Layout().rows.size() >= 2);
    const TSchemaRow first = editor.Form().Layout().rows[0];
    const TSchemaRow second = editor.Form().Layout().rows[1];
    QWidget* schema = window.Schema();
    const int wasArchived = config.Lur.GetArh(second.signal);
    const QPoint archive(second.archiveButton.x + second.archiveButton.w / 2,
                         second.archiveButton.y + second.archiveButton.h / 2);
    auto* button = qobject_cast<QAbstractButton*>(schema->childAt(archive));
    QVERIFY(button);
    button->click();
    QCOMPARE(config.Lur.GetArh(second.signal), wasArchived ^ 0x80);
    archived = second.signal;

    const QPoint text(first.textLabel.x + first.textLabel.w / 2, first.textLabel.y + first.textLabel.h / 2);
    QWidget* label = schema->childAt(text);
    QVERIFY(label);
    QTest::mouseDClick(label, Qt::LeftButton, {}, label->mapFrom(schema, text));
    auto* editText = window.findChild<QLineEdit*>("EditText");
    QTRY_VERIFY(editText->isVisible());
    QTRY_VERIFY(editText->hasFocus());
    editText->setText("Задвижка 4");
    // Clicking another row takes the focus away and commits the text.
    const QPoint panel(second.inputPanel.x + second.inputPanel.w / 2, second.inputPanel.y + second.inputPanel.h / 2);
    QWidget* target = schema->childAt(panel);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(schema, panel));
    QTRY_VERIFY(!editText->isVisible());
    QVERIFY(script.shown.empty());  // file mode: nothing to send, nothing to say
    renamed = first.signal;
  }

 private slots:
  void butProgDiskrOpensTheEditorForARebuild() {
    test::MainWindow w;
    QVERIFY(OpenSample(w));

    auto* button = w.Child<QPushButton>("ButProgDiskr");
    QVERIFY(!button->isEnabled());  // no editor registered yet
    TServAddressing addressing{w.config->Serv};
    TSession session{*w.config, w.link, w.ui, addressing};
    TQtDiscreteEditor editor(session, w.editors, w.ui, &w.window);
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

  // Edits made in the editor over a file reach the file F2 writes: reopened,
  // it holds the edited records and texts and nothing else changed.
  void editsThenF2GiveAFileWithThem() {
    std::string saved;
    TConfiguration before;
    int archived = -1, renamed = -1;
    {
      test::MainWindow w;
      QVERIFY(OpenSample(w));
      TServAddressing addressing{w.config->Serv};
      TSession session{*w.config, w.link, w.ui, addressing};
      TQtDiscreteEditor editor(session, w.editors, w.ui, &w.window);
      editor.Register();
      w.window.Draw();
      before = *w.config;

      // A failed check inside returns early; the window is closed either way.
      test::WhenModal("TFormPrgD", [&](QWidget*) {
        EditTwoRows(editor, *w.config, w.ui.script, archived, renamed);
        editor.Window()->Action(TFormPrgDAction::AClose)->trigger();
      });
      w.Click("ButProgDiskr");
      QVERIFY(archived >= 0 && renamed >= 0);
      QCOMPARE(w.config->Serv.Modified, 1);

      saved = w.dir.File("edited.lur");
      w.ui.script.files = {saved};
      w.Trigger("ASaveFile");
      QVERIFY(w.Texts().empty());
      QCOMPARE(w.config->Serv.Modified, 0);

      test::MainWindow reopened;
      reopened.ui.script.files = {saved};
      reopened.Trigger("AOpenFile");
      QVERIFY(reopened.Texts().empty());
      const TConfiguration& c = *reopened.config;
      QCOMPARE(c.Lur.GetArh(archived), before.Lur.GetArh(archived) ^ 0x80);
      QCOMPARE(QString::fromStdString(Cp1251ToUtf8(c.Serv.GetInputText(renamed))).trimmed(), QString("Задвижка 4"));
      // Every other record and text is as the first file had it.
      for (int n = 0; n < c.Serv.GetProcessedDiscreteCount(); ++n) {
        QCOMPARE(c.Lur.HasHandler(n), before.Lur.HasHandler(n));
        QCOMPARE(c.Lur.GetTipK(n), before.Lur.GetTipK(n));
        if (n != archived) QCOMPARE(c.Lur.GetArh(n), before.Lur.GetArh(n));
        if (n != renamed) QCOMPARE(c.Serv.GetInputText(n), before.Serv.GetInputText(n));
      }
    }
  }
};

}  // namespace lur

QTEST_MAIN(lur::DiscreteEditorMainWindowTest)
#include "DiscreteEditorMainWindow_qtest.moc"
