#pragma once
// The main window as the program builds it, for QtTest: the real TForm1,
// its dialogs and the Qt serial port, with a user who answers message boxes
// and file dialogs from a script while the real ProgressBar1 moves.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QtTest>
#include <filesystem>
#include <memory>
#include <string>

#include "link/TComPortClass.h"
#include "link/TQtSerialPort.h"
#include "link/TQtWaiter.h"
#include "model/TConfiguration.h"
#include "session/TEditorRegistry.h"
#include "shell/TForm1Controller.h"
#include "shell/TMainState.h"
#include "shell/TPortSettingsFlow.h"
#include "shell/views/TForm1.h"
#include "shell/views/TQtSettingsDialogs.h"
#include "ui/TQtUserInterface.h"
#include "ui/TScriptedUserInterface.h"

namespace lur::test {

// Boxes and file choices from the script; the progress bar is the window's.
class ScriptedQtUserInterface : public TQtUserInterface {
 public:
  MsgAnswer Message(const TMessage& message) override { return script.Message(message); }
  std::optional<std::string> ChooseFile(const TFileChoice& choice) override {
    return script.ChooseFile(choice);
  }
  TScriptedUserInterface script;
};

// A folder of its own for files and the password file.
struct ScratchDir {
  std::filesystem::path path;
  ScratchDir() {
    char name[] = "/tmp/lurwin-XXXXXX";
    path = mkdtemp(name) ? name : "/tmp";
  }
  ~ScratchDir() {
    std::error_code ec;
    if (path != "/tmp") std::filesystem::remove_all(path, ec);
  }
  std::string File(const std::string& name) const { return (path / name).string(); }
};

struct MainWindow {
  ScratchDir dir;
  std::unique_ptr<TConfiguration> config = std::make_unique<TConfiguration>();
  TMainState state;
  TQtWaiter waiter;
  TQtSerialPort serial{waiter};
  ScriptedQtUserInterface ui;
  TComPortClass link{serial, waiter};
  TEditorRegistry editors;
  TForm1Controller form{*config, link, ui, state, editors, dir.File("config/FParol.dat")};
  TForm1 window{form};
  TQtSettingsDialogs dialogs{&window};
  std::vector<std::string> ports;
  TPortSettingsFlow flow{link, ui, dialogs.Dialogs(), [this] { return ports; }};

  MainWindow() {
    ui.SetParent(&window);
    ui.SetProgressBar(window.ProgressBar());
    dialogs.SetFlow(&flow);
    window.SetSettings(flow);
  }
  ~MainWindow() { link.ClosePort(); }

  // The port confirmed as the user would (defaults: 9600 8N2).
  bool OpenPort(const std::string& path) {
    link.PortName = path;
    return link.OpenPort() == 0;
  }

  // Controls of the window itself (its dialogs have controls of the same
  // names).
  template <typename T = QWidget>
  T* Child(const char* name) {
    auto* w = window.centralWidget()->findChild<T*>(name);
    if (!w) qWarning("no child %s", name);
    return w;
  }
  QString Text(const char* name) {
    QWidget* panel = window.centralWidget();
    if (auto* label = panel->findChild<QLabel*>(name)) return label->text();
    if (auto* edit = panel->findChild<QLineEdit*>(name)) return edit->text();
    if (auto* button = panel->findChild<QAbstractButton*>(name)) return button->text();
    qWarning("no text control %s", name);
    return {};
  }
  void Trigger(const char* action) {
    auto* a = window.findChild<QAction*>(action);
    QVERIFY2(a, action);
    a->trigger();
  }
  void Click(const char* button) {
    auto* b = window.centralWidget()->findChild<QAbstractButton*>(button);
    QVERIFY2(b, button);
    b->click();
  }
  // A number picked in a device list by the user.
  void Pick(const char* combo, int index) {
    auto* box = window.centralWidget()->findChild<QComboBox*>(combo);
    QVERIFY2(box, combo);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  std::vector<std::string> Texts() const { return ui.script.Texts(); }
};

// Types any text, Cyrillic included, key by key into a widget.
inline void TypeText(QWidget* widget, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(widget, &press);
    QApplication::sendEvent(widget, &release);
  }
};

}  // namespace lur::test
