#pragma once
// The window both module live views share: the heading, one row a signal
// (its name, its text, its state and, for inputs, its reliability), the
// module's health and "запущен опрос". Showing the window starts polling,
// every way of closing it stops polling; the cells repaint whenever the
// controller says they changed.
#include <QColor>
#include <QDialog>
#include <functional>
#include <vector>

#include "live/TModuleLiveController.h"

class QLabel;
class QPushButton;

namespace lur {

// The colour a cell asks for; the tooltip background is the palette's.
QColor LiveColour(TLiveColour colour, const QPalette& palette);

class TModuleLiveWindow : public QDialog {
  Q_OBJECT
 public:
  // A look of the controller by signal (0-based), for the reliability column.
  using LookOf = std::function<TLiveCellLook(int)>;

  // signalName "Vh" or "Vyh" names the rows' captions (Vh1 ...), signalText
  // "Вход" or "Выход" fills them; reliability adds the Dost column.
  TModuleLiveWindow(TModuleLiveController& form, const char* objectName, const char* caption,
                    const char* moduleCaption, const char* signalName, const char* signalText, LookOf reliability,
                    QWidget* parent = nullptr);
  ~TModuleLiveWindow() override;

  // Shows what the controller holds, then runs modally.
  int ExecForm();
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void Refresh();
  void Paint(QLabel* label, const TLiveCellLook& look);

  TModuleLiveController& form_;
  LookOf reliability_;
  QLabel* labNMod_ = nullptr;
  QLabel* tipMod_ = nullptr;
  QLabel* labAMod_ = nullptr;
  QLabel* isprav_ = nullptr;
  QLabel* label1_ = nullptr;
  QPushButton* button1_ = nullptr;
  std::vector<QLabel*> tRecv_;
  std::vector<QLabel*> onOff_;
  std::vector<QLabel*> dost_;
};

}  // namespace lur
