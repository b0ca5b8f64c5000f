#pragma once
// The relay output block of a diagram row, 200 x 42, captioned "МР": one
// sunken box per relay module 1..5, silver while the module is not used,
// else listing the module's outputs the row switches ("1,3,"). Each box has
// its own hint ("MP 1: 1,3,"), shown when the mouse rests on the box.
#include <array>
#include <cstdint>

#include "fb/widgets/TDiagramPanel.h"

namespace lur {

class TPanMR : public TDiagramPanel {
  Q_OBJECT
 public:
  static constexpr int kWidth = 200;
  static constexpr int kHeight = 42;
  static constexpr int kModules = 5;
  // Box m (0..4).
  static QRect BoxRect(int m);

  // `number` names the panel (the row's position + 1).
  explicit TPanMR(QWidget* parent = nullptr, int number = 0);

  // Module m (0..4) not used: its box empty and silver, hint "MP m+1: ".
  // Modules outside 0..4 are ignored.
  void PassiveMR(int m);
  // Module m used: its box in the info colour, listing for every set bit k
  // of the mask k + 1 and a comma, and its hint the same after "MP m+1: ".
  void ActiveMR(int m, std::uint8_t mask);

  QString MRHint1() const { return GetHint(0); }
  QString MRHint2() const { return GetHint(1); }
  QString MRHint3() const { return GetHint(2); }
  QString MRHint4() const { return GetHint(3); }
  QString MRHint5() const { return GetHint(4); }
  // The hint of module m, empty outside 0..4.
  QString GetHint(int m) const;
  QString BoxText(int m) const;
  bool Active(int m) const;

 protected:
  QRect CaptionRect() const override;
  void PaintContents(QPainter& painter) override;
  bool event(QEvent* event) override;

 private:
  struct Module {
    bool active = false;
    QString text;
    QString hint;
  };
  std::array<Module, kModules> modules_;
};

}  // namespace lur
