#include "network/views/NetLiveCells.h"

#include "live/views/DetailFields.h"
#include "live/views/TModuleLiveWindow.h"

namespace lur {

QLabel* NetLabel(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

QLabel* NetCell(const QString& name, const QString& widest, QWidget* parent) {
  QLabel* cell = NetLabel(name, QString(), parent);
  cell->setAutoFillBackground(true);
  cell->setAlignment(Qt::AlignCenter);
  cell->setMinimumWidth(cell->fontMetrics().horizontalAdvance(widest) + 12);
  return cell;
}

void PaintNetCell(QLabel* cell, const TLiveCellLook& look) {
  QPalette palette = cell->palette();
  palette.setColor(QPalette::Window, LiveColour(look.background, palette));
  palette.setColor(QPalette::WindowText, LiveColour(look.textColour, palette));
  cell->setPalette(palette);
  cell->setText(FromUtf8(look.text));
}

}  // namespace lur
