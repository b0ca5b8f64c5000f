#include "discrete/TFormPrgDActions.h"

namespace lur {
namespace {

constexpr std::size_t kCount = static_cast<std::size_t>(TFormPrgDAction::Count);

// In enum order.
constexpr std::array<TFormPrgDActionText, kCount> kActions = {{
    {"AInPort", "Ввод с СОМ-порта", "F9"},
    {"AOutPort", "Вывод на СОМ-порт", "F10"},
    {"AVhod", "Создать обработчик входа", ""},
    {"ABSign", "Добавить блок сигнализации", ""},
    {"ABZader", "Добавить блок задержки", ""},
    {"ABVyh", "Добавить  выход на реле", ""},
    {"AText", "Ввод текст. реквизитов", ""},
    {"ASign", "Редактировать сигнализацию", ""},
    {"AZader", "Редактировать задержку", ""},
    {"ABlVyh", "Редактировать выход на реле", ""},
    {"AFB", "Функц. блоки", ""},
    {"AId", "Редактировать идентификатор входа", ""},
    {"ADelSign", "Удалить сигнализацию", ""},
    {"ADelZader", "Удалить задержку", ""},
    {"ADelVyh", "Удалить выход на реле", ""},
    {"AArhiv", "Архивирование", ""},
    {"AInfAnalog", "Информация о входе", ""},
    {"ANomerVh", "Поиск обработчика входа по номеру в базе", "Ctrl+F"},
    {"AInfVyh", "Информация о дискретном выходе", ""},
    {"ACut", "Вырезать", "Ctrl+X"},
    {"ACopy", "Копировать", "Ctrl+C"},
    {"AChange", "Заменить паспорт входа", ""},
    {"ADelChoose", "Удалить", "Del"},
    {"AInsertPaspGroup", "Вставить", "Ctrl+V"},
    {"AInsertPaspGroupFrom", "Вставить/заменить,  начиная c... ", "Ctrl+Alt+V"},
    {"AChooseAll", "Выделить все", "Ctrl+A"},
    {"AOpenFile", "Открыть файл конфигурации", "F3"},
    {"AClose", "Выход", "Alt+X"},
    {"ASaveFile", "Сохранить как ...", "F2"},
    {"ACreatFile", "Создание файла конфигурации", "F4"},
    {"AParol", "Замена пароля", "F8"},
    {"APort", "Настройка СОМ порта", ""},
}};

}  // namespace

const TFormPrgDActionText& ActionText(TFormPrgDAction action) {
  const auto i = static_cast<std::size_t>(action);
  return kActions[i < kCount ? i : 0];
}

}  // namespace lur
