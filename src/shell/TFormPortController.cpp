#include "shell/TFormPortController.h"

#include <algorithm>

namespace lur {

const std::vector<std::string>& TFormPortController::SpeedItems() {
  static const std::vector<std::string> items = {"9600", "19200", "57600", "115200"};
  return items;
}
const std::vector<std::string>& TFormPortController::ParityItems() {
  static const std::vector<std::string> items = {"нет", "нечет", "чет"};
  return items;
}
const std::vector<std::string>& TFormPortController::StopBitItems() {
  static const std::vector<std::string> items = {"1", "2"};
  return items;
}

void TFormPortController::FormShow(std::vector<std::string> list) {
  speedIndex = rememberedSpeed_;
  parityIndex = rememberedParity_;
  stopIndex = rememberedStop_;
  ports = std::move(list);
  portIndex = ports.empty() ? -1 : 0;
  if (!shown_) {
    shown_ = true;
    rememberedPort_ = ports.empty() ? std::string() : ports.front();
  } else {
    // The remembered port by name: an adapter plugged in meanwhile must not
    // shift the choice to another port.
    const auto it = std::find(ports.begin(), ports.end(), rememberedPort_);
    if (it != ports.end()) portIndex = static_cast<int>(it - ports.begin());
  }
}

void TFormPortController::CBoxPortChange(int index) {
  if (index < 0 || index >= static_cast<int>(ports.size())) return;
  portIndex = index;
  rememberedPort_ = ports[static_cast<std::size_t>(index)];
}

int TFormPortController::OKClick() {
  if (parityIndex == 2 && stopIndex == 1) return kModalError;
  rememberedSpeed_ = speedIndex;
  rememberedParity_ = parityIndex;
  rememberedStop_ = stopIndex;
  return kModalOk;
}

std::string TFormPortController::PortName() const {
  return portIndex >= 0 && portIndex < static_cast<int>(ports.size()) ? ports[static_cast<std::size_t>(portIndex)]
                                                                       : std::string();
}
std::string TFormPortController::BaudText() const { return SpeedItems().at(static_cast<std::size_t>(speedIndex)); }
std::string TFormPortController::ParityText() const {
  static const char* const letters[] = {"N", "O", "E"};
  return letters[std::clamp(parityIndex, 0, 2)];
}
std::string TFormPortController::StopBitsText() const { return StopBitItems().at(static_cast<std::size_t>(stopIndex)); }

}  // namespace lur
