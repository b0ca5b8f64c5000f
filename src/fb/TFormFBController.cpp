#include "fb/TFormFBController.h"

#include <algorithm>
#include <cstddef>

#include "fb/FBRecordMoves.h"
#include "session/MarkEdited.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

using C = TFormFBControl;

constexpr int kRelayModules = 5;

std::size_t At(int position) { return static_cast<std::size_t>(position); }

// Items that belong to the transfer, calculation, algorithm and group copy
// commands; they stay off until those commands are in the window.
constexpr C kElsewhere[] = {C::PMenu1Copy, C::PMenu1InsertGroup, C::PMenu3AddGroup, C::PMenu3Algorithms,
                            C::InPort,     C::OutPort,           C::CalcIntegr,     C::CalcMat,
                            C::EditIntegr, C::EditMat,           C::Button1};

}  // namespace

TFormFBController::TFormFBController(TSession& session, TFormFBDialogs dialogs)
    : session_(session), dialogs_(dialogs) {
  for (std::size_t c = 0; c < static_cast<std::size_t>(C::Count); ++c) controls_.Enable(static_cast<C>(c), true);
  for (const C c : kElsewhere) controls_.Enable(c, false);
  EnableGroupItems();
  // The calculation blocks and the math window, when the program gave their windows.
  controls_.Enable({C::CalcIntegr, C::CalcMat, C::EditIntegr, C::EditMat},
                   dialogs_.calc != nullptr && dialogs_.calcWindow != nullptr);
  controls_.Enable(C::Button1, dialogs_.math != nullptr && dialogs_.mathWindow != nullptr);
  controls_.Enable(C::PMenu3Algorithms, dialogs_.infAlg != nullptr && dialogs_.infAlgWindow != nullptr);
}

// ---- common steps --------------------------------------------------------------------

void TFormFBController::MarkChanged() { MarkEdited(session_, FB().FBModified); }

void TFormFBController::Warn(const std::string& text) { ShowWarning(session_.ui, text); }

bool TFormFBController::AskCreateConfiguration() {
  return session_.config.Lur.AskCreateConfig(
      [this](std::string_view text) {
        return session_.ui.Message({std::string(text), kCaptionConfirmation, MsgIcon::Question, MsgButtons::YesNo,
                                    MsgAnswer::Yes}) == MsgAnswer::Yes;
      },
      [this](std::string_view text) { ShowInformation(session_.ui, std::string(text)); });
}

bool TFormFBController::IsBlock(int position) const {
  return position >= 0 && position < std::min(FB().NFB, TProgFBClass::MaxFB);
}

void TFormFBController::ClearChoice() {
  FB().CurPosFB = -1;
  FB().CurFB = -1;
}

void TFormFBController::ClearSelection() {
  ClearChoice();
  FB().Selected.fill(0);
  FB().NSelectedFB = 0;
}

void TFormFBController::Choose(int position) {
  TProgFBClass& fb = FB();
  fb.Selected.fill(0);
  fb.NSelectedFB = 0;
  if (!IsBlock(position)) return ClearChoice();
  fb.CurPosFB = position;
  fb.CurFB = fb.PosFB[At(position)];
  fb.Selected[At(position)] = 1;
}

int TFormFBController::SelectedCount() const {
  int count = 0;
  for (int p = 0; IsBlock(p); ++p) count += FB().Selected[At(p)] != 0 ? 1 : 0;
  return count;
}

bool TFormFBController::Highlighted(int position) const {
  return IsBlock(position) && (position == FB().CurPosFB || FB().Selected[At(position)] != 0);
}

// ---- showing ---------------------------------------------------------------------------

void TFormFBController::FormCreate() {
  TProgFBClass& fb = FB();
  fb.PosFB.fill(-1);
  fb.HasSignPanel.fill(0);
  fb.HasMRPanel.fill(0);
  fb.PlaceFB.fill({});
  fb.PopupPos = -1;
  controls_.Enable({C::PMenu1Copy, C::PMenu1InsertGroup, C::PMenu3AddGroup}, false);
  EnableGroupItems();
}

void TFormFBController::FormShow() {
  closeRequested_ = false;
  FB().Selected.fill(0);
  controls_.Enable(C::PMenu1Copy, false);
  RebuildDiagram();
  labelFile_ = session_.config.Serv.FileMode == 1;
  TransferShow();
}

void TFormFBController::RebuildDiagram() {
  TProgFBClass& fb = FB();
  for (auto& place : fb.PlaceFB) place = {};
  fb.PosFB.fill(-1);
  fb.HasSignPanel.fill(0);
  fb.HasMRPanel.fill(0);
  fb.NSelectedFB = 0;
  ClearChoice();
  fb.HasFB = 0;
  session_.config.Lur.SchemaSet = 1;

  // Blocks of every known type (10 and 11 too, which no list names).
  fb.FindNFB();
  fb.CountCalc();
  const int modules = session_.config.Serv.GetDoModuleCount();
  for (int i = 0; i < fb.NFB; ++i) {
    fb.PosFB[At(i)] = i;
    fb.PlaceFB[At(i)].record = i;
    FillSources(fb, i);
    if (fb.GetTipS(i) != 0) fb.HasSignPanel[At(i)] = 1;
    int relays = 0;
    for (int m = 1; m <= kRelayModules; ++m) relays += fb.GetMR(i, m);
    if (relays == 0) continue;
    fb.HasMRPanel[At(i)] = 1;
    // A module the configuration no longer has drives nothing.
    for (int m = modules + 1; m <= kRelayModules; ++m) {
      if (fb.GetMR(i, m) == 0) continue;
      fb.SetMR(i, m, 0);
      MarkChanged();
    }
  }
  fb.HasFB = fb.NFB > 0 ? 1 : 0;
  scrollTarget_ = -1;
  Changed();
}

// ---- mouse --------------------------------------------------------------------------------

TFormFBController::TPopup TFormFBController::PanFB1MouseDown(int position, TButton button, bool ctrl) {
  TProgFBClass& fb = FB();
  if (button == TButton::Right) {
    if (!IsBlock(position) || fb.Selected[At(position)] == 0) {
      fb.PopupPos = -1;
      return TPopup::Background;
    }
    fb.PopupPos = position;
    const bool single = SelectedCount() == 1;
    if (single) {
      // The one selected block is the one the menu acts on.
      fb.CurPosFB = position;
      fb.CurFB = fb.PosFB[At(position)];
    }
    const bool sign = fb.HasSignPanel[At(position)] != 0;
    const bool relay = fb.HasMRPanel[At(position)] != 0;
    controls_.Enable({C::PMenu1FB, C::PMenu1InsertBl}, single);
    controls_.Enable(C::PMenu1CreatSign, single && !sign);
    controls_.Enable({C::PMenu1Sign, C::PMenu1DelSign}, single && sign);
    controls_.Enable(C::PMenu1CreatVyh, single && !relay);
    controls_.Enable({C::PMenu1Vyh, C::PMenu1DelVyh}, single && relay);
    EnableBlockMenuGroupItems(single);
    return TPopup::Block;
  }
  if (!IsBlock(position)) return TPopup::None;

  if (!ctrl) {
    Choose(position);
    return TPopup::None;
  }
  int& selected = fb.Selected[At(position)];
  selected = selected != 0 ? 0 : 1;
  // The chosen block is part of the selection it grows from.
  const int count = SelectedCount();
  fb.NSelectedFB = count;
  if (count != 1) {
    // Several blocks, or none left: no block is the chosen one.
    ClearChoice();
  } else if (selected == 0) {
    // Down to one: the block left becomes the chosen one.
    for (int p = 0; IsBlock(p); ++p) {
      if (fb.Selected[At(p)] != 0) {
        fb.CurPosFB = p;
        fb.CurFB = fb.PosFB[At(p)];
      }
    }
  }
  return TPopup::None;
}

void TFormFBController::ScrollBox1Click() { ClearSelection(); }

void TFormFBController::ChooseAllClick() {
  TProgFBClass& fb = FB();
  ClearChoice();
  fb.Selected.fill(0);
  for (int p = 0; IsBlock(p); ++p) fb.Selected[At(p)] = 1;
  fb.NSelectedFB = std::max(fb.NFB, 0);
}

}  // namespace lur
