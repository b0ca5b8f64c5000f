#include "live/TFormInfVyhController.h"

#include "live/DetailTexts.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"

namespace lur {
namespace {

const char* YesNo(int flag) { return flag ? "есть" : "нет"; }

}  // namespace

bool TFormInfVyhController::Fill(const TConfiguration& config, int entry) {
  const TServClass& serv = config.Serv;
  const TProgMRClass& mr = config.MR;
  if (entry < 0 || entry >= serv.GetDoCount() || entry >= kMaxOutputs) return false;
  const int m = entry / kOutputsPerDoModule;
  const int o = entry % kOutputsPerDoModule;

  fields[Nomer] = " " + std::to_string(entry + 1);
  fields[Adr] = " 0x" + TwoHexDigits(entry);
  fields[Id] = Cp1251ToUtf8(serv.GetOutputId(entry));
  const bool control = mr.GetTipVyh(o, m) == 1;
  fields[TipVyh] = control ? "управл." : "сигнал.";
  const int kvitBlock = mr.GetKvitBlock(o, m);
  if (control) {
    fields[KvitBlock] = kvitBlock ? "с   блокировкой" : "без блокировки";
  } else {
    fields[KvitBlock] = kvitBlock ? "звук(с гашением)" : "свет(п-вод в ровн)";
  }
  fields[KvitMind] = YesNo(mr.GetKvitMind(o, m));
  fields[KvitTopLevel] = YesNo(mr.GetKvitTopLevel(o, m));
  fields[VxKvit] = std::to_string(mr.GetVxKvit(o, m));
  fields[SbrMind] = YesNo(mr.GetSbrMind(o, m));
  fields[SbrTopLevel] = YesNo(mr.GetSbrTopLevel(o, m));
  fields[VhSbr] = std::to_string(mr.GetVhSbr(o, m));
  return true;
}

}  // namespace lur
