#pragma once
// The view of "Информация о выходах" over TInformMRController: the label,
// the output table (12 columns, 42 rows of 20 pixels, the first two its
// header), the file and report buttons and the table's pop-up menu. A
// right press opens the menu without moving the current cell.
#include <QDialog>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

namespace lur {

class TInformMRController;

class TInformMR : public QDialog {
  Q_OBJECT
 public:
  // The widths of the table's columns, in pixels.
  static constexpr int kColumnWidths[12] = {29, 118, 39, 52, 43, 122, 98, 83, 81, 85, 67, 69};
  static constexpr int kRowHeight = 20;

  explicit TInformMR(TInformMRController& form, QWidget* parent = nullptr);
  TInformMRController& Form() const { return form_; }

  // Shows the table as the controller holds it (after the caller's fill).
  void Draw();
  // Draws, then shows the window modally; its modal result.
  int ExecForm();

  QTableWidget* Grid() const { return grid_; }
  QMenu* PopupMenu() const { return popup_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Run(void (TInformMRController::*handler)());

  TInformMRController& form_;
  QLabel* label1_;
  QTableWidget* grid_;
  QPushButton* nameFromFile_;
  QPushButton* bNew_;
  QMenu* popup_;
  QAction* copyTextGroup_;
  QAction* insertTextGroup_;
  int shownRevision_ = -1;
};

}  // namespace lur
