#include "loops/views/TFormRegOnLine.h"

#include <QAction>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QVBoxLayout>

#include "fb/widgets/TSpBut.h"
#include "loops/views/TPanRegVis.h"

namespace lur {
namespace {

constexpr int kEditorLeft = 126;  // the in-place editor over the addressed panel
constexpr int kEditorTop = 27;

QLabel* Named(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QLineEdit* Field(const char* name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setReadOnly(true);
  edit->setMaximumWidth(40);
  return edit;
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<int>(text.size()));
}

}  // namespace

TFormRegOnLine::TFormRegOnLine(TFormRegOnLineController& form, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("FormRegOnLine");
  setWindowTitle("Режим on line");
  auto* column = new QVBoxLayout(this);

  auto* head = new QGridLayout;
  head->addWidget(Named("Label2", "Контур №", this), 0, 0);
  labNReg_ = Named("LabNReg", QString(), this);
  head->addWidget(labNReg_, 0, 1);
  labTip_ = Named("LabTip", QString(), this);
  head->addWidget(labTip_, 0, 2, 1, 2);
  head->addWidget(Named("Label3", "Регулятор №", this), 1, 0);
  editNReg_ = Field("EditNReg", this);
  head->addWidget(editNReg_, 1, 1);
  head->addWidget(Named("Label5", "№ входа рег. параметра", this), 1, 2);
  editAnVh_ = Field("EditAnVh", this);
  head->addWidget(editAnVh_, 1, 3);
  label4_ = Named("Label4", "Регулятор  внутр конт. №", this);
  head->addWidget(label4_, 2, 0);
  editNReg1_ = Field("EditNReg1", this);
  head->addWidget(editNReg1_, 2, 1);
  label6_ = Named("Label6", "№ входа рег. параметра внутр конт", this);
  head->addWidget(label6_, 2, 2);
  editAnVh1_ = Field("EditAnVh1", this);
  head->addWidget(editAnVh1_, 2, 3);
  // The long captions wrap, so one panel's width holds the heading.
  for (QLabel* label : {labTip_, label4_, label6_, findChild<QLabel*>("Label5")}) label->setWordWrap(true);
  column->addLayout(head);

  scrollBox_ = new QScrollArea(this);
  scrollBox_->setObjectName("ScrollBox1");
  panelArea_ = new QWidget;
  panelArea_->setObjectName("PanelArea");
  panelArea_->resize(kWideWidth - 40, 10 + TPanRegVis::kHeight + 10);
  scrollBox_->setWidget(panelArea_);
  column->addWidget(scrollBox_, 1);

  editText_ = new QLineEdit(panelArea_);
  editText_->setObjectName("EditText");
  editText_->setMaxLength(TFormRegOnLineController::kEditTextLength);
  editText_->setFixedWidth(70);
  editText_->hide();
  connect(editText_, &QLineEdit::editingFinished, this, [this] { EditTextDone(); });

  auto* foot = new QHBoxLayout;
  button2_ = new QPushButton("Таймер", this);
  button2_->setObjectName("Button2");
  button2_->setAutoDefault(false);
  connect(button2_, &QPushButton::clicked, this, [this] { form_.Button2Click(); });
  foot->addWidget(button2_);
  label1_ = Named("Label1", "запущен опрос", this);
  foot->addWidget(label1_);
  foot->addStretch();
  column->addLayout(foot);

  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  changePV_ = popup_->addAction("Изменить PV");
  changePV_->setObjectName("ChangePV");
  changePV_->setVisible(false);
  changeSP_ = popup_->addAction("Изменить SP");
  changeSP_->setObjectName("ChangeSP");
  changeOUT_ = popup_->addAction("Изменить OUT");
  changeOUT_->setObjectName("ChangeOUT");
  connect(changeSP_, &QAction::triggered, this, [this] {
    if (form_.ChangeSPClick()) editText_->setFocus();
  });
  connect(changeOUT_, &QAction::triggered, this, [this] {
    if (form_.ChangeOUTClick()) editText_->setFocus();
  });

  form_.SetOnChange([this] { Refresh(); });
  Refresh();
}

TFormRegOnLine::~TFormRegOnLine() { form_.SetOnChange(nullptr); }

int TFormRegOnLine::WidthFor() const { return form_.Panels().size() > 1 ? kWideWidth : kNarrowWidth; }

int TFormRegOnLine::ExecForm() {
  Refresh();
  return exec();
}

void TFormRegOnLine::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) form_.FormShow();
}

void TFormRegOnLine::done(int result) {
  form_.FormClose();
  QDialog::done(result);
}

void TFormRegOnLine::MakePanels() {
  const auto& panels = form_.Panels();
  for (std::size_t i = 0; i < panels.size(); ++i) {
    const int index = static_cast<int>(i);
    auto* panel = new TPanRegVis(panelArea_);
    panel->setObjectName(QString("PanRegVis%1").arg(index + 1));
    panel->move(panels[i].left, panels[i].top);
    panel->SetSwitchesVisible(panels[i].switches);
    connect(panel, &TPanRegVis::Clicked, this, [this, index] { form_.PanelClick(index); });
    connect(panel, &TPanRegVis::RightClicked, this,
            [this, index, panel](const QPoint& at) { PanelMenu(index, panel->mapToGlobal(at)); });
    connect(panel, &TPanRegVis::AutoSwitched, this,
            [this, index](bool down) { form_.AutoSwitchClick(index, down); });
    connect(panel, &TPanRegVis::APSwitched, this,
            [this, index](bool down) { form_.APSwitchClick(index, down); });
    connect(panel, &TPanRegVis::StepUp, this, [this, index] { form_.StepClick(index, true); });
    connect(panel, &TPanRegVis::StepDown, this, [this, index] { form_.StepClick(index, false); });
    panel->show();
    panels_.push_back(panel);
  }
  editText_->raise();
}

void TFormRegOnLine::DropPanels() {
  for (TPanRegVis* panel : panels_) panel->deleteLater();
  for (TPanRegVis* panel : panels_) panel->hide();
  panels_.clear();
}

void TFormRegOnLine::PanelMenu(int panel, const QPoint& at, bool exec) {
  form_.PanelRightClick(panel);
  if (exec) popup_->exec(at);
}

void TFormRegOnLine::EditTextDone() {
  // Leaving the editor can open a box, which takes the focus and would leave
  // it a second time.
  if (leavingEditor_ || !form_.editTextVisible) return;
  leavingEditor_ = true;
  form_.EditTextExit(editText_->text().toStdString());
  leavingEditor_ = false;
}

void TFormRegOnLine::Refresh() {
  labNReg_->setText(FromUtf8(form_.labNReg));
  labTip_->setText(FromUtf8(form_.labTip));
  editNReg_->setText(FromUtf8(form_.editNReg));
  editAnVh_->setText(FromUtf8(form_.editAnVh));
  editNReg1_->setText(FromUtf8(form_.editNReg1));
  editAnVh1_->setText(FromUtf8(form_.editAnVh1));
  for (QWidget* w : {static_cast<QWidget*>(label4_), static_cast<QWidget*>(label6_),
                     static_cast<QWidget*>(editNReg1_), static_cast<QWidget*>(editAnVh1_)}) {
    w->setVisible(form_.innerVisible);
  }
  label1_->setVisible(form_.label1Visible);
  changeSP_->setEnabled(form_.Menu().IsEnabled(TRegOnLineMenu::ChangeSP));
  changeOUT_->setEnabled(form_.Menu().IsEnabled(TRegOnLineMenu::ChangeOUT));

  if (!form_.PanelsMade() && !panels_.empty()) DropPanels();
  if (form_.PanelsMade() && panels_.empty()) MakePanels();
  const auto& panels = form_.Panels();
  for (std::size_t i = 0; i < panels_.size() && i < panels.size(); ++i) {
    const TRegOnLinePanel& p = panels[i];
    TPanRegVis* w = panels_[i];
    w->SetNSk_PV(p.low);
    w->SetVSk_PV(p.high);
    w->SetNSk_SP(p.low);
    w->SetVSk_SP(p.high);
    w->CalcSk();
    if (p.pv && p.sp && p.out) {
      w->SetVal_PV(*p.pv);
      w->SetVal_SP(*p.sp);
      w->SetVal_OUT(*p.out);
      w->PutValPV();
      w->PutValSP();
      w->PutValOUT();
      w->PutVal();
    }
    w->SetColorP_In(p.inputLampRed ? Qt::red : Qt::green);
    w->SetColorP_Out(p.outputLampRed ? Qt::red : Qt::green);
    w->SetAutomatic(p.automatic.value_or(false));
    w->SetAP(p.ap.value_or(false));
    if (w->SkyBlue() != p.skyBlue) w->SetSkyBlue(p.skyBlue);
  }

  const bool editing =
      form_.editTextVisible && form_.EditPanel() >= 0 && form_.EditPanel() < static_cast<int>(panels.size());
  if (editing) {
    const TRegOnLinePanel& p = panels[static_cast<std::size_t>(form_.EditPanel())];
    editText_->move(p.left + kEditorLeft, p.top + kEditorTop);
    if (!editText_->isVisible()) editText_->setText(FromUtf8(form_.editText));
    editText_->raise();
  } else {
    editText_->clear();
  }
  if (editText_->isVisible() != editing) editText_->setVisible(editing);
}

}  // namespace lur
