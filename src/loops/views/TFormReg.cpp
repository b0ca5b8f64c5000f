#include "loops/views/TFormReg.h"

#include <QAction>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "loops/TFormRegController.h"
#include "loops/TLoopDrawing.h"
#include "loops/views/TLoopPicture.h"
#include "model/TConfiguration.h"
#include "session/TModalWindow.h"

namespace lur {
namespace {

using C = TFormRegControl;

const char* const kInPortCaption = "Ввод с СОМ-порта";
const char* const kOutPortCaption = "Вывод на СОМ-порт";
const char* const kCreateCaption = "Создать контур регулирования";
const char* const kProgramCaption = "Редактирование контура регулирования";
const char* const kDeleteCaption = "Удалить";
const char* const kChooseAllCaption = "Выделить все";
const char* const kOnLineCaption = "Показать в режиме on line";
const char* const kWindowComesLater = "Окно появится в следующей версии";

}  // namespace

TFormReg::TFormReg(TFormRegController& form, const TConfiguration& config, QWidget* parent)
    : QDialog(parent), form_(form), config_(config) {
  setObjectName("TFormReg");
  setWindowTitle(TFormRegController::kCaption);
  resize(760, 700);
  BuildActions();
  BuildMenus();

  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(0, 0, 0, 0);
  auto* menuBar = new QMenuBar(this);
  menuBar->setObjectName("MainMenu1");
  auto* port = menuBar->addMenu("   Порт");
  port->setObjectName("MenuPort");
  port->addActions({Action("MPortInput"), Action("MPortOut"), Action("MPortSetup")});
  auto* create = menuBar->addMenu("       Создание элементов схемы");
  create->setObjectName("MenuCreate");
  create->addAction(Action("N22"));
  auto* program = menuBar->addMenu("        Программирование     ");
  program->setObjectName("MenuProgram");
  program->addActions({Action("N1AND"), Action("MTextAttr")});
  menuBar->addAction(Action("AClose"));
  top->setMenuBar(menuBar);

  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName("ToolBar1");
  for (const char* name : {"InPort", "OutPort", "CreatFuncBut"}) {
    QAction* a = Action(name);
    toolBar->addAction(a);
    toolBar->widgetForAction(a)->setObjectName(name);
  }
  top->addWidget(toolBar);

  auto* buttons = new QHBoxLayout;
  auto button = [this, buttons](const char* name, const char* caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(name);
    b->setFocusPolicy(Qt::NoFocus);
    buttons->addWidget(b);
    return b;
  };
  informBut_ = button("InformBut", "Входные сигналы");
  informButMR_ = button("InformButMR", "Дискретные выходы");
  button("Button2", "Печать");  // prints nothing, as in the window it replaces
  labelFile_ = new QLabel(TFormRegController::kFileModeLabel, this);
  labelFile_->setObjectName("LabelFile");
  buttons->addWidget(labelFile_);
  buttons->addStretch();
  top->addLayout(buttons);

  progressBar1_ = new QProgressBar(this);
  progressBar1_->setObjectName("ProgressBar1");
  progressBar1_->setTextVisible(false);
  progressBar1_->hide();
  top->addWidget(progressBar1_);

  scrollBox1_ = new QScrollArea(this);
  scrollBox1_->setObjectName("ScrollBox1");
  scrollBox1_->setFocusPolicy(Qt::StrongFocus);
  picture_ = new TLoopPicture;
  scrollBox1_->setWidget(picture_);
  scrollBox1_->viewport()->installEventFilter(this);
  top->addWidget(scrollBox1_, 1);

  connect(picture_, &TLoopPicture::Pressed, this, &TFormReg::Pressed);
  connect(informBut_, &QPushButton::clicked, this, [this] { Run([this] { form_.InformButClick(); }); });
  connect(informButMR_, &QPushButton::clicked, this, [this] { Run([this] { form_.InformButMRClick(); }); });

  form_.FormCreate();
}

QAction* TFormReg::NewAction(const QString& name, const QString& caption, const QKeySequence& key,
                             const std::function<void()>& operation, TFormRegControl control) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  if (operation) connect(action, &QAction::triggered, this, [this, operation] { Run(operation); });
  if (control != C::Count) controlOf_[action] = control;
  actions_[name] = action;
  return action;
}

QAction* TFormReg::Action(const QString& name) const {
  const auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void TFormReg::BuildActions() {
  TFormRegController& f = form_;
  const std::function<void()> none;
  const std::function<void()> read = [&f] { f.InPortClick(); };
  const std::function<void()> write = [&f] { f.OutPortClick(); };
  const std::function<void()> create = [&f] { f.CreatRegButClick(); };
  const std::function<void()> program = [&f] { f.PMenu1RegClick(); };
  // The actions carry the keys and live on the window; the items of the
  // menus and the toolbar run the same commands.
  NewAction("AInPort", kInPortCaption, Qt::Key_F9, read, C::InPort);
  NewAction("AOutPort", kOutPortCaption, Qt::Key_F10, write, C::OutPort);
  NewAction("ABReg", kCreateCaption, {}, create, C::CreatFuncBut);
  NewAction("AReg", kProgramCaption, {}, program, C::N1AND);
  NewAction("ADelChoose", kDeleteCaption, Qt::Key_Delete, [&f] { f.DelChooseClick(); });
  NewAction(
      "AChooseAll", kChooseAllCaption, QKeySequence(Qt::CTRL | Qt::Key_A), [&f] { f.ChooseAllClick(); },
      C::ChooseAll);
  NewAction(
      "AOnLine", kOnLineCaption, {}, [&f] { f.RegOnLineClick(); }, C::RegOnLine);
  NewAction("AClose", "Выход", QKeySequence(Qt::ALT | Qt::Key_X), none);
  connect(Action("AClose"), &QAction::triggered, this, [this] { reject(); });
  for (const auto& [name, action] : actions_) addAction(action);

  NewAction("MPortInput", kInPortCaption, {}, read, C::InPort);
  NewAction("MPortOut", kOutPortCaption, {}, write, C::OutPort);
  NewAction("MPortSetup", "Настройка СОМ порта", {}, none);
  NewAction("N22", kCreateCaption, {}, create, C::CreatFuncBut);
  NewAction("N1AND", kProgramCaption, {}, program, C::N1AND);
  NewAction("MTextAttr", "Ввод текст. реквизитов", {}, none);
  NewAction("InPort", kInPortCaption, {}, read, C::InPort);
  NewAction("OutPort", kOutPortCaption, {}, write, C::OutPort);
  NewAction("CreatFuncBut", kCreateCaption, {}, create, C::CreatFuncBut);
  // The keys show on the items without competing with the window's actions.
  const std::pair<const char*, QKeySequence> keys[] = {{"MPortInput", Qt::Key_F9},
                                                       {"MPortOut", Qt::Key_F10},
                                                       {"MTextAttr", QKeySequence(Qt::CTRL | Qt::Key_T)}};
  for (const auto& [name, key] : keys) {
    Action(name)->setShortcut(key);
    Action(name)->setShortcutContext(Qt::WidgetShortcut);
  }
}

void TFormReg::BuildMenus() {
  TFormRegController& f = form_;
  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName("PopupMenu1");
  popupMenu1_->addAction(NewAction(
      "EditReg", kProgramCaption, {}, [&f] { f.PMenu1RegClick(); }, C::EditReg));
  QAction* del = NewAction(
      "DelChoose", kDeleteCaption, {}, [&f] { f.DelChooseClick(); }, C::DelChoose);
  del->setShortcut(Qt::Key_Delete);
  del->setShortcutContext(Qt::WidgetShortcut);
  popupMenu1_->addAction(del);
  popupMenu1_->addAction(NewAction(
      "RegOnLine", kOnLineCaption, {}, [&f] { f.RegOnLineClick(); }, C::RegOnLine));

  popupMenu3_ = new QMenu(this);
  popupMenu3_->setObjectName("PopupMenu3");
  popupMenu3_->addAction(NewAction(
      "N14", kCreateCaption, {}, [&f] { f.CreatRegButClick(); }, C::CreatFuncBut));
  QAction* all = NewAction(
      "ChooseAll", kChooseAllCaption, {}, [&f] { f.ChooseAllClick(); }, C::ChooseAll);
  all->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
  all->setShortcutContext(Qt::WidgetShortcut);
  popupMenu3_->addAction(all);
}

int TFormReg::ExecForm() {
  Run([this] { form_.FormShow(); });
  scrollBox1_->setFocus();
  exec();
  return kModalOk;
}

void TFormReg::Draw() {
  picture_->Show(DrawLoops(config_));
  for (const auto& [action, control] : controlOf_) action->setEnabled(form_.Controls().IsEnabled(control));
  const bool inputs = form_.Controls().IsEnabled(C::InformBut);
  const bool outputs = form_.Controls().IsEnabled(C::InformButMR);
  informBut_->setEnabled(inputs);
  informBut_->setToolTip(inputs ? QString() : QString(kWindowComesLater));
  informButMR_->setEnabled(outputs);
  informButMR_->setToolTip(outputs ? QString() : QString(kWindowComesLater));
  labelFile_->setVisible(form_.LabelFileShown());
}

void TFormReg::Run(const std::function<void()>& operation) {
  if (busy_) return;
  busy_ = true;
  operation();
  busy_ = false;
  Draw();
  if (form_.ScrollTarget() >= 0) scrollBox1_->verticalScrollBar()->setValue(form_.ScrollTarget());
}

void TFormReg::Pressed(int loop, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint global) {
  scrollBox1_->setFocus();
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  const bool right = button == Qt::RightButton;
  TFormRegController::TPopup popup = TFormRegController::TPopup::None;
  Run([&] {
    popup = form_.PanelMouseDown(
        loop, right ? TFormRegController::TButton::Right : TFormRegController::TButton::Left,
        modifiers.testFlag(Qt::ControlModifier));
  });
  if (popup == TFormRegController::TPopup::Loop) popupMenu1_->popup(global);
  if (popup == TFormRegController::TPopup::Background) popupMenu3_->popup(global);
}

bool TFormReg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scrollBox1_->viewport() && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    // A notch is 120 eighths of a degree; finer wheels move by their share.
    QScrollBar* bar = scrollBox1_->verticalScrollBar();
    bar->setValue(bar->value() - wheel->angleDelta().y() * kLoopWheelStep / 120);
    return true;
  }
  // ScrollBox1's free space below the frames: the picture ends there.
  if (watched == scrollBox1_->viewport() && event->type() == QEvent::MouseButtonPress) {
    auto* press = static_cast<QMouseEvent*>(event);
    Pressed(-1, press->button(), press->modifiers(), press->globalPosition().toPoint());
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFormReg::reject() {
  if (busy_) return;
  bool close = false;
  Run([this, &close] { close = form_.AClose(); });
  if (close) done(kModalOk);
}

}  // namespace lur
