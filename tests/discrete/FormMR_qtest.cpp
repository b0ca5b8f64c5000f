#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QtTest>

#include "discrete/views/TFormMR.h"
#include "discrete/views/TFormTextMR.h"
#include "discrete/views/TQtRelayModuleEditor.h"
#include "discrete/TFormTextMRController.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/TConfiguration.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TQtUserInterface.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

class FormMRView : public QObject {
  Q_OBJECT

  // One discrete input module (DiCount 12), an analog one and two relay
  // modules, the simulated controller behind the link.
  template <class Ui>
  struct Fixture {
    Fixture() : line(clock, Options()) {
      std::array<std::uint8_t, 15> id{};
      id[1] = 1;
      id[2] = 7;
      id[3] = 3;
      id[4] = 4;
      config.Serv.SetIdentityFromBytes(id);
      config.Lur.FullAccess = 1;
      link.PortName = "COM1";
      for (int m = 0; m < kMaxOutputModules; ++m) config.MR.SetDefaultModule(m);
      config.Reserv.ResMR = config.MR.GetBlockForTransfer();
    }
    static sim::SimOptions Options() {
      sim::SimOptions options;
      options.modules = {1, 7, 3, 4, 0, 0, 0, 0};
      return options;
    }
    TEditorRequest Request(int slot) {
      TEditorRequest request{TEditor::RelayModule, slot + 1, config.Serv.GroupIndexOfSlot(slot) + 1,
                             config.Serv.GetModuleType(slot)};
      config.MR.SetMrSlot(slot + 1);
      config.MR.SetMrSlot2(slot + 1);
      return request;
    }
    test::VirtualClock clock;
    test::SimPort line;
    Ui ui;
    TComPortClass link{line, clock};
    TConfiguration config;
    TServAddressing addressing{config.Serv};
    TSession session{config, link, ui, addressing};
    TEditorRegistry editors;
  };

  template <class T>
  static T* Child(QWidget* w, const QString& name) {
    auto* c = w->findChild<T*>(name);
    if (!c) qWarning("no %s", qPrintable(name));
    return c;
  }

 private slots:
  void everyControlIsThereByName() {
    Fixture<TQtUserInterface> f;
    TQtRelayModuleEditor editor(f.session, f.editors, f.ui, nullptr);
    QVERIFY(!f.editors.Available(TEditor::RelayModule));
    editor.Register();
    QVERIFY(f.editors.Available(TEditor::RelayModule));
    TFormMR* w = editor.Window();
    QCOMPARE(w->windowTitle(), QString("Программирование модулей МР"));
    for (const char* name : {"LabFB", "LabNMod", "LabTMod", "Label19", "OK", "Cancel", "ButtonCopy",
                             "ButtonChange", "ButOnLine", "Save", "ErrorText"}) {
      QVERIFY2(w->findChild<QWidget*>(name), name);
    }
    for (int o = 1; o <= 8; ++o) {
      for (const char* stem : {"TipVyh", "Kvit", "Block", "KvitMind", "KvitTopLevel", "EditVxKvit", "SbrMind",
                               "SbrTopLevel", "EditVhSbr"}) {
        const QString name = QString(stem) + QString::number(o);
        QVERIFY2(w->findChild<QWidget*>(name), qPrintable(name));
      }
    }
    QCOMPARE(Child<QLineEdit>(w, "EditVxKvit8")->maxLength(), 2);
    QCOMPARE(Child<QComboBox>(w, "Kvit3")->itemText(1), QString("звук(с гашением)"));
    QCOMPARE(Child<QComboBox>(w, "Block3")->itemText(1), QString("с   блокировкой"));
    QCOMPARE(Child<QPushButton>(w, "Cancel")->text(), QString("Отмена"));
    QVERIFY(!Child<QPushButton>(w, "ButtonChange")->isEnabled());
    QVERIFY(Child<QPushButton>(w, "Save")->isHidden());
    QCOMPARE(w->PopupMenu()->actions().size(), 2);
    QVERIFY(!w->PopupMenu()->actions()[1]->isEnabled());

    // A request for the analog module's slot opens nothing.
    QCOMPARE(editor.Open(f.Request(1)), 3);
    QVERIFY(!w->isVisible());

    TFormTextMRController textForm(f.config.Serv);
    TFormTextMR text(textForm, f.ui);
    QCOMPARE(text.windowTitle(), QString("Задание текстового реквизита выхода"));
    for (const char* name : {"LabNVyh", "Label2", "Label1", "EditText", "OK"}) {
      QVERIFY2(text.findChild<QWidget*>(name), name);
    }
    QCOMPARE(Child<QLineEdit>(&text, "EditText")->maxLength(), 14);
  }

  void rowsFollowTheRulesAndCopyEnablesReplace() {
    Fixture<TScriptedUserInterface> f;
    TFormMRController form(f.session, f.editors);
    TFormMR w(form, f.ui);
    QVERIFY(form.Open(f.Request(2)));
    w.Show();
    w.show();
    QCOMPARE(Child<QLabel>(&w, "LabNMod")->text(), QString("1"));
    QCOMPARE(Child<QLabel>(&w, "LabTMod")->text(), QString("МР-73"));
    // A default output is a blocked control output.
    auto* tip = Child<QComboBox>(&w, "TipVyh1");
    QCOMPARE(tip->currentText(), QString("управл."));
    QVERIFY(!Child<QComboBox>(&w, "Kvit1")->isVisibleTo(&w));
    QVERIFY(Child<QComboBox>(&w, "Block1")->isVisibleTo(&w));
    QVERIFY(!Child<QCheckBox>(&w, "KvitMind1")->isEnabled());

    QTest::keyClick(tip, Qt::Key_Up);  // to "сигнал."
    QCOMPARE(tip->currentIndex(), 0);
    QVERIFY(Child<QComboBox>(&w, "Kvit1")->isVisibleTo(&w));
    QVERIFY(!Child<QComboBox>(&w, "Block1")->isVisibleTo(&w));
    QVERIFY(Child<QCheckBox>(&w, "KvitMind1")->isEnabled());
    QCOMPARE(f.config.MR.GetMRByte(1), 0x14);

    auto* kvit = Child<QComboBox>(&w, "Kvit1");
    QTest::keyClick(kvit, Qt::Key_Down);  // "звук(с гашением)": no reset
    QVERIFY(!Child<QCheckBox>(&w, "SbrMind1")->isEnabled());
    QVERIFY(!Child<QCheckBox>(&w, "SbrMind1")->isChecked());
    QCOMPARE(Child<QLineEdit>(&w, "EditVhSbr1")->text(), QString("00"));
    QCOMPARE(f.config.MR.GetMRByte(1), 0x02);

    auto* button = Child<QPushButton>(&w, "ButtonChange");
    QVERIFY(!button->isEnabled());
    QTest::mouseClick(Child<QPushButton>(&w, "ButtonCopy"), Qt::LeftButton);
    QVERIFY(button->isEnabled());
    QVERIFY(w.PopupMenu()->actions()[1]->isEnabled());
  }

  void editAndCloseWritesPage9() {
    Fixture<TScriptedUserInterface> f;
    TFormMRController form(f.session, f.editors);
    TFormMR w(form, f.ui);
    QVERIFY(form.Open(f.Request(3)));  // module 2
    w.Show();
    w.show();
    QTest::keyClick(Child<QComboBox>(&w, "TipVyh1"), Qt::Key_Up);
    QTest::mouseClick(Child<QCheckBox>(&w, "KvitMind1"), Qt::LeftButton);
    QVERIFY(Child<QCheckBox>(&w, "KvitMind1")->isChecked());
    auto* field = Child<QLineEdit>(&w, "EditVxKvit1");
    QCOMPARE(field->palette().color(QPalette::Base), QColor(Qt::white));
    field->selectAll();
    QTest::keyClicks(field, "13");
    QCOMPARE(field->text(), QString("13"));

    // 13 is past the 12 inputs: the close is refused, the field shows the
    // record's number again.
    QTest::mouseClick(Child<QPushButton>(&w, "OK"), Qt::LeftButton);
    QVERIFY(w.isVisible());
    QCOMPARE(f.ui.inlineErrors.size(), std::size_t{1});
    QCOMPARE(f.ui.inlineErrors[0].field, std::string("EditVxKvit1"));
    QCOMPARE(f.ui.inlineErrors[0].text, std::string(" Неверный адрес входа внеш. квитирования"));
    QCOMPARE(field->text(), QString("0"));

    field->selectAll();
    QTest::keyClicks(field, "5");
    QCOMPARE(field->text(), QString("5"));
    f.ui.answers = {MsgAnswer::Yes};
    QTest::mouseClick(Child<QPushButton>(&w, "OK"), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(w.result(), 2);
    QCOMPARE(f.ui.shown.size(), std::size_t{1});
    QCOMPARE(f.ui.shown[0].text, std::string("База  была изменена. Передать в прибор?"));
    const auto& page = f.line.Page(9);
    QCOMPARE(int(page[24]), 0x34);  // module 2, output 1: signalling, acknowledged from the panel
    QCOMPARE(int(page[25]), 5);
    QCOMPARE(f.config.MR.GetMrSent(4), 1);
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormMRView)
#include "FormMR_qtest.moc"
