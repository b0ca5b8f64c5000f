#pragma once
// The colours of the diagrams. The system colours come from the
// application's palette, so a diagram follows the desktop's theme; the others
// are fixed.
#include <QColor>

namespace lur::diagram {

QColor FaceColor();       // button face: panels and bands at rest
QColor WindowColor();     // the window (edit) background: empty value boxes
QColor InfoColor();       // tooltip background: the element under the mouse, relay boxes in use
QColor ShadowColor();     // the dark side of a bevel
QColor HighlightColor();  // the light side of a bevel

inline QColor SelectionColor() { return QColor(166, 202, 240); }  // sky blue: selected rows
inline QColor Silver() { return QColor(192, 192, 192); }
inline QColor Olive() { return QColor(128, 128, 0); }
inline QColor Teal() { return QColor(0, 128, 128); }
inline QColor Blue() { return QColor(0, 0, 255); }
inline QColor Yellow() { return QColor(255, 255, 0); }
inline QColor Red() { return QColor(255, 0, 0); }
inline QColor Lime() { return QColor(0, 255, 0); }

}  // namespace lur::diagram
