#pragma once
// The one way a controller shows a modal window: the window runs over the
// controller it is given and ends with a modal result. The program shows Qt
// dialogs through it, tests and lurctl fill the controller from a script.
#include <functional>
#include <utility>

namespace lur {

// Modal results: closed normally (OK, the close box), cancelled, and refused
// or ended with an error (a close check that keeps the dialog open sets it
// too; a caller that finally gets it reports the programming as failed).
inline constexpr int kModalOk = 2;
inline constexpr int kModalCancel = 3;
inline constexpr int kModalError = 6;

template <class TForm>
class TModalWindow {
 public:
  virtual ~TModalWindow() = default;
  // Shows the window modally over form; returns its modal result.
  virtual int ShowModal(TForm& form) = 0;
};

// A modal window that is a function: scripted users and the command line.
template <class TForm>
class TModalFunction : public TModalWindow<TForm> {
 public:
  explicit TModalFunction(std::function<int(TForm&)> run) : run_(std::move(run)) {}
  int ShowModal(TForm& form) override { return run_ ? run_(form) : kModalCancel; }

 private:
  std::function<int(TForm&)> run_;
};

}  // namespace lur
