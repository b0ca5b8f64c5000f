#pragma once
// The live view of a discrete input module ("FormVhD"): the module's health,
// and the state and reliability of its 12 inputs, read every 3 s.
//
// The inputs of the module at position p are signals 12 (p - 1) .. + 11 of
// the controller's discrete signal list; their reliability is coil 1056 + n.
#include <optional>
#include <string_view>
#include <vector>

#include "live/TModuleLiveController.h"

namespace lur {

class TFormVhDController : public TModuleLiveController {
 public:
  static constexpr const char* kCaption = "FormVhD";
  static constexpr const char* kModuleCaption = "Модуль ввода дискретной информации";
  static constexpr int kPeriodMs = 3000;
  static constexpr int kInputs = 12;
  static constexpr int kInvalidSignalCoil = 1056;

  explicit TFormVhDController(TSession& session);

  // Opening for the module at position 1..8: `TipDatModule` takes it, the
  // heading shows the position, its type name, the bus address p - 1 and the
  // texts of its inputs. A position without a discrete input module opens
  // nothing (false).
  bool Open(int position, std::string_view typeName);
  int Position() const { return position_; }

  TLiveCellLook Dost(int i) const;  // i = 0-based input
  std::optional<bool> Unreliable(int i) const;

  // TLiveView
  int PeriodMs() const override { return kPeriodMs; }
  int Poll() override;
  void ClearCells() override;
  std::vector<TLiveCell> Cells() const override;

 private:
  int position_ = 0;
  std::vector<std::optional<bool>> unreliable_;
};

}  // namespace lur
