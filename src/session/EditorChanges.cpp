#include "session/EditorChanges.h"

#include "model/TConfiguration.h"

namespace lur {

// The local network editor's marks: the exchange table, its groups and
// settings, the base and the function block pages its moves changed, and
// the function-15 table.
bool NetworkChanges(const TConfiguration& config) {
  const TProgMBMClass& mbm = config.MBM;
  return mbm.TableClean == 0 || mbm.GroupsClean == 0 || mbm.BaseRewrite != 0 || mbm.SettingsChanged != 0 ||
         config.FB.FBToWrite != 0 || config.F15.F15Changed != 0;
}

// Every editor that keeps a modified flag in its table is listed here, once.
bool UnsentEditorChanges(const TConfiguration& config) {
  return config.Lur.DiskrModified != 0 || config.FB.FBModified != 0 || config.Reg.RegModified != 0 ||
         config.Serv.UnsentInputTextPages != 0 || NetworkChanges(config);
}

void ClearNetworkChanges(TConfiguration& config) {
  config.MBM.TableClean = 1;
  config.MBM.GroupsClean = 1;
  config.MBM.BaseRewrite = 0;
  config.MBM.SettingsChanged = 0;
  config.FB.FBToWrite = 0;
  config.F15.F15Changed = 0;
}

void ClearEditorChanges(TConfiguration& config) {
  config.Lur.DiskrModified = 0;
  config.Lur.DiskrModifiedSave = 0;
  config.FB.FBModified = 0;
  config.FB.FBModifiedSave = 0;
  config.Reg.RegModified = 0;
  config.Reg.RegModifiedSave = 0;
  config.Serv.UnsentInputTextPages = 0;
  ClearNetworkChanges(config);
  // The sensor types of every module are as the controller or the file has them.
  config.Lur.TipDatSent.fill(1);
}

}  // namespace lur
