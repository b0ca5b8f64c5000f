#include "network/views/TFormMBM.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "session/TModalWindow.h"
#include "ui/TQtFieldInput.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

using Form = TFormMBMController;
using F = TMBMField;
using C = TMBMControl;

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

QPushButton* Button(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

// A list showing `item`, or nothing for kNoChoice.
void ShowList(QComboBox* list, int item, bool enabled) {
  const QSignalBlocker block(list);
  list->setCurrentIndex(item >= 0 && item < list->count() ? item : -1);
  list->setEnabled(enabled);
}

}  // namespace

TFormMBM::TFormMBM(TFormMBMController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form), ui_(ui) {
  setObjectName("TFormMBM");
  setWindowTitle(Form::kCaption);
  auto* column = new QVBoxLayout(this);

  auto* head = new QHBoxLayout;
  auto* labFB = new QLabel(Form::kLabFB, this);
  labFB->setObjectName("LabFB");
  labNMBM_ = new QLabel(this);
  labNMBM_->setObjectName("LabN_MBM");
  label9_ = new QLabel(this);
  label9_->setObjectName("Label9");
  head->addWidget(labFB);
  head->addWidget(labNMBM_);
  head->addStretch();
  head->addWidget(label9_);
  column->addLayout(head);

  auto* grid = new QGridLayout;
  int row = 0;
  tipUstr_ = List("TipUstr", "Тип устройства  Slave", grid, row++);
  for (const char* name : Form::kTypeNames) tipUstr_->addItem(name);
  Field(F::EditKolVh, "Количество  выходов блока      ", 2, grid, row++);
  Field(F::EditXMax, "Максимальное значение кода", 5, grid, row++);
  stAddrBeg1_ = Static("StAddr_Beg1", "Начальный адрес данных в массиве дискретных сигналов", grid, row++);
  stAddrBeg2_ = Static("StAddr_Beg2", "Начальный адрес данных в массиве аналоговых сигналов", grid, row++);
  Field(F::EditUstr, "Адрес Slave в локальной  сети", 5, grid, row++);
  cBoxKodF_ = List("CBoxKodF", "Код функции    ModBus", grid, row++);
  for (const char* item : Form::kFunctionItems) cBoxKodF_->addItem(item);
  Field(F::EditAdBegDat, "Начальный адрес данных в запросе (Hex) ", 4, grid, row++);
  Field(F::EditKolDat, "Количество  данных в запросе  (Dec) ", 2, grid, row++);
  tipDate_ = List("TipDate", "Тип данных", grid, row++);
  for (const char* item : Form::kDataTypeItems) tipDate_->addItem(item);
  byteOrder_ = List("Byte_Order", "Порядок байтов", grid, row++);
  for (const char* item : Form::kByteOrderItems) byteOrder_->addItem(item);
  column->addLayout(grid);

  scaling_ = Button("Scaling", "Масштабирование аналоговых сигналов", this);
  column->addWidget(scaling_);
  auto* buttons = new QHBoxLayout;
  onLine_ = Button("ButOnLine", "on line", this);
  auto* ok = Button("OK", "OK", this);
  labelFile_ = new QLabel("Режим работы с файлом", this);
  labelFile_->setObjectName("LabelFile");
  buttons->addWidget(onLine_);
  buttons->addWidget(labelFile_);
  buttons->addStretch();
  buttons->addWidget(ok);
  column->addLayout(buttons);
  auto* errorText = new QLabel(kErrorMarkerText, this);
  errorText->setObjectName("ErrorText");
  errorText->hide();

  connect(tipUstr_, &QComboBox::activated, this, [this](int item) {
    form_.TipUstrClick(item);
    Show();
  });
  connect(cBoxKodF_, &QComboBox::activated, this, [this](int item) {
    form_.CBoxKodFClick(item);
    Show();
  });
  connect(tipDate_, &QComboBox::activated, this, [this](int item) {
    form_.TipDateClick(item);
    Show();
  });
  connect(byteOrder_, &QComboBox::activated, this, [this](int item) {
    form_.Byte_OrderClick(item);
    Show();
  });
  connect(scaling_, &QPushButton::clicked, this, [this] { form_.ScalingClick(); });
  connect(onLine_, &QPushButton::clicked, this, [this] { form_.ButOnLineClick(); });
  connect(ok, &QPushButton::clicked, this, [this] { CloseChecked(); });
}

QLineEdit* TFormMBM::Field(F field, const QString& caption, int maxLength, QGridLayout* grid, int row) {
  auto* label = new QLabel(caption, this);
  auto* edit = new QLineEdit(this);
  edit->setObjectName(Form::Name(field));
  edit->setMaxLength(maxLength);
  label->setBuddy(edit);
  grid->addWidget(label, row, 0);
  grid->addWidget(edit, row, 1);
  TQtFieldInput::Bind(edit, Form::KindOf(field), ui_);
  fields_[field] = edit;
  connect(edit, &QLineEdit::textEdited, this, [this, field](const QString& text) {
    form_.EditChange(field, text.toStdString());
  });
  connect(edit, &QLineEdit::editingFinished, this, [this, field] {
    if (!closing_ && isVisible()) form_.EditExit(field);
  });
  return edit;
}

QLabel* TFormMBM::Static(const char* name, const QString& caption, QGridLayout* grid, int row) {
  grid->addWidget(new QLabel(caption, this), row, 0);
  auto* value = new QLabel(this);
  value->setObjectName(name);
  grid->addWidget(value, row, 1);
  return value;
}

QComboBox* TFormMBM::List(const char* name, const QString& caption, QGridLayout* grid, int row) {
  grid->addWidget(new QLabel(caption, this), row, 0);
  auto* list = new QComboBox(this);
  list->setObjectName(name);
  grid->addWidget(list, row, 1);
  return list;
}

void TFormMBM::Show() {
  labNMBM_->setText(Q(form_.labNMBM));
  label9_->setText(Q(form_.label9));
  stAddrBeg1_->setText(Q(form_.stAddrBeg1));
  stAddrBeg2_->setText(Q(form_.stAddrBeg2));
  labelFile_->setVisible(form_.fileMode);
  for (const auto& [field, edit] : fields_) {
    const QSignalBlocker block(edit);
    if (edit->text() != Q(form_.Text(field))) edit->setText(Q(form_.Text(field)));
  }
  fields_[F::EditXMax]->setEnabled(form_.Enabled(C::EditXMax));
  ShowList(tipUstr_, form_.tipUstr, true);
  ShowList(cBoxKodF_, form_.cBoxKodF, true);
  ShowList(tipDate_, form_.tipDate, form_.Enabled(C::TipDate));
  ShowList(byteOrder_, form_.byteOrder, form_.Enabled(C::Byte_Order));
  scaling_->setEnabled(form_.Enabled(C::Scaling));
  onLine_->setEnabled(form_.Enabled(C::ButOnLine));
}

int TFormMBM::ExecForm() {
  closing_ = false;
  Show();
  exec();
  if (!form_.Closed()) form_.FormCloseQuery();
  return form_.Result();
}

void TFormMBM::CloseChecked() {
  if (closing_) return;
  closing_ = true;
  done(form_.FormCloseQuery());
}

void TFormMBM::reject() { CloseChecked(); }

void TFormMBM::closeEvent(QCloseEvent* event) {
  if (isVisible()) CloseChecked();
  event->accept();
}

}  // namespace lur
