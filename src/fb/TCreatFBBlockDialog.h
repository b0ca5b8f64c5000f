#pragma once
// The block programming dialog as the function block editor needs it: its
// controller prepared, shown through its modal window, read back and asked
// to write the record.
#include "fb/TBlockDialog.h"
#include "fb/TFormCreatFBController.h"

namespace lur {

class TCreatFBBlockDialog : public TBlockDialog {
 public:
  TCreatFBBlockDialog(TFormCreatFBController& form, TModalWindow<TFormCreatFBController>& window)
      : form_(form), window_(window) {}

  // Preparing resets the dialog first, so there is nothing to do apart.
  void Reset() override {}
  void PrepareNew(int number, bool archiveEnabled) override { form_.PrepareForNewBlock(number, archiveEnabled); }
  // The dialog decides the archiving switch from the record's place itself.
  void PrepareFromRecord(int i, bool /*archiveEnabled*/) override { form_.PrepareFromRecord(i); }
  int ShowModal() override { return window_.ShowModal(form_); }
  int ChosenType() const override { return form_.ChosenType(); }
  int Number() const override { return form_.BlockNumber(); }
  void WriteRecord(int i) override { form_.WriteIntoRecord(i); }

 private:
  TFormCreatFBController& form_;
  TModalWindow<TFormCreatFBController>& window_;
};

}  // namespace lur
