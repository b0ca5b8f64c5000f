// Closing the analog module editor, its block write, the copy buffer, the
// calibration window and the module report.
#include <algorithm>

#include "model/Cp1251.h"
#include "model/ModuleTypes.h"
#include "modules/AnalogModuleReport.h"
#include "modules/AnalogScales.h"
#include "modules/TFormPROGController.h"
#include "reports/ReportOutput.h"
#include "session/AccessGate.h"
#include "session/LinkReports.h"
#include "session/TModalWindow.h"
#include "session/TSession.h"
#include "ui/TUserInterface.h"

namespace lur {

void TFormPROGController::RestoreBlock() {
  TProgMBAClass& mba = session_.config.MBA;
  TProgMBAClass::Block block = session_.config.Reserv.ResMBA[static_cast<std::size_t>(A())];
  block[0] = mba.GetBlock(A())[0];  // the page number is the module's own
  mba.SetBlock(A(), block);
  Fill();
}

bool TFormPROGController::CheckBeforeClose() {
  // Typed limits first: the first empty one is reported.
  for (int c = 0; c < kChannels; ++c) {
    if (Channel(c).rangeLists) continue;
    for (TProgEdit e : {TProgEdit::NSK, TProgEdit::VSK}) {
      const std::string& text = Channel(c).Text(e);
      if (text.find_first_not_of(' ') == std::string::npos) {
        session_.ui.InputError(EditName(e, c));
        return false;
      }
    }
  }
  // Then the lists that show nothing: a range of the table, or a code the
  // block held outside its list, must be chosen.
  for (int c = 0; c < kChannels; ++c) {
    const TProgChannel& row = Channel(c);
    std::vector<TProgList> lists{TProgList::Sk};
    if (row.rangeLists) lists.insert(lists.end(), {TProgList::MinSk, TProgList::MaxSk});
    if (InputTypeShown()) lists.push_back(TProgList::TInp);
    for (TProgList l : lists) {
      if (row.List(l).index < 0) {
        Flash(ListName(l, c));
        return false;
      }
    }
  }
  return true;
}

bool TFormPROGController::FormCloseQuery(bool cancelPressed) {
  TConfiguration& config = session_.config;
  TProgMBAClass& mba = config.MBA;
  if (module_ == 0) return true;
  if (cancelPressed) {
    RestoreBlock();
    mba.SetBlockSaved(slot_, 1);
    modalResult_ = kModalCancel;
    return true;
  }
  // Step 1: tags the user changed and has not left yet.
  for (int c = 0; c < kChannels; ++c) EditExit(c, TProgEdit::Poz);
  const bool fileMode = config.Serv.FileMode == 1;
  if (!CheckBeforeClose()) {
    const MsgAnswer answer =
        session_.ui.Message({kErrorQuestion, kErrorCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes});
    if (answer != MsgAnswer::Yes) return false;
    // The edits stay in memory: in file mode the configuration is marked,
    // in controller mode the next closing asks again.
    if (fileMode && mba.GetBlockSaved(slot_) == 0) {
      config.Serv.Modified = 1;
      mba.SetBlockSaved(slot_, 1);
    }
    modalResult_ = kModalError;
    return true;
  }
  modalResult_ = kModalOk;
  if (fileMode) {
    config.Reserv.ResMBA[static_cast<std::size_t>(A())] = mba.GetBlock(A());
    if (mba.GetBlockSaved(slot_) == 0) config.Serv.Modified = 1;
    mba.SetBlockSaved(slot_, 1);
    return true;
  }
  if (mba.GetBlockSaved(slot_) != 0) return true;
  switch (session_.ui.Message(
      {kChangedQuestion, kChangedCaption, MsgIcon::Question, MsgButtons::YesNoCancel, MsgAnswer::No})) {
    case MsgAnswer::Yes:
      SaveClick();  // a failure has been reported once; BlockSaved stays 0
      return true;
    case MsgAnswer::No:
      RestoreBlock();
      mba.SetBlockSaved(slot_, 1);
      return true;
    default:
      return false;
  }
}

bool TFormPROGController::SaveClick() {
  if (module_ == 0 || !OutputAllowed(session_)) return false;
  TConfiguration& config = session_.config;
  const TProgMBAClass::Block data = config.MBA.GetBlockPageData(A());
  if (WritePage(session_.ui, session_.link, session_.addressing, data) != 0) return false;
  config.Reserv.ResMBA[static_cast<std::size_t>(A())] = config.MBA.GetBlock(A());
  config.MBA.SetBlockSaved(slot_, 1);
  return true;
}

void TFormPROGController::CopyBaseClick() {
  if (module_ == 0) return;
  TConfiguration& config = session_.config;
  config.Copy.CopyMBA[static_cast<std::size_t>(A())] = config.MBA.GetBlock(A());
  config.MBA.CopySource = A();
  config.MBA.CopyType = type_;
  config.MBA.CopyNewVersion = NewVersion() ? 1 : 0;
  ++revision_;
}

void TFormPROGController::ChangeBaseClick() {
  if (!ChangeEnabled()) return;
  TConfiguration& config = session_.config;
  const int source = config.MBA.CopySource;
  if (source < 0 || source >= TProgMBAClass::kModuleCount) return;
  TProgMBAClass::Block block = config.Copy.CopyMBA[static_cast<std::size_t>(source)];
  Change([&](TProgMBAClass& mba) {
    block[0] = mba.GetBlock(A())[0];  // the page number is the module's own
    mba.SetBlock(A(), block);
  });
  Fill();
}

int TFormPROGController::ButKalibrClick() {
  if (!KalibrEnabled()) return 0;
  TEditorRequest request{TEditor::AnalogCalibration, slot_, module_, type_};
  request.typeName = typeName_;
  request.inputs = inputs_;
  return editors_.Open(request);
}

TReport TFormPROGController::Report() const {
  const TConfiguration& config = session_.config;
  const TServClass& serv = config.Serv;
  TAnalogModuleSheet sheet;
  if (serv.FileMode == 1) {
    sheet.title = "Файл " + (fileName ? fileName() : std::string());
  } else {
    std::string modules;
    for (int s = 0; s < kSlotCount; ++s) modules += ModuleCodeDigit(serv.GetModuleType(s));
    sheet.title = "ЛУР-05HMI  " + modules + "  № " + std::to_string(serv.GetAddressIndex() + 1);
  }
  sheet.module = "Модуль " + LabNMod() + "  " + typeName_ + "  " + LabN();
  const TProgMBAClass& mba = config.MBA;
  for (int c = 0; c < kChannels; ++c) {
    TAnalogChannelLine line;
    line.number = std::to_string(c + 1);
    std::string tag = mba.GetPozText(A(), c);
    tag = tag.substr(0, tag.find('\0'));
    while (!tag.empty() && tag.back() == ' ') tag.pop_back();
    line.tag = Cp1251ToUtf8(tag);
    line.scale = ListText(ScaleListTexts(type_, NewVersion()), mba.GetScaleType(A(), c));
    line.unit = Cp1251ToUtf8(mba.GetUnitText(mba.GetUnit(A(), c)));
    line.min = mba.GetMinSkText(A(), c);
    line.max = mba.GetMaxSkText(A(), c);
    line.ll = mba.GetUstLLText(A(), c);
    line.l = mba.GetUstLText(A(), c);
    line.h = mba.GetUstHText(A(), c);
    line.hh = mba.GetUstHHText(A(), c);
    line.input = ListText(InputTypeTexts(type_), mba.GetInputType(A(), c));
    sheet.channels.push_back(line);
  }
  return AnalogModuleReport(sheet);
}

void TFormPROGController::BNew1Click() { OutputReport(session_.ui, printer_, Report()); }

}  // namespace lur
