#include "discrete/views/TQtOutputPanel.h"

#include <QMouseEvent>

namespace lur {

TQtOutputPanel::TQtOutputPanel(const QString& name, const QString& caption, QWidget* parent)
    : QLabel(caption, parent) {
  setObjectName(name);
  setAlignment(Qt::AlignCenter);
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setAutoFillBackground(true);
  setFixedSize(24, 24);
}

void TQtOutputPanel::SetColor(std::uint32_t rgb) {
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor::fromRgb(rgb));
  setPalette(p);
}

std::uint32_t TQtOutputPanel::Color() const { return palette().color(QPalette::Window).rgb() & 0xFFFFFFu; }

void TQtOutputPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    if (onRightPress) onRightPress(event->globalPosition().toPoint());
  } else if (event->button() == Qt::LeftButton) {
    leftPressed_ = true;
  }
  event->accept();
}

void TQtOutputPanel::mouseReleaseEvent(QMouseEvent* event) {
  // A click is a press and a release on the panel.
  const bool click =
      leftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) leftPressed_ = false;
  event->accept();
  if (click && onClick) onClick();
}

}  // namespace lur
