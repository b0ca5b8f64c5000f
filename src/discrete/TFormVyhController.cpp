#include "discrete/TFormVyhController.h"

#include <algorithm>

#include "model/TProgLurClass.h"
#include "session/TModalWindow.h"

namespace lur {

std::string TFormVyhController::ModuleLabel(int module) { return "MP №" + std::to_string(module + 1); }

void TFormVyhController::Preset(int moduleCount, const std::array<std::uint8_t, kModules>& bytes) {
  moduleCount_ = std::clamp(moduleCount, 0, kModules);
  bytes_ = {};
  for (int k = 0; k < moduleCount_; ++k) bytes_[static_cast<std::size_t>(k)] = bytes[static_cast<std::size_t>(k)];
}

bool TFormVyhController::OutputOn(int k, int j) const {
  if (!ModuleShown(k) || j < 0 || j >= kOutputs) return false;
  return (bytes_[static_cast<std::size_t>(k)] >> j & 1) != 0;
}

void TFormVyhController::OutputClick(int k, int j) {
  if (!ModuleShown(k) || j < 0 || j >= kOutputs) return;
  bytes_[static_cast<std::size_t>(k)] ^= static_cast<std::uint8_t>(1u << j);
  marksChange();
}

void TFormVyhController::OutputRightPress(int k, int j) {
  if (!ModuleShown(k) || j < 0 || j >= kOutputs) return;
  lur_.InfMR = k;
  lur_.InfOut = j;
}

int TFormVyhController::OKClick() { return kModalOk; }

}  // namespace lur
