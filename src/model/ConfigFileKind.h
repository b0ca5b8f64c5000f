#pragma once
// How a configuration file (".lur") is known: by its size alone, as it has no
// header. 35,437 bytes hold a configuration of 120 function blocks, 17,955
// bytes one of 60. Plain sizes and offsets, shared by the shell's file
// reader and the editors that take parts of another configuration file.
#include <cstddef>

namespace lur {

inline constexpr std::size_t kConfigFileSize120 = 35437;
inline constexpr std::size_t kConfigFileSize60 = 17955;
// The 60-block layout keeps the place of two network analog groups, zeroed,
// between the function block pages and the units list.
inline constexpr std::size_t kConfigFileGap60 = 338;
// The identity's eight module codes: file bytes 2..9 (after the device index
// and the identity's first byte).
inline constexpr std::size_t kConfigFileModulesOffset = 2;

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

// The function block count of a readable kind: 60, 120; 0 for the others.
int ConfigFileBlocks(TConfigFileKind kind);

// Where the algorithm section (names, heads, membership, count) starts in
// the layout for `blockCount` function blocks (60 or 120).
std::size_t ConfigFileAlgOffset(int blockCount);

// Where the four 140-byte output text pages start in the layout for
// `blockCount` function blocks: 8,004 for 120 blocks, 7,382 for 60 (they end
// where the algorithm section begins).
std::size_t ConfigFileOutputTextsOffset(int blockCount);

}  // namespace lur
