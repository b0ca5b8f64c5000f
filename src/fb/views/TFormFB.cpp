#include "fb/views/TFormFB.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "fb/TDiagramLayout.h"
#include "fb/TFBPrint.h"
#include "fb/TFormFBController.h"
#include "fb/views/TFBDiagram.h"
#include "fb/views/TFBPrinter.h"
#include "model/TConfiguration.h"
#include "session/TEditorRegistry.h"
#include "session/TModalWindow.h"

namespace lur {
namespace {

using C = TFormFBControl;

constexpr int kWheelStep = 10;
const char* const kComesLater = "Появится в следующей версии";
const char* const kWindowComesLater = "Окно появится в следующей версии";

// The calculation items and the algorithm window come with their windows;
// an editor given none shows them as the next version's.
bool ComesWithWindows(C c) {
  return c == C::CalcIntegr || c == C::CalcMat || c == C::EditIntegr || c == C::EditMat || c == C::PMenu3Algorithms;
}

}  // namespace

TFormFB::TFormFB(TFormFBController& form, const TConfiguration& config, TEditorRegistry& editors, QWidget* parent)
    : QDialog(parent), form_(form), config_(config), editors_(editors) {
  setObjectName("TFormFB");
  setWindowTitle(TFormFBController::kCaption);
  resize(1000, 700);
  BuildActions();
  BuildMenus();

  auto* top = new QVBoxLayout(this);
  top->setContentsMargins(0, 0, 0, 0);
  auto* menuBar = new QMenuBar(this);
  menuBar->setObjectName("MainMenu1");
  auto* port = menuBar->addMenu("   Порт");
  port->setObjectName("MenuPort");
  port->addActions({Action("AInPort"), Action("AOutPort"), Action("APort")});
  auto* create = menuBar->addMenu("       Создание элементов схемы");
  create->setObjectName("MenuCreate");
  create->addActions({Action("ACreatFuncBut"), Action("ACreatSignBut"), Action("ACreatVyhBut"), Action("AAddAfter")});
  auto* calc = menuBar->addMenu("Создание расч. блоков");
  calc->setObjectName("MenuCalc");
  calc->addActions({Action("ACalcIntegr"), Action("ACalcMat")});
  auto* program = menuBar->addMenu("                        Программирование     ");
  program->setObjectName("MenuProgram");
  program->addActions({Action("APMenu1Sign"), Action("APMenu1Vyh"), Action("APMenu1FB"), Action("AEditIntegr"),
                       Action("AEditMat")});
  menuBar->addAction(Action("AClose"));
  top->setMenuBar(menuBar);

  auto* toolBar = new QToolBar(this);
  toolBar->setObjectName("ToolBar1");
  toolBar->addActions({Action("AInPort"), Action("AOutPort")});
  toolBar->addSeparator();
  toolBar->addActions({Action("ACreatFuncBut"), Action("ACreatSignBut"), Action("ACreatVyhBut")});
  toolBar->addSeparator();
  toolBar->addActions({Action("ACalcIntegr"), Action("ACalcMat")});
  toolBar->addSeparator();
  toolBar->addActions({Action("APMenu1Sign"), Action("APMenu1Vyh"), Action("APMenu1FB"), Action("AEditIntegr"),
                       Action("AEditMat")});
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
  button1_ = button("Button1", "Показать мат. блоки");
  QPushButton* button2 = button("Button2", "Печать");
  // Hidden as in the window it replaces: clearing the view is a rebuild's
  // first step, and the calculation blocks are reached through the menus.
  button("ButAssignConfig", "Задать конфиг.")->hide();
  button("ButProgCalc", "ButProgCalc")->hide();
  labelFile_ = new QLabel(TFormFBController::kFileModeLabel, this);
  labelFile_->setObjectName("LabelFile");
  buttons->addWidget(labelFile_);
  auto* stLur = new QLabel("Сигнализация программируется только для ФБ с 1 по 62", this);
  stLur->setObjectName("StLUR");
  buttons->addWidget(stLur);
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
  diagram_ = new TFBDiagram;
  scrollBox1_->setWidget(diagram_);
  scrollBox1_->viewport()->installEventFilter(this);
  top->addWidget(scrollBox1_, 1);

  connect(diagram_, &TFBDiagram::Pressed, this, &TFormFB::Pressed);
  connect(diagram_, &TFBDiagram::TypeAreaDoubleClicked, this, [this](int) { Run([this] { form_.PMenu1FBClick(); }); });
  connect(diagram_, &TFBDiagram::SignPanelDoubleClicked, this,
          [this](int) { Run([this] { form_.PMenu1SignClick(); }); });
  connect(diagram_, &TFBDiagram::RelayPanelDoubleClicked, this,
          [this](int) { Run([this] { form_.PMenu1VyhClick(); }); });
  connect(informBut_, &QPushButton::clicked, this,
          [this] { Run([this] { editors_.Open(InformRequest(TInformFill::FunctionBlock)); }); });
  connect(informButMR_, &QPushButton::clicked, this,
          [this] { Run([this] { editors_.Open({TEditor::OutputInform}); }); });
  connect(button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(button1_, &QPushButton::clicked, this, [this] { Run([this] { form_.Button1Click(); }); });

  form_.FormCreate();
}

QAction* TFormFB::NewAction(const char* name, const char* caption, const QKeySequence& key,
                            const std::function<void()>& operation) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WindowShortcut);
  if (operation) connect(action, &QAction::triggered, this, [this, operation] { Run(operation); });
  actions_[name] = action;
  return action;
}

QAction* TFormFB::Action(const QString& name) const {
  const auto it = actions_.find(name);
  return it == actions_.end() ? nullptr : it->second;
}

void TFormFB::BuildActions() {
  TFormFBController& f = form_;
  const std::function<void()> none;
  NewAction("AInPort", "Ввод с СОМ-порта", Qt::Key_F9, [&f] { f.InPortClick(); });
  NewAction("AOutPort", "Вывод на СОМ-порт", Qt::Key_F10, [this, &f] {
    f.OutPortClick();
    setWindowTitle(QString::fromStdString(f.Caption()));
  });
  NewAction("APort", "Настройка СОМ порта", {}, none);  // does nothing, as before
  NewAction("ACreatFuncBut", "Создать функциональный блок ", {}, [&f] { f.CreatFuncButClick(); });
  NewAction("ACreatSignBut", "Добавить  блок сигнализации", {}, [&f] { f.CreatSignButClick(); });
  NewAction("ACreatVyhBut", "Добавить  выход на реле", {}, [&f] { f.CreatVyhButClick(); });
  // Never shown, as in the window it replaces: a new block after the chosen one.
  NewAction("AAddAfter", "Добавление ФБ (после выбранного) ", {}, [&f] { f.AddAfterClick(); })->setVisible(false);
  NewAction("ACalcIntegr", "Создать интегратор расхода", {},
            [this] { CalcOperation(&TFormFBController::CreatIntegrButClick); });
  NewAction("ACalcMat", "Создать арифметический блок", {},
            [this] { CalcOperation(&TFormFBController::CreatMatButClick); });
  NewAction("APMenu1Sign", "Редактировать сигнализацию", QKeySequence(Qt::CTRL | Qt::Key_S),
            [&f] { f.PMenu1SignClick(); });
  NewAction("APMenu1Vyh", "Редактировать выход на реле", QKeySequence(Qt::CTRL | Qt::Key_O),
            [&f] { f.PMenu1VyhClick(); });
  NewAction("APMenu1FB", "Редактирование ФБ", QKeySequence(Qt::CTRL | Qt::Key_B), [&f] { f.PMenu1FBClick(); });
  NewAction("AEditIntegr", "Редактировать интегратор расхода", {},
            [this] { CalcOperation(&TFormFBController::ProgIntClick); });
  NewAction("AEditMat", "Редактировать арифметический блок", {},
            [this] { CalcOperation(&TFormFBController::ProgMatClick); });
  NewAction("AClose", "Выход", QKeySequence(Qt::ALT | Qt::Key_X), none);
  connect(Action("AClose"), &QAction::triggered, this, [this] { reject(); });
  for (const auto& [name, control] : std::map<QString, C>{{"AInPort", C::InPort},
                                                          {"AOutPort", C::OutPort},
                                                          {"ACalcIntegr", C::CalcIntegr},
                                                          {"ACalcMat", C::CalcMat},
                                                          {"AEditIntegr", C::EditIntegr},
                                                          {"AEditMat", C::EditMat}}) {
    controlOf_[Action(name)] = control;
  }
  for (const auto& [name, action] : actions_) addAction(action);
}

void TFormFB::BuildMenus() {
  TFormFBController& f = form_;
  const std::function<void()> none;
  struct Item {
    const char* name;
    const char* caption;
    QKeySequence key;
    C control;
    std::function<void()> operation;
  };
  const Item block[] = {
      {"PMenu1FB", "Редактирование ФБ", {}, C::PMenu1FB, [&f] { f.PMenu1FBClick(); }},
      {"PMenu1Copy", "Копировать ", QKeySequence(Qt::CTRL | Qt::Key_C), C::PMenu1Copy, [&f] { f.CopyGroupClick(); }},
      {"PMenu1Del", "Удалить", QKeySequence(Qt::Key_Delete), C::PMenu1Del, [&f] { f.DelChooseClick(); }},
      {"PMenu1InsertBl", "Вставить новый ФБ (перед выбранным ) ", {}, C::PMenu1InsertBl, [&f] { f.InsertBlClick(); }},
      {"PMenu1InsertGroup", "Вставить группу скопированных ФБ (перед выбранным ) ", {}, C::PMenu1InsertGroup,
       [this] {
         form_.InsertGroupClick();
         scrollBox1_->setFocus();
       }},
      {"PMenu1CreatSign", "Добавить  блок сигнализации", {}, C::PMenu1CreatSign, [&f] { f.CreatSignButClick(); }},
      {"PMenu1Sign", "Редактировать сигнализацию", {}, C::PMenu1Sign, [&f] { f.PMenu1SignClick(); }},
      {"PMenu1DelSign", "Удалить сигнализацию", {}, C::PMenu1DelSign, [&f] { f.DelSignClick(); }},
      {"PMenu1CreatVyh", "Добавить  выход на реле", {}, C::PMenu1CreatVyh, [&f] { f.CreatVyhButClick(); }},
      {"PMenu1Vyh", "Редактировать выход на реле", {}, C::PMenu1Vyh, [&f] { f.PMenu1VyhClick(); }},
      {"PMenu1DelVyh", "Удалить выход на реле", {}, C::PMenu1DelVyh, [&f] { f.DelVyhClick(); }},
  };
  const Item background[] = {
      {"PMenu3CreatFB", "Создать функциональный блок ", {}, C::PMenu3CreatFB, [&f] { f.CreatFuncButClick(); }},
      {"PMenu3AddGroup", "Добавить группу скопированных ФБ", QKeySequence(Qt::CTRL | Qt::Key_V), C::PMenu3AddGroup,
       [this] {
         form_.AddGroupClick();
         scrollBox1_->setFocus();
       }},
      {"PMenu3Algorithms", "Создание алгоритмов", {}, C::PMenu3Algorithms, [&f] { f.CreatAlgoritmClick(); }},
      {"PMenu3ChooseAll", "Выделить все", QKeySequence(Qt::CTRL | Qt::Key_A), C::PMenu3ChooseAll,
       [&f] { f.ChooseAllClick(); }},
  };
  popupMenu1_ = new QMenu(this);
  popupMenu1_->setObjectName("PopupMenu1");
  for (const Item& item : block) {
    QAction* a = NewAction(item.name, item.caption, item.key, item.operation);
    controlOf_[a] = item.control;
    popupMenu1_->addAction(a);
  }
  popupMenu3_ = new QMenu(this);
  popupMenu3_->setObjectName("PopupMenu3");
  for (const Item& item : background) {
    QAction* a = NewAction(item.name, item.caption, item.key, item.operation);
    controlOf_[a] = item.control;
    popupMenu3_->addAction(a);
  }
  // The keys of the menus' items work while the menus are closed.
  for (QAction* a : popupMenu1_->actions()) addAction(a);
  for (QAction* a : popupMenu3_->actions()) addAction(a);
}

int TFormFB::ExecForm() {
  form_.FormShow();
  shownRevision_ = -1;
  Draw();
  ScrollTo(form_.ScrollTarget());
  scrollBox1_->setFocus();
  if (!form_.CloseRequested()) exec();
  return kModalOk;
}

void TFormFB::Draw() {
  const TDiagramLayout layout = LayOutDiagram(config_);
  if (form_.Revision() != shownRevision_ || layout.blocks.size() != diagram_->Layout().blocks.size()) {
    diagram_->Show(layout);
    shownRevision_ = form_.Revision();
  } else {
    diagram_->Recolor(layout);
  }
  for (const auto& [action, control] : controlOf_) {
    const bool later = ComesWithWindows(control) && !form_.Controls().IsEnabled(control);
    action->setEnabled(!later && form_.Controls().IsEnabled(control));
    action->setToolTip(later ? QString(kComesLater) : action->text());
  }
  const bool inputs = editors_.Available(TEditor::InputInform);
  const bool outputs = editors_.Available(TEditor::OutputInform);
  informBut_->setEnabled(inputs);
  informBut_->setToolTip(inputs ? QString() : QString(kWindowComesLater));
  informButMR_->setEnabled(outputs);
  informButMR_->setToolTip(outputs ? QString() : QString(kWindowComesLater));
  button1_->setEnabled(form_.Controls().IsEnabled(C::Button1));
  button1_->setToolTip(button1_->isEnabled() ? QString() : QString(kWindowComesLater));
  labelFile_->setVisible(form_.LabelFileShown());
}

void TFormFB::Run(const std::function<void()>& operation) {
  if (busy_) return;
  busy_ = true;
  operation();
  busy_ = false;
  Draw();
  if (form_.ScrollTarget() >= 0) ScrollTo(form_.ScrollTarget());
  if (form_.CloseRequested()) done(kModalOk);
}

void TFormFB::Pressed(int record, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint global) {
  scrollBox1_->setFocus();
  if (button != Qt::LeftButton && button != Qt::RightButton) return;
  const bool right = button == Qt::RightButton;
  if (record < 0 && !right) {
    Run([this] { form_.ScrollBox1Click(); });
    return;
  }
  TFormFBController::TPopup popup = TFormFBController::TPopup::None;
  Run([&] {
    popup = form_.PanFB1MouseDown(record, right ? TFormFBController::TButton::Right : TFormFBController::TButton::Left,
                                  modifiers.testFlag(Qt::ControlModifier));
  });
  if (popup == TFormFBController::TPopup::Block) popupMenu1_->popup(global);
  if (popup == TFormFBController::TPopup::Background) popupMenu3_->popup(global);
}

void TFormFB::ScrollTo(int record) {
  if (record < 0) {
    scrollBox1_->verticalScrollBar()->setValue(0);
    return;
  }
  for (const TDiagramBlock& block : diagram_->Layout().blocks) {
    if (block.record == record) {
      scrollBox1_->ensureVisible(block.rect.x, block.rect.y + block.rect.h / 2, 20, block.rect.h / 2 + 20);
      return;
    }
  }
}

bool TFormFB::eventFilter(QObject* watched, QEvent* event) {
  if (watched == scrollBox1_->viewport() && event->type() == QEvent::Wheel) {
    auto* wheel = static_cast<QWheelEvent*>(event);
    // A notch is 120 eighths of a degree; finer wheels move by their share.
    QScrollBar* bar = scrollBox1_->verticalScrollBar();
    bar->setValue(bar->value() - wheel->angleDelta().y() * kWheelStep / 120);
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TFormFB::reject() {
  if (busy_) return;
  // Unsent changes: the controller asks whether to send, discard or stay.
  bool close = false;
  Run([this, &close] { close = form_.FormCloseQuery(); });
  if (close) done(kModalOk);
}

void TFormFB::Button2Click() {
  if (busy_) return;
  TFBPrintHeading heading;
  heading.editorCaption = TFormFBController::kCaption;
  if (headingSource_) {
    heading.mainCaption = headingSource_->windowTitle().toStdString();
    if (config_.Serv.FileMode == 1) {
      if (auto* label = headingSource_->findChild<QLabel*>("LabelFile")) heading.fileLabel = label->text().toStdString();
    }
  }
  const TFBPrintout printout = MakeFBPrintout(heading, diagram_->Layout());
  if (printout.pages.empty()) return;  // no blocks: nothing to print
  TPrintTarget target;
  target.parent = this;
  target.pdfPath = printPdf_;
  busy_ = true;
  PrintFBDiagram(printout, target, *diagram_);
  busy_ = false;
  scrollBox1_->setFocus();
}

void TFormFB::CalcOperation(void (TFormFBController::*operation)()) {
  (form_.*operation)();
  // The calculation dialog closed: back to the diagram.
  scrollBox1_->setFocus();
}

}  // namespace lur
