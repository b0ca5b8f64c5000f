#include "shell/TConfigTransfer.h"

#include "shell/TConfigReader.h"
#include "shell/TConfigWriter.h"

namespace lur {

bool TConfigTransfer::InPortButClick() { return TConfigReader(ctx_).Run(); }

bool TConfigTransfer::OutPortClick() {
  TConfigWriter writer(ctx_);
  const bool written = writer.Run();
  lastWrite_ = writer.Record();
  return written;
}

bool TConfigTransfer::CBoxUstrClick(int number) {
  constexpr int kDeviceNumbers = 31;
  if (number < 1 || number > kDeviceNumbers) return false;
  ctx_.config.Serv.SetAddressIndex(number - 1);
  ctx_.config.Serv.SetDeviceIndex(number - 1);
  ctx_.state.ustr = number;
  ctx_.state.ustrZ = number;
  return true;
}

}  // namespace lur
