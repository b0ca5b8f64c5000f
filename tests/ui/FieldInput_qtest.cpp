#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include "WindowProbe.h"
#include "shell/ModalDriver.h"
#include "ui/TQtFieldErrors.h"
#include "ui/TQtFieldInput.h"
#include "ui/TQtUserInterface.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {

using test::WhenModal;

namespace {

// A dialog with two fields in a row and a button, at fixed places.
struct Form {
  QDialog dialog;
  QLineEdit* first = new QLineEdit(&dialog);
  QLineEdit* second = new QLineEdit(&dialog);
  QPushButton* ok = new QPushButton("OK", &dialog);

  explicit Form(const char* dialogName = "TFormTest") {
    dialog.setObjectName(dialogName);
    dialog.resize(320, 160);
    first->setObjectName("EditT");
    first->setGeometry(40, 30, 100, 24);
    second->setObjectName("EditAdrT");
    second->setGeometry(160, 30, 100, 24);
    ok->setObjectName("OK");
    ok->setGeometry(120, 110, 80, 28);
  }
  void Show() {
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    first->setFocus();
  }
};

// Whether the field's filter stops a drop of `text` (a drop event reaches
// a widget only from a drag under way, so it is handed to the filter).
bool DropStopped(QObject* filter, QLineEdit* edit, const QString& text) {
  QMimeData data;
  data.setText(text);
  QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  return filter->eventFilter(edit, &drop);
}

void Type(QWidget* to, int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(to, &press);
}

const std::vector<TFieldError> kNone;

TFieldError At(const char* field) { return {field, " Ошибка ввода "}; }

}  // namespace

class FieldInput : public QObject {
  Q_OBJECT

 private slots:
  void integerFieldTakesDigitsAndEditingKeys() {
    Form f;
    TScriptedUserInterface ui;
    TQtFieldInput::Bind(f.first, TFieldKind::Integer, ui);
    QTest::keyClicks(f.first, "12");
    QTest::keyClick(f.first, Qt::Key_3, Qt::KeypadModifier);
    QTest::keyClick(f.first, Qt::Key_Left);
    QTest::keyClick(f.first, Qt::Key_Backspace);
    QCOMPARE(f.first->text(), QString("13"));
    QCOMPARE(ui.inputErrors, kNone);

    // A letter, a minus, a blank and Shift with a digit are refused, each
    // with the input error of the field; the text stays.
    QTest::keyClick(f.first, Qt::Key_A);
    QTest::keyClick(f.first, Qt::Key_Minus);
    QTest::keyClick(f.first, Qt::Key_Space);
    QTest::keyClick(f.first, Qt::Key_Exclam, Qt::ShiftModifier);
    QCOMPARE(f.first->text(), QString("13"));
    QCOMPARE(ui.inputErrors, (std::vector<TFieldError>(4, At("EditT"))));

    // Letters with Ctrl are the field's own commands: select all, then cut.
    ui.inputErrors.clear();
    QTest::keyClick(f.first, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(f.first, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(f.first->text(), QString());
    QCOMPARE(QApplication::clipboard()->text(), QString("13"));
    QCOMPARE(ui.inputErrors, kNone);
  }

  void enterMovesOnOnlyFromAFieldWithText() {
    Form f;
    TScriptedUserInterface ui;
    TQtFieldInput::Bind(f.first, TFieldKind::Integer, ui);
    f.Show();
    QCOMPARE(QApplication::focusWidget(), f.first);
    QTest::keyClick(f.first, Qt::Key_Return);
    QCOMPARE(ui.inputErrors, std::vector<TFieldError>{At("EditT")});
    QCOMPARE(QApplication::focusWidget(), f.first);

    QTest::keyClick(f.first, Qt::Key_7);
    QTest::keyClick(f.first, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(QApplication::focusWidget(), f.second);
    QCOMPARE(ui.inputErrors.size(), std::size_t{1});
    QVERIFY(f.dialog.isVisible());  // Enter did not reach the dialog's default button

    // Tab is the window's, never an input error.
    f.first->setFocus();
    QTest::keyClick(f.first, Qt::Key_Tab);
    QCOMPARE(ui.inputErrors.size(), std::size_t{1});
  }

  void pastedAndDroppedTextPassesTheSameFilter() {
    Form f;
    TScriptedUserInterface ui;
    QObject* filter = TQtFieldInput::Bind(f.first, TFieldKind::Integer, ui);
    f.first->setText("1");
    f.first->end(false);

    QApplication::clipboard()->setText("2x");
    QTest::keyClick(f.first, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.first->text(), QString("1"));
    QCOMPARE(ui.inputErrors, std::vector<TFieldError>{At("EditT")});

    QApplication::clipboard()->setText("23");
    QTest::keyClick(f.first, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(f.first->text(), QString("123"));

    // Shift+Insert is not among the keys of an integer field.
    QTest::keyClick(f.first, Qt::Key_Insert, Qt::ShiftModifier);
    QCOMPARE(f.first->text(), QString("123"));
    QCOMPARE(ui.inputErrors.size(), std::size_t{2});

    QVERIFY(DropStopped(filter, f.first, "4-5"));
    QCOMPARE(ui.inputErrors.size(), std::size_t{3});
    QVERIFY(!DropStopped(filter, f.first, "45"));
    QCOMPARE(ui.inputErrors.size(), std::size_t{3});

    // The context menu's paste has no key: the field refuses quietly.
    const QString before = f.first->text();
    QApplication::clipboard()->setText("9;");
    f.first->paste();
    QCOMPARE(f.first->text(), before);
  }

  void eachKindKeepsItsCharacters() {
    Form f;
    TScriptedUserInterface ui;
    TQtFieldInput::Bind(f.first, TFieldKind::Hexadecimal, ui);
    TQtFieldInput::Bind(f.second, TFieldKind::Real, ui);
    QTest::keyClicks(f.first, "1aF");
    QTest::keyClick(f.first, Qt::Key_G);
    QCOMPARE(f.first->text(), QString("1aF"));
    QCOMPARE(ui.inputErrors, std::vector<TFieldError>{At("EditT")});

    // A real field takes signs, commas and letters; only Shift with a digit
    // is refused, on either layout.
    ui.inputErrors.clear();
    QTest::keyClicks(f.second, "-12,5e");
    QTest::keyClick(f.second, Qt::Key_Percent, Qt::ShiftModifier);
    Type(f.second, 0x2116, "№", Qt::ShiftModifier);  // Shift+3 on the Russian layout
    QCOMPARE(f.second->text(), QString("-12,5e"));
    QCOMPARE(ui.inputErrors, (std::vector<TFieldError>(2, At("EditAdrT"))));

    // A text field takes any character with a Windows-1251 form.
    QLineEdit text(&f.dialog);
    text.setObjectName("EditText");
    TQtFieldInput::Bind(&text, TFieldKind::Text, ui);
    ui.inputErrors.clear();
    Type(&text, 0x416, "Ж");
    Type(&text, Qt::Key_Exclam, "!", Qt::ShiftModifier);
    Type(&text, 0x65E5, "日");
    QCOMPARE(text.text(), QString("Ж!"));
    QApplication::clipboard()->setText("Насос 😀");
    QTest::keyClick(&text, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text.text(), QString("Ж!"));
    QApplication::clipboard()->setText(" Насос №1");
    QTest::keyClick(&text, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text.text(), QString("Ж! Насос №1"));
    QCOMPARE(ui.inputErrors, (std::vector<TFieldError>(2, At("EditText"))));
  }

  void inputErrorBoxOverAFieldFlashedRed() {
    Form f;
    TQtUserInterface ui(&f.dialog);
    TQtFieldInput::Bind(f.first, TFieldKind::Integer, ui);
    f.Show();
    const QPoint middle(f.first->width() / 2, f.first->height() / 2);
    bool boxSeen = false;
    WhenModal("MessageBox", [&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      QVERIFY(box);
      // Closed whatever the checks find, so a failure cannot hang the test.
      auto close = qScopeGuard([box] { box->button(QMessageBox::Ok)->click(); });
      QCOMPARE(box->text(), QString(" Ошибка ввода "));
      QCOMPARE(box->windowTitle(), QString("Ошибка"));
      QCOMPARE(box->icon(), QMessageBox::Critical);
      QVERIFY(box->isModal());
      QVERIFY(test::PixelIs(test::Render(f.first), middle, Qt::red));
      boxSeen = true;
    });
    QTest::keyClick(f.first, Qt::Key_Q);
    QVERIFY(boxSeen);
    QVERIFY(test::PixelIs(test::Render(f.first), middle, Qt::white));
    QCOMPARE(f.first->text(), QString());
  }

  void inlineMarkerBesideTheFieldOfTheOpenDialog() {
    // Another window has a field of the same name; the error goes to the
    // dialog the user works in.
    Form other("TFormOther");
    other.Show();
    Form f;
    TQtUserInterface ui;
    QLabel* marker = nullptr;
    WhenModal("TFormTest", [&](QWidget*) {
      auto close = qScopeGuard([&] { f.dialog.accept(); });
      ui.InlineError("EditAdrT", "Вне диапазона 1 - 10");
      marker = f.dialog.findChild<QLabel*>("ErrorText");
      QVERIFY(marker);
      QVERIFY(marker->isVisible());
      QCOMPARE(marker->text(), QString("Вне диапазона 1 - 10"));
      // top = field bottom - 5, left = field left - 15
      QCOMPARE(marker->pos(), QPoint(160 - 15, 30 + 24 - 5));
      // The text is drawn there, over the field's lower edge.
      const QImage shot = test::Render(&f.dialog);
      const QColor ink = marker->palette().color(QPalette::WindowText);
      QVERIFY(test::ColourShare(shot, test::RectIn(marker, &f.dialog), ink, 60) > 0.02);
      QCOMPARE(other.dialog.findChild<QLabel*>("ErrorText"), nullptr);

      // The mouse over it hides it.
      QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
      QApplication::sendEvent(marker, &enter);
      QVERIFY(!marker->isVisible());

      // Shown again with the default text, at the other field.
      ui.InlineError("EditT");
      QCOMPARE(marker->text(), QString(" Ошибка ввода "));
      QCOMPARE(marker->pos(), QPoint(40 - 15, 30 + 24 - 5));
      QCOMPARE(f.dialog.findChildren<QLabel*>("ErrorText").size(), 1);
    });
    f.dialog.exec();
    QVERIFY(marker);
  }

  void markerOfAFieldAtTheLeftEdgeStaysInside() {
    Form f;
    f.first->move(5, 2);
    f.dialog.show();
    ShowErrorMarker(f.first, "x");
    QCOMPARE(ErrorMarker(&f.dialog)->pos(), QPoint(0, 2 + 24 - 5));
  }

  void withoutAFieldTheBoxAlone() {
    QDialog d;
    d.setObjectName("TFormTest");
    TQtUserInterface ui(&d);
    bool boxSeen = false;
    WhenModal("MessageBox", [&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      QVERIFY(box);
      auto close = qScopeGuard([box] { box->button(QMessageBox::Ok)->click(); });
      QCOMPARE(box->text(), QString(" Ошибка ввода "));
      boxSeen = true;
    });
    ui.InlineError("NoSuchField");
    QVERIFY(boxSeen);
  }
};

}  // namespace lur

QTEST_MAIN(lur::FieldInput)
#include "FieldInput_qtest.moc"
