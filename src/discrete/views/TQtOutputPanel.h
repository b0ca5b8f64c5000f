#pragma once
// One output toggle of the relay output dialog: a small framed panel with
// the output's number, coloured by its owner. A left click and a right
// press are handed to the owner; the panel keeps no state of its own.
#include <QLabel>
#include <cstdint>
#include <functional>

namespace lur {

class TQtOutputPanel : public QLabel {
 public:
  TQtOutputPanel(const QString& name, const QString& caption, QWidget* parent);

  void SetColor(std::uint32_t rgb);
  std::uint32_t Color() const;

  std::function<void()> onClick;
  std::function<void(const QPoint& global)> onRightPress;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  bool leftPressed_ = false;
};

}  // namespace lur
