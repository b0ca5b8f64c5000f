#pragma once
// The relay output dialog's view over TFormVyhController: a row of eight
// output toggles for each output module in use, coloured from the
// controller's byte. A right press on a toggle offers the output's
// information. OK and the close box close it.
#include <QDialog>
#include <array>

class QAction;
class QLabel;
class QMenu;

namespace lur {

class TFormVyhController;
class TQtOutputPanel;
class TUserInterface;

class TFormVyh : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kPanels = 40;

  TFormVyh(TFormVyhController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormVyhController& Form() const { return form_; }
  int ExecForm();  // kModalOk

  void reject() override;  // the close box and Escape close like OK

  // Output j (0..7) of module k (0..4): "Panel1".."Panel40".
  TQtOutputPanel* OutputPanel(int k, int j) const;
  QMenu* OutputMenu() const { return menu_; }
  QAction* InfVyhAction() const { return infVyh_; }

 private:
  void Show();

  TFormVyhController& form_;
  QLabel* labNVh_;
  QLabel* labelName_;
  std::array<QLabel*, 5> moduleLabels_{};
  std::array<TQtOutputPanel*, kPanels> panels_{};
  QMenu* menu_;
  QAction* infVyh_;
};

}  // namespace lur
