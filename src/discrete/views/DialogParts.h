#pragma once
// The controls the dialogs of the discrete editor are made of, named as the
// windows know them: labels, fields bound to the key filters of their kind,
// and the OK button that does not fire on Enter (Enter moves between fields).
#include <QString>
#include <string>

#include "ui/FieldKeys.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace lur {

class TUserInterface;

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent);
// An integer or text field of at most maxLength characters with the key
// filter of its kind; Enter in a text field moves to the next control.
QLineEdit* BoundEdit(const char* name, TFieldKind kind, int maxLength, TUserInterface& ui, QWidget* parent);
QPushButton* DialogButton(const char* name, const QString& text, QWidget* parent);

inline QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }
inline std::string S(const QString& text) { return text.toStdString(); }

}  // namespace lur
