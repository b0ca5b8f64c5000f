#include "discrete/views/TFormVh.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "discrete/TFormVhController.h"
#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"
#include "ui/TQtFieldErrors.h"

namespace lur {

TFormVh::TFormVh(TFormVhController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormVh");
  const int chars = static_cast<int>(TFormVhController::kFieldChars);
  auto* column = new QVBoxLayout(this);

  groups_[0] = new QGroupBox(this);
  groups_[0]->setObjectName("GroupBox1");
  auto* g1 = new QGridLayout(groups_[0]);
  g1->addWidget(NamedLabel("LabNVh", "№ входа в базе", groups_[0]), 0, 0);
  editNVh_ = BoundEdit("EditNVh", TFieldKind::Integer, chars, ui, groups_[0]);
  g1->addWidget(editNVh_, 0, 1);
  labName_ = NamedLabel("LabName", "", groups_[0]);
  g1->addWidget(labName_, 1, 0, 1, 2);

  groups_[1] = new QGroupBox(this);
  groups_[1]->setObjectName("GroupBox2");
  auto* g2 = new QGridLayout(groups_[1]);
  g2->addWidget(NamedLabel("Label1", "Начальный № группы", groups_[1]), 0, 0);
  edit1_ = BoundEdit("Edit1", TFieldKind::Integer, chars, ui, groups_[1]);
  g2->addWidget(edit1_, 0, 1);
  g2->addWidget(NamedLabel("Label2", "Конечный № группы", groups_[1]), 1, 0);
  edit2_ = BoundEdit("Edit2", TFieldKind::Integer, chars, ui, groups_[1]);
  g2->addWidget(edit2_, 1, 1);

  groups_[2] = new QGroupBox(this);
  groups_[2]->setObjectName("GroupBox3");
  auto* g3 = new QGridLayout(groups_[2]);
  g3->addWidget(NamedLabel("Label3", "Заменить группу,       начиная с   №", groups_[2]), 0, 0);
  edit3_ = BoundEdit("Edit3", TFieldKind::Integer, chars, ui, groups_[2]);
  g3->addWidget(edit3_, 0, 1);

  for (QGroupBox* g : groups_) column->addWidget(g);
  auto* buttons = new QHBoxLayout;
  auto* ok = DialogButton("OK", "OK", this);
  auto* cancel = DialogButton("Cancel", "Отмена", this);
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  column->addLayout(buttons);
  ErrorMarker(this);  // the hidden "ошибка" beside a refused field

  connect(editNVh_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.editNVh = S(t); });
  connect(edit1_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.edit1 = S(t); });
  connect(edit2_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.edit2 = S(t); });
  connect(edit3_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.edit3 = S(t); });
  connect(ok, &QPushButton::clicked, this, [this] { OKClick(); });
  connect(cancel, &QPushButton::clicked, this, [this] { done(form_.CancelClick()); });
}

void TFormVh::Show() {
  setWindowTitle(Q(form_.caption));
  for (int g = 0; g < 3; ++g) groups_[g]->setVisible(form_.group == g + 1);
  editNVh_->setText(Q(form_.editNVh));
  labName_->setText(Q(form_.labName));
  edit1_->setText(Q(form_.edit1));
  edit2_->setText(Q(form_.edit2));
  edit3_->setText(Q(form_.edit3));
  ErrorMarker(this)->hide();
}

int TFormVh::ExecForm() {
  Show();
  form_.FormShow();
  if (auto* field = findChild<QLineEdit*>(Q(form_.focused))) field->setFocus();
  return exec() == kModalOk ? kModalOk : kModalCancel;
}

bool TFormVh::OKClick() {
  if (form_.OKClick() != kModalOk) return false;  // refused: the dialog stays open
  done(kModalOk);
  return true;
}

void TFormVh::reject() { done(form_.CancelClick()); }

void TFormVh::closeEvent(QCloseEvent* event) {
  if (!isVisible() || OKClick()) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace lur
