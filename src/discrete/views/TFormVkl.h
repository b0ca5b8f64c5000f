#pragma once
// The archiving dialog's view over TFormVklController: one toggle button
// whose caption says whether archiving is on. OK, the close box and a click
// on the background close it.
#include <QDialog>

class QLabel;
class QToolButton;

namespace lur {

class TFormVklController;
class TUserInterface;

class TFormVkl : public QDialog {
  Q_OBJECT
 public:
  TFormVkl(TFormVklController& form, TUserInterface& ui, QWidget* parent = nullptr);
  TFormVklController& Form() const { return form_; }
  int ExecForm();  // kModalOk

  void reject() override;  // the close box and Escape close like OK

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Show();
  void CloseForm();

  TFormVklController& form_;
  QLabel* label2_;
  QToolButton* sbVkl_;
};

}  // namespace lur
