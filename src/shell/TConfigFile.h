#pragma once
// The configuration file (".lur"): the configuration's pages and the blocks
// that live only in files, concatenated in a fixed order with no header. The
// layout is known by the file's size alone: 35,437 bytes for a configuration
// of 120 function blocks, 17,955 bytes for one of 60.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/TConfiguration.h"

namespace lur {

class TUserInterface;

inline constexpr std::size_t kConfigFileSize120 = 35437;
inline constexpr std::size_t kConfigFileSize60 = 17955;
// The 60-block layout keeps the place of two network analog groups, zeroed,
// between the function block pages and the units list.
inline constexpr std::size_t kConfigFileGap60 = 338;

// What a file of a given size holds.
enum class TConfigFileKind {
  Unknown,   // "Файл не опознан"
  Blocks40,  // an old layout for 40 blocks, "Файл создан на 40 ФБ": not read
  Blocks60,  // exactly 17,955 bytes
  Blocks120  // exactly 35,437 bytes
};

// By the size alone (k = size / 1024): below 12 KiB unknown, 12 KiB the
// 40-block layout, then only the two exact sizes. Any other size would make
// the reader run past the end of the data, so it is not recognised.
TConfigFileKind RecogniseConfigFile(std::size_t size);

// The file size of the layout for `blockCount` function blocks (60 or 120).
std::size_t ConfigFileSize(int blockCount);

// The function block count a configuration is saved with: 60 for a
// configuration made for 60 blocks, otherwise 120.
int ConfigFileBlockCount(const TConfiguration& config);

// The whole file of the configuration. Nothing in the tables changes: the
// identity's processed counts (bytes 12, 13) are written from
// ProcessedDiscreteCount and ProcessedAnalogCount, and bit 7 of an analog
// module block's first byte carries the module's new-version flag.
std::vector<std::uint8_t> BuildConfigFile(const TConfiguration& config);

// Reads a whole file into the tables. The size is recognised first and the
// identity checked before any table is touched; a file that is refused
// (message boxes with the caption "Предупреждение") leaves the tables exactly
// as they were and gives false. A 60-block file warns "Файл создан на 60 ФБ"
// and is read all the same. On success every table holds the file's content,
// with its reserve copy, the identifiers are rebuilt and CapFB is the
// file's function block count.
bool LoadConfigFile(TConfiguration& config, std::span<const std::uint8_t> bytes, TUserInterface& ui);

}  // namespace lur
