#pragma once
// The two function-15 blocks of the local network: each sends up to 32 of the
// controller's own discrete signals (or function block outputs) to the coils
// of a slave. The table is the byte image of controller page 0x0B.
#include <array>
#include <cstdint>
#include <span>

#include "model/ExchangeHead.h"
#include "model/PageCatalogue.h"
#include "model/RecordView.h"

namespace lur {

class TProgF15Class : public TExchangeHeadFields<TProgF15Class> {
 public:
  static constexpr std::uint8_t kPage = page::kFunction15;
  static constexpr std::size_t kTableSize = 81;  // page number + 2 blocks
  static constexpr int kBlockCount = 2;
  static constexpr std::size_t kBlockSize = 40;
  static constexpr int kSignalsPerBlock = 32;
  // Signal numbers: 1..192 discrete input signals, 193..254 outputs of
  // function blocks 1..62, 0 none.
  static constexpr int kMaxDiscreteSignal = 192;
  static constexpr int kMaxSignalNumber = 254;

  using Table = std::array<std::uint8_t, kTableSize>;

  // What a stored signal number refers to; anything above 254 is Invalid.
  struct SignalSource {
    enum class Kind { None, DiscreteInput, BlockOutput, Invalid };
    Kind kind = Kind::None;
    int index = -1;  // 0-based discrete signal entry or function block record
  };

  TProgF15Class();

  // The head's fields of block b (0 or 1) come from TExchangeHeadFields: an
  // invalid b reads 0 and writes nothing; a value is cut to its field's width.

  // Bits 4 and 5 of byte 7, other bits kept; any non-zero `on` sets.
  int GetKvit(int b) const { return Block(b).Get(kKvit); }
  void SetKvit(int b, int on) { Block(b).Set(kKvit, on != 0); }
  int GetSbros(int b) const { return Block(b).Get(kSbros); }
  void SetSbros(int b, int on) { Block(b).Set(kSbros, on != 0); }
  // Input k = 0..31 of block b.
  int GetSignal(int b, int k) const;
  void SetSignal(int b, int k, int number);
  // KolVh as stored may exceed 32; this is how many inputs can really be read.
  int GetUsedSignalCount(int b) const;
  SignalSource DecodeSignal(int b, int k) const;

  // Raw byte i (0..80) of the page image.
  std::uint8_t GetF15Byte(int i) const;
  void SetF15Byte(int i, std::uint8_t value);
  const Table& GetTable() const { return table_; }

  // The read answer to page 0x0B (function 0x44, count 81). Any other
  // function, count or echoed page leaves the table unchanged: false.
  bool PutF15FromAnswer(std::span<const std::uint8_t> answer);
  // The 81-byte block of a configuration file, page number byte included.
  bool PutF15FromFile(std::span<const std::uint8_t> bytes);
  // Data of the page write: page number 0x0B, then bytes 1..80 of the table.
  Table GetPageData() const;
  // Data length of a page write, also the block size in files.
  static constexpr int GetF15Length() { return static_cast<int>(kTableSize); }

  // Editor state of the local network windows.
  int F15Clean = 1;        // 1: the open function-15 dialog changed nothing
  int F15Changed = 0;      // 1: the table differs from what the controller holds
  int PopupF15Block = -1;  // block last addressed by a right click, -1 none

 private:
  friend class TExchangeHeadFields<TProgF15Class>;

  static constexpr RecordRow<kBlockSize, kTableSize> kBlocks{1, kBlockSize, kBlockCount};
  static constexpr BitField<kBlockSize> kKvit{7, 4, 1};
  static constexpr BitField<kBlockSize> kSbros{7, 5, 1};
  static constexpr RecordRow<1, kBlockSize> kSignals{8, 1, kSignalsPerBlock};
  static constexpr BitField<1> kSignal{0};

  RecordView<kBlockSize> Block(int b) { return ViewOf(table_).At(kBlocks, b); }
  RecordView<kBlockSize, const std::uint8_t> Block(int b) const { return ViewOf(table_).At(kBlocks, b); }

  Table table_{};
};

}  // namespace lur
