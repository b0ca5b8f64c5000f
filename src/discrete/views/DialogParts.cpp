#include "discrete/views/DialogParts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ui/TQtFieldInput.h"

namespace lur {
namespace {

void MoveToNextControl(QWidget* from) {
  for (QWidget* w = from->nextInFocusChain(); w && w != from; w = w->nextInFocusChain()) {
    if ((w->focusPolicy() & Qt::TabFocus) && w->isEnabled() && w->isVisibleTo(from->window())) {
      w->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

}  // namespace

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QLineEdit* BoundEdit(const char* name, TFieldKind kind, int maxLength, TUserInterface& ui, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setMaxLength(maxLength);
  TQtFieldInput::Bind(edit, kind, ui);
  if (kind == TFieldKind::Text) {
    // The key filter lets Enter through in a text field: it moves on here
    // instead of pressing a button.
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [edit] { MoveToNextControl(edit); });
  }
  return edit;
}

QPushButton* DialogButton(const char* name, const QString& text, QWidget* parent) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  button->setDefault(false);
  return button;
}

}  // namespace lur
