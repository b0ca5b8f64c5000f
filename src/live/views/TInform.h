#pragma once
// The input information window's view over TInformController: the two
// lists (their fixed row 0 is the grids' header, so it stays in sight while
// the rows scroll), the report buttons, the popup menu of the discrete list
// and the progress bar of a text page write. Nothing is edited in place.
#include <QDialog>

class QAction;
class QMenu;
class QProgressBar;
class QTableWidget;

namespace lur {

class TInformController;

class TInform : public QDialog {
  Q_OBJECT
 public:
  static constexpr int kWidths1[] = {43, 137, 71, 132, 84};
  static constexpr int kWidths2[] = {44, 136, 71, 132};
  static constexpr int kRowHeight = 20;

  explicit TInform(TInformController& form, QWidget* parent = nullptr);
  TInformController& Form() const { return form_; }
  // Shows what the controller holds, then runs modally.
  int ExecForm();
  QProgressBar* ProgressBar() const { return progressBar_; }
  QMenu* PopupMenu() const { return popupMenu_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show();
  // Runs a handler, then shows what changed.
  template <class Handler>
  void Run(Handler handler) {
    handler();
    Show();
  }

  TInformController& form_;
  QTableWidget* grid1_;
  QTableWidget* grid2_;
  QMenu* popupMenu_;
  QAction* copyTextGroup_;
  QAction* insertTextGroup_;
  QProgressBar* progressBar_;
  int shownRevision_ = -1;
};

}  // namespace lur
