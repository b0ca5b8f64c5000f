// The discrete processing editor's window over its controller and a
// simulated controller: its actions, menus and controls, the schema as it is
// drawn, the mouse on the schema, and the in-place text edit.
#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QtTest>
#include <memory>

#include "WindowProbe.h"
#include "discrete/TDiscreteDialogs.h"
#include "discrete/TFormPrgDController.h"
#include "discrete/views/TFormPrgD.h"
#include "link/ScriptedPort.h"
#include "link/TComPortClass.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"
#include "session/TServAddressing.h"
#include "session/TSession.h"
#include "support/SimPort.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

using A = TFormPrgDAction;

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);

// Two discrete input modules, one analog (type 7), two relay output modules, the
// 12-cell display: 48 signals. Handlers: signal 0 signalling only, 3 a
// delay, 5 relay outputs, 7 all three blocks.
void Configure(TConfiguration& config) {
  TServClass::Identity id{};
  id[0] = 5;
  const std::array<std::uint8_t, 8> modules = {1, 1, 7, 3, 3, 0, 0, 0};
  std::copy(modules.begin(), modules.end(), id.begin() + 1);
  id[11] = 16;
  id[12] = 48;
  id[13] = 6;
  id[14] = 0;
  QVERIFY(config.Serv.SetIdentityFromBytes(id));
  config.Serv.MakeDefaultInputIds();
  config.Lur.FullAccess = 1;
  TProgLurClass& lur = config.Lur;
  lur.ClearRecs(0, 192);
  lur.SetTipS(0, 2 * 64);
  lur.SetNTabS(0, 4);
  lur.SetTimeZ(3, 5);
  lur.SetRecByte(5, 1, 0x05);
  lur.SetTipS(7, 1 * 64);
  lur.SetNTabS(7, 1);
  lur.SetTimeZ(7, 2);
  lur.SetDiskrZ(7, 0x40);
  lur.SetRecByte(7, 2, 0x80);
}

struct Editor {
  test::VirtualClock clock;
  test::SimPort line{clock};
  TScriptedUserInterface ui;
  TComPortClass link{line, clock};
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TServAddressing addressing{config->Serv};
  TSession session{*config, link, ui, addressing};
  TDiscreteDialogForms forms{session};
  // The dialogs as scripts: each counts its showings and applies `edit`.
  template <class F>
  struct Script : TModalWindow<F> {
    int shown = 0;
    std::function<void(F&)> edit;
    int ShowModal(F& form) override {
      ++shown;
      if (edit) edit(form);
      return kModalOk;
    }
  };
  Script<TFormCreatVhController> creatVh;
  Script<TFormSigController> sig;
  Script<TFormZaController> za;
  Script<TFormVyhController> vyh;
  Script<TFormVklController> vkl;
  Script<TFormTextController> text;
  Script<TFormVhController> vh;
  TDiscreteDialogWindows windows{creatVh, sig, za, vyh, vkl, text, vh};
  TEditorRegistry editors;
  std::unique_ptr<TFormPrgDController> form;
  std::unique_ptr<TFormPrgD> window;

  Editor() {
    link.PortName = "COM1";
    link.OpenPort();
    Configure(*config);
    form = std::make_unique<TFormPrgDController>(session, forms, windows, editors);
    window = std::make_unique<TFormPrgD>(*form, ui);
    window->resize(900, 500);
    config->Lur.PrgDShown = 0;
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
  }
  ~Editor() { window->hide(); }

  QAction* Action(A a) { return window->Action(a); }
  template <class T = QWidget>
  T* Child(const char* name) {
    auto* w = window->findChild<T*>(name);
    if (!w) qWarning("no child %s", name);
    return w;
  }
  const TSchemaRow& Row(int p) { return form->Layout().rows.at(static_cast<std::size_t>(p)); }
  // A point of the schema's content as the viewport shows it.
  QPoint InViewport(QPoint content) {
    return window->Schema()->mapTo(window->ScrollBox()->viewport(), content);
  }
  void Click(QPoint content, Qt::KeyboardModifiers keys = {}, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* viewport = window->ScrollBox()->viewport();
    QPoint at = InViewport(content);
    QWidget* target = viewport->childAt(at);
    if (!target) target = viewport;
    QTest::mouseClick(target, button, keys, target->mapFrom(viewport, at));
  }
  void DoubleClick(QPoint content) {
    QWidget* viewport = window->ScrollBox()->viewport();
    QPoint at = InViewport(content);
    QWidget* target = viewport->childAt(at);
    if (!target) target = viewport;
    QTest::mouseDClick(target, Qt::LeftButton, {}, target->mapFrom(viewport, at));
  }
  static QPoint Centre(const TSchemaRect& r) { return {r.x + r.w / 2, r.y + r.h / 2}; }
  QImage Schema() { return test::Render(window->Schema()); }
};

QStringList MenuNames(const QMenu* menu) {
  QStringList names;
  for (const QAction* a : menu->actions()) names << (a->isSeparator() ? QString("-") : a->objectName());
  return names;
}

}  // namespace

class FormPrgDTest : public QObject {
  Q_OBJECT

 private slots:
  void actionsHaveTheirCaptionsKeysAndPlaces() {
    Editor e;
    struct Expect {
      A action;
      const char* name;
      const char* caption;
      const char* keys;
    };
    const Expect expected[] = {
        {A::AInPort, "AInPort", "Ввод с СОМ-порта", "F9"},
        {A::AOutPort, "AOutPort", "Вывод на СОМ-порт", "F10"},
        {A::AVhod, "AVhod", "Создать обработчик входа", ""},
        {A::ABSign, "ABSign", "Добавить блок сигнализации", ""},
        {A::ABZader, "ABZader", "Добавить блок задержки", ""},
        {A::ABVyh, "ABVyh", "Добавить  выход на реле", ""},
        {A::AText, "AText", "Ввод текст. реквизитов", ""},
        {A::ASign, "ASign", "Редактировать сигнализацию", ""},
        {A::AZader, "AZader", "Редактировать задержку", ""},
        {A::ABlVyh, "ABlVyh", "Редактировать выход на реле", ""},
        {A::AFB, "AFB", "Функц. блоки", ""},
        {A::AId, "AId", "Редактировать идентификатор входа", ""},
        {A::ADelSign, "ADelSign", "Удалить сигнализацию", ""},
        {A::ADelZader, "ADelZader", "Удалить задержку", ""},
        {A::ADelVyh, "ADelVyh", "Удалить выход на реле", ""},
        {A::AArhiv, "AArhiv", "Архивирование", ""},
        {A::AInfAnalog, "AInfAnalog", "Информация о входе", ""},
        {A::ANomerVh, "ANomerVh", "Поиск обработчика входа по номеру в базе", "Ctrl+F"},
        {A::AInfVyh, "AInfVyh", "Информация о дискретном выходе", ""},
        {A::ACut, "ACut", "Вырезать", "Ctrl+X"},
        {A::ACopy, "ACopy", "Копировать", "Ctrl+C"},
        {A::AChange, "AChange", "Заменить паспорт входа", ""},
        {A::ADelChoose, "ADelChoose", "Удалить", "Del"},
        {A::AInsertPaspGroup, "AInsertPaspGroup", "Вставить", "Ctrl+V"},
        {A::AInsertPaspGroupFrom, "AInsertPaspGroupFrom", "Вставить/заменить,  начиная c... ", "Ctrl+Alt+V"},
        {A::AChooseAll, "AChooseAll", "Выделить все", "Ctrl+A"},
        {A::AOpenFile, "AOpenFile", "Открыть файл конфигурации", "F3"},
        {A::AClose, "AClose", "Выход", "Alt+X"},
        {A::ASaveFile, "ASaveFile", "Сохранить как ...", "F2"},
        {A::ACreatFile, "ACreatFile", "Создание файла конфигурации", "F4"},
        {A::AParol, "AParol", "Замена пароля", "F8"},
        {A::APort, "APort", "Настройка СОМ порта", ""},
    };
    QCOMPARE(std::size(expected), static_cast<std::size_t>(A::Count));
    for (const Expect& x : expected) {
      QAction* action = e.window->findChild<QAction*>(x.name);
      QVERIFY2(action, x.name);
      QCOMPARE(action, e.Action(x.action));
      QCOMPARE(action->text(), QString(x.caption));
      QCOMPARE(action->shortcut().toString(), QString(x.keys));
      // Every key works without a menu showing its action.
      QVERIFY2(e.window->actions().contains(action), x.name);
    }

    auto* bar = e.Child<QMenuBar>("MainMenu1");
    QVERIFY(bar);
    QStringList titles;
    std::vector<QStringList> items;
    for (QAction* m : bar->actions()) {
      titles << m->text();
      items.push_back(MenuNames(m->menu()));
    }
    QCOMPARE(titles, QStringList({"   Порт", "       Создание элементов схемы",
                                  "              Программирование        "}));
    QCOMPARE(items[0], QStringList({"AInPort", "AOutPort"}));
    QCOMPARE(items[1], QStringList({"AVhod", "ABSign", "ABZader", "ABVyh"}));
    QCOMPARE(items[2], QStringList({"AText", "ASign", "AZader", "ABlVyh", "AFB"}));

    auto* tools = e.Child<QToolBar>("ToolBar1");
    QVERIFY(tools);
    QStringList toolNames;
    for (QAction* a : tools->actions()) toolNames << a->objectName();
    QCOMPARE(toolNames, QStringList({"AInPort", "AOutPort", "AVhod", "ABSign", "ABZader", "ABVyh", "AText", "ASign",
                                     "AZader", "ABlVyh", "AFB"}));

    QCOMPARE(MenuNames(e.window->RowMenu()),
             QStringList({"ACut", "ACopy", "AChange", "ADelChoose", "-", "ABSign", "ASign", "ADelSign", "-",
                          "ABZader", "AZader", "ADelZader", "-", "ABVyh", "ABlVyh", "ADelVyh", "-", "AText",
                          "AArhiv", "-", "AInfAnalog"}));
    QCOMPARE(MenuNames(e.window->SchemaMenu()),
             QStringList({"AVhod", "-", "AInsertPaspGroupFrom", "AInsertPaspGroup", "-", "ANomerVh", "-",
                          "AChooseAll"}));
  }

  void controlsShowTheConfiguration() {
    Editor e;
    QCOMPARE(e.window->objectName(), QString("TFormPrgD"));
    QCOMPARE(e.window->windowTitle(), QString::fromStdString(e.form->Caption()));
    QCOMPARE(e.Child<QLabel>("Label1")->text(), QString(" Исполнение"));
    auto* editModif = e.Child<QLineEdit>("EditModif");
    QVERIFY(editModif->isReadOnly());
    QCOMPARE(editModif->text(), QString("11733000"));
    QCOMPARE(e.Child<QLabel>("Label11")->text(), QString("Тип модуля индикации"));
    QCOMPARE(e.Child<QLabel>("TipModInd")->text(), QString("12+ЖКИ(4х20)"));
    QCOMPARE(e.Child<QPushButton>("InformButMR")->text(), QString("Дискретные выходы"));
    QCOMPARE(e.Child<QPushButton>("Button1")->text(), QString("Печать"));
    QVERIFY(e.Child<QScrollArea>("ScrollBox1")->isVisible());
    auto* editText = e.Child<QLineEdit>("EditText");
    QCOMPARE(editText->maxLength(), 14);
    for (const char* hidden : {"LabelFile", "ProgressBar1", "EditText", "ButAssignConfig", "Contr", "Button2"}) {
      QVERIFY2(!e.Child(hidden)->isVisible(), hidden);
    }
    for (const char* column : {"ShVh1", "ShVyh1"}) {
      QCOMPARE(e.Child(column)->height(), e.form->Layout().columnHeight);
    }

    // Shown again in file mode: the file label appears.
    e.window->hide();
    e.config->Serv.FileMode = 1;
    e.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(e.window.get()));
    QVERIFY(e.Child<QLabel>("LabelFile")->isVisible());
    QCOMPARE(e.Child<QLabel>("LabelFile")->text(), QString("Режим работы с файлом"));
  }

  void rowsAreDrawnAtTheirPlaces() {
    Editor e;
    const auto& rows = e.form->Layout().rows;
    QCOMPARE(rows.size(), std::size_t(4));
    QWidget* schema = e.window->Schema();
    const QImage image = e.Schema();
    for (int p : {0, 3}) {
      const TSchemaRow& row = e.Row(p);
      const int top = p * TSchemaRow::kHeight;
      QCOMPARE(row.band.y, top);
      auto* number = qobject_cast<QLabel*>(schema->childAt(row.numberLabel.x + 4, row.numberLabel.y + 4));
      QVERIFY(number);
      QCOMPARE(number->geometry(), QRect(2, top + 1, 202, row.numberLabel.h));
      QCOMPARE(number->text(), QString::fromStdString(row.numberText));
      QCOMPARE(number->font().family(), QString("Arial"));
      auto* text = qobject_cast<QLabel*>(schema->childAt(row.textLabel.x + 4, row.textLabel.y + row.textLabel.h / 2));
      QVERIFY(text);
      QCOMPARE(text->geometry().topLeft(), QPoint(1, top + 19));
      QCOMPARE(text->width(), 202);
      QCOMPARE(text->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));
      // Each block's widget covers its rectangle; its marker sits on the line.
      for (const TSchemaRect* block : {&row.sign, &row.zader, &row.mrPanel}) {
        if (block->w == 0) continue;
        QWidget* w = schema->childAt(Editor::Centre(*block));
        QVERIFY(w);
        while (w->parentWidget() != schema) w = w->parentWidget();
        QCOMPARE(w->geometry(), QRect(block->x, block->y, block->w, block->h));
        const QPoint marker(block->x - 7 + 4, row.line.y - 4 + 4);
        QVERIFY2(test::PixelIs(image, marker, QColor(0x80, 0x80, 0x00), 40),
                 qPrintable(QString("marker of row %1 at x %2").arg(p).arg(block->x)));
      }
    }
    // Row 3 (signal 7) has all three blocks at their columns; row 0 only
    // signalling, which ends its line.
    QCOMPARE(e.Row(3).sign.x, 402);
    QCOMPARE(e.Row(3).zader.x, 522);
    QCOMPARE(e.Row(3).mrPanel.x, 622);
    QCOMPARE(e.Row(3).line.x + e.Row(3).line.w, 622);
    QCOMPARE(e.Row(0).line.x + e.Row(0).line.w, 402);
    QCOMPARE(e.Row(3).markers.size(), std::size_t(3));
  }

  void selectedRowsAreSkyBlue() {
    Editor e;
    auto bandPoint = [&](int p) { return QPoint(300, p * TSchemaRow::kHeight + TSchemaRow::kHeight - 3); };
    auto blue = [&](int p) { return test::PixelIs(e.Schema(), bandPoint(p), kSkyBlue); };
    QVERIFY(!blue(0) && !blue(1) && !blue(2));

    e.Click(Editor::Centre(e.Row(1).inputPanel));
    QCOMPARE(e.config->Lur.CurPos, 1);
    QVERIFY(blue(1));
    QVERIFY(!blue(0) && !blue(2));

    e.Click(Editor::Centre(e.Row(3).inputPanel), Qt::ControlModifier);
    QVERIFY(blue(1) && blue(3));
    QVERIFY(!blue(0) && !blue(2));

    // A click below the last row drops the selection.
    e.Click(QPoint(300, 4 * TSchemaRow::kHeight + 10));
    QCOMPARE(e.config->Lur.CurPos, -1);
    QVERIFY(!blue(1) && !blue(3));
  }

  void lineFollowsTheBlocks() {
    Editor e;
    // Row 1 (signal 3): a delay block only.
    e.Click(Editor::Centre(e.Row(1).inputPanel));
    QCOMPARE(e.Row(1).line.x + e.Row(1).line.w, 522);
    e.vyh.edit = [](TFormVyhController& f) { f.OutputClick(0, 2); };
    e.Action(A::ABVyh)->trigger();
    QCOMPARE(e.vyh.shown, 1);
    QCOMPARE(e.config->Lur.GetRecByte(3, 1), 0x04);
    QCOMPARE(e.Row(1).line.x + e.Row(1).line.w, 622);
    QCOMPARE(e.Row(1).markers.size(), std::size_t(2));
    QWidget* mr = e.window->Schema()->childAt(Editor::Centre(e.Row(1).mrPanel));
    QVERIFY(mr && mr->isVisible());

    e.Action(A::ADelVyh)->trigger();
    QCOMPARE(e.config->Lur.GetRecByte(3, 1), 0);
    QCOMPARE(e.Row(1).line.x + e.Row(1).line.w, 522);
    QCOMPARE(e.Row(1).markers.size(), std::size_t(1));
    // The relay block's place is background again.
    QWidget* gone = e.window->Schema()->childAt(Editor::Centre(e.Row(1).mrPanel));
    QVERIFY(!gone || gone == e.window->Schema() || !gone->isVisible());
  }

  void doubleClicksOpenTheirDialogs() {
    Editor e;
    e.DoubleClick(Editor::Centre(e.Row(3).sign));
    QCOMPARE(e.sig.shown, 1);
    QCOMPARE(e.config->Lur.CurPos, 3);
    e.DoubleClick(Editor::Centre(e.Row(3).zader));
    QCOMPARE(e.za.shown, 1);
    e.DoubleClick(Editor::Centre(e.Row(2).mrPanel));
    QCOMPARE(e.vyh.shown, 1);
    QCOMPARE(e.config->Lur.CurPos, 2);
    QCOMPARE(e.sig.shown + e.za.shown, 2);
  }

  void rightClickOpensTheMenuItNames() {
    Editor e;
    e.Click(Editor::Centre(e.Row(0).inputPanel));
    e.Click(Editor::Centre(e.Row(0).inputPanel), {}, Qt::RightButton);
    QTRY_VERIFY(e.window->RowMenu()->isVisible());
    // One row with signalling only: its block items follow it.
    QVERIFY(!e.Action(A::ABSign)->isEnabled());
    QVERIFY(e.Action(A::ASign)->isEnabled());
    QVERIFY(e.Action(A::ABZader)->isEnabled());
    QVERIFY(!e.Action(A::AZader)->isEnabled());
    e.window->RowMenu()->hide();

    e.Click(QPoint(300, 4 * TSchemaRow::kHeight + 10), {}, Qt::RightButton);
    QTRY_VERIFY(e.window->SchemaMenu()->isVisible());
    QVERIFY(!e.window->RowMenu()->isVisible());
    e.window->SchemaMenu()->hide();
  }

  void wheelScrollsTenPixelsPerNotch() {
    Editor e;
    e.window->resize(900, 260);
    QScrollBar* bar = e.window->ScrollBox()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 30);
    bar->setValue(0);
    QWidget* viewport = e.window->ScrollBox()->viewport();
    const QPointF at(300, 20);
    QWheelEvent down(at, viewport->mapToGlobal(at), {}, {0, -240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &down);
    QCOMPARE(bar->value(), 20);
    QWheelEvent up(at, viewport->mapToGlobal(at), {}, {0, 120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &up);
    QCOMPARE(bar->value(), 10);
  }

  void rowButtonsWriteContactAndArchiving() {
    Editor e;
    QWidget* schema = e.window->Schema();
    auto* contact = qobject_cast<QAbstractButton*>(schema->childAt(Editor::Centre(e.Row(1).contactButton)));
    auto* archive = qobject_cast<QAbstractButton*>(schema->childAt(Editor::Centre(e.Row(1).archiveButton)));
    QVERIFY(contact && archive);
    QVERIFY(contact->isEnabled() && archive->isEnabled());
    QCOMPARE(archive->toolTip(), QString("Архивирование"));
    // The buttons show the record, and a click flips the record's bit.
    const bool contactWas = e.config->Lur.GetTipK(3) != 0;
    QCOMPARE(contact->isChecked(), contactWas);
    QCOMPARE(archive->isChecked(), e.config->Lur.GetArh(3) != 0);
    QVERIFY(!archive->isChecked());

    e.Click(Editor::Centre(e.Row(1).contactButton));
    QCOMPARE(e.config->Lur.GetTipK(3), contactWas ? 0 : 0x20);
    QCOMPARE(contact->isChecked(), !contactWas);
    QCOMPARE(e.config->Lur.CurPos, 1);  // the click selects its row too
    e.Click(Editor::Centre(e.Row(1).archiveButton));
    QCOMPARE(e.config->Lur.GetArh(3), 0x80);
    QVERIFY(archive->isChecked());
    e.Click(Editor::Centre(e.Row(1).contactButton));
    QCOMPARE(e.config->Lur.GetTipK(3), contactWas ? 0x20 : 0);
    QCOMPARE(contact->isChecked(), contactWas);
    QCOMPARE(e.config->Lur.GetArh(3), 0x80);
  }

  void aFoundRowIsScrolledToOnce() {
    Editor e;
    e.window->resize(900, 230);
    QScrollBar* bar = e.window->ScrollBox()->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 54);
    bar->setValue(0);
    e.vh.edit = [](TFormVhController& f) { f.editNVh = "8"; };  // signal 7, the last row
    e.Action(A::ANomerVh)->trigger();
    QCOMPARE(e.config->Lur.CurPos, 3);
    const QRect viewport = e.window->ScrollBox()->viewport()->rect();
    QVERIFY(viewport.contains(e.InViewport(QPoint(300, 3 * TSchemaRow::kHeight + 2))));
    QVERIFY(viewport.contains(e.InViewport(QPoint(300, 4 * TSchemaRow::kHeight - 2))));

    // The user scrolls back up and clicks the first row: the schema stays.
    bar->setValue(0);
    e.Click(Editor::Centre(e.Row(0).inputPanel));
    QCOMPARE(e.config->Lur.CurPos, 0);
    QCOMPARE(bar->value(), 0);
  }

  void closingWithChangesAsksAndCancelKeepsTheWindow() {
    Editor e;
    e.config->Lur.FullAccess = 1;
    e.config->Lur.SetArh(3, 0x80);
    e.config->Lur.DiskrModified = 1;
    const auto edited = e.config->Lur.GetRecords();
    e.ui.answers = {MsgAnswer::Cancel};
    e.Action(A::AClose)->trigger();
    QVERIFY(e.window->isVisible());
    QCOMPARE(e.ui.shown.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(e.ui.shown[0].text), QString("Данные были изменены. Передать в прибор?"));
    // The close box asks the same; No puts the last read or written records back.
    e.ui.answers = {MsgAnswer::No};
    e.window->close();
    QVERIFY(!e.window->isVisible());
    QCOMPARE(e.ui.shown.size(), std::size_t(2));
    QVERIFY(e.config->Lur.GetRecords() != edited);
    QCOMPARE(e.config->Lur.DiskrModified, 0);
    QVERIFY(e.line.requests.empty());
  }

  void inPlaceTextEditCommitsToTheClickedRow() {
    Editor e;
    e.config->Serv.FileMode = 1;  // nothing to send; the text lands in memory
    const std::array<A, 5> groupKeys = {A::ADelChoose, A::ACopy, A::AInsertPaspGroup, A::AChooseAll, A::ACut};
    auto* editText = e.Child<QLineEdit>("EditText");

    e.DoubleClick(Editor::Centre(e.Row(2).textLabel));  // row 2 shows signal 5
    QVERIFY(editText->isVisible());
    QCOMPARE(editText->geometry().topLeft(), QPoint(e.Row(2).textLabel.x, e.Row(2).textLabel.y - 4));
    QTRY_VERIFY(editText->hasFocus());
    for (A a : groupKeys) QVERIFY(e.Action(a)->shortcut().isEmpty());
    // No pop-up menu while the field is open.
    e.Click(Editor::Centre(e.Row(2).band), {}, Qt::RightButton);
    QTest::qWait(20);
    QVERIFY(!e.window->RowMenu()->isVisible() && !e.window->SchemaMenu()->isVisible());

    // Escape is no way out of the editor.
    QTest::keyClick(editText, Qt::Key_Escape);
    QVERIFY(e.window->isVisible() && editText->isVisible());
    editText->selectAll();
    QTest::keyClick(editText, Qt::Key_Delete);
    // Typed as a Cyrillic keyboard would: keys that carry their letters.
    for (const QChar c : QString("Насос 2")) {
      QKeyEvent press(QEvent::KeyPress, c.isDigit() ? Qt::Key_2 : c == ' ' ? Qt::Key_Space : Qt::Key_unknown,
                      Qt::NoModifier, QString(c));
      QApplication::sendEvent(editText, &press);
      QKeyEvent release(QEvent::KeyRelease, press.key(), Qt::NoModifier, QString(c));
      QApplication::sendEvent(editText, &release);
    }
    QCOMPARE(editText->text(), QString("Насос 2"));
    // Del is the field's own while it is open, not the group delete.
    QTest::keyClick(editText, Qt::Key_Left);
    QTest::keyClick(editText, Qt::Key_Delete);
    QCOMPARE(editText->text(), QString("Насос "));
    QCOMPARE(e.ui.shown.size(), std::size_t(0));
    // Clicking another row moves the focus away: the text goes to signal 5,
    // whichever row is current by then.
    e.Click(Editor::Centre(e.Row(0).inputPanel));
    QTRY_VERIFY(!editText->isVisible());
    QCOMPARE(QString::fromStdString(Cp1251ToUtf8(e.config->Serv.GetInputText(5))).trimmed(), QString("Насос"));
    QVERIFY(QString::fromStdString(e.Row(2).text).contains("Насос"));
    QCOMPARE(e.config->Lur.CurPos, 0);
    for (A a : groupKeys) {
      QCOMPARE(e.Action(a)->shortcut().toString(),
               QString::fromUtf8(ActionText(a).shortcut.data(), static_cast<qsizetype>(ActionText(a).shortcut.size())));
    }

    // Closing the window with the field open keeps what was typed.
    e.DoubleClick(Editor::Centre(e.Row(1).textLabel));  // signal 3
    QTRY_VERIFY(editText->hasFocus());
    editText->selectAll();
    QTest::keyClicks(editText, "AB");
    e.Action(A::AClose)->trigger();
    QVERIFY(!e.window->isVisible());
    QCOMPARE(QString::fromStdString(e.config->Serv.GetInputText(3)).trimmed(), QString("AB"));
  }
};

}  // namespace lur

QTEST_MAIN(lur::FormPrgDTest)
#include "FormPrgD_qtest.moc"
