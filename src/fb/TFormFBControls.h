#pragma once
// The menu items and buttons of the function block editor whose enabled
// state the controller decides (TControlStates keys).
namespace lur {

enum class TFormFBControl {
  // Block menu PopupMenu1.
  PMenu1FB,           // "Редактирование ФБ"
  PMenu1Copy,         // "Копировать "
  PMenu1Del,          // "Удалить"
  PMenu1InsertBl,     // "Вставить новый ФБ (перед выбранным ) "
  PMenu1InsertGroup,  // "Вставить группу скопированных ФБ (перед выбранным ) "
  PMenu1CreatSign,    // "Добавить  блок сигнализации"
  PMenu1Sign,         // "Редактировать сигнализацию"
  PMenu1DelSign,      // "Удалить сигнализацию"
  PMenu1CreatVyh,     // "Добавить  выход на реле"
  PMenu1Vyh,          // "Редактировать выход на реле"
  PMenu1DelVyh,       // "Удалить выход на реле"
  // Background menu PopupMenu3.
  PMenu3CreatFB,     // "Создать функциональный блок "
  PMenu3AddGroup,    // "Добавить группу скопированных ФБ"
  PMenu3Algorithms,  // "Создание алгоритмов"
  PMenu3ChooseAll,   // "Выделить все"
  // Transfer, calculation blocks and the math block window.
  InPort,     // "Ввод с СОМ-порта" (F9)
  OutPort,    // "Вывод на СОМ-порт" (F10)
  CalcIntegr, // "Создать интегратор расхода"
  CalcMat,    // "Создать арифметический блок"
  EditIntegr, // "Редактировать интегратор расхода"
  EditMat,    // "Редактировать арифметический блок"
  Button1,    // "Показать мат. блоки"
  Count
};

}  // namespace lur
