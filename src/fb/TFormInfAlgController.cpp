#include "fb/TFormInfAlgController.h"

#include <algorithm>
#include <cstring>

#include "fb/AlgorithmReport.h"
#include "fb/TDiagramLayout.h"
#include "fb/TFormCreatFBController.h"
#include "model/AnalogSignalList.h"
#include "model/ConfigFileKind.h"
#include "model/Cp1251.h"
#include "model/TFileAccess.h"
#include "session/ConfigFileChoice.h"
#include "reports/ReportOutput.h"
#include "session/TModalWindow.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr std::size_t kTypeCount = std::size(TFormCreatFBController::kTypeItems);
constexpr std::size_t kMaxElementDigits = 3;

std::size_t At(int i) { return static_cast<std::size_t>(i); }

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A decimal number of at most `digits` digits, or -1.
int Decimal(const std::string& text, std::size_t digits) {
  if (!AllDigits(text) || text.size() > digits) return -1;
  return std::stoi(text);
}

// Characters, not bytes: the list is typed text.
std::size_t CharacterCount(const std::string& utf8) {
  return static_cast<std::size_t>(
      std::count_if(utf8.begin(), utf8.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

TProgFBClass::Name BlankName() {
  TProgFBClass::Name name;
  name.fill(' ');
  return name;
}

TProgFBClass::Name NameOf(const std::string& utf8) {
  TProgFBClass::Name name = BlankName();
  const std::string bytes = Utf8ToCp1251(utf8);
  std::memcpy(name.data(), bytes.data(), std::min(bytes.size(), name.size()));
  return name;
}

// The algorithm data of the table, whole, to tell whether a change happened.
struct TAlgImage {
  std::vector<TProgFBClass::Name> names;
  std::vector<int> entries;
  int nAlg = 0;
  bool operator==(const TAlgImage&) const = default;
};

TAlgImage ImageOf(const TProgFBClass& fb) {
  TAlgImage image;
  image.nAlg = fb.NAlg;
  for (int a = 0; a < TProgFBClass::kSlots; ++a) {
    image.names.push_back(fb.GetAlgNameBytes(a));
    image.entries.push_back(fb.GetAlgHead(a));
    for (int k = 0; k < TProgFBClass::kSlots; ++k) image.entries.push_back(fb.GetAlgFB(a, k));
  }
  return image;
}

}  // namespace

TFormInfAlgController::TFormInfAlgController(TSession& session, TReportPrinter* printer)
    : session_(session), printer_(printer), grid1_(kRows), grid2_(kRows) {
  for (int r = 0; r < kHeaderRows; ++r) {
    for (int c = 0; c < kGrid1Columns; ++c) grid1_[At(r)][At(c)] = kGrid1Header[r][c];
    for (int c = 0; c < kGrid2Columns; ++c) grid2_[At(r)][At(c)] = kGrid2Header[r][c];
  }
}

const std::string& TFormInfAlgController::Grid1Cell(int column, int row) const {
  static const std::string none;
  if (row < 0 || row >= kRows || column < 0 || column >= kGrid1Columns) return none;
  return grid1_[At(row)][At(column)];
}

const std::string& TFormInfAlgController::Grid2Cell(int column, int row) const {
  static const std::string none;
  if (row < 0 || row >= kRows || column < 0 || column >= kGrid2Columns) return none;
  return grid2_[At(row)][At(column)];
}

void TFormInfAlgController::SetGrid2Cell(int column, int row, std::string text) {
  if (row < kHeaderRows || row >= kRows || column < 0 || column >= kGrid2Columns) return;
  grid2_[At(row)][At(column)] = std::move(text);
}

// ---- filling -------------------------------------------------------------------------

void TFormInfAlgController::Fill() {
  modalResult_ = kModalOk;
  FillBlocks();
  ClearAlgorithmRows(kRows - 1);
  const bool blocks = std::min(FB().NFB, FB().Capacity()) > 0;
  editingNFB_ = blocks;
  editingNFBEnabled_ = blocks;
  FillAlgorithms(false);
  ++revision_;
}

void TFormInfAlgController::FillBlocks() {
  for (int r = kHeaderRows; r < kRows; ++r) grid1_[At(r)].fill({});
  const TProgFBClass& fb = FB();
  std::vector<std::string> analogIds;
  for (const AnalogSignalRow& row : AnalogSignalList(session_.config.Serv, session_.config.MBA, session_.config.MBM)) {
    analogIds.push_back(Cp1251ToUtf8(row.id));
  }
  const int count = std::clamp(fb.NFB, 0, fb.Capacity());
  for (int i = 0; i < count; ++i) {
    const int type = fb.GetTipFB(i);
    if (type == 0) continue;
    Grid1Row& row = grid1_[At(i + kHeaderRows)];
    row[0] = " " + std::to_string(i + 1);
    row[1] = "ФБ" + std::to_string(i + 1);
    // Types 10 and 11 (and any damage) have no name in the block dialog's list.
    row[2] = type >= 1 && At(type) <= kTypeCount ? TFormCreatFBController::kTypeItems[type - 1] : "";
    if (type == TProgFBClass::kComparatorType) {
      row[3] = InputCaption(session_.config, analogIds, fb.GetKindVhComp(i), fb.GetNVhComp(i));
      continue;
    }
    for (int j = 0; j < fb.InputCount(i); ++j) {
      row[At(3 + j)] = InputCaption(session_.config, analogIds, fb.GetKindVh(i, j), fb.GetNVh(i, j));
    }
  }
}

void TFormInfAlgController::ClearAlgorithmRows(int lastRow) {
  for (int r = kHeaderRows; r <= std::min(lastRow, kRows - 1); ++r) grid2_[At(r)].fill({});
}

void TFormInfAlgController::FillAlgorithms(bool fromFile) {
  const TProgFBClass& fb = FB();
  const int count = fb.AlgCount();
  const int nfb = std::clamp(fb.NFB, 0, fb.Capacity());
  // The list's last entry goes without its comma, as it always has.
  const int lastEntry = fb.FreeFB() - 1;
  for (int a = 0; a < count && a + kHeaderRows < kRows; ++a) {
    std::vector<int> members = fb.AlgMembers(a);
    if (fromFile) {
      if (std::any_of(members.begin(), members.end(), [nfb](int n) { return n > nfb; })) break;
      if (a == count - 1 && !members.empty()) {
        for (int n = members.back() + 1; n <= nfb; ++n) members.push_back(n);
      }
    }
    Grid2Row& row = grid2_[At(a + kHeaderRows)];
    row[0] = " " + std::to_string(a + 1);
    row[1] = Cp1251ToUtf8(fb.GetAlgName(a));
    std::string list;
    for (std::size_t k = 0; k < members.size(); ++k) {
      list += std::to_string(members[k]);
      if (static_cast<int>(k) != lastEntry) list += ",";
    }
    row[2] = list;
  }
}

// ---- reading the list back -----------------------------------------------------------

TFormInfAlgController::TReadBack TFormInfAlgController::ParseMembers(const std::string& text,
                                                                     std::vector<int>& members) {
  if (CharacterCount(text) > kMaxMembersText) {
    ShowInformation(session_.ui, kErrorList);
    return TReadBack::Refused;
  }
  const int cap = FB().Capacity();
  const int nfb = std::clamp(FB().NFB, 0, cap);
  std::size_t from = 0;
  for (int k = 1; from < text.size(); ++k) {
    const std::size_t comma = text.find(',', from);
    const std::string element = Trimmed(text.substr(from, comma == std::string::npos ? std::string::npos : comma - from));
    if (element.empty()) break;  // an empty element or a final comma ends the list
    if (CharacterCount(element) > kMaxElementDigits || k > cap) {
      ShowInformation(session_.ui, kErrorList);
      return TReadBack::Refused;
    }
    if (!AllDigits(element)) {
      session_.ui.InputError("StringGrid2");
      return TReadBack::InputError;
    }
    const int n = std::stoi(element);
    if (n < 1 || n > nfb) {
      ShowInformation(session_.ui, kErrorBlock);
      return TReadBack::Refused;
    }
    members.push_back(n);
    if (comma == std::string::npos) break;
    from = comma + 1;
  }
  return TReadBack::Ok;
}

TFormInfAlgController::TReadBack TFormInfAlgController::ReadBack(TAlgScratch& scratch) {
  const TProgFBClass& fb = FB();
  const int cap = fb.Capacity();
  scratch.names.fill(BlankName());
  for (int i = 0; i < cap && i + kHeaderRows < kRows; ++i) {
    const Grid2Row& row = grid2_[At(i + kHeaderRows)];
    const std::string number = Trimmed(row[0]);
    if (number.empty()) break;
    const int v = Decimal(number, kMaxElementDigits);
    if (v < 1 || v > cap) {
      ShowInformation(session_.ui, kErrorList);
      return TReadBack::Refused;
    }
    if (Trimmed(row[1]).empty()) {
      scratch.names[At(v - 1)] = BlankName();  // the diagram's caption goes with it
      continue;
    }
    scratch.names[At(v - 1)] = NameOf(row[1]);
    std::vector<int>& members = scratch.members[At(i)];
    if (editingNFB_) {
      if (!row[kMembersColumn].empty()) {
        const TReadBack parsed = ParseMembers(row[kMembersColumn], members);
        if (parsed != TReadBack::Ok) return parsed;
      }
    } else {
      members = fb.AlgMembers(i);  // the lists are not edited: the table's stay
    }
    scratch.nAlg = i + 1;
  }
  return TReadBack::Ok;
}

void TFormInfAlgController::Commit(const TAlgScratch& scratch) {
  TProgFBClass& fb = FB();
  const TAlgImage before = ImageOf(fb);
  for (int a = 0; a < TProgFBClass::kSlots; ++a) {
    fb.SetAlgNameBytes(a, scratch.names[At(a)]);
    const std::vector<int>& members = scratch.members[At(a)];
    for (int k = 0; k < TProgFBClass::kSlots; ++k) {
      fb.SetAlgFB(a, k, At(k) < members.size() ? members[At(k)] : TProgFBClass::kNoEntry);
    }
  }
  fb.NAlg = scratch.nAlg;
  fb.RebuildAlgHead();
  if (!(ImageOf(fb) == before)) MarkFileModified();
}

bool TFormInfAlgController::FormCloseQuery() {
  modalResult_ = kModalOk;
  TAlgScratch scratch;
  const TReadBack result = ReadBack(scratch);
  if (result == TReadBack::InputError) return false;
  if (result == TReadBack::Ok) {
    Commit(scratch);
    return true;
  }
  modalResult_ = kModalError;
  const MsgAnswer finish = session_.ui.Message(
      {kAskFinish, kAskFinishCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::No});
  return finish == MsgAnswer::Yes;
}

// The algorithms live only in files: in file mode a change is one to save;
// the controller never holds them, so the editor's own flag stays.
void TFormInfAlgController::MarkFileModified() {
  if (session_.config.Serv.FileMode == 1) session_.config.Serv.Modified = 1;
}

bool TFormInfAlgController::StringGrid2SelectCell(int column, int /*row*/) {
  MarkFileModified();
  return column != kMembersColumn || editingNFB_;
}

// ---- algorithms from another file ----------------------------------------------------

bool TFormInfAlgController::CheckFileSize(std::size_t size, int& blocks) {
  const TConfigFileKind kind = RecogniseConfigFile(size);
  if (kind == TConfigFileKind::Blocks40) {
    ShowWarning(session_.ui, kFile40);
    return false;
  }
  blocks = ConfigFileBlocks(kind);
  if (blocks == 0) {
    ShowWarning(session_.ui, kUnknownFile);
    return false;
  }
  return true;
}

void TFormInfAlgController::NameFromFileClick() {
  const auto bytes = ChooseConfigFileStart(session_.ui, kNameFromFile);
  if (!bytes) return;
  int blocks = 0;
  if (!CheckFileSize(bytes->size(), blocks)) return;

  TProgFBClass& fb = FB();
  if (blocks != fb.Capacity()) ShowWarning(session_.ui, kOtherBlockCount);
  const TServClass& serv = session_.config.Serv;
  for (int s = 0; s < kSlotCount; ++s) {
    if ((*bytes)[kConfigFileModulesOffset + At(s)] != serv.GetModuleType(s)) {
      ShowWarning(session_.ui, kOtherModules);
      break;
    }
  }
  const TAlgImage before = ImageOf(fb);
  const std::span<const std::uint8_t> file(*bytes);
  if (!fb.PutAlgFromFile(file.subspan(ConfigFileAlgOffset(blocks)), blocks)) return;
  session_.config.Reserv.SaveAlgorithms(fb);
  if (!(ImageOf(fb) == before)) MarkFileModified();

  ClearAlgorithmRows(fb.Capacity() + 1);
  FillAlgorithms(true);
  ++revision_;
}

// ---- the report ----------------------------------------------------------------------

TReport TFormInfAlgController::Report() const {
  const TServClass& serv = session_.config.Serv;
  std::string title;
  if (serv.FileMode == 1) {
    title = "Файл " + (fileName ? fileName() : std::string());
  } else {
    std::string modules;
    for (int s = 0; s < kSlotCount; ++s) modules += ModuleCodeDigit(serv.GetModuleType(s));
    title = "ЛУР-05HMI  " + modules + "  № " + std::to_string(serv.GetAddressIndex() + 1);
  }
  TAlgorithmLists lists;
  for (const Grid1Row& row : grid1_) lists.blocks.emplace_back(row.begin(), row.end());
  for (const Grid2Row& row : grid2_) lists.algorithms.emplace_back(row.begin(), row.end());
  return AlgorithmReport(title, kLabel1, lists);
}

void TFormInfAlgController::ButRtfClick() { OutputReport(session_.ui, printer_, Report()); }

}  // namespace lur
