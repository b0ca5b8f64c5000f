#include "loops/TLoopDrawing.h"

#include <cmath>

#include "model/AnalogSignalInfo.h"
#include "model/AnalogSignalList.h"
#include "model/Cp1251.h"
#include "model/DecimalText.h"
#include "model/TConfiguration.h"

namespace lur {
namespace {

using P = TProgRegClass::Param;

// Places inside a frame.
constexpr int kPanelLeft = 20;
constexpr int kPanelTop = 12;
constexpr int kPanelWidth = 200;
constexpr int kPanelHeight = 150;
constexpr int kInnerLeft = 330;
constexpr int kMarkGap = 4;
constexpr int kMarkHeight = 18;
constexpr int kSetterTop = 200;
constexpr int kSetterWidth = 380;
constexpr int kSetterHeight = 108;
constexpr int kSetterMarkGap = 40;
constexpr int kSetterMarkWidth = 120;
constexpr int kLineThickness = 4;
constexpr int kSetterLineLeft = 8;  // the setter's connector runs left of the panels

std::string Join(const char* label, const std::string& number) { return std::string(label) + number; }

std::string OutputMark(const TProgRegClass& reg, int record) {
  const int kind = reg.LoopKind(record);
  const int out = reg.GetAdOUT(record);
  if (kind == TProgRegClass::kKindCascade && out >= TProgRegClass::kCascadeOutBase) {
    return "на рег " + std::to_string(out - 7);
  }
  if (kind == TProgRegClass::kKindSetter && out > 15) return "на рег " + std::to_string(out - 15);
  return "вых ЦАП №" + std::to_string(out + 1);
}

TLoopPanel RegulatorPanel(const TProgRegClass& reg, const std::vector<AnalogSignalRow>& analog, int record,
                          TLoopRect rect) {
  TLoopPanel panel;
  panel.type = PanelTypeOf(reg, record);
  panel.direction = OutputTypeOf(reg, record);
  panel.record = record;
  panel.rect = rect;
  const int n = reg.GetAnVh(record);
  panel.lines.push_back(n >= 1 && n <= static_cast<int>(analog.size())
                            ? Cp1251ToUtf8(analog[static_cast<std::size_t>(n - 1)].id)
                            : std::string());
  panel.lines.push_back("SP");
  if (panel.type == TRegType::rtPID) {
    panel.lines.push_back(Join("KP=", GainText(reg.GetParam(record, P::Kp))));
    panel.lines.push_back(Join("Ti=", TimeText(reg.GetParam(record, P::Ti))));
    panel.lines.push_back(Join("Td=", GainText(reg.GetParam(record, P::Td))));
    panel.lines.push_back(Join("OSF=", GainText(reg.GetParam(record, P::OSF))));
    panel.lines.push_back(Join("OL=", LimitText(reg.GetParam(record, P::OL))));
    panel.lines.push_back(Join("OH=", LimitText(reg.GetParam(record, P::OH))));
  }
  return panel;
}

// A setter's points in the units of the controlled variable of its own
// loop, whatever loop was edited last.
TLoopPanel SetterPanel(const TConfiguration& config, int setter, int mainRecord, TLoopRect rect) {
  const TProgRegClass& reg = config.Reg;
  double low = 0.0;
  double high = 0.0;
  if (const auto info = LookupAnalogSignal(config.MBA, config.MBM, reg.GetAnVh(mainRecord),
                                           config.Serv.GetAiModuleCount(), config.Serv.GetNetBlockTotal())) {
    low = info->min;
    high = info->max;
  }
  TLoopPanel panel;
  panel.type = TRegType::rtPZ;
  panel.record = setter;
  panel.rect = rect;
  for (int k = 0; k < TProgRegClass::kPoints; ++k) {
    const std::string point = std::to_string(k + 1);
    panel.lines.push_back("T" + point + "=" + std::to_string(reg.GetTimePZ(setter, k)) + " с");
    panel.lines.push_back("SP" + point + "=" +
                          SetValueText(TProgRegClass::SetPointValue(reg.GetValPZ(setter, k), low, high)));
  }
  return panel;
}

TLoopRect MarkUnder(const TLoopRect& panel) {
  return {panel.x, panel.Bottom() + kMarkGap, panel.w, kMarkHeight};
}

TLoopFrame Frame(const TConfiguration& config, const TProgRegClass& map,
                 const std::vector<AnalogSignalRow>& analog, const TLoopPanels& loop) {
  const TProgRegClass& reg = config.Reg;
  TLoopFrame frame;
  frame.loop = loop.loop;
  frame.kind = loop.kind;
  frame.rect = {kLoopFrameLeft, LoopFrameTop(loop.loop), kLoopFrameWidth, kLoopFrameHeight};
  const int x = frame.rect.x;
  const int y = frame.rect.y;

  const int mainRecord = loop.mainPanel >= 0 ? map.PanelReg[static_cast<std::size_t>(loop.mainPanel)] : -1;
  const TLoopRect main{x + kPanelLeft, y + kPanelTop, kPanelWidth, kPanelHeight};
  frame.panels.push_back(RegulatorPanel(reg, analog, mainRecord, main));
  frame.marks.push_back({MarkUnder(main), OutputMark(reg, mainRecord)});

  if (loop.innerPanel >= 0) {
    const int inner = map.PanelReg[static_cast<std::size_t>(loop.innerPanel)];
    const TLoopRect rect{x + kInnerLeft, y + kPanelTop, kPanelWidth, kPanelHeight};
    frame.panels.push_back(RegulatorPanel(reg, analog, inner, rect));
    frame.marks.push_back({MarkUnder(rect), OutputMark(reg, inner)});
    frame.connectors.push_back(
        {main.x + main.w, main.y + main.h / 2, rect.x - (main.x + main.w), kLineThickness});
  }
  if (loop.setterPanel >= 0) {
    const int setter = map.PZPanelRec[static_cast<std::size_t>(loop.setterPanel)];
    const TLoopRect rect{x + kPanelLeft, y + kSetterTop, kSetterWidth, kSetterHeight};
    frame.panels.push_back(SetterPanel(config, setter, mainRecord, rect));
    frame.marks.push_back({{rect.x + rect.w + kSetterMarkGap, rect.y + rect.h / 2 - kMarkHeight / 2,
                            kSetterMarkWidth, kMarkHeight},
                           "на рег " + std::to_string(reg.GetAReg(setter))});
    // Up the left side from the setter into the regulator it drives.
    const int lineX = x + kSetterLineLeft;
    const int top = main.y + main.h / 2;
    const int bottom = rect.y + rect.h / 2;
    frame.connectors.push_back({lineX, top, kLineThickness, bottom - top + kLineThickness});
    frame.connectors.push_back({lineX, top, main.x - lineX, kLineThickness});
    frame.connectors.push_back({lineX, bottom, rect.x - lineX, kLineThickness});
  }

  frame.selected = loop.mainPanel >= 0 && reg.Reg_Choose[static_cast<std::size_t>(loop.mainPanel)] == 1;
  frame.color = frame.selected ? kLoopSelectedColor : kLoopFaceColor;
  return frame;
}

}  // namespace

int LoopFrameTop(int loop) { return loop * kLoopFramePitch; }

TLoopDrawing DrawLoops(const TConfiguration& config) {
  // The map as the editor has it, made on a copy so drawing changes nothing.
  TProgRegClass map = config.Reg;
  const std::vector<TLoopPanels> loops = BuildLoopMap(map);
  const std::vector<AnalogSignalRow> analog = AnalogSignalList(config.Serv, config.MBA, config.MBM);
  TLoopDrawing drawing;
  for (const TLoopPanels& loop : loops) drawing.frames.push_back(Frame(config, map, analog, loop));
  drawing.height = drawing.frames.empty() ? 0 : drawing.frames.back().rect.Bottom() + kLoopBottomMargin;
  return drawing;
}

std::optional<int> LoopAt(const TLoopDrawing& drawing, int x, int y) {
  for (const TLoopFrame& frame : drawing.frames) {
    if (frame.rect.Contains(x, y)) return frame.loop;
  }
  return std::nullopt;
}

std::string GainText(double value) {
  const int decimals = DecimalsByMagnitude(value);
  return FixedText(value, decimals == 1 ? 0 : decimals);
}

std::string TimeText(double value) { return FixedText(value, DecimalsByMagnitude(value)); }

std::string LimitText(double value) { return FixedText(value, 2); }

std::string SetValueText(double value) {
  const double a = std::fabs(value);
  return FixedText(value, a <= 100.0 ? 2 : a <= 1000.0 ? 1 : 0);
}

}  // namespace lur
