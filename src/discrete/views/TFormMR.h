#pragma once
// The relay output module editor's window over TFormMRController: eight rows
// of nine controls, named as the controller names them ("TipVyh1" ..
// "EditVhSbr8"), the buttons and the form's pop-up menu. The window only
// shows what the controller holds and hands it the user's clicks; filling
// the controls never counts as a change.
#include <QDialog>
#include <array>

class QAction;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace lur {

class TFormMRController;
class TUserInterface;

class TFormMR : public QDialog {
  Q_OBJECT
 public:
  TFormMR(TFormMRController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormMRController& Form() const { return form_; }

  // Shows the form for the opening the controller has taken; its modal result.
  int ExecForm();
  // The controls as the controller holds them.
  void Show();

  void reject() override;  // Escape: closes like the close box

  QMenu* PopupMenu() const { return popup_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct RowWidgets {
    QComboBox* tipVyh = nullptr;
    QComboBox* kvit = nullptr;
    QComboBox* block = nullptr;
    QCheckBox* kvitMind = nullptr;
    QCheckBox* kvitTopLevel = nullptr;
    QLineEdit* vxKvit = nullptr;
    QCheckBox* sbrMind = nullptr;
    QCheckBox* sbrTopLevel = nullptr;
    QLineEdit* vhSbr = nullptr;
  };

  void BuildRow(int o, QGridLayout* grid, int line, TUserInterface& ui);
  void ShowRow(int o);
  bool TryClose(bool cancelPressed);
  int RowOfEdit(QObject* edit, bool* isVxKvit) const;

  TFormMRController& form_;
  std::array<RowWidgets, 8> rows_;
  QLabel* labNMod_ = nullptr;
  QLabel* labTMod_ = nullptr;
  QPushButton* buttonChange_ = nullptr;
  QMenu* popup_ = nullptr;
  QAction* popupChange_ = nullptr;
  bool closing_ = false;
};

}  // namespace lur
