#pragma once
// Rich text of a report in Windows-1251, as word processors open it: the
// code page declared (\ansicpg1251), bytes from 0x80 written as \'xx, the
// RTF specials (\ { }) escaped, page size, orientation and margins set.
#include <string>
#include <string_view>

#include "reports/TReport.h"

namespace lur {

// The whole RTF file of `report`.
std::string RtfText(const TReport& report);

// One UTF-8 text as RTF body text: ASCII as it is, '\', '{', '}' escaped,
// tab and line break as \tab and \line, other control characters dropped,
// Windows-1251 characters from 0x80 as \'xx (lower-case hex), and the rare
// character without a Windows-1251 form as \uN? (N the signed UTF-16 unit).
std::string RtfEscape(std::string_view utf8);

// Writes the report where the user chose, through a temporary file renamed
// over it: a failure leaves the old file as it was. False on failure.
bool SaveRtf(const TReport& report, const std::string& path);

}  // namespace lur
