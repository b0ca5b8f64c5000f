#pragma once
// An input of a diagram, or a block's number plate. Kind tpInput: 120 x 42
// with its contact button at (8, 8); tpId: the same panel 90 wide without
// the button (the inputs of the discrete schema); tpNB: a 24 x 25 plate with
// the number centred. The caption starts as the constructor's number.
#include "fb/widgets/TDiagramPanel.h"

namespace lur {

class TSpBut;

class TPanInp : public TDiagramPanel {
  Q_OBJECT
 public:
  static constexpr int kInputWidth = 120;
  static constexpr int kIdWidth = 90;
  static constexpr int kInputHeight = 42;
  static constexpr int kNBWidth = 24;
  static constexpr int kNBHeight = 25;
  static constexpr int kButtonLeft = 8;
  static constexpr int kButtonTop = 8;

  TPanInp(QWidget* parent, int number, TPanelType kind = tpInput);

  TPanelType TypePanel() const { return kind_; }
  void PutTypePanel(TPanelType kind);

  // The contact button's enabled and pressed states; kept while the button
  // is hidden (tpId, tpNB) and shown again with tpInput.
  bool EnabledSpB() const { return enabledSpB_; }
  void SetEnabledSpB(bool enabled);
  bool DownSpB() const { return downSpB_; }
  void SetDownSpB(bool down);
  // The button, or null before the panel was first of kind tpInput.
  TSpBut* SpB() const { return button_; }

  // A click flips the colour between button face and the selection colour
  // before OnClick. An editor that colours the selection itself turns this
  // off, so the panel never fights it.
  bool ToggleColorOnClick() const { return toggleColor_; }
  void SetToggleColorOnClick(bool on) { toggleColor_ = on; }

 signals:
  // The contact button was clicked (it has toggled); OnClick follows.
  void OnSpBClick();

 protected:
  void Click(Qt::KeyboardModifiers modifiers) override;
  bool TakesLeftButton() const override;
  QRect CaptionRect() const override;
  Qt::Alignment CaptionAlignment() const override;

 private:
  void SpBClicked();

  TPanelType kind_ = tpInput;
  TSpBut* button_ = nullptr;
  bool enabledSpB_ = true;
  bool downSpB_ = false;
  bool toggleColor_ = true;
};

}  // namespace lur
