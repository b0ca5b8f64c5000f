#include "fb/TDiagramLayout.h"

#include <algorithm>

#include "model/AnalogSignalList.h"
#include "model/Cp1251.h"
#include "model/TConfiguration.h"

namespace lur {
namespace {

constexpr int kColumns = 3;
constexpr int kMaxType = 11;  // types 1..11 are function blocks; 12 are calculation records
constexpr int kRelayModules = 5;
constexpr int kRelayPanelWidth = 200;
constexpr int kRelayPanelTop = 24;
constexpr int kRelayLineTop = 44;
constexpr int kMarkLeft = 150;
constexpr int kMarkTop = 72;
constexpr int kMarkWidth = 80;
constexpr int kMarkHeight = 23;
constexpr int kLinkTop = 20;
constexpr int kSignPanelLeft = 165;
constexpr int kSignPanelTop = 10;
constexpr int kSignPanelWidth = 60;
constexpr int kSignPanelHeight = 42;
constexpr int kSignLinkLeft = 192;
constexpr int kSignLinkTop = 17;
constexpr int kCaptionLeft = 8;
constexpr int kCaptionAbove = 12;
constexpr int kCaptionBelowLastBlock = 108;
constexpr int kCaptionPitch = 120;
constexpr int kCaptionTop = 3;
constexpr int kBottomMargin = 20;
constexpr int kMaxTime = 120;
constexpr int kMaxGisterezis = 31;
constexpr int kMaxBlockNumber = 120;  // above it a reference names a loop output

// The zigzag into input j (0-based) of the next block.
constexpr std::array<TDiagramLink, 4> kZigzagInto = {kLinkZigzag3, kLinkZigzag2, kLinkZigzag1, kLinkZigzag0};

std::string Id(const TConfiguration& config, int n) { return Cp1251ToUtf8(config.Serv.GetInputId(n - 1)); }

std::string AnalogId(const std::vector<std::string>& analogIds, int n) {
  return n >= 1 && n <= static_cast<int>(analogIds.size()) ? analogIds[static_cast<std::size_t>(n - 1)] : "";
}

// The comparator's compared value: an analog signal or a math block's result.
std::string ComparedValueCaption(const TProgFBClass& fb, int i, const std::vector<std::string>& analogIds) {
  const int n = fb.GetAnVh(i);
  if (n == 0) return {};
  return fb.GetKindAn(i) == 0 ? AnalogId(analogIds, n) : "МБ" + std::to_string(n);
}

TBlockSettings SettingsOf(const TProgFBClass& fb, int i) {
  TBlockSettings s;
  s.subTip = fb.GetSubTip(i);
  s.timerD = fb.GetTimerD(i);
  s.timerTime = std::clamp(fb.GetTimerTime(i), 0, kMaxTime);
  s.timerAdjustable = fb.GetTimerTUstT(i);
  s.timerAdrUst = fb.GetTimerAdrUst(i);
  s.timeHour = fb.GetTimeHour(i);
  s.timeMin = fb.GetTimeMin(i);
  s.timeSec = fb.GetTimeSec(i);
  s.compCond = fb.GetCompCond(i);
  s.compAdjustable = s.subTip != 0 ? 1 : 0;
  s.limitText = fb.GetLimitText(i);
  s.gisterezis = std::clamp(fb.GetGisterezis(i), 0, kMaxGisterezis);
  s.limitCount = fb.GetLimitCount(i);
  return s;
}

// The inputs as the panel shows them, and which of them (if any) takes the
// output of the block before: the last such input decides the zigzag.
std::optional<int> FillInputs(const TConfiguration& config, const std::vector<std::string>& analogIds, int i,
                              TDiagramBlock& block) {
  const TProgFBClass& fb = config.FB;
  std::optional<int> fromPrevious;
  if (fb.GetTipFB(i) == TProgFBClass::kComparatorType) {
    block.inputs[0] = {InputCaption(config, analogIds, fb.GetKindVhComp(i), fb.GetNVhComp(i)),
                       fb.GetDirVhComp(i) == 0};
    block.inputs[1].caption = ComparedValueCaption(fb, i, analogIds);
    if (fb.GetKindVhComp(i) == TProgFBClass::kKindBlockOutput && fb.GetNVhComp(i) == i) fromPrevious = 0;
    return fromPrevious;
  }
  for (int j = 0; j < fb.InputCount(i); ++j) {
    const int kind = fb.GetKindVh(i, j);
    const int n = fb.GetNVh(i, j);
    block.inputs[static_cast<std::size_t>(j)] = {InputCaption(config, analogIds, kind, n), fb.GetDirVh(i, j) == 0};
    if (kind == TProgFBClass::kKindBlockOutput && n == i) fromPrevious = j;
  }
  return fromPrevious;
}

void PlaceRelayPanel(const TConfiguration& config, int i, TDiagramBlock& block) {
  const TProgFBClass& fb = config.FB;
  block.relayPanel = true;
  block.relayPanelRect = {kRelayPanelLeft, block.panel.y + kRelayPanelTop, kRelayPanelWidth, 42};
  const int lineWidth = 2 * kDiagramColumnWidth - kDiagramColumnWidth * block.column;
  block.relayLine = {block.panel.x + kDiagramColumnWidth, block.panel.y + kRelayLineTop, lineWidth, 3};
  block.rect.w += lineWidth + kRelayPanelWidth;
  block.link = kLinkZigzag2;
  // A module the configuration does not have shows nothing (the editor
  // clears its mask).
  const int modules = std::min(config.Serv.GetDoModuleCount(), kRelayModules);
  for (int m = 1; m <= modules; ++m) block.relayMasks[static_cast<std::size_t>(m - 1)] = fb.GetMR(i, m);
}

int RelayMaskSum(const TProgFBClass& fb, int i) {
  int sum = 0;
  for (int m = 1; m <= kRelayModules; ++m) sum += fb.GetMR(i, m);
  return sum;
}

// An algorithm's name without the blanks that pad it to its 100 bytes.
std::string CaptionText(const std::string& name) {
  const auto end = name.find_last_not_of(std::string(" \0", 2));
  return Cp1251ToUtf8(end == std::string::npos ? std::string() : name.substr(0, end + 1));
}

bool Flag(const std::array<int, TProgFBClass::kSlots>& flags, int i) {
  return i >= 0 && i < static_cast<int>(flags.size()) && flags[static_cast<std::size_t>(i)] != 0;
}

}  // namespace

std::string InputCaption(const TConfiguration& config, const std::vector<std::string>& analogIds, int kind, int n) {
  switch (kind) {
    case TProgFBClass::kKindDiscrete:
      return n >= 1 && n <= TProgFBClass::kMaxDiscreteSignal ? Id(config, n) : "";
    case TProgFBClass::kKindDiscreteFlag:
      return n >= 1 && n <= TProgFBClass::kMaxDiscreteSignal ? Id(config, n) + "  b" : "";
    case TProgFBClass::kKindAnalogFlag:
      return n >= 1 && n <= TProgFBClass::kMaxAnalogSignal ? AnalogId(analogIds, n) + "  b" : "";
    case TProgFBClass::kKindBlockOutput:
      if (n < 1) return {};
      return (n <= kMaxBlockNumber ? "ФБ" : "КВУ") + std::to_string(n);
    default:
      return {};
  }
}

TDiagramLayout LayOutDiagram(const TConfiguration& config) {
  const TProgFBClass& fb = config.FB;
  std::vector<std::string> analogIds;
  for (const AnalogSignalRow& row : AnalogSignalList(config.Serv, config.MBA, config.MBM)) {
    analogIds.push_back(Cp1251ToUtf8(row.id));
  }

  TDiagramLayout layout;
  for (int i = 0; i < fb.Capacity(); ++i) {
    const int tipFB = fb.GetTipFB(i);
    if (tipFB < 1 || tipFB > kMaxType) break;
    TDiagramBlock block;
    block.record = i;
    block.type = tipFB - 1;
    bool sameRow = false;
    if (!layout.blocks.empty()) {
      const TDiagramBlock& before = layout.blocks.back();
      const bool newRow = before.column == kColumns - 1 || before.relayPanel || fb.GetAlgHead(i) != TProgFBClass::kNoEntry;
      block.row = newRow ? before.row + 1 : before.row;
      block.column = newRow ? 0 : before.column + 1;
      sameRow = !newRow;
    }
    const int left = kDiagramColumnWidth * block.column;
    const int top = kDiagramRowPitch * block.row + kDiagramTop;
    block.rect = {left, top, kDiagramColumnWidth, kBlockPanelHeight};
    block.panel = {left, top, kBlockPanelWidth, kBlockPanelHeight};
    block.mark = {left + kMarkLeft, top + kMarkTop, kMarkWidth, kMarkHeight};
    block.markText = "ФБ" + std::to_string(i + 1);
    block.linkAt = {block.mark.x + kMarkWidth, top + kLinkTop, 0, 0};
    block.settings = SettingsOf(fb, i);

    const std::optional<int> fromPrevious = FillInputs(config, analogIds, i, block);
    if (sameRow && fromPrevious) layout.blocks.back().link = kZigzagInto[static_cast<std::size_t>(*fromPrevious)];

    if (fb.GetTipS(i) != 0 || Flag(fb.HasSignPanel, i)) {
      block.signPanel = true;
      block.tipS = fb.GetTipS(i);
      block.nTabS = fb.GetNTabS(i);
      block.signPanelRect = {left + kSignPanelLeft, top + kSignPanelTop, kSignPanelWidth, kSignPanelHeight};
      block.signLinkAt = {left + kSignLinkLeft, top + kSignLinkTop, 0, 0};
    }
    if (RelayMaskSum(fb, i) != 0 || Flag(fb.HasMRPanel, i)) PlaceRelayPanel(config, i, block);

    block.highlighted = Flag(fb.Selected, i) || fb.CurPosFB == i;
    block.color = block.highlighted ? kSelectionColor : kButtonFaceColor;
    layout.blocks.push_back(std::move(block));
  }

  const int blocks = static_cast<int>(layout.blocks.size());
  for (int a = 0; a < fb.AlgCount(); ++a) {
    const std::vector<int> members = fb.AlgMembers(a);
    int y = 0;
    if (!members.empty() && members.front() >= 1 && members.front() <= blocks) {
      y = layout.blocks[static_cast<std::size_t>(members.front() - 1)].rect.y - kCaptionAbove;
    } else if (blocks > 0) {
      y = layout.blocks.back().rect.y + kCaptionBelowLastBlock;
    } else {
      y = kCaptionPitch * a + kCaptionTop;
    }
    layout.captions.push_back({a, CaptionText(fb.GetAlgName(a)), kCaptionLeft, y});
  }
  if (blocks > 0) layout.height = layout.blocks.back().rect.y + kBlockPanelHeight + kBottomMargin;
  return layout;
}

std::optional<int> BlockAt(const TDiagramLayout& layout, int x, int y) {
  for (const TDiagramBlock& block : layout.blocks) {
    if (block.rect.Contains(x, y)) return block.record;
  }
  return std::nullopt;
}

}  // namespace lur
