#pragma once
// The two ways a window shows a field error, on the widgets themselves:
// the input error box over a field flashed red, and the inline marker
// `ErrorText` beside the field. TQtUserInterface reaches them by the field's
// name; views holding the widget may call them directly.
#include <QString>

class QLabel;
class QWidget;

namespace lur {

// The field's base colour turns red, a beep, the error box with `text`
// (caption "Ошибка", error icon) over the field's window, then the base
// colour turns white.
void FlashInputError(QWidget* field, const QString& text);

// The inline marker of the field's window: its `ErrorText` label (made,
// hidden, when the window has none) takes `text`, is placed at
// top = field bottom - 5, left = field left - 15 in the window's
// coordinates (kept inside the window), raised and shown, with a beep. It
// hides itself when the mouse moves over it.
void ShowErrorMarker(QWidget* field, const QString& text);

// The window's marker: its QLabel `ErrorText`, made on first use (hidden,
// text "ошибка", hiding itself under the mouse).
QLabel* ErrorMarker(QWidget* window);

}  // namespace lur
