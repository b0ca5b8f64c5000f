#include "shell/views/TFormNastr.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include "shell/TFormNastrController.h"

namespace lur {
namespace {

QComboBox* HiddenCombo(const char* name, const std::vector<std::string>& items, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setObjectName(name);
  for (const auto& item : items) box->addItem(QString::fromStdString(item));
  box->setVisible(false);
  return box;
}

// A read-only field with an up-down beside it: the value changes by the
// arrows only, within 1..100.
QLineEdit* UpDownRow(QGridLayout* grid, int row, const char* caption, const char* edit, const char* updown,
                     std::function<void(int)> step, bool visible, QWidget* parent) {
  auto* label = new QLabel(caption, parent);
  auto* field = new QLineEdit(parent);
  field->setObjectName(edit);
  field->setReadOnly(true);
  field->setMaximumWidth(60);
  auto* up = new QToolButton(parent);
  up->setObjectName(QString(updown) + "Up");
  up->setArrowType(Qt::UpArrow);
  auto* down = new QToolButton(parent);
  down->setObjectName(QString(updown) + "Down");
  down->setArrowType(Qt::DownArrow);
  QObject::connect(up, &QToolButton::clicked, parent, [step] { step(+1); });
  QObject::connect(down, &QToolButton::clicked, parent, [step] { step(-1); });
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
  grid->addWidget(up, row, 2);
  grid->addWidget(down, row, 3);
  for (QWidget* w : {static_cast<QWidget*>(label), static_cast<QWidget*>(field), static_cast<QWidget*>(up),
                     static_cast<QWidget*>(down)}) {
    w->setVisible(visible);
  }
  return field;
}

}  // namespace

TFormNastr::TFormNastr(TFormNastrController& form, QWidget* parent) : QDialog(parent), form_(form) {
  setObjectName("TFormNastr");
  setWindowTitle("Настройка параметров обмена");
  auto* grid = new QGridLayout(this);
  edit1_ = UpDownRow(grid, 0, "Задержка после переключ на передачу", "Edit1", "UpDown1",
                     [this](int d) { form_.UpDown1Click(d); Show(); }, true, this);
  edit2_ = UpDownRow(grid, 1, "Задержка перед переключ на прием", "Edit2", "UpDown2",
                     [this](int d) { form_.UpDown2Click(d); Show(); }, false, this);
  povt1_ = HiddenCombo("CBoxPovt1", TFormNastrController::Povt1Items(), this);
  povt2_ = HiddenCombo("CBoxPovt2", TFormNastrController::Povt2Items(), this);
  interval_ = HiddenCombo("Interval_T", TFormNastrController::IntervalItems(), this);
  verify_ = new QCheckBox("Проверять после записи", this);
  verify_->setObjectName("CBoxVerify");
  grid->addWidget(verify_, 2, 0, 1, 4);
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setDefault(true);
  grid->addWidget(ok, 3, 0, 1, 4, Qt::AlignCenter);

  connect(povt1_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.povt1Index = i; });
  connect(povt2_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.povt2Index = i; });
  connect(interval_, &QComboBox::currentIndexChanged, this, [this](int i) { form_.intervalIndex = i; });
  connect(verify_, &QCheckBox::toggled, this, [this](bool on) { form_.verify = on; });
  connect(ok, &QPushButton::clicked, this, [this] {
    form_.OKClick();
    accept();
  });
  connect(this, &QDialog::rejected, this, [this] { form_.FormClose(); });
}

void TFormNastr::Show() {
  edit1_->setText(QString::number(form_.edit1));
  edit2_->setText(QString::number(form_.edit2));
  povt1_->setCurrentIndex(form_.povt1Index);
  povt2_->setCurrentIndex(form_.povt2Index);
  interval_->setCurrentIndex(form_.intervalIndex);
  verify_->setChecked(form_.verify);
}

int TFormNastr::ExecForm() {
  Show();
  return exec();
}

}  // namespace lur
