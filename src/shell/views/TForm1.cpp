#include "shell/views/TForm1.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "shell/TForm1Controller.h"
#include "shell/TModuleTable.h"
#include "shell/TPortSettingsFlow.h"
#include "shell/views/TConfig.h"
#include "shell/views/TFPSW.h"
#include "shell/views/TFormCompare.h"
#include "shell/views/TFormScan.h"

namespace lur {
namespace {

QString Q(const std::string& s) { return QString::fromStdString(s); }

QLabel* Static(const char* name, QWidget* parent, bool framed = true) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  if (framed) {
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Sunken);
    label->setMinimumWidth(48);
  }
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

QComboBox* DeviceNumbers(const char* name, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (int n = 1; n <= 31; ++n) box->addItem(QString::number(n));
  return box;
}

// A menu entry standing for an action: its own caption and key text, the
// action's handler and enabled state.
QAction* MenuItem(QMenu* menu, const char* name, const QString& caption, QAction* action) {
  QString text = caption;
  if (!action->shortcut().isEmpty()) text += "\t" + action->shortcut().toString();
  auto* item = menu->addAction(text);
  item->setObjectName(name);
  item->setToolTip(action->toolTip());
  QObject::connect(item, &QAction::triggered, action, &QAction::trigger);
  QObject::connect(action, &QAction::changed, item,
                   [item, action] { item->setEnabled(action->isEnabled()); });
  return item;
}

}  // namespace

TForm1::TForm1(TForm1Controller& form, QWidget* parent) : QMainWindow(parent), form_(form) {
  setObjectName("TForm1");
  setWindowTitle("Программатор ЛУР - 05HMI");
  fpsw_ = new TFPSW(this);
  tconfig_ = new TConfig(this);
  compare_ = new TFormCompare(form_.Ui(), this);
  form_.Compare().SetWindow(compare_);
  scan_ = new TFormScan(form_.Link(), form_.Ui(), this);
  // A controller chosen in the list is picked as the user picks it by hand.
  connect(scan_, &TFormScan::DeviceChosen, this,
          [this](int number) { Run([this, number] { form_.CBoxUstrClick(number); }); });

  BuildActions();
  BuildMenu();
  BuildToolBar();

  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->addWidget(BuildDevicePanel());

  auto* middle = new QHBoxLayout;
  middle->addWidget(BuildCounts(), 1);
  auto* right = new QVBoxLayout;
  right->addWidget(BuildLocalNet());
  right->addWidget(BuildUnits());
  middle->addLayout(right, 1);
  layout->addLayout(middle);

  layout->addWidget(BuildModuleTable());

  auto* bottom = new QHBoxLayout;
  bottom->addWidget(EditorButton(TForm1Control::ButProgDiskr, "Программирование обработки дискретных сигналов", central));
  bottom->addWidget(EditorButton(TForm1Control::ButTimeDate, "Задание времени и даты", central));
  auto* button1 = new QPushButton("Преобразование  файла ", central);
  button1->setObjectName("Button1");
  button1->setVisible(false);  // kept for its name; never shown
  layout->addLayout(bottom);
  setCentralWidget(central);

  form_.FormCreate();
  Draw();
}

TForm1::~TForm1() = default;

void TForm1::BuildActions() {
  auto make = [this](const char* name, const QString& text, QStyle::StandardPixmap icon, QKeySequence key,
                     const std::function<void()>& handler) {
    auto* action = new QAction(style()->standardIcon(icon), text, this);
    action->setObjectName(name);
    if (!key.isEmpty()) action->setShortcut(key);
    action->setToolTip(text);
    addAction(action);  // the keys work whatever menu or toolbar shows it
    connect(action, &QAction::triggered, this, [this, handler] { Run(handler); });
    return action;
  };
  aCreatFile_ = make("ACreatFile", "Создание файла конфигурации", QStyle::SP_FileIcon, {},
                     [this] { form_.CreatFileClick(*tconfig_); });
  aOpenFile_ = make("AOpenFile", "Открыть файл конфигурации", QStyle::SP_DialogOpenButton, Qt::Key_F3,
                    [this] { form_.OpenFileClick(); });
  aSaveFile_ = make("ASaveFile", "Сохранить как ...", QStyle::SP_DialogSaveButton, Qt::Key_F2,
                    [this] { form_.SaveFileClick(); });
  aSaveFile_->setToolTip("Сохранить схему");
  aSaveFile_->setStatusTip("Сохранить схему");
  aInPort_ = make("AInPort", "Ввод с СОМ-порта", QStyle::SP_ArrowDown, Qt::Key_F9,
                  [this] { form_.InPortButClick(); });
  aOutPort_ = make("AOutPort", "Вывод на СОМ-порт", QStyle::SP_ArrowUp, Qt::Key_F10,
                   [this] { form_.OutPortClick(); });
  aPort_ = make("APort", "Настройка СОМ порта", QStyle::SP_ComputerIcon, {}, [this] {
    if (settings_) settings_->APortExecute();
  });
  aNastr_ = make("ANastr", "Настройка обмена", QStyle::SP_FileDialogDetailedView, {}, [this] {
    if (settings_) settings_->NastrObmClick();
  });
  aCompare_ = make("ACompare", "Сравнить с прибором", QStyle::SP_FileDialogContentsView, {},
                   [this] { form_.CompareClick(); });
  aScan_ = make("AScan", "Поиск приборов", QStyle::SP_FileDialogContentsView, {}, [this] { scan_->Open(); });
  aParol_ = make("AParol", "Замена пароля", QStyle::SP_DialogApplyButton, Qt::Key_F8,
                 [this] { form_.N1ParolClick(*fpsw_); });
}

void TForm1::BuildMenu() {
  QMenuBar* bar = menuBar();
  bar->setObjectName("MainMenu1");
  QMenu* file = bar->addMenu("   Файл          ");
  file->setObjectName("MFile");
  MenuItem(file, "N6", "Создать файла конфигурации", aCreatFile_);
  MenuItem(file, "N4", "Открыть файл конфигурации", aOpenFile_);
  MenuItem(file, "N5", "Сохранить как ...", aSaveFile_);
  QMenu* port = bar->addMenu("        Порт           ");
  port->setObjectName("MPort");
  MenuItem(port, "MPortInput", "Ввод с СОМ-порта", aInPort_);
  MenuItem(port, "MPortOut", "Вывод на СОМ-порт", aOutPort_);
  MenuItem(port, "MPortCompare", "Сравнить с прибором", aCompare_);
  MenuItem(port, "N1", "Настройка СОМ порта", aPort_);
  MenuItem(port, "N2", "Настройка обмена", aNastr_);
  MenuItem(port, "MPortScan", "Поиск приборов", aScan_);
  // The exchange journal, a window of the program's own (it connects this).
  port->addSeparator();
  port->addAction("Журнал обмена")->setObjectName("AJurnal");
  menuParol_ = bar->addMenu("     Пароль");
  menuParol_->setObjectName("MParol");
  MenuItem(menuParol_, "N1Parol", "Замена пароля", aParol_);
}

void TForm1::BuildToolBar() {
  QToolBar* tools = addToolBar("ToolBar1");
  tools->setObjectName("ToolBar1");
  tools->setMovable(false);
  tools->addAction(aCreatFile_);
  tools->addAction(aOpenFile_);
  tools->addAction(aSaveFile_);
  tools->addAction(aPort_);
  tools->addAction(aInPort_);
  tools->widgetForAction(aInPort_)->setObjectName("InPortBut");
  tools->addAction(aOutPort_);
  tools->addAction(aParol_);
}

QWidget* TForm1::BuildDevicePanel() {
  auto* panel = new QWidget(this);
  auto* grid = new QGridLayout(panel);
  grid->setContentsMargins(0, 0, 0, 0);
  cBoxUstr_ = DeviceNumbers("CBoxUstr", panel);
  cBoxUstrZ_ = DeviceNumbers("CBoxUstrZ", panel);
  editModif_ = new QLineEdit(panel);
  editModif_->setObjectName("EditModif");
  editModif_->setEnabled(false);
  editModif_->setMaxLength(8);
  editModif_->setFixedWidth(editModif_->fontMetrics().horizontalAdvance("000000000") + 12);
  tipModInd_ = Static("TipModInd", panel);
  stLUR_ = Static("StLUR", panel);
  stLUR_->setStyleSheet("font-weight: bold;");
  labelFile_ = Static("LabelFile", panel, false);
  labelFile_->setVisible(false);
  progressBar1_ = new QProgressBar(panel);
  progressBar1_->setObjectName("ProgressBar1");
  progressBar1_->setVisible(false);

  auto* label1 = new QLabel(" Исполнение", panel);
  label1->setObjectName("Label1");
  grid->addWidget(new QLabel("Устр. №", panel), 0, 0);
  grid->addWidget(cBoxUstr_, 0, 1);
  grid->addWidget(new QLabel("Изм. № устр.", panel), 0, 2);
  grid->addWidget(cBoxUstrZ_, 0, 3);
  grid->addWidget(label1, 0, 4);
  grid->addWidget(editModif_, 0, 5);
  grid->addWidget(new QLabel("Тип модуля индикации", panel), 0, 6);
  grid->addWidget(tipModInd_, 0, 7);
  grid->addWidget(stLUR_, 0, 8);
  grid->setColumnStretch(9, 1);
  grid->addWidget(labelFile_, 1, 0, 1, 10);
  grid->addWidget(progressBar1_, 2, 0, 1, 10);

  // Sent only when the user picks a number, never when the list is set.
  connect(cBoxUstr_, &QComboBox::activated, this,
          [this](int i) { Run([this, i] { form_.CBoxUstrClick(i + 1); }); });
  connect(cBoxUstrZ_, &QComboBox::activated, this,
          [this](int i) { Run([this, i] { form_.CBoxUstrZClick(i + 1); }); });
  return panel;
}

QGroupBox* TForm1::BuildCounts() {
  auto* box = new QGroupBox("Конфигурация прибора", this);
  box->setObjectName("GBoxKanal");
  auto* grid = new QGridLayout(box);
  const std::array<std::pair<const char*, QLabel**>, 5> counts = {{{"StKVhA", &stKVhA_},
                                                                   {"StKVhD", &stKVhD_},
                                                                   {"StAllD", &stAllD_},
                                                                   {"StKVyhS", &stKVyhS_},
                                                                   {"StAllAn", &stAllAn_}}};
  const std::array<const char*, 5> captions = {
      "Количество аналоговых входов", "Количество дискретных входов ",
      "Количество обрабатываемых дискретных сигналов", "Количество дискретных выходов",
      "Количество обрабатываемых аналоговых сигналов"};
  for (int i = 0; i < 5; ++i) {
    *counts[i].second = Static(counts[i].first, box);
    (*counts[i].second)->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(new QLabel(captions[i], box), i, 0);
    grid->addWidget(*counts[i].second, i, 1);
  }
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(EditorButton(TForm1Control::InformBut, "Входные сигналы", box));
  buttons->addWidget(EditorButton(TForm1Control::InformButMR, "Дискретные выходы", box));
  grid->addLayout(buttons, 5, 0, 1, 2);
  return box;
}

QGroupBox* TForm1::BuildModuleTable() {
  auto* box = new QGroupBox(" Таблица модулей ввода-вывода", this);
  box->setObjectName("GroupBox1");
  auto* grid = new QGridLayout(box);
  const std::array<const char*, 6> headings = {"Тип модуля", "Адрес модуля", "Код модуля",
                                               "Входы",      "Выходы",       "Программирование"};
  for (int c = 0; c < 6; ++c) {
    auto* heading = new QLabel(headings[c], box);
    heading->setStyleSheet("font-weight: bold;");
    grid->addWidget(heading, 0, c);
  }
  for (int s = 0; s < 8; ++s) {
    const QString n = QString::number(s + 1);
    Row& row = rows_[s];
    row.caption = Static(("M" + n).toLatin1().constData(), box);
    row.caption->setMinimumWidth(
        row.caption->fontMetrics().horizontalAdvance("МР-74       вых 1-4 реле    220V AC  2A") + 24);
    auto* address = Static(("AdrM" + n).toLatin1().constData(), box);
    address->setText(QString::number(s));
    address->setAlignment(Qt::AlignCenter);
    row.code = Static(("KM" + n).toLatin1().constData(), box);
    row.code->setAlignment(Qt::AlignCenter);
    row.inputs = Static(("IdVh" + n).toLatin1().constData(), box);
    row.outputs = Static(("IdVyh" + n).toLatin1().constData(), box);
    row.inputs->setMinimumWidth(row.inputs->fontMetrics().horizontalAdvance("DI_1_12 - DI_1_12") + 8);
    row.outputs->setMinimumWidth(row.inputs->minimumWidth());
    row.button = new QPushButton(box);
    row.button->setObjectName("Prg" + n);
    row.button->setMinimumWidth(row.button->fontMetrics().horizontalAdvance("программ.") + 24);
    grid->addWidget(row.caption, s + 1, 0);
    grid->addWidget(address, s + 1, 1);
    grid->addWidget(row.code, s + 1, 2);
    grid->addWidget(row.inputs, s + 1, 3);
    grid->addWidget(row.outputs, s + 1, 4);
    grid->addWidget(row.button, s + 1, 5);
    connect(row.button, &QPushButton::clicked, this,
            [this, s] { Run([this, s] { form_.Prg1Click(s + 1); }); });
  }
  grid->setColumnStretch(0, 1);
  return box;
}

QGroupBox* TForm1::BuildLocalNet() {
  auto* box = new QGroupBox("Локальная сеть RS-485, протокол ModBus ", this);
  box->setObjectName("GBoxLoc");
  auto* layout = new QVBoxLayout(box);
  layout->addWidget(EditorButton(TForm1Control::LocalNet1, "Программирование ф1, ф2, ф3, ф4", box));
  layout->addWidget(EditorButton(TForm1Control::LocNet15, "Программирование ф15 ", box));
  layout->addWidget(EditorButton(TForm1Control::LocNetObm, "Настройка обмена", box));
  return box;
}

QGroupBox* TForm1::BuildUnits() {
  gBoxRazm_ = new QGroupBox("    Редактирование   ", this);
  gBoxRazm_->setObjectName("GBoxRazm");
  auto* layout = new QGridLayout(gBoxRazm_);
  layout->addWidget(new QLabel("списка размерностей аналоговых сигналов", gBoxRazm_), 0, 0, 1, 3);
  cBoxRazmChange_ = new QComboBox(gBoxRazm_);
  cBoxRazmChange_->setObjectName("CBoxRazmChange");
  cBoxRazmChange_->setEditable(true);
  cBoxRazmChange_->setInsertPolicy(QComboBox::NoInsert);
  cBoxRazmChange_->setCompleter(nullptr);
  cBoxRazmChange_->lineEdit()->setMaxLength(6);
  cBoxRazmChange_->setMinimumContentsLength(8);
  auto* apply = new QPushButton("Применить", gBoxRazm_);
  apply->setObjectName("ButRazm");
  auto* defaults = new QPushButton("По умолчанию", gBoxRazm_);
  defaults->setObjectName("ButDefault");
  editorButtons_.push_back({apply, TForm1Control::ButRazm});
  editorButtons_.push_back({defaults, TForm1Control::ButDefault});
  layout->addWidget(cBoxRazmChange_, 1, 0);
  layout->addWidget(apply, 1, 1);
  layout->addWidget(defaults, 1, 2);

  connect(cBoxRazmChange_, &QComboBox::activated, this,
          [this](int i) { Run([this, i] { form_.Units().CBoxRazmChangeClick(i); }); });
  connect(apply, &QPushButton::clicked, this, [this] {
    const QString text = cBoxRazmChange_->currentText();
    const int index = cBoxRazmChange_->currentIndex();
    const bool typed = index < 0 || text != cBoxRazmChange_->itemText(index);
    Run([this, text, typed] { form_.Units().ButRazmClick(text.toStdString(), typed); });
  });
  connect(defaults, &QPushButton::clicked, this,
          [this] { Run([this] { form_.Units().ButDefaultClick(); }); });
  return gBoxRazm_;
}

QPushButton* TForm1::EditorButton(TForm1Control control, const QString& caption, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  const std::string_view name = ControlName(control);
  button->setObjectName(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
  editorButtons_.push_back({button, control});
  connect(button, &QPushButton::clicked, this,
          [this, control] { Run([this, control] { form_.ControlClick(control); }); });
  return button;
}

bool TForm1::Start() {
  bool go = false;
  Run([this, &go] { go = form_.FormShow(*fpsw_); });
  if (!go) {
    close();
    return false;
  }
  Run([this] {
    if (settings_) settings_->APortExecute();
  });
  return true;
}

void TForm1::Run(const std::function<void()>& operation) {
  // A transfer services painting while it waits; a second operation must not
  // start inside it.
  if (busy_ > 0) return;
  ++busy_;
  operation();
  --busy_;
  Draw();
}

void TForm1::DrawControl(QWidget* widget, TForm1Control control) {
  const bool available = form_.ControlAvailable(control);
  widget->setEnabled(form_.State().IsEnabled(control) && available);
  widget->setToolTip(available ? QString() : QString(kWindowComesLater));
}

void TForm1::Draw() {
  const TMainState& state = form_.State();
  cBoxUstr_->setCurrentIndex(state.ustr - 1);
  cBoxUstrZ_->setCurrentIndex(state.ustrZ - 1);
  editModif_->setText(Q(state.editModif));
  tipModInd_->setText(Q(state.tipModInd));
  stLUR_->setText(Q(state.stLUR));
  labelFile_->setText(Q(state.labelFile));
  labelFile_->setVisible(state.labelFileVisible);

  stKVhA_->setText(Q(state.stKVhA));
  stKVhD_->setText(Q(state.stKVhD));
  stAllD_->setText(Q(state.stAllD));
  stKVyhS_->setText(Q(state.stKVyhS));
  stAllAn_->setText(Q(state.stAllAn));

  for (int s = 0; s < 8; ++s) {
    const TModuleRow& row = state.rows[s];
    Row& view = rows_[s];
    view.caption->setText(Q(row.caption));
    view.code->setText(Q(row.code));
    view.inputs->setText(Q(row.inputs));
    view.outputs->setText(Q(row.outputs));
    view.button->setText(Q(row.buttonCaption));
    const bool available = form_.RowAvailable(s);
    view.button->setEnabled(row.buttonEnabled && available);
    view.button->setToolTip(row.buttonEnabled && !available ? QString(kWindowComesLater) : QString());
  }

  for (const auto& [button, name] : editorButtons_) DrawControl(button, name);
  gBoxRazm_->setEnabled(state.IsEnabled(TForm1Control::GBoxRazm));
  menuParol_->setEnabled(state.IsEnabled(TForm1Control::MParol));

  // The list is filled afresh only when its entries changed, so that a text
  // still being typed (or not applied for want of access) stays in the field.
  QStringList units;
  for (const auto& u : state.units) units << Q(u);
  QStringList shown;
  for (int i = 0; i < cBoxRazmChange_->count(); ++i) shown << cBoxRazmChange_->itemText(i);
  if (units != shown) {
    cBoxRazmChange_->clear();
    cBoxRazmChange_->addItems(units);
    cBoxRazmChange_->setCurrentIndex(units.isEmpty() ? -1 : state.unitIndex);
  } else if (cBoxRazmChange_->currentIndex() != state.unitIndex && !units.isEmpty()) {
    cBoxRazmChange_->setCurrentIndex(state.unitIndex);
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (busy_ > 0) {
    event->ignore();
    return;
  }
  ++busy_;
  const bool close = form_.FormCloseQuery();
  --busy_;
  Draw();
  if (close) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace lur
