#pragma once
// "Поиск приборов": a window beside the main window with the progress of the
// scan, its Cancel, and the controllers that answered. Opening it starts a
// scan; choosing a row hands its device number to the main window, which
// takes it as a pick in CBoxUstr. A thin view over TFormScanController.
#include <QWidget>
#include <memory>

#include "shell/TFormScanController.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace lur {

class TScanUserInterface;

class TFormScan : public QWidget {
  Q_OBJECT
 public:
  // boxes: where the program's message boxes go.
  TFormScan(TComPortClass& link, TUserInterface& boxes, QWidget* parent = nullptr);
  ~TFormScan() override;

  TFormScanController& Form() { return form_; }
  // Shows the window and scans (the menu item's work).
  void Open();
  void Draw();

 signals:
  void DeviceChosen(int number);

 private:
  void ButScanClick();
  void ButChooseClick();

  QTreeWidget* list_;
  QProgressBar* progress_;
  QLabel* status_;
  QPushButton* butScan_;
  QPushButton* butCancel_;
  QPushButton* butChoose_;
  std::unique_ptr<TScanUserInterface> ui_;
  TFormScanController form_;
};

}  // namespace lur
