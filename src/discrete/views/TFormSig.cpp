#include "discrete/views/TFormSig.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "discrete/TFormSigController.h"
#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"

namespace lur {

TFormSig::TFormSig(TFormSigController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormSig");
  setWindowTitle(TFormSigController::kCaption);
  auto* grid = new QGridLayout(this);
  labNVh_ = NamedLabel("LabNVh", "Вход №", this);
  grid->addWidget(labNVh_, 0, 0);
  label2_ = NamedLabel("Label2", "", this);
  grid->addWidget(label2_, 0, 1);

  auto* box = new QGroupBox("Тип сигнализации", this);
  box->setObjectName("RadioGroup1");
  auto* column = new QVBoxLayout(box);
  types_ = new QButtonGroup(this);
  for (int t = 0; t < 4; ++t) {
    auto* radio = new QRadioButton(TFormSigController::kTypeItems[t], box);
    radio->setObjectName(QString("RadioGroup1Item%1").arg(t));
    types_->addButton(radio, t);
    column->addWidget(radio);
  }
  grid->addWidget(box, 1, 0, 1, 2);

  grid->addWidget(NamedLabel("Label1", "№ ячейки светового табло", this), 2, 0);
  edit1_ = BoundEdit("Edit1", TFieldKind::Integer, TFormSigController::kCellChars, ui, this);
  grid->addWidget(edit1_, 2, 1);
  auto* ok = DialogButton("OK", "OK", this);
  grid->addWidget(ok, 3, 0, 1, 2, Qt::AlignCenter);

  connect(types_, &QButtonGroup::idClicked, this, [this](int type) { form_.RadioGroup1Click(type); });
  connect(edit1_, &QLineEdit::textEdited, this, [this](const QString& text) { form_.Edit1Change(S(text)); });
  connect(ok, &QPushButton::clicked, this, [this] { CloseForm(); });
}

void TFormSig::Show() {
  labNVh_->setText(Q(form_.labNVh));
  label2_->setText(Q(form_.label2));
  if (QAbstractButton* b = types_->button(form_.radioGroup1)) b->setChecked(true);
  edit1_->setText(Q(form_.edit1));
}

int TFormSig::ExecForm() {
  Show();
  if (QAbstractButton* b = types_->button(form_.radioGroup1)) b->setFocus();
  exec();
  return kModalOk;  // the values apply however the dialog closed
}

void TFormSig::CloseForm() {
  done(form_.FormClose());
  Show();
}

void TFormSig::reject() { CloseForm(); }

void TFormSig::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
    CloseForm();
    return;
  }
  QDialog::mousePressEvent(event);
}

}  // namespace lur
