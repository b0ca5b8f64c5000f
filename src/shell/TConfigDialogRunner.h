#pragma once
// Shows the dialog "Задание конфигурации" over a prepared controller. The
// program runs the Qt dialog TConfig; tests and lurctl fill the controller
// from a script.
namespace lur {

class TConfigController;

class TConfigDialogRunner {
 public:
  virtual ~TConfigDialogRunner() = default;
  // Runs the dialog until the controller's FormCloseQuery lets it close, and
  // returns true; false when the dialog went away without that check (the
  // new configuration then ends and nothing is created).
  virtual bool Exec(TConfigController& controller) = 0;
};

}  // namespace lur
