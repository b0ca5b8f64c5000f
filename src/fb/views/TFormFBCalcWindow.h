#pragma once
// The calculation block dialog as the editor's modal window: one Qt dialog
// made on first showing and kept for the run.
#include <QPointer>
#include <QWidget>

#include "fb/TFormFBCalcController.h"
#include "fb/views/TFormFBCalc.h"
#include "session/TModalWindow.h"

namespace lur {

class TUserInterface;

class TFormFBCalcWindow : public TModalWindow<TFormFBCalcController> {
 public:
  // `ui` gives the fields' key filters their error box; it must outlive the window.
  explicit TFormFBCalcWindow(TUserInterface& ui, QWidget* parent = nullptr) : ui_(ui), parent_(parent) {}
  ~TFormFBCalcWindow() override;
  TFormFBCalcWindow(const TFormFBCalcWindow&) = delete;
  TFormFBCalcWindow& operator=(const TFormFBCalcWindow&) = delete;

  int ShowModal(TFormFBCalcController& form) override;
  TFormFBCalc* Window(TFormFBCalcController& form);

 private:
  TUserInterface& ui_;
  QPointer<QWidget> parent_;
  QPointer<TFormFBCalc> window_;
};

}  // namespace lur
