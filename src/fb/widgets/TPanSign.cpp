#include "fb/widgets/TPanSign.h"

#include <QPainter>

#include "fb/widgets/DiagramColors.h"

namespace lur {

TPanSign::TPanSign(QWidget* parent, int number) : TDiagramPanel(parent), colorSign_(diagram::WindowColor()) {
  setObjectName(QString("PanSign%1").arg(number));
  setFixedSize(kWidth, kHeight);
  SetBevels(bvLowered, bvNone);
  SetHint("панель сигнализации");
  PutTipS(0);
}

QString TPanSign::TypeCaption(int type) {
  switch (type) {
    case 0: return "т сиг";
    case 1: return "пред";
    case 2: return "авар";
    case 3: return "инд";
  }
  return {};
}

QColor TPanSign::TypeColor(int type) {
  switch (type) {
    case 1: return diagram::Yellow();
    case 2: return diagram::Red();
    case 3: return diagram::Lime();
  }
  return diagram::WindowColor();
}

void TPanSign::PutTipS(int type) {
  tipS_ = type;
  SetCaption(TypeCaption(type));
}

void TPanSign::PutNTabS(int type, int cell) {
  nTabS_ = cell;
  PutColorSign(TypeColor(type));
  update();
}

void TPanSign::PutColorSign(const QColor& color) {
  colorSign_ = color;
  update();
}

QRect TPanSign::CaptionRect() const {
  // Left of the box.
  QRect client = ClientRect();
  return QRect(client.left() + 1, client.top(), BoxRect().left() - client.left() - 2, client.height());
}

void TPanSign::PaintContents(QPainter& painter) { DrawSunkenBox(painter, BoxRect(), colorSign_, CellText()); }

}  // namespace lur
