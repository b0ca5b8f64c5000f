#include "fb/widgets/TShapeHorz.h"

#include <QPainter>
#include <QPainterPath>

#include "fb/widgets/DiagramColors.h"

namespace lur {

namespace {
constexpr int kToothWidth = 8;
}

TShapeHorz::TShapeHorz(QWidget* parent, int number) : TDiagramPanel(parent) {
  setObjectName(QString("ShapeHorz%1").arg(number));
  // Only the line is drawn: what lies under the rest shows through.
  setAttribute(Qt::WA_OpaquePaintEvent, false);
  SetBevels(bvNone, bvNone);
  resize(20, kThickness);
}

int TShapeHorz::Teeth(ShapeType type) {
  switch (type) {
    case shNormal: return 0;
    case shZigzag0: return 1;
    case shZigzag1: return 2;
    case shZigzag2: return 3;
    case shZigzag3: return 4;
  }
  return 0;
}

void TShapeHorz::PutTypeShape(ShapeType type) {
  type_ = type;
  update();
}

void TShapeHorz::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const int top = (height() - kThickness) / 2;
  const int teeth = Teeth(type_);
  const int zigzagWidth = teeth * kToothWidth;
  const int amplitude = (height() - kThickness) / 2;
  if (teeth == 0 || amplitude < 1 || zigzagWidth > width()) {
    painter.fillRect(0, top, width(), kThickness, diagram::Olive());
    return;
  }
  const int start = (width() - zigzagWidth) / 2;
  const double middle = height() / 2.0;
  painter.fillRect(0, top, start, kThickness, diagram::Olive());
  painter.fillRect(start + zigzagWidth, top, width() - start - zigzagWidth, kThickness, diagram::Olive());
  QPainterPath path(QPointF(start, middle));
  for (int t = 0; t < teeth; ++t) {
    const double x = start + t * kToothWidth;
    path.lineTo(x + kToothWidth / 4.0, middle - amplitude + 1.5);
    path.lineTo(x + 3 * kToothWidth / 4.0, middle + amplitude - 1.5);
    path.lineTo(x + kToothWidth, middle);
  }
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(diagram::Olive(), kThickness, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  painter.drawPath(path);
}

}  // namespace lur
