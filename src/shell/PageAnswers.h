#pragma once
// A configuration page put into its table as the whole read puts it, from a
// page-read answer or from the bytes a write sent: the check after a write
// and the comparisons decode pages the same way the read does.
#include <cstdint>
#include <span>
#include <vector>

#include "model/TConfiguration.h"
#include "shell/TPageImage.h"

namespace lur {

// Takes the page of a page-read answer frame (address, 0x44, count, page,
// bytes, CRC) into its table. Pages 1..8 go to the analog block or network
// group that the configuration's identity places there. False when the page
// is none the whole read takes, or its table refuses the answer.
bool LoadPageAnswer(TConfiguration& config, std::span<const std::uint8_t> answer);

// The answer frame a controller holding `image` gives to a read of it (its
// CRC bytes zero: nothing downstream checks them).
std::vector<std::uint8_t> PageAnswerFrame(const TPageImage& image);

}  // namespace lur
