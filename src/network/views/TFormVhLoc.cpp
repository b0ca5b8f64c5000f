#include "network/views/TFormVhLoc.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "live/views/DetailFields.h"
#include "session/TModalWindow.h"
#include "ui/TQtFieldErrors.h"
#include "ui/TQtFieldInput.h"

namespace lur {

TFormVhLoc::TFormVhLoc(TFormVhLocController& form, TUserInterface& ui, QWidget* parent)
    : QDialog(parent), form_(form) {
  setObjectName("TFormVhLoc");
  setWindowTitle(QString::fromUtf8(TFormVhLocController::kCaption));
  setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) & ~Qt::WindowCloseButtonHint);
  auto* grid = new QGridLayout(this);
  auto field = [&](const char* name, const char* caption, int row, std::string* text) {
    auto* label = new QLabel(QString::fromUtf8(caption), this);
    label->setObjectName(QString(name) + "Caption");
    grid->addWidget(label, row, 0);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setMaxLength(TFormVhLocController::kMaxDigits);
    TQtFieldInput::Bind(edit, TFieldKind::Integer, ui);
    connect(edit, &QLineEdit::textChanged, this, [text](const QString& t) { *text = t.toStdString(); });
    grid->addWidget(edit, row, 1);
    return edit;
  };
  edit1_ = field("Edit1", TFormVhLocController::kEdit1Caption, 0, &form_.edit1);
  edit2_ = field("Edit2", TFormVhLocController::kEdit2Caption, 1, &form_.edit2);
  connect(edit1_, &QLineEdit::editingFinished, this, [this] { form_.Edit1Exit(); });
  connect(edit2_, &QLineEdit::editingFinished, this, [this] { form_.Edit2Exit(); });
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OK");
  ok->setAutoDefault(false);
  connect(ok, &QPushButton::clicked, this, [this] { OKClick(); });
  grid->addWidget(ok, 2, 0, 1, 2);
  ErrorMarker(this);
}

int TFormVhLoc::ExecForm() {
  accepted_ = false;
  edit1_->setText(FromUtf8(form_.edit1));
  edit2_->setText(FromUtf8(form_.edit2));
  ErrorMarker(this)->hide();
  edit1_->setFocus();
  exec();
  return accepted_ ? kModalOk : kModalError;
}

void TFormVhLoc::OKClick() {
  if (!form_.OKClick()) return;  // refused: the marker is at the field, the dialog stays
  accepted_ = true;
  done(kModalOk);
}

void TFormVhLoc::reject() {}

void TFormVhLoc::closeEvent(QCloseEvent* event) {
  if (accepted_) {
    event->accept();
  } else {
    event->ignore();
  }
}

}  // namespace lur
