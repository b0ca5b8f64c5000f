#pragma once
// The window "Программирование МВА" over TFormPROGController: six channel
// rows of fields and lists, the module's buttons and the pop-up menu of the
// copy buffer. Every way of closing (OK, Отмена, the close box, Escape)
// goes through the controller's closing, which may keep the window open.
#include <QDialog>
#include <array>

#include "modules/TFormPROGController.h"

class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;

namespace lur {

class TUserInterface;

class TFormPROG : public QDialog {
  Q_OBJECT
 public:
  TFormPROG(TFormPROGController& form, TUserInterface& ui, QWidget* parent = nullptr);

  // Fills every control from the controller (after its Open).
  void Show();
  // Shows the window modally; its modal result (2, 3, 6).
  int ExecForm();

  void reject() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  struct Row {
    QLabel* label = nullptr;
    std::array<QLineEdit*, static_cast<std::size_t>(TProgEdit::Count)> edits{};
    std::array<QComboBox*, static_cast<std::size_t>(TProgList::Count)> lists{};
  };

  void BuildRow(int c, QGridLayout* grid, int line, TUserInterface& ui);
  void ShowRow(int c);
  void ShowButtons();
  bool TryClose(bool cancelPressed);
  // The row and field of an edit or a list; false when it is none of them.
  bool FindEdit(QObject* object, int* c, TProgEdit* e) const;
  bool FindList(QObject* object, int* c, TProgList* l) const;
  void FlashField(const std::string& name);

  TFormPROGController& form_;
  std::array<Row, TFormPROGController::kChannels> rows_{};
  QLabel* labNMod_ = nullptr;
  QLabel* labTMod_ = nullptr;
  QLabel* labN_ = nullptr;
  QLabel* label10_ = nullptr;
  QLabel* label12_ = nullptr;
  QPushButton* buttonChange_ = nullptr;
  QPushButton* butKalibr_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* popupChange_ = nullptr;
  bool closing_ = false;
  bool showing_ = false;
};

}  // namespace lur
