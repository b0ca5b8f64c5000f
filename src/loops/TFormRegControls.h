#pragma once
// The buttons, menu items and actions of the regulator editor whose enabled
// state the controller decides (TControlStates keys). A control stands for
// every item that runs its command (the toolbar button, the menu item and
// the action with its key).
namespace lur {

enum class TFormRegControl {
  InPort,        // "Ввод с СОМ-порта" (F9)
  OutPort,       // "Вывод на СОМ-порт" (F10)
  CreatFuncBut,  // "Создать контур регулирования": the loop dialog, creating
  N1AND,         // the main menu's "Редактирование контура регулирования"
  EditReg,       // the loop menu's item: one loop selected
  DelChoose,     // "Удалить" (Del): a loop selected
  ChooseAll,     // "Выделить все" (Ctrl+A)
  RegOnLine,     // "Показать в режиме on line": the on-line window
  InformBut,     // "Входные сигналы": the input information window
  InformButMR,   // "Дискретные выходы": the discrete output information window
  Count
};

}  // namespace lur
