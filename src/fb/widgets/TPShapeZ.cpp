#include "fb/widgets/TPShapeZ.h"

#include <QPainter>
#include <QRegion>

#include "fb/widgets/DiagramColors.h"

namespace lur {

namespace {

// Between the output's level and inputs 1..4 of the next block: 72, 48, 24
// and 0 pixels.
constexpr int kInputStep = 24;
constexpr int kShortHeight = 75;

// The height of the longer links stZigzag4..8: 98, 122, ..., 194.
int LongHeight(ShapeZType type) { return 98 + kInputStep * (int(type) - int(stZigzag4)); }

}  // namespace

QSize TPShapeZ::SizeOf(ShapeZType type) {
  switch (type) {
    case stZigzag0:
    case stZigzag1:
    case stZigzag2:
    case stZigzag3:
      return {kLength, kShortHeight};
    case stZigzag4:
    case stZigzag5:
    case stZigzag6:
    case stZigzag7:
    case stZigzag8:
      return {kLength, LongHeight(type)};
    case stZigzag00:
      break;
  }
  return {kLength, kThickness};
}

QList<QRect> TPShapeZ::Segments(ShapeZType type) {
  const int height = SizeOf(type).height();
  switch (type) {
    case stZigzag0:
      return {QRect(0, height - kThickness, kLength, kThickness)};
    case stZigzag1:
    case stZigzag2:
    case stZigzag3: {
      // Input 3, 2 or 1: 24, 48 or 72 above the bottom's line.
      const int top = height - kThickness - kInputStep * (int(type) - int(stZigzag0));
      return {QRect(0, top, kLength, kThickness), QRect(0, top, kThickness, height - top)};
    }
    case stZigzag4:
    case stZigzag5:
    case stZigzag6:
    case stZigzag7:
    case stZigzag8:
      return {QRect(0, 0, kLength, kThickness), QRect(0, 0, kThickness, height)};
    case stZigzag00:
      return {QRect(0, 0, kLength, kThickness)};
  }
  return {};
}

TPShapeZ::TPShapeZ(QWidget* parent, int number, ShapeZType type) : TDiagramPanel(parent) {
  setObjectName(QString("PShapeZ%1").arg(number));
  // Only the segments are drawn: what lies under the rest shows through.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  SetBevels(bvNone, bvNone);
  PutTypeShape(type);
}

void TPShapeZ::PutTypeShape(ShapeZType type) {
  type_ = type;
  setFixedSize(SizeOf(type));
  QRegion shape;
  for (const QRect& segment : Segments(type)) shape += segment;
  // An empty region would clear the mask and leave the whole shape taking
  // the mouse; an unknown type keeps its small rectangle.
  if (shape.isEmpty())
    clearMask();
  else
    setMask(shape);
  update();
}

void TPShapeZ::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (const QRect& segment : Segments(type_)) painter.fillRect(segment, diagram::Olive());
}

}  // namespace lur
