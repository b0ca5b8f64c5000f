#pragma once
// The settings dialogs shown as Qt windows, created once and kept for the run.
#include <QPointer>
#include <QWidget>
#include <functional>

#include "shell/TPortSettingsFlow.h"
#include "shell/views/TFormNastr.h"
#include "shell/views/TFormPort.h"

namespace lur {

class TQtSettingsDialogs {
 public:
  explicit TQtSettingsDialogs(QWidget* parent = nullptr) : parent_(parent) {}
  ~TQtSettingsDialogs();
  TQtSettingsDialogs(const TQtSettingsDialogs&) = delete;
  TQtSettingsDialogs& operator=(const TQtSettingsDialogs&) = delete;

  // The flow whose exchange action the port dialog's button runs.
  void SetFlow(TPortSettingsFlow* flow) { flow_ = flow; }
  // The two modal windows, for the flow.
  TSettingsDialogs Dialogs() { return {port_, nastr_}; }

  TFormPort* PortWindow() const { return port_.window; }
  TFormNastr* NastrWindow() const { return nastr_.window; }

 private:
  struct PortModal : TModalWindow<TFormPortController> {
    explicit PortModal(TQtSettingsDialogs& owner) : owner(owner) {}
    int ShowModal(TFormPortController& form) override;
    TQtSettingsDialogs& owner;
    QPointer<TFormPort> window;
  };
  struct NastrModal : TModalWindow<TFormNastrController> {
    explicit NastrModal(TQtSettingsDialogs& owner) : owner(owner) {}
    int ShowModal(TFormNastrController& form) override;
    TQtSettingsDialogs& owner;
    QPointer<TFormNastr> window;
  };

  QPointer<QWidget> parent_;
  TPortSettingsFlow* flow_ = nullptr;
  PortModal port_{*this};
  NastrModal nastr_{*this};
};

}  // namespace lur
