#pragma once
// What the function block editor needs of the block programming dialog
// ("Программирование функционального блока"): it resets and fills the
// dialog, shows it, reads the type and number the user left and has the
// dialog write its values into a record. The program adapts the real dialog
// to it; tests script it.
#include "session/TModalWindow.h"

namespace lur {

class TBlockDialog {
 public:
  virtual ~TBlockDialog() = default;

  // Every input disabled, sources "000", direction and kind lists empty.
  virtual void Reset() = 0;
  // A new block: "создание", the number it will get, no type chosen, every
  // setting at its default and every settings group disabled; the archiving
  // switch "отключено", enabled only when asked.
  virtual void PrepareNew(int number, bool archiveEnabled) = 0;
  // Programming record i: "программирование", number i + 1 and every setting
  // of the record; the archiving switch shows Arh when enabled, else it is
  // disabled and "отключено".
  virtual void PrepareFromRecord(int i, bool archiveEnabled) = 0;
  // Shows the dialog modally: kModalOk, or kModalCancel when cancelled.
  virtual int ShowModal() = 0;
  // The type chosen (TipFB 1..9), 0 when none.
  virtual int ChosenType() const = 0;
  // The block number the dialog holds when it closes.
  virtual int Number() const = 0;
  // Writes the dialog's values into record i (type, settings, inputs with
  // invalid sources disconnected, Arh from the archiving switch).
  virtual void WriteRecord(int i) = 0;
};

}  // namespace lur
