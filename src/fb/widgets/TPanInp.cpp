#include "fb/widgets/TPanInp.h"

#include <QGuiApplication>

#include "fb/widgets/DiagramColors.h"
#include "fb/widgets/TSpBut.h"

namespace lur {

TPanInp::TPanInp(QWidget* parent, int number, TPanelType kind) : TDiagramPanel(parent) {
  setObjectName(QString("PanInp%1").arg(number));
  SetBevels(bvRaised, bvLowered);
  SetCaption(QString::number(number));
  kind_ = kind == tpInput ? tpId : tpInput;  // so that PutTypePanel lays out
  PutTypePanel(kind);
}

void TPanInp::PutTypePanel(TPanelType kind) {
  if (kind == kind_) return;
  kind_ = kind;
  switch (kind) {
    case tpInput:
      setFixedSize(kInputWidth, kInputHeight);
      break;
    case tpId:
      setFixedSize(kIdWidth, kInputHeight);
      break;
    case tpNB:
      setFixedSize(kNBWidth, kNBHeight);
      break;
  }
  if (kind == tpInput && !button_) {
    // Built only when needed: the schema's 192 inputs have no button.
    button_ = new TSpBut(this, downSpB_);
    button_->setObjectName("SpB");
    button_->move(kButtonLeft, kButtonTop);
    button_->setEnabled(enabledSpB_);
    connect(button_, &TSpBut::OnClick, this, &TPanInp::SpBClicked);
  }
  if (button_) button_->setVisible(kind == tpInput);
  update();
}

void TPanInp::SetEnabledSpB(bool enabled) {
  enabledSpB_ = enabled;
  if (button_) button_->setEnabled(enabled);
}

void TPanInp::SetDownSpB(bool down) {
  downSpB_ = down;
  if (button_) button_->SetDown(down);
}

void TPanInp::SpBClicked() {
  downSpB_ = button_->Down();
  emit OnSpBClick();
  emit OnClick(QGuiApplication::keyboardModifiers());
}

void TPanInp::Click(Qt::KeyboardModifiers modifiers) {
  if (toggleColor_)
    SetColor(Color() == diagram::SelectionColor() ? diagram::FaceColor() : diagram::SelectionColor());
  TDiagramPanel::Click(modifiers);
}

bool TPanInp::TakesLeftButton() const { return toggleColor_ || TDiagramPanel::TakesLeftButton(); }

QRect TPanInp::CaptionRect() const {
  // A little air between the caption and the bevel it is aligned to.
  return kind_ == tpNB ? ClientRect() : ClientRect().adjusted(4, 0, -4, 0);
}

Qt::Alignment TPanInp::CaptionAlignment() const {
  return kind_ == tpNB ? Qt::AlignCenter : (Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace lur
