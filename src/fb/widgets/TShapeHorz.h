#pragma once
// A horizontal olive line, 3 pixels thick and centred in the shape's height:
// the line of a diagram row, from its input to its rightmost block. The
// zigzag kinds break the middle of the line into one to four teeth, which
// need a shape taller than the line. The editor sets the length.
#include "fb/widgets/TDiagramPanel.h"

namespace lur {

class TShapeHorz : public TDiagramPanel {
  Q_OBJECT
 public:
  static constexpr int kThickness = 3;

  // `number` names the shape (the row's position + 1).
  explicit TShapeHorz(QWidget* parent = nullptr, int number = 0);

  ShapeType TypeSh() const { return type_; }
  void PutTypeShape(ShapeType type);
  void SetTypeSh(ShapeType type) { PutTypeShape(type); }

  // The number of teeth of a kind: 0 for shNormal, 1..4 for the zigzags.
  static int Teeth(ShapeType type);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  ShapeType type_ = shNormal;
};

}  // namespace lur
