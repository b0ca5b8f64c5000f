#include "discrete/views/TFormZa.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "discrete/TFormZaController.h"
#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"

namespace lur {

TFormZa::TFormZa(TFormZaController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormZa");
  setWindowTitle(TFormZaController::kCaption);
  auto* grid = new QGridLayout(this);
  grid->addWidget(NamedLabel("LabNVh", "Вход №", this), 0, 0);
  label2_ = NamedLabel("Label2", "", this);
  grid->addWidget(label2_, 0, 1);
  grid->addWidget(NamedLabel("Label1", "Задержка", this), 1, 0, 1, 2);
  grid->addWidget(NamedLabel("LabDiskr", "Дискретность,сек", this), 2, 0);
  editDiskr_ = BoundEdit("EditDiskr", TFieldKind::Integer, TFormZaController::kFieldChars, ui, this);
  editDiskr_->setToolTip(TFormZaController::kDiskrHint);
  grid->addWidget(editDiskr_, 2, 1);
  grid->addWidget(NamedLabel("LabT", "Время в единицах     дискретности", this), 3, 0);
  editT_ = BoundEdit("EditT", TFieldKind::Integer, TFormZaController::kFieldChars, ui, this);
  editT_->setToolTip(TFormZaController::kTimeHint);
  grid->addWidget(editT_, 3, 1);
  auto* ok = DialogButton("OK", "OK", this);
  grid->addWidget(ok, 4, 0, 1, 2, Qt::AlignCenter);

  connect(editDiskr_, &QLineEdit::textEdited, this,
          [this](const QString& t) { form_.EditDiskrChange(S(t)); });
  connect(editT_, &QLineEdit::textEdited, this, [this](const QString& t) { form_.EditTChange(S(t)); });
  connect(ok, &QPushButton::clicked, this, [this] { CloseForm(); });
}

void TFormZa::Show() {
  label2_->setText(Q(form_.label2));
  editDiskr_->setText(Q(form_.editDiskr));
  editT_->setText(Q(form_.editT));
}

int TFormZa::ExecForm() {
  Show();
  editDiskr_->setFocus();
  exec();
  return kModalOk;  // the values apply however the dialog closed
}

void TFormZa::CloseForm() {
  done(form_.FormClose());
  Show();
}

void TFormZa::reject() { CloseForm(); }

}  // namespace lur
