#include "discrete/views/TTextAttributeDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include "discrete/TTextAttributeController.h"
#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"

namespace lur {

TTextAttributeDialog::TTextAttributeDialog(TTextAttributeController& form, TUserInterface& ui,
                                           const TTextDialogNames& names, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName(names.objectName);
  setWindowTitle(QString::fromUtf8(names.caption));
  auto* grid = new QGridLayout(this);
  grid->addWidget(NamedLabel(names.numberLabel, names.numberLabelText, this), 0, 0);
  label2_ = NamedLabel("Label2", "", this);
  grid->addWidget(label2_, 0, 1);
  grid->addWidget(NamedLabel("Label1", "Текстовый реквизит", this), 1, 0, 1, 2);
  editText_ =
      BoundEdit("EditText", TFieldKind::Text, static_cast<int>(TTextAttributeController::kTextChars), ui, this);
  grid->addWidget(editText_, 2, 0, 1, 2);
  auto* ok = DialogButton("OK", "OK", this);
  grid->addWidget(ok, 3, 0, 1, 2, Qt::AlignCenter);

  connect(editText_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.EditTextChange(S(t)); });
  connect(ok, &QPushButton::clicked, this, [this] { CloseForm(); });
}

void TTextAttributeDialog::Show() {
  label2_->setText(Q(form_.label2));
  editText_->setText(Q(form_.editText));
}

int TTextAttributeDialog::ExecForm() {
  Show();
  form_.FormShow();
  editText_->setFocus();
  exec();
  return kModalOk;  // the text applies however the dialog closed
}

void TTextAttributeDialog::CloseForm() {
  done(form_.FormClose());
  Show();
}

void TTextAttributeDialog::reject() { CloseForm(); }

void TTextAttributeDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
    CloseForm();
    return;
  }
  QDialog::mousePressEvent(event);
}

}  // namespace lur
