#pragma once
// What the network live windows share: named labels, coloured cells and
// their painting from the controllers' looks.
#include <QLabel>
#include <QString>

#include "live/TLiveCellLook.h"

namespace lur {

QLabel* NetLabel(const QString& name, const QString& text, QWidget* parent);
// A cell that fills its background, wide enough for `widest`.
QLabel* NetCell(const QString& name, const QString& widest, QWidget* parent);
void PaintNetCell(QLabel* cell, const TLiveCellLook& look);

}  // namespace lur
