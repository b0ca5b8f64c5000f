#include "discrete/views/TFormCreatVh.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "discrete/TFormCreatVhController.h"
#include "discrete/views/DialogParts.h"
#include "discrete/views/TQtUpDown.h"
#include "session/TModalWindow.h"
#include "ui/NumericText.h"

namespace lur {
namespace {

QComboBox* Combo(const char* name, const char* const* items, int count, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (int i = 0; i < count; ++i) box->addItem(items[i]);
  return box;
}

// Two characters hold every module, input, block and register number.
constexpr int kNumberChars = 2;

}  // namespace

QLineEdit* TFormCreatVh::NumberField(const char* edit, const char* upDown, std::function<void(int)> set,
                                     std::function<int()> value, TQtUpDown** upDownOut, TUserInterface& ui,
                                     QWidget* parent) {
  QLineEdit* field = BoundEdit(edit, TFieldKind::Integer, kNumberChars, ui, parent);
  connect(field, &QLineEdit::textEdited, this, [this, field, set](const QString& text) {
    const TIntText typed = ParseIntText(S(text), 0, 99);
    if (typed.error != TFieldTextError::None) return;  // empty while typing
    set(typed.value);
    Show(field);
  });
  // Leaving the field shows the number the controller holds.
  connect(field, &QLineEdit::editingFinished, this, [this] { Show(); });
  *upDownOut = new TQtUpDown(
      upDown,
      [this, set, value](int delta) {
        set(value() + delta);
        Show();
      },
      parent);
  return field;
}

TFormCreatVh::TFormCreatVh(TFormCreatVhController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form) {
  using F = TFormCreatVhController;
  setObjectName("TFormCreatVh");
  auto* column = new QVBoxLayout(this);

  auto* head = new QHBoxLayout;
  labNVh_ = NamedLabel("LabNVh", "", this);
  labN_ = NamedLabel("LabN", "", this);
  head->addWidget(labNVh_);
  head->addWidget(labN_);
  head->addStretch();
  column->addLayout(head);
  column->addWidget(NamedLabel("LabText", "Текстовый реквизит", this));
  editText_ = BoundEdit("EditText", TFieldKind::Text, static_cast<int>(F::kTextChars), ui, this);
  column->addWidget(editText_);

  pages_ = new QTabWidget(this);
  pages_->setObjectName("PageControl1");
  auto* own = new QWidget(pages_);
  own->setObjectName("TabSheet1");
  auto* ownGrid = new QGridLayout(own);
  kind_ = Combo("CBoxTipVh", F::kKindItems, 2, own);
  ownGrid->addWidget(NamedLabel("LabTipVh", "Тип входа", own), 0, 0);
  ownGrid->addWidget(kind_, 0, 1, 1, 2);
  module_ = NumberField(
      "EditNMod", "UpDown1", [this](int v) { form_.SetModule(v); }, [this] { return form_.module; },
      &upDown1_, ui, own);
  ownGrid->addWidget(NamedLabel("LabNMod", "№ модуля", own), 1, 0);
  ownGrid->addWidget(module_, 1, 1);
  ownGrid->addWidget(upDown1_, 1, 2);
  input_ = NumberField(
      "EditNVhMod", "UpDown2", [this](int v) { form_.SetInput(v); }, [this] { return form_.input; },
      &upDown2_, ui, own);
  ownGrid->addWidget(NamedLabel("LabNVhMod", "№ входа в модуле", own), 2, 0);
  ownGrid->addWidget(input_, 2, 1);
  ownGrid->addWidget(upDown2_, 2, 2);
  limit_ = Combo("CBoxTipSign", F::kLimitItems, 4, own);
  ownGrid->addWidget(NamedLabel("LabTipSign", "   Тип уставки  для аналоговых сигналов", own), 3, 0);
  ownGrid->addWidget(limit_, 3, 1, 1, 2);
  pages_->addTab(own, F::kOwnPageCaption);

  auto* net = new QWidget(pages_);
  net->setObjectName("TabSheet2");
  auto* netGrid = new QGridLayout(net);
  netKind_ = Combo("CBoxTipVhNet", F::kKindItems, 2, net);
  netGrid->addWidget(NamedLabel("LabTipVhNet", "Тип входа", net), 0, 0);
  netGrid->addWidget(netKind_, 0, 1, 1, 2);
  block_ = NumberField(
      "EditNB_MBM", "UpDown3", [this](int v) { form_.SetBlock(v); }, [this] { return form_.block; },
      &upDown3_, ui, net);
  netGrid->addWidget(NamedLabel("LabNB_MBM", "№ блока МВМ", net), 1, 0);
  netGrid->addWidget(block_, 1, 1);
  netGrid->addWidget(upDown3_, 1, 2);
  reg_ = NumberField(
      "EditNVhNet", "UpDown4", [this](int v) { form_.SetRegister(v); }, [this] { return form_.reg; },
      &upDown4_, ui, net);
  netGrid->addWidget(NamedLabel("LabNVhNet", "№ выхода блока МВМ ", net), 2, 0);
  netGrid->addWidget(reg_, 2, 1);
  netGrid->addWidget(upDown4_, 2, 2);
  netLimit_ = Combo("CBoxTipSignNet", F::kLimitItems, 4, net);
  netGrid->addWidget(NamedLabel("LabTipSignNet", "   Тип уставки для аналоговых сигналов", net), 3, 0);
  netGrid->addWidget(netLimit_, 3, 1, 1, 2);
  labTipSlave_ = NamedLabel("LabTipSlave", "", net);
  netGrid->addWidget(NamedLabel("LabTipSlaveCaption", "        Тип  устройства Slave", net), 4, 0);
  netGrid->addWidget(labTipSlave_, 4, 1, 1, 2);
  labAdrSlave_ = NamedLabel("LabAdrSlave", "", net);
  netGrid->addWidget(NamedLabel("LabAdrSlaveCaption", "Адрес Slave в локальной сети", net), 5, 0);
  netGrid->addWidget(labAdrSlave_, 5, 1, 1, 2);
  pages_->addTab(net, F::kNetPageCaption);
  column->addWidget(pages_);

  auto* contact = new QGroupBox("Тип контакта", this);
  contact->setObjectName("TipK");
  auto* contactColumn = new QVBoxLayout(contact);
  tipK_ = new QButtonGroup(this);
  for (int i = 0; i < 2; ++i) {
    auto* radio = new QRadioButton(F::kTipKItems[i], contact);
    radio->setObjectName(QString("TipKItem%1").arg(i));
    tipK_->addButton(radio, i);
    contactColumn->addWidget(radio);
  }
  column->addWidget(contact);
  arh_ = new QCheckBox("Архивирование", this);
  arh_->setObjectName("Arh");
  column->addWidget(arh_);
  auto* ok = DialogButton("OK", "OK", this);
  column->addWidget(ok, 0, Qt::AlignCenter);

  connect(editText_, &QLineEdit::textEdited, this, [this](const QString& text) {
    form_.EditTextChange(S(text));
    if (Q(form_.editText) != text) editText_->setText(Q(form_.editText));
  });
  connect(pages_, &QTabWidget::currentChanged, this, [this](int page) {
    form_.PageControl1Change(page);
    Show();
  });
  connect(kind_, &QComboBox::activated, this, [this](int i) {
    form_.CBoxTipVhClick(i);
    Show();
  });
  connect(limit_, &QComboBox::activated, this, [this](int i) { form_.CBoxTipSignClick(i); });
  connect(netKind_, &QComboBox::activated, this, [this](int i) {
    form_.CBoxTipVhNetClick(i);
    Show();
  });
  connect(netLimit_, &QComboBox::activated, this, [this](int i) { form_.CBoxTipSignNetClick(i); });
  connect(tipK_, &QButtonGroup::idClicked, this, [this](int i) { form_.TipKClick(i); });
  connect(arh_, &QCheckBox::clicked, this, [this](bool checked) { form_.ArhClick(checked); });
  connect(ok, &QPushButton::clicked, this, [this] { done(form_.OKClick()); });
}

void TFormCreatVh::ShowNumber(QLineEdit* edit, TQtUpDown* upDown, int value, int maximum, QLineEdit* typing) {
  if (edit != typing) edit->setText(QString::number(value));
  upDown->Show(value, TFormCreatVhController::kSpinMin, maximum);
}

void TFormCreatVh::Show(QLineEdit* typing) {
  setWindowTitle(Q(form_.caption));
  labNVh_->setText(Q(form_.labNVh));
  labN_->setText(Q(form_.labN));
  if (editText_ != typing) editText_->setText(Q(form_.editText));
  {
    const QSignalBlocker block(pages_);
    pages_->setTabEnabled(TFormCreatVhController::kOwnPage, form_.ownPageEnabled);
    pages_->setTabEnabled(TFormCreatVhController::kNetPage, form_.netPageEnabled);
    pages_->setCurrentIndex(form_.page);
  }
  kind_->setCurrentIndex(form_.kind);
  ShowNumber(module_, upDown1_, form_.module, form_.moduleMax, typing);
  ShowNumber(input_, upDown2_, form_.input, form_.inputMax, typing);
  limit_->setCurrentIndex(form_.limit);
  limit_->setEnabled(form_.limitEnabled);
  netKind_->setCurrentIndex(form_.netKind);
  ShowNumber(block_, upDown3_, form_.block, form_.blockMax, typing);
  ShowNumber(reg_, upDown4_, form_.reg, form_.regMax, typing);
  netLimit_->setCurrentIndex(form_.netLimit);
  netLimit_->setEnabled(form_.netLimitEnabled);
  labTipSlave_->setText(Q(form_.labTipSlave));
  labAdrSlave_->setText(Q(form_.labAdrSlave));
  if (QAbstractButton* b = tipK_->button(form_.tipK)) b->setChecked(true);
  arh_->setChecked(form_.arh);
}

int TFormCreatVh::ExecForm() {
  form_.FormShow();
  Show();
  exec();
  return kModalOk;  // the values apply however the dialog closed
}

void TFormCreatVh::reject() { done(form_.OKClick()); }

}  // namespace lur
