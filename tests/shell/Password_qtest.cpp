// The start-up password and the change of password through the real TFPSW
// dialog: keys typed into Edit1, Enter, and what the main window does next.
#include <QClipboard>
#include <QMenu>
#include <fstream>
#include <iterator>

#include "MainWindowFixture.h"
#include "ModalDriver.h"
#include "shell/views/TFPSW.h"

namespace lur {

using test::MainWindow;
using test::WhenModal;

class PasswordTest : public QObject {
  Q_OBJECT

  static QLineEdit* Edit1(QWidget* dialog) { return dialog->findChild<QLineEdit*>("Edit1"); }

  // Types text into the dialog's field and presses Enter.
  static void Enter(QWidget* dialog, const char* text) {
    QTest::keyClicks(Edit1(dialog), text);
    QTest::keyClick(Edit1(dialog), Qt::Key_Return);
  }

  // The start-up: each entry in turn at each showing of the dialog, then
  // the port dialog, which the user closes.
  static bool Start(MainWindow& w, std::vector<const char*> entries) {
    w.window.show();
    auto typeNext = std::make_shared<std::function<void()>>();
    auto remaining = std::make_shared<std::vector<const char*>>(std::move(entries));
    // The chain holds itself only weakly (a strong self-capture is a cycle
    // that never frees); the local typeNext lives through every dialog,
    // since all of them open inside Start().
    std::weak_ptr<std::function<void()>> next = typeNext;
    *typeNext = [remaining, next] {
      WhenModal("TFPSW", [remaining, next](QWidget* d) {
        QCOMPARE(d->windowTitle(), QString("Введите пароль и нажмите  <ENTER>"));
        QVERIFY(!d->findChild<QLabel*>("Label1")->isVisible());
        QCOMPARE(Edit1(d)->echoMode(), QLineEdit::Password);
        const char* text = remaining->front();
        remaining->erase(remaining->begin());
        if (!remaining->empty()) {
          if (const auto again = next.lock()) (*again)();
        }
        Enter(d, text);
      });
    };
    (*typeNext)();
    return w.window.Start();
  }

  static void PutPasswordFile(MainWindow& w, std::vector<char> bytes) {
    std::filesystem::create_directories(
        std::filesystem::path(w.form.Password().PasswordFile()).parent_path());
    std::ofstream(w.form.Password().PasswordFile(), std::ios::binary).write(bytes.data(), bytes.size());
  }

 private slots:
  void builtInPasswordGivesFullAccessThenThePortDialog() {
    MainWindow w;
    w.ports = {"/dev/ttyLUR-test"};
    WhenModal("TFormPort", [](QWidget* port) {
      QCOMPARE(port->findChild<QComboBox*>("CBoxPort")->currentText(), QString("/dev/ttyLUR-test"));
      port->close();
    });
    QVERIFY(Start(w, {"9362"}));
    QCOMPARE(w.config->Lur.FullAccess, 1);
    QVERIFY(w.window.findChild<QMenu*>("MParol")->isEnabled());
    QVERIFY(w.Texts().empty());
    QVERIFY(w.window.isVisible());
  }

  void anEmptyEntryGivesTheLimitedLevel() {
    MainWindow w;
    WhenModal("TFormPort", [](QWidget* port) { port->close(); });
    QVERIFY(Start(w, {""}));
    QCOMPARE(w.config->Lur.FullAccess, 0);
    QVERIFY(!w.window.findChild<QMenu*>("MParol")->isEnabled());
    // F8 still answers, with the refusal.
    w.Trigger("AParol");
    QCOMPARE(w.Texts(), std::vector<std::string>{"Ваш уровень доступа не позволяет\nменять пароль"});
  }

  void aWrongPasswordOffersRetryAndCancelEndsTheProgram() {
    MainWindow w;
    w.ui.script.answers = {MsgAnswer::Retry, MsgAnswer::Cancel};
    QVERIFY(!Start(w, {"1234", "9363"}));
    QCOMPARE(w.Texts(), (std::vector<std::string>{"Введенный пароль неверен", "Введенный пароль неверен"}));
    QCOMPARE(w.ui.script.shown[0].caption, std::string("Ошибка"));
    QCOMPARE(w.ui.script.shown[0].buttons, MsgButtons::RetryCancel);
    QVERIFY(!w.window.isVisible());
    QCOMPARE(w.config->Lur.FullAccess, 0);
  }

  void thePasswordFileReplacesTheBuiltInPassword() {
    MainWindow w;
    PutPasswordFile(w, {0x67, 0x12});  // 4711
    w.ui.script.answers = {MsgAnswer::Retry};
    WhenModal("TFormPort", [](QWidget* port) { port->close(); });
    QVERIFY(Start(w, {"9362", "4711"}));
    QCOMPARE(w.Texts(), std::vector<std::string>{"Введенный пароль неверен"});
    QCOMPARE(w.config->Lur.FullAccess, 1);
  }

  void onlyDigitsReachTheField() {
    MainWindow w;
    w.ui.script.answers = {MsgAnswer::Ok, MsgAnswer::Ok, MsgAnswer::Ok};
    WhenModal("TFPSW", [](QWidget* d) {
      QLineEdit* edit = Edit1(d);
      QTest::keyClicks(edit, "93");
      QTest::keyClick(edit, Qt::Key_A);  // a letter empties the field
      QCOMPARE(edit->text(), QString());
      QTest::keyClicks(edit, "93");
      QTest::keyClick(edit, Qt::Key_Exclam, Qt::ShiftModifier);  // Shift+1
      QCOMPARE(edit->text(), QString());
      QTest::keyClicks(edit, "93");
      QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);  // Ctrl+V
      QCOMPARE(edit->text(), QString());
      // Whatever is pasted by other means must be digits.
      QApplication::clipboard()->setText("12x4");
      edit->paste();
      QCOMPARE(edit->text(), QString());
      QApplication::clipboard()->setText("9362");
      edit->paste();
      QCOMPARE(edit->text(), QString("9362"));
      QTest::keyClicks(edit, "12");  // five characters at most
      QCOMPARE(edit->text(), QString("93621"));
      QTest::keyClick(edit, Qt::Key_Backspace);
      QCOMPARE(edit->text(), QString("9362"));
      QTest::keyClick(edit, Qt::Key_Return);
    });
    WhenModal("TFormPort", [](QWidget* port) { port->close(); });
    w.window.show();
    QVERIFY(w.window.Start());
    QCOMPARE(w.Texts(),
             (std::vector<std::string>{"Пароль - цифровой", "Пароль - цифровой", "Пароль - цифровой"}));
    QCOMPARE(w.config->Lur.FullAccess, 1);
  }

  void changingThePasswordWritesTheFile() {
    MainWindow w;
    w.config->Lur.FullAccess = 1;
    w.ui.script.answers = {MsgAnswer::Yes};
    WhenModal("TFPSW", [](QWidget* d) {
      QVERIFY(d->findChild<QLabel*>("Label1")->isVisible());
      QCOMPARE(d->findChild<QLabel*>("Label1")->text(), QString("Внимание! Замена пароля!"));
      QCOMPARE(Edit1(d)->text(), QString());
      Enter(d, "65535");
    });
    w.Trigger("AParol");
    QCOMPARE(w.Texts(), (std::vector<std::string>{"Будете менять пароль?", "Пароль заменен!"}));
    std::ifstream in(w.form.Password().PasswordFile(), std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    QCOMPARE(bytes, (std::vector<char>{char(0xFF), char(0xFF)}));

    // A number above 65535 is refused and the file stays.
    w.ui.script.shown.clear();
    w.ui.script.answers = {MsgAnswer::Yes};
    WhenModal("TFPSW", [](QWidget* d) { Enter(d, "70000"); });
    w.Trigger("AParol");
    QCOMPARE(w.Texts(), (std::vector<std::string>{"Будете менять пароль?", "Введите число не более 65535",
                                                  "Пароль не заменен"}));
    QCOMPARE(std::filesystem::file_size(w.form.Password().PasswordFile()), std::uintmax_t(2));
  }
};

}  // namespace lur

QTEST_MAIN(lur::PasswordTest)
#include "Password_qtest.moc"
