#include "fb/widgets/TShapeMark.h"

#include <QPainter>

#include "fb/widgets/DiagramColors.h"

namespace lur {

TShapeMark::TShapeMark(QWidget* parent, int number) : TDiagramPanel(parent), mark_("ФБ" + QString::number(number)) {
  setObjectName(QString("ShapeMark%1").arg(number));
  setFixedSize(kWidth, kHeight);
  SetBevels(bvNone, bvNone);
}

void TShapeMark::PutTypeShapeM(ShapeMark type) {
  type_ = type;
  update();
}

void TShapeMark::PutMark(const QString& text) {
  mark_ = text;
  update();
}

void TShapeMark::PaintContents(QPainter& painter) {
  painter.fillRect(BarRect(), diagram::Olive());
  if (!MarkShown()) return;
  painter.setPen(diagram::Blue());
  painter.drawText(MarkRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, mark_);
}

}  // namespace lur
