#include "fb/widgets/TDiagramPanel.h"

#include <QContextMenuEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>

#include "fb/widgets/DiagramColors.h"

namespace lur {

TDiagramPanel::TDiagramPanel(QWidget* parent) : QWidget(parent), color_(diagram::FaceColor()) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  // The blocks are small: captions in a small font, as on the controller's
  // printed schemas.
  QFont small = font();
  small.setPointSize(8);
  setFont(small);
}

void TDiagramPanel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void TDiagramPanel::SetColor(const QColor& color) {
  if (color == color_) return;
  color_ = color;
  update();
}

void TDiagramPanel::SetHoverHighlight(bool on) {
  hoverHighlight_ = on;
  update();
}

QColor TDiagramPanel::ShownColor() const {
  return hoverHighlight_ && hovered_ ? diagram::InfoColor() : color_;
}

void TDiagramPanel::SetBevels(TPanelBevel outer, TPanelBevel inner) {
  outer_ = outer;
  inner_ = inner;
  update();
}

QRect TDiagramPanel::DrawBevel(QPainter& painter, const QRect& rect, TPanelBevel bevel) {
  if (bevel == bvNone || rect.width() < 2 || rect.height() < 2) return rect;
  const QColor topLeft = bevel == bvRaised ? diagram::HighlightColor() : diagram::ShadowColor();
  const QColor bottomRight = bevel == bvRaised ? diagram::ShadowColor() : diagram::HighlightColor();
  const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
  painter.fillRect(QRect(l, t, rect.width(), 1), topLeft);
  painter.fillRect(QRect(l, t, 1, rect.height()), topLeft);
  painter.fillRect(QRect(l + 1, b, rect.width() - 1, 1), bottomRight);
  painter.fillRect(QRect(r, t + 1, 1, rect.height() - 1), bottomRight);
  return rect.adjusted(1, 1, -1, -1);
}

void TDiagramPanel::DrawSunkenBox(QPainter& painter, const QRect& rect, const QColor& fill, const QString& text) {
  const QRect inside = DrawBevel(painter, rect, bvLowered);
  painter.fillRect(inside, fill);
  if (text.isEmpty()) return;
  painter.save();
  QFont small = painter.font();
  small.setPointSize(7);
  painter.setFont(small);
  painter.setPen(Qt::black);
  painter.setClipRect(inside);
  // A list too long for its box shows its beginning; the hint has it all.
  const bool fits = painter.fontMetrics().horizontalAdvance(text) <= inside.width();
  painter.drawText(inside, (fits ? Qt::AlignCenter : (Qt::AlignLeft | Qt::AlignVCenter)) | Qt::TextSingleLine, text);
  painter.restore();
}

QRect TDiagramPanel::ClientRect() const {
  int inset = (outer_ != bvNone) + (inner_ != bvNone);
  return rect().adjusted(inset, inset, -inset, -inset);
}

QRect TDiagramPanel::CaptionRect() const { return ClientRect(); }

void TDiagramPanel::PaintContents(QPainter&) {}

void TDiagramPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), ShownColor());
  QRect inside = DrawBevel(painter, rect(), outer_);
  DrawBevel(painter, inside, inner_);
  if (!caption_.isEmpty()) {
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(CaptionRect(), int(CaptionAlignment()) | Qt::TextSingleLine, caption_);
  }
  PaintContents(painter);
}

bool TDiagramPanel::TakesLeftButton() const {
  return isSignalConnected(QMetaMethod::fromSignal(&TDiagramPanel::OnClick)) ||
         isSignalConnected(QMetaMethod::fromSignal(&TDiagramPanel::OnDblClick));
}

void TDiagramPanel::Click(Qt::KeyboardModifiers modifiers) { emit OnClick(modifiers); }

void TDiagramPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton &&
      isSignalConnected(QMetaMethod::fromSignal(&TDiagramPanel::OnRightPress))) {
    emit OnRightPress(event->globalPosition().toPoint());
    return;
  }
  if (event->button() == Qt::LeftButton && TakesLeftButton()) {
    leftPressed_ = true;
    return;
  }
  event->ignore();
}

void TDiagramPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !leftPressed_) {
    event->ignore();
    return;
  }
  leftPressed_ = false;
  if (swallowRelease_) {
    swallowRelease_ = false;
    return;
  }
  if (rect().contains(event->position().toPoint())) Click(event->modifiers());
}

void TDiagramPanel::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !TakesLeftButton()) {
    event->ignore();
    return;
  }
  leftPressed_ = true;
  swallowRelease_ = true;
  emit OnDblClick();
}

void TDiagramPanel::contextMenuEvent(QContextMenuEvent* event) {
  if (isSignalConnected(QMetaMethod::fromSignal(&TDiagramPanel::OnRightPress)))
    event->accept();
  else
    event->ignore();
}

void TDiagramPanel::enterEvent(QEnterEvent*) {
  hovered_ = true;
  if (hoverHighlight_) update();
}

void TDiagramPanel::leaveEvent(QEvent*) {
  hovered_ = false;
  if (hoverHighlight_) update();
}

}  // namespace lur
