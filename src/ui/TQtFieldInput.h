#pragma once
// Binds a QLineEdit to the rules of its field kind: a key filter applying
// ClassifyFieldKey to every key press, and a check of whatever text arrives
// by other ways (Ctrl+V, a drop, the context menu's paste), so that pasted
// or dropped text passes the same filter as typed text. Refused keys and
// refused pastes or drops give the input error of the field through the
// TUserInterface, named by the edit's objectName.
#include <QObject>

#include "ui/FieldKeys.h"

class QKeyEvent;
class QLineEdit;

namespace lur {

class TUserInterface;

class TQtFieldInput : public QObject {
 public:
  // Installs the filter and a validator on `edit` (owned by it). `ui` must
  // outlive the edit.
  static TQtFieldInput* Bind(QLineEdit* edit, TFieldKind kind, TUserInterface& ui);

  TFieldKind Kind() const { return kind_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TQtFieldInput(QLineEdit* edit, TFieldKind kind, TUserInterface& ui);
  bool KeyPress(QKeyEvent* event);
  void Refuse();
  void MoveToNextControl();

  QLineEdit* edit_;
  TFieldKind kind_;
  TUserInterface& ui_;
};

// A Qt key press as the filters see it. The digit a key types counts, not
// its place: a key that types a digit is a digit key (with Qt's keypad
// modifier, of the keypad), while a digit key that types something else
// under Shift is a digit with Shift held.
TKeyStroke KeyStrokeOf(const QKeyEvent& event);

}  // namespace lur
