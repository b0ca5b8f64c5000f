#pragma once
// The settings dialogs shown as Qt windows, created once and kept for the run.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "shell/views/TFormNastr.h"
#include "shell/views/TFormPort.h"
#include "shell/TPortSettingsFlow.h"

namespace lur {

class TQtSettingsDialogs : public TSettingsDialogs {
 public:
  explicit TQtSettingsDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  ~TQtSettingsDialogs() override;

  // The flow whose exchange action the port dialog's button runs.
  void SetFlow(TPortSettingsFlow* flow) { flow_ = flow; }

  DialogResult ExecPort(TFormPortController& form) override;
  DialogResult ExecNastr(TFormNastrController& form) override;

  TFormPort* PortWindow() const { return port_; }
  TFormNastr* NastrWindow() const { return nastr_; }

 private:
  QPointer<QWidget> parent_;
  TPortSettingsFlow* flow_ = nullptr;
  QPointer<TFormPort> port_;
  QPointer<TFormNastr> nastr_;
};

}  // namespace lur
