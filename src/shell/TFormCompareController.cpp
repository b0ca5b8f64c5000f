#include "shell/TFormCompareController.h"

#include <utility>

#include "model/TFileAccess.h"
#include "ui/TUserInterface.h"

namespace lur {

void TFormCompareController::Show(std::string title, TCompareResult result, bool verify) {
  title_ = std::move(title);
  result_ = std::move(result);
  verify_ = verify;
}

std::array<std::string, 5> TFormCompareController::Columns() const {
  if (verify_) return {"Таблица", "Запись", "Поле", "Записано", "Прочитано"};
  return {"Таблица", "Запись", "Поле", "В памяти", "В приборе"};
}

bool TFormCompareController::SaveClick(TUserInterface& ui) const {
  TFileChoice choice;
  choice.save = true;
  choice.title = "Сохранить как текст";
  choice.filter = "Текстовые файлы|*.txt|Все файлы|*.*";
  choice.defaultSuffix = "txt";
  const auto path = ui.ChooseFile(choice);
  if (!path) return false;
  const std::string text = Text();
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  if (WriteFileReplacing(*path, {bytes, text.size()}) != TFileWriteResult::Written) {
    ShowError(ui, "Не удалось записать файл " + *path);
    return false;
  }
  return true;
}

}  // namespace lur
