#include "fb/widgets/DiagramColors.h"

#include <QApplication>
#include <QPalette>

namespace lur::diagram {

QColor FaceColor() { return QApplication::palette().color(QPalette::Active, QPalette::Button); }
QColor WindowColor() { return QApplication::palette().color(QPalette::Active, QPalette::Base); }
QColor InfoColor() { return QApplication::palette().color(QPalette::Active, QPalette::ToolTipBase); }
QColor ShadowColor() { return QApplication::palette().color(QPalette::Active, QPalette::Dark); }
QColor HighlightColor() { return QApplication::palette().color(QPalette::Active, QPalette::Light); }

}  // namespace lur::diagram
