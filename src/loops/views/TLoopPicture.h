#pragma once
// The loops inside ScrollBox1: every frame, panel, mark and connector of a
// TLoopDrawing painted where it says, in its colours. A press anywhere is
// mapped to its loop (-1 for free space) and reported.
#include <QWidget>

#include "loops/TLoopDrawing.h"

namespace lur {

class TLoopPicture : public QWidget {
  Q_OBJECT
 public:
  explicit TLoopPicture(QWidget* parent = nullptr);

  // Paints this drawing from now on; the height is its scroll range.
  void Show(const TLoopDrawing& drawing);
  const TLoopDrawing& Drawing() const { return drawing_; }

 signals:
  void Pressed(int loop, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint globalPos);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  TLoopDrawing drawing_;
};

}  // namespace lur
