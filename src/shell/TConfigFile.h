#pragma once
// The configuration file (".lur"): the configuration's pages and the blocks
// that live only in files, concatenated in a fixed order with no header. The
// layout is known by the file's size alone: 35,437 bytes for a configuration
// of 120 function blocks, 17,955 bytes for one of 60.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "model/ConfigFileKind.h"
#include "model/TConfiguration.h"

namespace lur {

class TUserInterface;

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
