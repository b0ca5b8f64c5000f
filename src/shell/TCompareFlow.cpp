#include "shell/TCompareFlow.h"

#include "shell/TControllerCompare.h"
#include "shell/TWriteVerifier.h"
#include "ui/TUserInterface.h"

namespace lur {

bool TCompareFlow::VerifyWrite(const TWriteRecord& record) {
  TCompareResult result = TWriteVerifier(ctx_.link, ctx_.ui, record).Run();
  if (result.Equal()) {
    ShowInformation(ctx_.ui, kVerifiedText);
    return true;
  }
  form_.Show(TFormCompareController::kVerifyTitle, std::move(result), true);
  ShowResult();
  return false;
}

bool TCompareFlow::CompareClick() {
  TCompareResult result = CompareWithController(ctx_);
  const bool equal = result.Equal();
  form_.Show(TFormCompareController::kCompareTitle, std::move(result));
  ShowResult();
  return equal;
}

void TCompareFlow::ShowResult() {
  if (window_ != nullptr) {
    window_->ShowModal(form_);
  } else {
    ShowWarning(ctx_.ui, form_.Text());
  }
}

}  // namespace lur
