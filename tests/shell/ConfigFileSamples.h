#pragma once
// Configuration files for the shell's tests: every byte of every block set
// from a seeded generator, except the bytes a loader rebuilds (page numbers,
// the device index, the 60-block gap), so that a file loaded and saved again
// must come back byte for byte.
#include <array>
#include <cstdint>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "shell/TConfigFile.h"
#include "model/TConfiguration.h"

namespace lur::test {

using Bytes = std::vector<std::uint8_t>;

// Slots 1, 7, 3 in slots 0..2: one discrete, one analog, one relay module.
inline const std::array<std::uint8_t, 15> kIdentity173 = {3, 1, 7, 3, 0, 0, 0, 0, 0, 0, 0, 8, 36, 6, 0};

struct TFileOffsets {
  std::size_t fb, units, inputTexts, outputTexts, fbTexts, fbBytes, matrix, single, loops, supplement;
};
inline constexpr TFileOffsets kOffsets120 = {3300, 5220, 5316, 8004, 8564, 20564, 20684, 35084, 35085, 35421};
inline constexpr TFileOffsets kOffsets60 = {3300, 4598, 4694, 7382, 7942, 13942, 14002, 17602, 17603, 17939};
inline constexpr std::size_t kModuleBlocksOffset = 16;
inline constexpr std::size_t kRelayOffset = 1368;
inline constexpr std::size_t kExchangeOffset = 1489;
inline constexpr std::size_t kF15Offset = 1683;
inline constexpr std::size_t kDiscreteOffset = 1764;

inline Bytes SampleFile(int blocks, const std::array<std::uint8_t, 15>& identity = kIdentity173,
                        unsigned seed = 1) {
  Bytes file(ConfigFileSize(blocks));
  std::mt19937 gen(seed);
  for (auto& b : file) b = static_cast<std::uint8_t>(gen());
  file[0] = 0;
  std::copy(identity.begin(), identity.end(), file.begin() + 1);
  const int ai = [&] {
    int n = 0;
    for (int s = 0; s < 8; ++s) n += GroupOfModule(identity[1 + s]) == ModuleGroup::AnalogInput;
    return n;
  }();
  for (int s = 0; s < 8; ++s) {
    std::uint8_t& page = file[kModuleBlocksOffset + 169 * static_cast<std::size_t>(s)];
    // An analog block carries its module's new-version flag in bit 7.
    page = static_cast<std::uint8_t>(s + 1) | (s < ai && (gen() & 1) ? 0x80 : 0);
  }
  file[kRelayOffset] = 9;
  file[kExchangeOffset] = 10;
  file[kF15Offset] = 11;
  if (blocks == 60) std::fill_n(file.begin() + 4260, kConfigFileGap60, 0);
  return file;
}

inline std::unique_ptr<TConfiguration> NewConfiguration() { return std::make_unique<TConfiguration>(); }

inline void WriteBytes(const std::string& path, const Bytes& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline Bytes ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace lur::test
