#include "session/EditorChanges.h"

#include "model/TConfiguration.h"

namespace lur {

// Every editor that keeps a modified flag in its table is listed here, once.
bool UnsentEditorChanges(const TConfiguration& config) {
  return config.Lur.DiskrModified != 0 || config.FB.FBModified != 0 || config.Reg.RegModified != 0 ||
         config.Serv.UnsentInputTextPages != 0;
}

void ClearEditorChanges(TConfiguration& config) {
  config.Lur.DiskrModified = 0;
  config.Lur.DiskrModifiedSave = 0;
  config.FB.FBModified = 0;
  config.FB.FBModifiedSave = 0;
  config.Reg.RegModified = 0;
  config.Reg.RegModifiedSave = 0;
  config.Serv.UnsentInputTextPages = 0;
  // The sensor types of every module are as the controller or the file has them.
  config.Lur.TipDatSent.fill(1);
}

}  // namespace lur
