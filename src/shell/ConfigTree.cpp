#include "shell/ConfigTree.h"

#include <cstdio>
#include <string>

#include "model/Cp1251.h"
#include "model/HexText.h"
#include "shell/FunctionBlockDump.h"
#include "shell/TConfigFile.h"
#include "shell/TModuleTable.h"

namespace lur {
namespace {

// Windows-1251 bytes as UTF-8, without the blanks that pad them.
std::string Decoded(const std::string& bytes) {
  const auto end = bytes.find_last_not_of(' ');
  return Cp1251ToUtf8(end == std::string::npos ? std::string() : bytes.substr(0, end + 1));
}

TDumpNode Identity(const TConfiguration& c) {
  const TServClass& s = c.Serv;
  const auto& id = s.GetIdentityRecord();
  return TDumpNode::Object()
      .Add("device", s.GetDeviceIndex() + 1)
      .Add("modules", ModuleCodesText(s))
      .Add("display", s.GetDisplayType())
      .Add("display_caption", std::string(DisplayTypeCaption(s.GetDisplayType())))
      .Add("module_count", id[TServClass::kIdModuleCount])
      .Add("discrete_modules", s.GetDiModuleCount())
      .Add("analog_modules", s.GetAiModuleCount())
      .Add("output_modules", s.GetDoModuleCount())
      .Add("discrete_outputs", id[TServClass::kIdOutputCount])
      .Add("processed_discrete", s.GetProcessedDiscreteCount())
      .Add("processed_analog", s.GetProcessedAnalogCount())
      .Add("reserved_bytes", HexBytes(id.data() + 9, 2))
      .Add("function_blocks", ConfigFileBlockCount(c));
}

TDumpNode AnalogModules(const TConfiguration& c) {
  using R = TProgMBAClass::ChannelReal;
  const TServClass& s = c.Serv;
  const TProgMBAClass& mba = c.MBA;
  TDumpNode modules = TDumpNode::Array("module");
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const int t = s.GetModuleType(slot);
    if (GroupOfModule(t) != ModuleGroup::AnalogInput) continue;
    const int a = s.GroupIndexOfSlot(slot);
    TDumpNode channels = TDumpNode::Array("channel");
    for (int ch = 0; ch < TProgMBAClass::kChannelsPerModule; ++ch) {
      TDumpNode channel = TDumpNode::Object();
      channel.Add("channel", ch + 1)
          .Add("tag", Decoded(mba.GetPozText(a, ch)))
          .Add("unit", mba.GetUnit(a, ch));
      channel.Add("scale_type", mba.GetScaleType(a, ch));
      // Byte 1 holds the range of a resistance-thermometer module, the dead
      // zone and input type of the others.
      if (t == kModuleAnalogProbed) {
        channel.Add("range_index", mba.GetRangeIndex(a, ch));
      } else {
        channel.Add("dead_zone", mba.GetDeadZone(a, ch)).Add("input_type", mba.GetInputType(a, ch));
      }
      channel.Add("min", TDumpNode::Real(mba.GetReal(a, ch, R::MinSk)))
          .Add("max", TDumpNode::Real(mba.GetReal(a, ch, R::MaxSk)))
          .Add("LL", TDumpNode::Real(mba.GetReal(a, ch, R::UstLL)))
          .Add("L", TDumpNode::Real(mba.GetReal(a, ch, R::UstL)))
          .Add("H", TDumpNode::Real(mba.GetReal(a, ch, R::UstH)))
          .Add("HH", TDumpNode::Real(mba.GetReal(a, ch, R::UstHH)));
      channels.Push(std::move(channel));
    }
    modules.Push(TDumpNode::Object()
                     .Add("module", a + 1)
                     .Add("slot", slot + 1)
                     .Add("type", t)
                     .Add("new_version", mba.GetNewVersion(a))
                     .Add("channels", std::move(channels)));
  }
  return modules;
}

// Only the groups a configuration file holds: one per slot after the analog
// modules.
TDumpNode NetworkGroups(const TConfiguration& c) {
  using R = TProgMBMClass::ChannelReal;
  const TProgMBMClass& mbm = c.MBM;
  const int ai = c.Serv.GetAiModuleCount();
  TDumpNode groups = TDumpNode::Array("group");
  for (int g = 0; g < kSlotCount - ai; ++g) {
    TDumpNode channels = TDumpNode::Array("channel");
    for (int ch = 0; ch < TProgMBMClass::kChannelsPerGroup; ++ch) {
      const int e = g * TProgMBMClass::kChannelsPerGroup + ch;
      channels.Push(TDumpNode::Object()
                        .Add("channel", e + 1)
                        .Add("tag", Decoded(mbm.GetPoz(e)))
                        .Add("unit", mbm.GetRazm(e))
                        .Add("min", TDumpNode::Real(mbm.GetReal(e, R::Min)))
                        .Add("max", TDumpNode::Real(mbm.GetReal(e, R::Max)))
                        .Add("LL", TDumpNode::Real(mbm.GetReal(e, R::UstLL)))
                        .Add("L", TDumpNode::Real(mbm.GetReal(e, R::UstL)))
                        .Add("H", TDumpNode::Real(mbm.GetReal(e, R::UstH)))
                        .Add("HH", TDumpNode::Real(mbm.GetReal(e, R::UstHH))));
    }
    groups.Push(
        TDumpNode::Object().Add("group", g + 1).Add("slot", ai + g + 1).Add("channels", std::move(channels)));
  }
  return groups;
}

TDumpNode RelayOutputs(const TConfiguration& c) {
  const TProgMRClass& mr = c.MR;
  TDumpNode modules = TDumpNode::Array("module");
  for (int m = 0; m < kMaxOutputModules; ++m) {
    TDumpNode outputs = TDumpNode::Array("output");
    for (int o = 0; o < kOutputsPerDoModule; ++o) {
      const int entry = m * kOutputsPerDoModule + o;
      outputs.Push(TDumpNode::Object()
                       .Add("output", o + 1)
                       .Add("id", Decoded(c.Serv.GetOutputId(entry)))
                       .Add("text", Decoded(c.Serv.GetOutputText(entry)))
                       .Add("TipVyh", mr.GetTipVyh(o, m))
                       .Add("KvitBlock", mr.GetKvitBlock(o, m))
                       .Add("SbrTopLevel", mr.GetSbrTopLevel(o, m))
                       .Add("KvitTopLevel", mr.GetKvitTopLevel(o, m))
                       .Add("SbrMind", mr.GetSbrMind(o, m))
                       .Add("KvitMind", mr.GetKvitMind(o, m))
                       .Add("VxKvit", mr.GetVxKvit(o, m))
                       .Add("VhSbr", mr.GetVhSbr(o, m)));
    }
    modules.Push(TDumpNode::Object().Add("module", m + 1).Add("outputs", std::move(outputs)));
  }
  return modules;
}

TDumpNode Exchange(const TConfiguration& c) {
  const TProgMBMClass& mbm = c.MBM;
  TDumpNode blocks = TDumpNode::Array("block");
  for (int b = 0; b < TProgMBMClass::kBlockCount; ++b) {
    blocks.Push(TDumpNode::Object()
                    .Add("block", b + 1)
                    .Add("KodF", mbm.GetKodF(b))
                    .Add("KolVh", mbm.GetKolVh(b))
                    .Add("Ustr", mbm.GetUstr(b))
                    .Add("AdBegDat", mbm.GetAdBegDat(b))
                    .Add("KolDat", mbm.GetKolDat(b))
                    .Add("TipUstr", mbm.GetTipUstr(b))
                    .Add("TipDate", mbm.GetTipDate(b))
                    .Add("Byte_Order", mbm.GetByte_Order(b))
                    .Add("StAddr_Beg1", mbm.GetStAddr_Beg1(b))
                    .Add("StAddr_Beg2", mbm.GetStAddr_Beg2(b))
                    .Add("XMax", mbm.GetXMax(b)));
  }
  return TDumpNode::Object()
      .Add("speed", mbm.GetSpeed())
      .Add("frame", mbm.GetFrame())
      .Add("settings_byte", mbm.GetTableByte(TProgMBMClass::kSettingsOffset))
      .Add("blocks", std::move(blocks));
}

TDumpNode Function15(const TConfiguration& c) {
  const TProgF15Class& f15 = c.F15;
  TDumpNode blocks = TDumpNode::Array("block");
  for (int b = 0; b < TProgF15Class::kBlockCount; ++b) {
    TDumpNode signals = TDumpNode::Array("signal");
    for (int k = 0; k < TProgF15Class::kSignalsPerBlock; ++k)
      signals.Push(TDumpNode::Number(f15.GetSignal(b, k)));
    blocks.Push(TDumpNode::Object()
                    .Add("block", b + 1)
                    .Add("KodF", f15.GetKodF(b))
                    .Add("KolVh", f15.GetKolVh(b))
                    .Add("Ustr", f15.GetUstr(b))
                    .Add("AdBegDat", f15.GetAdBegDat(b))
                    .Add("KolDat", f15.GetKolDat(b))
                    .Add("Kvit", f15.GetKvit(b))
                    .Add("Sbros", f15.GetSbros(b))
                    .Add("signals", std::move(signals)));
  }
  return blocks;
}

TDumpNode DiscreteSignals(const TConfiguration& c) {
  const TProgLurClass& lur = c.Lur;
  TDumpNode signals = TDumpNode::Array("signal");
  for (int n = 0; n < TProgLurClass::kRecordCount; ++n) {
    TDumpNode record = TDumpNode::Object();
    record.Add("signal", n + 1)
        .Add("id", Decoded(c.Serv.GetInputId(n)))
        .Add("text", Decoded(c.Serv.GetInputText(n)))
        .Add("TipS", lur.GetTipS(n) >> 6)
        .Add("NTabS", lur.GetNTabS(n))
        .Add("TipK", lur.GetTipK(n) >> 5)
        .Add("TimeZ", lur.GetTimeZ(n))
        .Add("DiskrZ", lur.GetDiskrZ(n) >> 6)
        .Add("Arh", lur.GetArh(n) >> 7);
    for (int m = 1; m <= kMaxOutputModules; ++m) record.Add("MR" + std::to_string(m), lur.GetRecByte(n, m));
    record.Add("byte7", lur.GetRecByte(n, 7));
    signals.Push(std::move(record));
  }
  return signals;
}

TDumpNode FunctionBlocks(const TConfiguration& c) {
  TDumpNode blocks = TDumpNode::Array("block");
  for (int i = 0; i < ConfigFileBlockCount(c); ++i) blocks.Push(DumpFunctionBlockRecord(c.FB, i));
  return blocks;
}

TDumpNode Algorithms(const TConfiguration& c) {
  const TProgFBClass& fb = c.FB;
  const int f = ConfigFileBlockCount(c);
  TDumpNode heads = TDumpNode::Array("block");
  for (int i = 0; i < f; ++i) heads.Push(TDumpNode::Number(fb.GetAlgHead(i) & 0xFF));
  TDumpNode list = TDumpNode::Array("algorithm");
  for (int a = 0; a < fb.AlgCount(); ++a) {
    TDumpNode members = TDumpNode::Array("member");
    for (int n : fb.AlgMembers(a)) members.Push(TDumpNode::Number(n));
    list.Push(TDumpNode::Object()
                  .Add("algorithm", a + 1)
                  .Add("name", Decoded(fb.GetAlgName(a)))
                  .Add("blocks", std::move(members)));
  }
  return TDumpNode::Object().Add("NAlg", fb.NAlg).Add("heads", std::move(heads)).Add("list", std::move(list));
}

TDumpNode Units(const TConfiguration& c) {
  TDumpNode units = TDumpNode::Array("unit");
  const auto& bytes = c.MBA.GetUnits();
  for (int i = 0; i < TProgMBAClass::kUnitCount; ++i) {
    const auto* entry = bytes.data() + i * TProgMBAClass::kUnitSize;
    units.Push(TDumpNode::Text(Decoded(std::string(entry, entry + TProgMBAClass::kUnitSize))));
  }
  return units;
}

TDumpNode ControlLoops(const TConfiguration& c) {
  using P = TProgRegClass::Param;
  const TProgRegClass& reg = c.Reg;
  TDumpNode regulators = TDumpNode::Array("regulator");
  TDumpNode setters = TDumpNode::Array("setter");
  for (int i = 0; i < TProgRegClass::kRecords; ++i) {
    // The bytes no field decodes, kept by every edit: bits 1-7 of byte 3,
    // bytes 4, 5 and 24..27.
    const auto record = reg.GetRegRecord(i);
    const std::uint8_t reserved[] = {static_cast<std::uint8_t>(record[3] & 0xFE),
                                     record[4],
                                     record[5],
                                     record[24],
                                     record[25],
                                     record[26],
                                     record[27]};
    regulators.Push(TDumpNode::Object()
                        .Add("record", i + 1)
                        .Add("AnVh", reg.GetAnVh(i))
                        .Add("TReg", reg.GetTReg(i))
                        .Add("AdOUT", reg.GetAdOUT(i))
                        .Add("TOut", reg.GetTOut(i))
                        .Add("Kp", TDumpNode::Real(reg.GetParam(i, P::Kp)))
                        .Add("Ti", TDumpNode::Real(reg.GetParam(i, P::Ti)))
                        .Add("Td", TDumpNode::Real(reg.GetParam(i, P::Td)))
                        .Add("OL", TDumpNode::Real(reg.GetParam(i, P::OL)))
                        .Add("OH", TDumpNode::Real(reg.GetParam(i, P::OH)))
                        .Add("OSF", TDumpNode::Real(reg.GetParam(i, P::OSF)))
                        .Add("reserved", HexBytes(reserved, sizeof reserved)));
    TDumpNode points = TDumpNode::Array("point");
    for (int k = 0; k < TProgRegClass::kPoints; ++k) {
      points.Push(TDumpNode::Object()
                      .Add("point", k + 1)
                      .Add("time", reg.GetTimePZ(i, k))
                      .Add("value", reg.GetValPZ(i, k)));
    }
    const auto setter = reg.GetPZRecord(i);
    setters.Push(TDumpNode::Object()
                     .Add("record", i + 1)
                     .Add("AReg", reg.GetAReg(i))
                     .Add("points", std::move(points))
                     .Add("reserved", HexBytes(setter.data() + 25, 3)));
  }
  return TDumpNode::Object().Add("regulators", std::move(regulators)).Add("setters", std::move(setters));
}

TDumpNode SensorTypes(const TConfiguration& c) {
  TDumpNode words = TDumpNode::Array("slot");
  for (int m = 0; m < TProgLurClass::kTipDatWords; ++m) {
    char text[8];
    std::snprintf(text, sizeof text, "%02X%02X", c.Lur.GetTipDatByte(2 * m + 1), c.Lur.GetTipDatByte(2 * m));
    words.Push(TDumpNode::Text(text));
  }
  return words;
}

}  // namespace

TDumpNode DumpConfiguration(const TConfiguration& c) {
  return TDumpNode::Object()
      .Add("identity", Identity(c))
      .Add("analog_modules", AnalogModules(c))
      .Add("network_analog_groups", NetworkGroups(c))
      .Add("relay_outputs", RelayOutputs(c))
      .Add("exchange", Exchange(c))
      .Add("function15", Function15(c))
      .Add("discrete_signals", DiscreteSignals(c))
      .Add("function_blocks", FunctionBlocks(c))
      .Add("algorithms", Algorithms(c))
      .Add("units", Units(c))
      .Add("control_loops", ControlLoops(c))
      .Add("sensor_types", SensorTypes(c));
}

}  // namespace lur
