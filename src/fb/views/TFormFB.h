#pragma once
// The function block editor's window "Программирование функциональных
// блоков": its menus, toolbar and pop-up menus, the information and print
// buttons, and the diagram in ScrollBox1. A thin view over
// TFormFBController: every handler runs the controller's operation and draws
// the diagram again from the layout function (rebuilt when the controller's
// revision moved, recoloured otherwise).
#include <QDialog>
#include <QPointer>
#include <QString>
#include <functional>
#include <map>

#include "fb/TFormFBControls.h"

class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QScrollArea;

namespace lur {

class TEditorRegistry;
class TFBDiagram;
class TFormFBController;
struct TConfiguration;

class TFormFB : public QDialog {
  Q_OBJECT
 public:
  TFormFB(TFormFBController& form, const TConfiguration& config, TEditorRegistry& editors,
          QWidget* parent = nullptr);

  // Shows the window modally: FormShow, then the diagram; kModalOk.
  int ExecForm();
  // Draws the controller's state: the diagram, the menus' states, LabelFile.
  void Draw();

  QProgressBar* ProgressBar() const { return progressBar1_; }
  QScrollArea* ScrollBox() const { return scrollBox1_; }
  TFBDiagram* Diagram() const { return diagram_; }
  QMenu* BlockMenu() const { return popupMenu1_; }
  QMenu* BackgroundMenu() const { return popupMenu3_; }
  // The action or item by its object name.
  QAction* Action(const QString& name) const;

  // "Печать" writes this PDF instead of asking the print dialog (empty: the dialog).
  void SetPrintPdf(const QString& path) { printPdf_ = path; }
  // The main window's caption and file label on the printout's heading.
  void SetHeadingSource(QWidget* mainWindow) { headingSource_ = mainWindow; }

  // The close box, Escape and "Выход" end the window normally once the
  // controller lets it close (unsent changes: send, discard or stay).
  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  // Runs an operation of the controller, then draws; nothing while another
  // one holds the window. Closes the window when the controller asks.
  void Run(const std::function<void()>& operation);
  QAction* NewAction(const char* name, const char* caption, const QKeySequence& key,
                     const std::function<void()>& operation);
  void Pressed(int record, Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint global);
  void ScrollTo(int record);
  void Button2Click();
  // A calculation block command, then the focus back on the diagram.
  void CalcOperation(void (TFormFBController::*operation)());

  TFormFBController& form_;
  const TConfiguration& config_;
  TEditorRegistry& editors_;
  std::map<QString, QAction*> actions_;
  std::map<QAction*, TFormFBControl> controlOf_;
  QMenu* popupMenu1_ = nullptr;
  QMenu* popupMenu3_ = nullptr;
  QPushButton* informBut_ = nullptr;
  QPushButton* informButMR_ = nullptr;
  QPushButton* button1_ = nullptr;
  QLabel* labelFile_ = nullptr;
  QProgressBar* progressBar1_ = nullptr;
  QScrollArea* scrollBox1_ = nullptr;
  TFBDiagram* diagram_ = nullptr;
  int shownRevision_ = -1;
  bool busy_ = false;
  QString printPdf_;
  QPointer<QWidget> headingSource_;
};

}  // namespace lur
