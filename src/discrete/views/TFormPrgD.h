#pragma once
// The discrete processing editor's window "Программирование обработки
// дискретных входов": its menu, toolbar and pop-up menus over the actions,
// the execution and display fields, and the schema of input handlers in a
// scroll area. A thin view over TFormPrgDController: every handler runs the
// controller's operation, then draws Layout() again. Mouse positions on the
// schema are mapped back to rows and elements through the layout's hit test,
// so the row widgets only draw.
#include <QDialog>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "discrete/TFormPrgDActions.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QWidget;

namespace lur {

class TFormPrgDController;
class TUserInterface;
struct TSchemaRow;

class TFormPrgD : public QDialog {
  Q_OBJECT
 public:
  // `ui` checks what is typed into the in-place text field.
  TFormPrgD(TFormPrgDController& form, TUserInterface& ui, QWidget* parent = nullptr);
  ~TFormPrgD() override;

  // The port settings dialog behind APort (the program's own).
  void SetPortDialog(std::function<void()> open) { portDialog_ = std::move(open); }

  // The bar the editor's transfers move while it is open.
  QProgressBar* ProgressBar() const { return progressBar1_; }
  QScrollArea* ScrollBox() const { return scrollBox1_; }
  // The schema's content: row widgets sit at their layout rectangles in it.
  QWidget* Schema() const { return schema_; }
  QMenu* RowMenu() const { return rowMenu_; }
  QMenu* SchemaMenu() const { return schemaMenu_; }
  QAction* Action(TFormPrgDAction action) const { return actions_[static_cast<std::size_t>(action)]; }

  // "Печать" writes this PDF instead of asking the print dialog (empty: the dialog).
  void SetPrintPdf(const QString& path) { printPdf_ = path; }

  // Draws the controller's state: caption, fields, actions, every row.
  void Draw();

  // The close box and Alt+X end the window normally (2); nothing while an
  // operation holds it.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;
  // Escape and Enter are the fields' keys here, never the dialog's.
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct RowWidgets;

  void BuildActions();
  void BuildMenus();
  QWidget* BuildTop();
  void BuildSchema();
  // Runs an operation of the controller, draws, and scrolls where the
  // controller asks; nothing while another one holds the window.
  void Run(const std::function<void()>& operation);
  void DrawRow(std::size_t index, const TSchemaRow& row);
  RowWidgets& Row(std::size_t index);
  void Watch(QWidget* widget);
  void DrawInPlaceEdit();
  void ScrollTo(int y);

  bool SchemaMouse(QWidget* widget, QMouseEvent* event);
  void RowRightClick(QPoint content, QPoint global);
  void Button1Click();  // "Печать": the controller's pages, painted

  TFormPrgDController& form_;
  TUserInterface& ui_;
  std::function<void()> portDialog_;
  QString printPdf_;
  int busy_ = 0;

  std::array<QAction*, static_cast<std::size_t>(TFormPrgDAction::Count)> actions_{};
  QMenu* rowMenu_ = nullptr;
  QMenu* schemaMenu_ = nullptr;

  QLineEdit* editModif_ = nullptr;
  QLabel* tipModInd_ = nullptr;
  QLabel* labelFile_ = nullptr;
  QPushButton* informButMR_ = nullptr;
  QProgressBar* progressBar1_ = nullptr;
  QScrollArea* scrollBox1_ = nullptr;
  QWidget* schema_ = nullptr;
  QWidget* shVh1_ = nullptr;
  QWidget* shVyh1_ = nullptr;
  QLineEdit* editText_ = nullptr;
  std::vector<std::unique_ptr<RowWidgets>> rows_;
};

}  // namespace lur
