#include "fb/widgets/TPanZader.h"

#include <QPainter>

#include <climits>

#include "fb/widgets/DiagramColors.h"

namespace lur {

TPanZader::TPanZader(QWidget* parent, int number) : TDiagramPanel(parent) {
  setObjectName(QString("PanZader%1").arg(number));
  setFixedSize(kWidth, kHeight);
  SetBevels(bvLowered, bvNone);
  SetCaption(" t");
  SetHint("панель задержки");
}

void TPanZader::PutTimeDelay(int value, int factor) {
  // In 64 bits, so that no pair of ints overflows the product.
  const long long product = static_cast<long long>(value) * factor;
  delay_ = product > INT_MAX ? INT_MAX : product < INT_MIN ? INT_MIN : static_cast<int>(product);
  update();
}

QRect TPanZader::CaptionRect() const {
  // Under the box: the panel's middle is the box's.
  const QRect client = ClientRect();
  const int top = BoxRect().bottom() + 1;
  return QRect(client.left(), top, client.width(), client.bottom() - top + 1);
}

void TPanZader::PaintContents(QPainter& painter) {
  DrawSunkenBox(painter, BoxRect(), diagram::WindowColor(), DelayText());
}

}  // namespace lur
