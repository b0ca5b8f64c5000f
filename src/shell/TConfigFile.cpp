#include "shell/TConfigFile.h"

#include <algorithm>
#include <array>

#include "ui/TUserInterface.h"

namespace lur {
namespace {

constexpr const char* kTextUnknown = "Файл не опознан";
constexpr const char* kText40 = "Файл создан на 40 ФБ";
constexpr const char* kText60 = "Файл создан на 60 ФБ";

constexpr std::size_t kIdentityOffset = 1;
constexpr std::size_t kModuleBlockSize = TProgMBAClass::kBlockSize;  // analog block or network group
constexpr std::size_t kReservedGap = kConfigFileGap60;

// Appends blocks and keeps count, so a layout mistake shows as a wrong size.
class TFileWriter {
 public:
  explicit TFileWriter(std::size_t expected) { bytes_.reserve(expected); }
  template <typename Range>
  void Put(const Range& range) {
    bytes_.insert(bytes_.end(), std::begin(range), std::end(range));
  }
  void PutByte(std::uint8_t b) { bytes_.push_back(b); }
  void PutFill(std::size_t n, std::uint8_t b) { bytes_.insert(bytes_.end(), n, b); }
  std::vector<std::uint8_t> Take() { return std::move(bytes_); }

 private:
  std::vector<std::uint8_t> bytes_;
};

// Hands out the file's blocks in order. The size was checked against the
// layout before reading starts, so every block is there.
class TFileReader {
 public:
  explicit TFileReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}
  std::span<const std::uint8_t> Take(std::size_t n) {
    const auto block = bytes_.subspan(pos_, n);
    pos_ += n;
    return block;
  }
  void Skip(std::size_t n) { pos_ += n; }

 private:
  std::span<const std::uint8_t> bytes_;
  std::size_t pos_ = 0;
};

std::size_t AlgorithmSectionSize(int f) {
  const auto c = static_cast<std::size_t>(f);
  return c / TProgFBClass::kRecordsPerPage * TProgFBClass::kNamePageSize + c + c * c + 1;
}

void PutFunctionBlocks(TFileWriter& out, const TProgFBClass& fb, int f) {
  for (int i = 0; i < f; ++i) out.Put(fb.GetRecord(i));
}

// Names, one byte per block, the F x F link matrix (low bytes) and NAlg.
void PutAlgorithms(TFileWriter& out, const TProgFBClass& fb, int f) {
  for (int a = 0; a < f; ++a) out.Put(fb.GetAlgNameBytes(a));
  for (int i = 0; i < f; ++i) out.PutByte(static_cast<std::uint8_t>(fb.GetAlgHead(i) & 0xFF));
  for (int a = 0; a < f; ++a) {
    for (int k = 0; k < f; ++k) out.PutByte(static_cast<std::uint8_t>(fb.GetAlgFB(a, k) & 0xFF));
  }
  out.PutByte(static_cast<std::uint8_t>(fb.NAlg & 0xFF));
}

void ReadIdentity(TConfiguration& c, std::span<const std::uint8_t> identity) {
  TServClass& serv = c.Serv;
  serv.SetIdentityFromBytes(identity);
  serv.ClearInputIds();
  serv.ClearInputTexts();
  serv.ClearOutputIds();
  serv.MakeDefaultInputIds();
  serv.MakeDefaultOutputIds();
  c.MBA.ResetModuleState();
  c.MR.ResetModuleState();
}

void ReadModuleBlocks(TConfiguration& c, TFileReader& in) {
  const int ai = c.Serv.GetAiModuleCount();
  for (int s = 0; s < kSlotCount; ++s) {
    const auto block = in.Take(kModuleBlockSize);
    if (s < ai) {
      c.MBA.LoadBlockFromFile(block, s);
    } else {
      c.MBM.PutGroupFromFile(s - ai, block);
    }
  }
}

// The network inputs follow the local ones only when the processed count
// leaves room for them.
void BuildNetworkInputs(TConfiguration& c) {
  TServClass& serv = c.Serv;
  if (serv.GetDiCount() + 4 * serv.GetAiCount() < serv.GetProcessedDiscreteCount()) {
    std::array<TServClass::NetBlock, TServClass::kNetBlockCount> blocks{};
    for (int b = 0; b < TServClass::kNetBlockCount; ++b) {
      blocks[static_cast<std::size_t>(b)] = {static_cast<std::uint8_t>(c.MBM.GetKodF(b)),
                                             static_cast<std::uint8_t>(c.MBM.GetKolVh(b))};
    }
    serv.BuildNetInputIds(blocks);
  } else {
    serv.ClearNetCounts();
  }
}

void ReadTexts(TConfiguration& c, TFileReader& in) {
  TServClass& serv = c.Serv;
  for (int p = 0; p < TServClass::kInputTextPageCount; ++p) {
    serv.LoadInputTextPage(in.Take(TServClass::kInputTextPageSize));
    serv.StoreInputTextPage(p);
  }
  for (int p = 0; p < TServClass::kOutputTextPageCount; ++p) {
    serv.LoadOutputTextPage(in.Take(TServClass::kOutputTextPageSize));
    serv.StoreOutputTextPage(p);
  }
}

void ReadTables(TConfiguration& c, std::span<const std::uint8_t> bytes, int f) {
  TFileReader in(bytes);
  in.Skip(kIdentityOffset);  // the device index: the controller's own number is kept
  ReadIdentity(c, in.Take(TServClass::kIdentitySize));
  ReadModuleBlocks(c, in);

  c.MR.PutMRFromFile(in.Take(TProgMRClass::kBlockSize));
  c.MBM.PutTableFromFile(in.Take(TProgMBMClass::kTableSize));
  c.F15.PutF15FromFile(in.Take(TProgF15Class::kTableSize));
  BuildNetworkInputs(c);

  for (int k = 0; k < TProgLurClass::kPageCount; ++k) {
    c.Lur.PutPageFromFile(in.Take(TProgLurClass::kPageSize));
    c.Lur.StorePage(k);
  }

  c.FB.CapFB = f;
  c.FB.PutRecordsFromFile(in.Take(c.FB.RecordFileSize()));
  if (f == 60) in.Skip(kReservedGap);

  c.MBA.LoadUnits(in.Take(TProgMBAClass::kUnitsSize));
  ReadTexts(c, in);

  c.FB.PutAlgFromFile(in.Take(AlgorithmSectionSize(f)));
  c.Reg.PutFileBlock(in.Take(TProgRegClass::kFileBlockSize));
  c.Lur.PutTipDatFromFile(in.Take(TProgLurClass::kTipDatSize));
  c.Lur.UnpackTipDat();

  // The reserve becomes the image of the file as loaded.
  c.Reserv.SaveAll(c);
}

}  // namespace

int ConfigFileBlockCount(const TConfiguration& config) { return config.FB.Capacity() == 60 ? 60 : 120; }

std::vector<std::uint8_t> BuildConfigFile(const TConfiguration& c) {
  const int f = ConfigFileBlockCount(c);
  TFileWriter out(ConfigFileSize(f));

  out.PutByte(c.Serv.GetDeviceIndex());
  TServClass::Identity identity = c.Serv.GetIdentityRecord();
  identity[TServClass::kIdProcessedDiscrete] = static_cast<std::uint8_t>(c.Serv.GetProcessedDiscreteCount());
  identity[TServClass::kIdProcessedAnalog] = static_cast<std::uint8_t>(c.Serv.GetProcessedAnalogCount());
  out.Put(identity);

  const int ai = c.Serv.GetAiModuleCount();
  for (int s = 0; s < kSlotCount; ++s) {
    if (s < ai) {
      out.Put(c.MBA.GetBlockForFile(s));
    } else {
      out.Put(c.MBM.GetGroupPageData(s - ai, s + 1));
    }
  }
  out.Put(c.MR.GetBlockForTransfer());
  out.Put(c.MBM.GetTablePageData());
  out.Put(c.F15.GetPageData());
  for (const auto& record : c.Lur.GetRecords()) out.Put(record);
  PutFunctionBlocks(out, c.FB, f);
  if (f == 60) out.PutFill(kReservedGap, 0);
  out.Put(c.MBA.GetUnits());
  for (const auto& text : c.Serv.GetInputTexts()) out.Put(text);
  for (const auto& text : c.Serv.GetOutputTexts()) out.Put(text);
  PutAlgorithms(out, c.FB, f);
  out.Put(c.Reg.GetFileBlock());
  for (int i = 0; i < static_cast<int>(TProgLurClass::kTipDatSize); ++i) out.PutByte(c.Lur.GetTipDatByte(i));
  return out.Take();
}

bool LoadConfigFile(TConfiguration& config, std::span<const std::uint8_t> bytes, TUserInterface& ui) {
  int f = 0;
  switch (RecogniseConfigFile(bytes.size())) {
    case TConfigFileKind::Unknown:
      ShowWarning(ui, kTextUnknown);
      return false;
    case TConfigFileKind::Blocks40:
      ShowWarning(ui, kText40);
      return false;
    case TConfigFileKind::Blocks60:
      f = 60;
      break;
    case TConfigFileKind::Blocks120:
      f = 120;
      break;
  }
  // An identity whose codes or counts would index past the tables is no
  // configuration of this controller.
  const auto identity = bytes.subspan(kIdentityOffset, TServClass::kIdentitySize);
  if (!TServClass::IsUsableIdentity(identity.first<TServClass::kIdentitySize>())) {
    ShowWarning(ui, kTextUnknown);
    return false;
  }
  if (f == 60) ShowWarning(ui, kText60);
  ReadTables(config, bytes, f);
  return true;
}

}  // namespace lur
