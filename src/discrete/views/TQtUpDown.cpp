#include "discrete/views/TQtUpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace lur {

TQtUpDown::TQtUpDown(const QString& name, std::function<void(int)> step, QWidget* parent) : QWidget(parent) {
  setObjectName(name);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  up_ = new QToolButton(this);
  up_->setObjectName(name + "Up");
  up_->setArrowType(Qt::UpArrow);
  up_->setFixedSize(16, 11);
  down_ = new QToolButton(this);
  down_->setObjectName(name + "Down");
  down_->setArrowType(Qt::DownArrow);
  down_->setFixedSize(16, 11);
  column->addWidget(up_);
  column->addWidget(down_);
  connect(up_, &QToolButton::clicked, this, [step] { step(+1); });
  connect(down_, &QToolButton::clicked, this, [step] { step(-1); });
}

void TQtUpDown::Show(int value, int minimum, int maximum) {
  value_ = value;
  minimum_ = minimum;
  maximum_ = maximum;
  up_->setEnabled(value < maximum);
  down_->setEnabled(value > minimum);
}

}  // namespace lur
