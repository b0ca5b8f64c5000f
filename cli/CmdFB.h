#pragma once
// lurctl fb read FILE -o OUT | fb write FILE [--password TEXT]: the function
// block editor's own transfers from the command line, on a configuration
// file: the same pages, requests, pauses and refusals as the editor's F9 and
// F10 (a write asks nothing about unchanged data).
#include "cli/TLurctlOptions.h"

namespace lur {

class TComPortClass;
class TUserInterface;

// Arguments: read FILE -o OUT, or write FILE [--password TEXT]
// [--password-file PATH]. 0 when the table was read and saved or written and
// confirmed; 1 on a refusal or failure (its box is on stderr); 2 for bad
// arguments.
int RunFB(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui);

}  // namespace lur
