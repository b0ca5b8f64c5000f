#pragma once
// An up-down beside a numeric field: two arrows and the range its field
// may take. It holds no value of its own beyond what the controller last
// showed; an arrow asks the controller for one step up or down.
#include <QWidget>
#include <functional>

class QToolButton;

namespace lur {

class TQtUpDown : public QWidget {
 public:
  // The arrows are named name + "Up" and name + "Down".
  TQtUpDown(const QString& name, std::function<void(int delta)> step, QWidget* parent);

  void Show(int value, int minimum, int maximum);
  int Value() const { return value_; }
  int Minimum() const { return minimum_; }
  int Maximum() const { return maximum_; }

 private:
  QToolButton* up_;
  QToolButton* down_;
  int value_ = 1;
  int minimum_ = 1;
  int maximum_ = 1;
};

}  // namespace lur
