#pragma once
// The delay block of a diagram row, 42 x 42: the delay (value x factor) in a
// sunken box and the caption " t" below it.
#include "fb/widgets/TDiagramPanel.h"

namespace lur {

class TPanZader : public TDiagramPanel {
  Q_OBJECT
 public:
  static constexpr int kWidth = 42;
  static constexpr int kHeight = 42;
  static QRect BoxRect() { return {12, 10, 21, 17}; }

  // `number` names the panel (the row's position + 1).
  explicit TPanZader(QWidget* parent = nullptr, int number = 0);

  // Shows value x factor (the delay in its discreteness, 1 or 10).
  void PutTimeDelay(int value, int factor);
  int TimeDelay() const { return delay_; }
  QString DelayText() const { return QString::number(delay_); }

 protected:
  QRect CaptionRect() const override;
  void PaintContents(QPainter& painter) override;

 private:
  int delay_ = 0;
};

}  // namespace lur
