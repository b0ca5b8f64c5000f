#include "discrete/views/TFormTextMR.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "discrete/TFormTextMRController.h"
#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"

namespace lur {

TFormTextMR::TFormTextMR(TFormTextMRController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormTextMR");
  setWindowTitle(QString::fromUtf8(TFormTextMRController::kCaption));
  auto* grid = new QGridLayout(this);
  grid->addWidget(NamedLabel("LabNVyh", "Выход №", this), 0, 0);
  label2_ = NamedLabel("Label2", "", this);
  grid->addWidget(label2_, 0, 1);
  grid->addWidget(NamedLabel("Label1", "Текстовый реквизит", this), 1, 0, 1, 2);
  editText_ =
      BoundEdit("EditText", TFieldKind::Text, static_cast<int>(TFormTextMRController::kTextChars), ui, this);
  grid->addWidget(editText_, 2, 0, 1, 2);
  auto* ok = DialogButton("OK", "OK", this);
  grid->addWidget(ok, 3, 0, 1, 2, Qt::AlignCenter);

  connect(editText_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.EditTextChange(S(t)); });
  connect(ok, &QPushButton::clicked, this, [this] { CloseForm(); });
}

void TFormTextMR::Show() {
  label2_->setText(Q(form_.label2));
  editText_->setText(Q(form_.editText));
}

int TFormTextMR::ExecForm() {
  Show();
  form_.FormShow();
  editText_->setFocus();
  exec();
  return kModalOk;  // the text applies however the dialog closed
}

void TFormTextMR::CloseForm() {
  done(form_.FormClose());
  Show();
}

void TFormTextMR::reject() { CloseForm(); }

void TFormTextMR::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
    CloseForm();
    return;
  }
  QDialog::mousePressEvent(event);
}

}  // namespace lur
