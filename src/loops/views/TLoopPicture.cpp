#include "loops/views/TLoopPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace lur {
namespace {

constexpr int kLineHeight = 16;
constexpr int kTextInset = 6;
constexpr int kPictureRightMargin = 20;

QColor ColorOf(const TLoopColor& c) { return QColor(c.r, c.g, c.b); }
QRect RectOf(const TLoopRect& r) { return QRect(r.x, r.y, r.w, r.h); }

// Regulator panels list their lines down the panel; a setter's six points
// go in rows, the interval left and the set value right.
void PaintLines(QPainter& painter, const TLoopPanel& panel) {
  const QRect r = RectOf(panel.rect).adjusted(kTextInset, 2, -kTextInset, -2);
  const bool setter = panel.type == TRegType::rtPZ;
  for (std::size_t i = 0; i < panel.lines.size(); ++i) {
    const int row = static_cast<int>(setter ? i / 2 : i);
    const int column = setter ? static_cast<int>(i % 2) : 0;
    const int width = setter ? r.width() / 2 : r.width();
    const QRect line(r.x() + column * width, r.y() + row * kLineHeight, width, kLineHeight);
    painter.drawText(line, Qt::AlignLeft | Qt::AlignVCenter, QString::fromStdString(panel.lines[i]));
  }
}

}  // namespace

TLoopPicture::TLoopPicture(QWidget* parent) : QWidget(parent) {
  setObjectName("LoopPicture");
  Show({});
}

void TLoopPicture::Show(const TLoopDrawing& drawing) {
  drawing_ = drawing;
  setFixedSize(kLoopFrameLeft + kLoopFrameWidth + kPictureRightMargin, drawing_.height);
  update();
}

void TLoopPicture::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const TLoopFrame& frame : drawing_.frames) {
    const QColor color = ColorOf(frame.color);
    painter.setPen(ColorOf(kLoopOutlineColor));
    painter.setBrush(color);
    painter.drawRect(RectOf(frame.rect).adjusted(0, 0, -1, -1));
    painter.setPen(Qt::black);
    for (const TLoopRect& c : frame.connectors) painter.drawRect(RectOf(c).adjusted(0, 0, -1, -1));
    for (const TLoopPanel& panel : frame.panels) {
      painter.setBrush(color);
      painter.drawRect(RectOf(panel.rect).adjusted(0, 0, -1, -1));
      PaintLines(painter, panel);
    }
    for (const TLoopMark& mark : frame.marks) {
      painter.fillRect(RectOf(mark.rect), color);
      painter.drawText(RectOf(mark.rect), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromStdString(mark.text));
    }
  }
}

void TLoopPicture::mousePressEvent(QMouseEvent* event) {
  const QPoint p = event->position().toPoint();
  const std::optional<int> loop = LoopAt(drawing_, p.x(), p.y());
  emit Pressed(loop ? *loop : -1, event->button(), event->modifiers(), event->globalPosition().toPoint());
}

}  // namespace lur
