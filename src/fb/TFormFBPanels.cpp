// Signalling and relay outputs of the chosen function block, through the
// signalling and relay output dialogs the discrete editor uses too.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdio>
#include <functional>
#include <string>
#include <utility>

#include "fb/TFormFBController.h"

namespace lur {
namespace {

std::size_t At(int position) { return static_cast<std::size_t>(position); }

constexpr int kRelayModules = TFormVyhController::kModules;
constexpr int kSignallingTypes = 4;
// The dialogs name the block instead of an input.
constexpr const char* kBlockLabel = "ФБ №";
// A display of this many cells takes a signalling type without a cell.
constexpr int kCellsWithoutChoice = 192;

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value);
  return text;
}

// While this editor shows a shared dialog, a change in it marks the blocks;
// afterwards the dialog marks what it marked before.
class TMarkScope {
 public:
  TMarkScope(TDialogChangeMark& mark, std::function<void()> ours) : mark_(mark), saved_(mark.Exchange(std::move(ours))) {}
  ~TMarkScope() { mark_.Exchange(std::move(saved_)); }
  TMarkScope(const TMarkScope&) = delete;
  TMarkScope& operator=(const TMarkScope&) = delete;

 private:
  TDialogChangeMark& mark_;
  std::function<void()> saved_;
};

}  // namespace

// ---- refusals -------------------------------------------------------------------------

bool TFormFBController::RefuseSignalling(bool checkLimit) {
  if (FB().HasFB == 0) {
    closeRequested_ = AskCreateConfiguration();
    return true;
  }
  MarkChanged();
  const int cur = FB().CurPosFB;
  // Only the first reason is reported.
  if (checkLimit && cur >= TProgFBClass::kSignallingBlocks) {
    Warn(kUnavailable);
  } else if (session_.config.Serv.GetDisplayTypeCount() == 0) {
    Warn(kUnavailable);
  } else if (cur < 0) {
    Warn(kNotChosen);
  } else if (!IsBlock(cur)) {
    Warn(kNotCreated);
  } else {
    return false;
  }
  return true;
}

bool TFormFBController::RefuseRelay() {
  if (FB().HasFB == 0) {
    closeRequested_ = AskCreateConfiguration();
    return true;
  }
  MarkChanged();
  const int cur = FB().CurPosFB;
  if (session_.config.Serv.GetDoModuleCount() == 0) {
    Warn(kUnavailable);
  } else if (cur < 0) {
    Warn(kNotChosen);
  } else if (!IsBlock(cur)) {
    Warn(kNotCreated);
  } else {
    return false;
  }
  return true;
}

// ---- signalling ---------------------------------------------------------------------------

void TFormFBController::CreatSignButClick() {
  if (RefuseSignalling(true)) return;
  const int cur = FB().CurPosFB;
  int& panel = FB().HasSignPanel[At(cur)];
  if (panel != 0) return;
  panel = 1;
  Changed();
  PMenu1SignClick();
}

void TFormFBController::PMenu1SignClick() {
  const int cur = FB().CurPosFB;
  if (cur < 0) return Warn(kNotChosen);
  if (!IsBlock(cur) || FB().HasSignPanel[At(cur)] == 0) return Warn(kNoPanel);
  ShowSignDialog(cur);
}

void TFormFBController::ShowSignDialog(int i) {
  TProgFBClass& fb = FB();
  TFormSigController& d = dialogs_.sig;
  fb.FBModifiedSave = fb.FBModified;
  const std::string inputLabel = std::exchange(d.labNVh, kBlockLabel);
  d.label2 = std::to_string(i + 1);
  d.radioGroup1 = fb.GetTipS(i);
  d.edit1 = TwoDigits(fb.GetNTabS(i));
  fb.FBModified = fb.FBModifiedSave;
  {
    TMarkScope scope(d.marksChange, [this] { MarkChanged(); });
    dialogs_.sigWindow.ShowModal(d);
  }
  d.labNVh = inputLabel;

  int t = d.radioGroup1;
  int c = d.Cell();
  const int cells = session_.config.Serv.GetDisplayTypeCount();
  if (c == 0 && cells != kCellsWithoutChoice) {
    Warn(kNoCell);
    t = 0;
  } else if (c > cells || c < 0) {
    Warn(kBadCell);
    t = c = 0;
  } else if (t == 0) {
    c = 0;
  }
  if (t < 0 || t >= kSignallingTypes) t = 0;
  fb.SetTipS(i, t);
  fb.SetNTabS(i, c);
  Changed();
}

void TFormFBController::DelSignClick() {
  if (RefuseSignalling(false)) return;
  TProgFBClass& fb = FB();
  const int cur = fb.CurPosFB;
  fb.SetTipS(cur, 0);
  fb.SetNTabS(cur, 0);
  fb.HasSignPanel[At(cur)] = 0;
  Changed();
}

// ---- relay outputs ---------------------------------------------------------------------------

void TFormFBController::CreatVyhButClick() {
  if (RefuseRelay()) return;
  const int cur = FB().CurPosFB;
  int& panel = FB().HasMRPanel[At(cur)];
  if (panel != 0) return;
  // The panel ends the block's row: the blocks after it move on.
  panel = 1;
  Changed();
  PMenu1VyhClick();
}

void TFormFBController::PMenu1VyhClick() {
  const int cur = FB().CurPosFB;
  if (cur < 0) return Warn(kNotChosen);
  if (!IsBlock(cur) || FB().HasMRPanel[At(cur)] == 0) return Warn(kNoPanel);
  ShowVyhDialog(cur);
}

void TFormFBController::ShowVyhDialog(int i) {
  TProgFBClass& fb = FB();
  TFormVyhController& d = dialogs_.vyh;
  const int modules = std::clamp(session_.config.Serv.GetDoModuleCount(), 0, kRelayModules);
  fb.FBModifiedSave = fb.FBModified;
  const std::string inputLabel = std::exchange(d.labNVh, kBlockLabel);
  d.labelName = std::to_string(i + 1);
  std::array<std::uint8_t, kRelayModules> bytes{};
  for (int m = 0; m < modules; ++m) bytes[At(m)] = static_cast<std::uint8_t>(fb.GetMR(i, m + 1));
  d.Preset(modules, bytes);
  fb.FBModified = fb.FBModifiedSave;
  {
    TMarkScope scope(d.marksChange, [this] { MarkChanged(); });
    dialogs_.vyhWindow.ShowModal(d);
  }
  d.labNVh = inputLabel;
  // Only the modules shown: the others are cleared at the next rebuild.
  for (int m = 0; m < modules; ++m) fb.SetMR(i, m + 1, d.Byte(m));
  Changed();
}

void TFormFBController::DelVyhClick() {
  if (RefuseRelay()) return;
  TProgFBClass& fb = FB();
  const int cur = fb.CurPosFB;
  for (int m = 1; m <= kRelayModules; ++m) fb.SetMR(cur, m, 0);
  RebuildDiagram();
  Choose(cur);
  scrollTarget_ = cur;
}

}  // namespace lur
