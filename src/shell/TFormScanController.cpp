#include "shell/TFormScanController.h"

namespace lur {

const char* const kScanColumns[4] = {"Устр. №", "Исполнение", "Тип модуля индикации", "Обозначение"};

namespace {

std::string StatusOf(const TScanResult& result, const TScanOptions& options) {
  const int total = options.to - options.from + 1;
  std::string text;
  if (result.portCode != 0) {
    text = "Поиск остановлен: ошибка порта";
  } else if (result.cancelled) {
    text = "Поиск прерван: опрошено " + std::to_string(result.probed) + " из " + std::to_string(total);
  } else {
    text = "Опрошено адресов: " + std::to_string(result.probed);
  }
  text += result.found.empty() ? ". Приборы не найдены." : ". Найдено приборов: " + std::to_string(result.found.size()) + ".";
  for (const TScanFault& fault : result.faults) text += "\n" + fault.text;
  return text;
}

}  // namespace

void TFormScanController::ScanClick() {
  if (scanning_) return;
  scanning_ = true;
  result_ = {};
  status_.clear();
  result_ = ScanBus(link_, ui_, options_);
  status_ = StatusOf(result_, options_);
  scanning_ = false;
}

std::vector<std::string> TFormScanController::RowTexts(int row) const {
  if (row < 0 || row >= Rows()) return {};
  const TFoundDevice& device = result_.found[static_cast<std::size_t>(row)];
  return {std::to_string(device.number), device.moduleCodes, device.displayCaption, device.designation};
}

std::optional<int> TFormScanController::ChooseClick(int row) const {
  if (scanning_ || row < 0 || row >= Rows()) return std::nullopt;
  return result_.found[static_cast<std::size_t>(row)].number;
}

}  // namespace lur
