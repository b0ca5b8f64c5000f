#include "loops/TCreatRegLoopDialog.h"

namespace lur {

std::optional<TLoopValues> TCreatRegLoopDialog::Program(const TLoopDialogRequest& request) {
  TProgRegClass& reg = form_.Table();
  form_.Reset();
  const bool filled =
      request.mode == 0 ? (form_.FillCreate(request.slot), true) : form_.FillEdit(request.record);
  reg.RegModified = reg.RegModifiedSave;
  // No loop starts at the record: there is nothing to program.
  if (!filled) return std::nullopt;
  const int result = window_.ShowModal(form_);
  if (result != kModalOk || form_.cancelled != 0) return std::nullopt;
  if (!form_.Passed() && form_.OKClick() != kModalOk) return std::nullopt;
  return form_.Values();
}

}  // namespace lur
