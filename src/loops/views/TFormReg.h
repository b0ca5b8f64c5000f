#pragma once
// The regulator editor's window "Программирование регуляторов": its menus,
// toolbar, pop-up menus and buttons, the loops in ScrollBox1, ProgressBar1
// and LabelFile. A thin view over TFormRegController: every handler runs the
// controller's operation, then paints the picture again from DrawLoops and
// takes the controls' states and the scroll target from the controller.
#include <QDialog>
#include <QString>
#include <functional>
#include <map>

#include "loops/TFormRegControls.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;

namespace lur {

class TFormRegController;
class TLoopPicture;
struct TConfiguration;

class TFormReg : public QDialog {
  Q_OBJECT
 public:
  TFormReg(TFormRegController& form, const TConfiguration& config, QWidget* parent = nullptr);

  // Shows the window modally: FormShow, then the picture; kModalOk.
  int ExecForm();
  // Draws the controller's state: the loops, the controls' states, LabelFile.
  void Draw();

  QProgressBar* ProgressBar() const { return progressBar1_; }
  QScrollArea* ScrollBox() const { return scrollBox1_; }
  TLoopPicture* Picture() const { return picture_; }
  QMenu* LoopMenu() const { return popupMenu1_; }
  QMenu* BackgroundMenu() const { return popupMenu3_; }
  // An action, menu item or toolbar item by its object name.
  QAction* Action(const QString& name) const;

  // The close box, Escape and "Выход" end the window once the controller
  // lets it close (unsent changes: send, discard or stay).
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  // Runs an operation of the controller, then draws; nothing while another
  // one holds the window.
  void Run(const std::function<void()>& operation);
  QAction* NewAction(const QString& name, const QString& caption, const QKeySequence& key,
                     const std::function<void()>& operation,
                     TFormRegControl control = TFormRegControl::Count);
  void Pressed(int loop, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint global);

  TFormRegController& form_;
  const TConfiguration& config_;
  std::map<QString, QAction*> actions_;
  std::map<QAction*, TFormRegControl> controlOf_;
  QMenu* popupMenu1_ = nullptr;
  QMenu* popupMenu3_ = nullptr;
  QPushButton* informBut_ = nullptr;
  QPushButton* informButMR_ = nullptr;
  QLabel* labelFile_ = nullptr;
  QProgressBar* progressBar1_ = nullptr;
  QScrollArea* scrollBox1_ = nullptr;
  TLoopPicture* picture_ = nullptr;
  bool busy_ = false;
};

}  // namespace lur
