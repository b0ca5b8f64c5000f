#pragma once
// The ways a read's answer fails that every transfer and poll must survive
// alike, with the result code each one ends in.
#include <array>

#include "link/TComPortClass.h"
#include "support/SimPort.h"

namespace lur::test {

struct FailedAnswerCase {
  const char* what;
  sim::StagedFault fault;
  int code;
};

inline const std::array<FailedAnswerCase, 3> kFailedAnswerCases = {{
    {"silent", Silence(), kResultNoAnswer},
    {"exception 2", ExceptionAnswer(2), 2},
    // A sound frame with one data byte missing, its count and CRC agreeing:
    // only the length betrays it.
    {"one byte short", ShortData(), kResultBadData},
}};

}  // namespace lur::test
