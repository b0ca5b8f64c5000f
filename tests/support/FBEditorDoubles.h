#pragma once
// What the function block editor's tests give the editor besides its table:
// a block dialog that never opens, a modal window that answers at once, and
// the identity of the small controller they share.
#include <array>
#include <cstdint>

#include "fb/TBlockDialog.h"
#include "model/TServClass.h"
#include "session/TModalWindow.h"

namespace lur::test {

// The block dialog, for tests where the editor never opens it.
class NoBlockDialog : public TBlockDialog {
 public:
  void Reset() override {}
  void PrepareNew(int, bool) override {}
  void PrepareFromRecord(int, bool) override {}
  int ShowModal() override { return kModalCancel; }
  int ChosenType() const override { return 0; }
  int Number() const override { return 0; }
  void WriteRecord(int) override {}
};

// A modal window closed at once with `result`, the form untouched.
template <class TForm>
class AnsweringWindow : public TModalWindow<TForm> {
 public:
  explicit AnsweringWindow(int result = kModalOk) : result_(result) {}
  int ShowModal(TForm&) override { return result_; }

 private:
  int result_;
};

// Two discrete input modules, an analog one and two output modules, 48
// processed discrete signals. False when the service record refuses it.
inline bool SetSmallController(TServClass& serv) {
  TServClass::Identity id{};
  const std::array<std::uint8_t, 8> modules = {1, 1, 7, 3, 3, 0, 0, 0};
  for (std::size_t s = 0; s < modules.size(); ++s) id[1 + s] = modules[s];
  id[12] = 48;
  return serv.SetIdentityFromBytes(id);
}

}  // namespace lur::test
