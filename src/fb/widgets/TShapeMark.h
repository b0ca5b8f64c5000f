#pragma once
// The number mark of a function block, 80 x 23, without a border: an olive
// bar along the bottom that carries the block's output on to the next block,
// and, with smMark, the mark text in blue at the top left ("ФБ7").
#include "fb/widgets/TDiagramPanel.h"

namespace lur {

class TShapeMark : public TDiagramPanel {
  Q_OBJECT
 public:
  static constexpr int kWidth = 80;
  static constexpr int kHeight = 23;
  static QRect BarRect() { return {0, kHeight - 3, kWidth, 3}; }
  static QRect MarkRect() { return {0, 0, kWidth, kHeight - 4}; }

  // `number` n gives the mark "ФБ" n.
  explicit TShapeMark(QWidget* parent = nullptr, int number = 0);

  ShapeMark TypeShMark() const { return type_; }
  void PutTypeShapeM(ShapeMark type);
  void SetTypeShMark(ShapeMark type) { PutTypeShapeM(type); }

  // The text is kept while smNoMark hides it.
  QString CaptionMark() const { return mark_; }
  void PutMark(const QString& text);
  void SetCaptionMark(const QString& text) { PutMark(text); }
  // Whether the mark text is drawn.
  bool MarkShown() const { return type_ == smMark && !mark_.isEmpty(); }

 protected:
  void PaintContents(QPainter& painter) override;

 private:
  ShapeMark type_ = smMark;
  QString mark_;
};

}  // namespace lur
