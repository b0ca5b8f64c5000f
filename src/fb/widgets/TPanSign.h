#pragma once
// The signalling block of a diagram row, 60 x 42: its type as the caption and
// the light-board cell in a sunken box coloured by the signalling type.
#include "fb/widgets/TDiagramPanel.h"

namespace lur {

class TPanSign : public TDiagramPanel {
  Q_OBJECT
 public:
  static constexpr int kWidth = 60;
  static constexpr int kHeight = 42;
  static QRect BoxRect() { return {30, 10, 21, 17}; }

  // `number` names the panel (the row's position + 1).
  explicit TPanSign(QWidget* parent = nullptr, int number = 0);

  // The caption of a type: 0 "т сиг", 1 "пред", 2 "авар", 3 "инд"; none for
  // any other.
  static QString TypeCaption(int type);
  // The box colour of a type: the window colour for 0 (and for an unknown
  // type), yellow, red and green for 1..3.
  static QColor TypeColor(int type);

  int TipS() const { return tipS_; }
  void PutTipS(int type);

  // The cell (empty box for 0) and the box colour of the type.
  int NTabS() const { return nTabS_; }
  QString CellText() const { return nTabS_ == 0 ? QString() : QString::number(nTabS_); }
  void PutNTabS(int type, int cell);

  QColor ColorSign() const { return colorSign_; }
  // Recolours the box.
  void PutColorSign(const QColor& color);
  // Stores the colour and recolours.
  void SetColorSign(const QColor& color) { PutColorSign(color); }

 protected:
  QRect CaptionRect() const override;
  void PaintContents(QPainter& painter) override;

 private:
  int tipS_ = 0;
  int nTabS_ = 0;
  QColor colorSign_;
};

}  // namespace lur
