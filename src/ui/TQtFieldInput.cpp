#include "ui/TQtFieldInput.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QValidator>

#include "ui/TUserInterface.h"

namespace lur {
namespace {

// The last line of defence: text arriving by a way no event shows (the
// context menu's paste, an input method) is refused without a word.
class TFieldValidator : public QValidator {
 public:
  TFieldValidator(TFieldKind kind, QObject* parent) : QValidator(parent), kind_(kind) {}
  State validate(QString& input, int&) const override {
    return IsFieldText(kind_, input.toStdString()) ? Acceptable : Invalid;
  }

 private:
  TFieldKind kind_;
};

// What Shift with a digit types on the Latin and the Russian layouts.
bool IsShiftedDigitSign(const QString& text) {
  static const QString kSigns = QStringLiteral("!@#$%^&*()\";:?№");
  return text.size() == 1 && kSigns.contains(text[0]);
}

}  // namespace

TKeyStroke KeyStrokeOf(const QKeyEvent& event) {
  TKeyStroke stroke;
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  stroke.shift = modifiers & Qt::ShiftModifier;
  stroke.ctrl = modifiers & Qt::ControlModifier;
  const int key = event.key();
  const QString text = event.text();
  const bool typesDigit = text.size() == 1 && text[0] >= '0' && text[0] <= '9';
  if (typesDigit || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
    stroke.key = modifiers & Qt::KeypadModifier ? TKey::KeypadDigit : TKey::Digit;
    if (typesDigit) stroke.shift = false;  // whatever is held, a digit arrives
    return stroke;
  }
  if (stroke.shift && IsShiftedDigitSign(text)) {
    stroke.key = TKey::Digit;
    return stroke;
  }
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: stroke.key = TKey::Enter; return stroke;
    case Qt::Key_Backspace: stroke.key = TKey::Backspace; return stroke;
    case Qt::Key_Delete: stroke.key = TKey::Delete; return stroke;
    case Qt::Key_Shift: stroke.key = TKey::Shift; return stroke;
    case Qt::Key_Control: stroke.key = TKey::Ctrl; return stroke;
    case Qt::Key_Left: stroke.key = TKey::Left; return stroke;
    case Qt::Key_Right: stroke.key = TKey::Right; return stroke;
    case Qt::Key_NumLock: stroke.key = TKey::NumLock; return stroke;
    case Qt::Key_CapsLock: stroke.key = TKey::CapsLock; return stroke;
    case Qt::Key_Escape: stroke.key = TKey::Escape; return stroke;
    default: break;
  }
  if (key >= Qt::Key_A && key <= Qt::Key_F) {
    stroke.key = TKey::HexLetter;
  } else if (key <= 0xFFFF && QChar(key).isLetter()) {
    stroke.key = TKey::Letter;  // G..Z and the letters of other scripts
  }
  return stroke;
}

TQtFieldInput::TQtFieldInput(QLineEdit* edit, TFieldKind kind, TUserInterface& ui)
    : QObject(edit), edit_(edit), kind_(kind), ui_(ui) {}

TQtFieldInput* TQtFieldInput::Bind(QLineEdit* edit, TFieldKind kind, TUserInterface& ui) {
  auto* input = new TQtFieldInput(edit, kind, ui);
  edit->setValidator(new TFieldValidator(kind, edit));
  edit->installEventFilter(input);
  return input;
}

bool TQtFieldInput::eventFilter(QObject* watched, QEvent* event) {
  if (watched != edit_) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
      return KeyPress(static_cast<QKeyEvent*>(event));
    case QEvent::Drop: {
      auto* drop = static_cast<QDropEvent*>(event);
      const QMimeData* data = drop->mimeData();
      if (data && data->hasText() && !IsFieldText(kind_, data->text().toStdString())) {
        drop->setDropAction(Qt::IgnoreAction);
        drop->accept();
        Refuse();
        return true;
      }
      return false;
    }
    default:
      return false;
  }
}

bool TQtFieldInput::KeyPress(QKeyEvent* event) {
  // Tab and Backtab move between controls before any field sees them.
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return false;
  switch (ClassifyFieldKey(kind_, KeyStrokeOf(*event), edit_->text().isEmpty())) {
    case TFieldKeyVerdict::NextControl:
      MoveToNextControl();
      return true;
    case TFieldKeyVerdict::InputError:
      Refuse();
      return true;
    case TFieldKeyVerdict::Pass:
      break;
  }
  if (event->matches(QKeySequence::Paste)) {
    const QString pasted = QApplication::clipboard()->text();
    if (!IsFieldText(kind_, pasted.toStdString())) {
      Refuse();
      return true;
    }
    return false;
  }
  // A key that passed may still type a character the field cannot hold (a
  // letter of another script in a text field). Keys with Ctrl type nothing.
  const QString text = event->text();
  if (!(event->modifiers() & Qt::ControlModifier) && !text.isEmpty() && text[0].isPrint() &&
      !IsFieldText(kind_, text.toStdString())) {
    Refuse();
    return true;
  }
  return false;
}

void TQtFieldInput::Refuse() { ui_.InputError(edit_->objectName().toStdString()); }

void TQtFieldInput::MoveToNextControl() {
  for (QWidget* w = edit_->nextInFocusChain(); w && w != edit_; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(edit_->window())) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

}  // namespace lur
