#include "shell/views/TFPSW.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QValidator>

namespace lur {
namespace {

const char* const kHint = "Введите пароль и нажмите <Enter>";

// Whatever reaches the field by other ways than a key (pasting with the
// mouse, dropping, an input method) must still be digits only.
class TPasswordValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int&) const override {
    return TFPSWController::IsFieldText(input.toStdString()) ? Acceptable : Invalid;
  }
};

}  // namespace

TPasswordKey ClassifyPasswordKey(int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  if (key == Qt::Key_Return || key == Qt::Key_Enter) return TPasswordKey::Enter;
  const bool chorded =
      modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
  if (key >= Qt::Key_0 && key <= Qt::Key_9 && text.size() == 1 && text[0].isDigit() &&
      text[0].unicode() < 128) {
    return chorded ? TPasswordKey::Other : TPasswordKey::Digit;
  }
  switch (key) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_NumLock:
    case Qt::Key_CapsLock:
      return TPasswordKey::Editing;
    default:
      return TPasswordKey::Other;
  }
}

TFPSW::TFPSW(QWidget* parent) : QDialog(parent) {
  setObjectName("TFPSW");
  setWindowTitle("Введите пароль и нажмите  <ENTER>");
  setToolTip(kHint);
  setModal(true);
  label1_ = new QLabel("Внимание! Замена пароля!", this);
  label1_->setObjectName("Label1");
  label1_->setStyleSheet("color: #b00000; font-weight: bold;");
  label1_->setVisible(false);
  edit1_ = new QLineEdit(this);
  edit1_->setObjectName("Edit1");
  edit1_->setMaxLength(TFPSWController::kMaxLength);
  edit1_->setEchoMode(QLineEdit::Password);
  edit1_->setToolTip(kHint);
  edit1_->setValidator(new TPasswordValidator(edit1_));
  edit1_->setContextMenuPolicy(Qt::NoContextMenu);
  edit1_->setAcceptDrops(false);
  edit1_->installEventFilter(this);
  connect(edit1_, &QLineEdit::textChanged, this, [this](const QString& t) {
    if (form_) form_->text = t.toStdString();
  });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1_);
  layout->addWidget(edit1_);
  setMinimumWidth(360);
}

int TFPSW::ShowModal(TFPSWController& form) {
  form_ = &form;
  label1_->setVisible(form.label1Visible);
  edit1_->setText(QString::fromStdString(form.text));
  edit1_->setFocus();
  exec();
  form_ = nullptr;
  // Enter and the close box alike end the dialog normally: the controller
  // has judged the text.
  return kModalOk;
}

void TFPSW::done(int result) {
  if (form_) {
    form_->text = edit1_->text().toStdString();
    form_->FormClose();
    edit1_->setText(QString::fromStdString(form_->text));
  }
  QDialog::done(result);
}

bool TFPSW::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit1_ || event->type() != QEvent::KeyPress || !form_)
    return QDialog::eventFilter(watched, event);
  const auto* key = static_cast<QKeyEvent*>(event);
  switch (form_->Edit1KeyDown(ClassifyPasswordKey(key->key(), key->text(), key->modifiers()))) {
    case TKeyVerdict::Pass:
      return false;
    case TKeyVerdict::Close:
      accept();
      return true;
    case TKeyVerdict::Refused:
      QApplication::beep();
      edit1_->clear();
      return true;
  }
  return true;
}

}  // namespace lur
