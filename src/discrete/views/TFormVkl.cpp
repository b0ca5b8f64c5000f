#include "discrete/views/TFormVkl.h"

#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

#include "discrete/TFormVklController.h"
#include "discrete/views/DialogParts.h"
#include "session/TModalWindow.h"

namespace lur {

TFormVkl::TFormVkl(TFormVklController& form, TUserInterface&, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormVkl");
  setWindowTitle(TFormVklController::kCaption);
  auto* grid = new QGridLayout(this);
  grid->addWidget(NamedLabel("LabNVh", "Дискретный сигнал №", this), 0, 0);
  label2_ = NamedLabel("Label2", "", this);
  grid->addWidget(label2_, 0, 1);
  grid->addWidget(NamedLabel("Label3", "Архивирование", this), 1, 0);
  sbVkl_ = new QToolButton(this);
  sbVkl_->setObjectName("SBVkl");
  sbVkl_->setCheckable(true);
  sbVkl_->setMinimumWidth(90);
  grid->addWidget(sbVkl_, 1, 1);
  auto* ok = DialogButton("OK", "OK", this);
  grid->addWidget(ok, 2, 0, 1, 2, Qt::AlignCenter);

  connect(sbVkl_, &QToolButton::clicked, this, [this](bool down) {
    form_.SBVklClick(down);
    Show();
  });
  connect(ok, &QPushButton::clicked, this, [this] { CloseForm(); });
}

void TFormVkl::Show() {
  label2_->setText(Q(form_.label2));
  sbVkl_->setChecked(form_.sbVkl);
  sbVkl_->setText(Q(form_.sbVklCaption));
}

int TFormVkl::ExecForm() {
  Show();
  exec();
  return kModalOk;  // the values apply however the dialog closed
}

void TFormVkl::CloseForm() { done(form_.OKClick()); }

void TFormVkl::reject() { CloseForm(); }

void TFormVkl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
    CloseForm();
    return;
  }
  QDialog::mousePressEvent(event);
}

}  // namespace lur
