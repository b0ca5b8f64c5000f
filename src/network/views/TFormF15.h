#pragma once
// The function-15 block dialog's view over TFormF15Controller: every control
// by its name, shown from the controller after each handler; typing marks a
// change, leaving `EditKolVh` and `EditKodF` runs their handlers, and every
// way of closing (OK, Escape, the close box) runs the closing checks, the
// dialog staying open when they keep it.
#include <QDialog>
#include <array>

#include "network/TFormF15Controller.h"
#include "session/TModalWindow.h"
#include "ui/FieldKeys.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lur {

class TUserInterface;

class TFormF15 : public QDialog {
  Q_OBJECT
 public:
  TFormF15(TFormF15Controller& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormF15Controller& Form() const { return form_; }
  // Shows the controller's fields modally; the controller's result.
  int ExecForm();
  void reject() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QLineEdit* Edit(const char* name, int maxLength, TFieldKind kind, std::string* text);
  QPushButton* SpeedButton(const char* name, const char* text);
  void Show();
  void TryClose();

  TFormF15Controller& form_;
  TUserInterface& ui_;
  bool showing_ = false;
  bool closing_ = false;
  QLabel* labN_MBM_ = nullptr;
  QLineEdit* editKodF_ = nullptr;
  QComboBox* cBoxUstr_ = nullptr;
  QLineEdit* editKolVh_ = nullptr;
  QLineEdit* editAdBegDat_ = nullptr;
  QLineEdit* editKolDat_ = nullptr;
  QPushButton* kvit_ = nullptr;
  QPushButton* sbros_ = nullptr;
  QPushButton* informBut_ = nullptr;
  std::array<QLineEdit*, TFormF15Controller::kSignals> edits_{};
};

// The program's window of the dialog, made for each showing over `parent`,
// the user's boxes over it while it runs.
class TQtF15Window : public TModalWindow<TFormF15Controller> {
 public:
  TQtF15Window(TUserInterface& ui, QWidget* parent) : ui_(ui), parent_(parent) {}
  int ShowModal(TFormF15Controller& form) override;

 private:
  TUserInterface& ui_;
  QWidget* parent_;
};

}  // namespace lur
