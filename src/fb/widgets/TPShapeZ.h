#pragma once
// The link from a block's output into an input of the next block, drawn as
// olive segments 3 pixels thick: a horizontal segment 20 long into the input
// and, but for stZigzag0 and stZigzag00, a vertical segment on the left from
// the output's level (the shape's bottom) up to it.
//
// The editor places the shape at the panel's top + 20, at the end of the
// number mark's bar, so that the bottom lies on the output's level (input 4)
// and the inputs 1..3 lie 72, 48 and 24 pixels above it:
//   stZigzag0   20 x 75, the horizontal at the bottom (into input 4)
//   stZigzag1   20 x 75, up to input 3;  stZigzag2 to input 2;  stZigzag3 to input 1
//   stZigzag4..8  longer links, 98, 122, 146, 170 and 194 high, the
//               horizontal at the top
//   stZigzag00  20 x 3, the horizontal alone
// An unknown type is 20 x 3 and draws nothing.
//
// Only the segments take the mouse: a click beside them reaches whatever
// lies under the shape, a neighbouring block included.
#include <QList>
#include <QRect>
#include <QSize>

#include "fb/widgets/TDiagramPanel.h"

namespace lur {

class TPShapeZ : public TDiagramPanel {
  Q_OBJECT
 public:
  static constexpr int kThickness = 3;
  static constexpr int kLength = 20;

  // The size and the segments of a type, in the shape's coordinates.
  static QSize SizeOf(ShapeZType type);
  static QList<QRect> Segments(ShapeZType type);

  // `number` names the shape (the block's number).
  explicit TPShapeZ(QWidget* parent = nullptr, int number = 0, ShapeZType type = stZigzag0);

  ShapeZType TypeSh() const { return type_; }
  // Resizes the shape for the type and redraws it.
  void PutTypeShape(ShapeZType type);
  void SetTypeSh(ShapeZType type) { PutTypeShape(type); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ShapeZType type_ = stZigzag0;
};

}  // namespace lur
