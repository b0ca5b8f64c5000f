#pragma once
// "Режим on line" as a Qt window over TFormRegOnLineController: the heading,
// the panels in the scroll box (made when the controller's first poll after
// showing makes them, gone when the window is shown again), PopupMenu1 and
// the in-place editor EditText. Showing starts polling, every way of closing
// stops it; the window repaints whenever the controller says something
// changed.
#include <QDialog>
#include <vector>

#include "loops/TFormRegOnLineController.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;

namespace lur {

class TPanRegVis;

class TFormRegOnLine : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kNarrowWidth = 280;
  static constexpr int kWideWidth = 460;
  static constexpr int kHeight = 470;

  explicit TFormRegOnLine(TFormRegOnLineController& form, QWidget* parent = nullptr);
  ~TFormRegOnLine() override;

  // 280 pixels wide for one panel, 460 for two.
  int WidthFor() const;

  // Shows what the controller holds, then runs modally.
  int ExecForm();
  void done(int result) override;

  const std::vector<TPanRegVis*>& PanelWidgets() const { return panels_; }
  QMenu* PopupMenu() const { return popup_; }
  // Opens the menu for a panel as its right click does (the menu's items
  // follow that panel); `exec` false only prepares it.
  void PanelMenu(int panel, const QPoint& at, bool exec = true);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  void MakePanels();
  void DropPanels();
  void EditTextDone();

  TFormRegOnLineController& form_;
  QLabel* labNReg_ = nullptr;
  QLabel* labTip_ = nullptr;
  QLineEdit* editNReg_ = nullptr;
  QLineEdit* editAnVh_ = nullptr;
  QLabel* label4_ = nullptr;
  QLineEdit* editNReg1_ = nullptr;
  QLabel* label6_ = nullptr;
  QLineEdit* editAnVh1_ = nullptr;
  QPushButton* button2_ = nullptr;
  QLabel* label1_ = nullptr;
  QScrollArea* scrollBox_ = nullptr;
  QWidget* panelArea_ = nullptr;
  QLineEdit* editText_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* changeSP_ = nullptr;
  QAction* changeOUT_ = nullptr;
  QAction* changePV_ = nullptr;
  std::vector<TPanRegVis*> panels_;
  bool leavingEditor_ = false;
};

}  // namespace lur
