#include "shell/TPageReader.h"

#include "link/TComPortClass.h"
#include "session/LinkReports.h"

namespace lur {

int TPageReader::Identity() { return link_.Transact(device_, kIdentityFunction, 0, nullptr, answer_); }

int TPageReader::Read(std::uint8_t page) {
  const std::uint8_t data[] = {page};
  return link_.Transact(device_, kReadPageFunction, 1, data, answer_);
}

std::span<const std::uint8_t> TPageReader::Answer() const { return link_.AnswerIn(answer_); }

void TPageReader::Report(int code) { ReportLinkError(ui_, link_, device_, code); }

}  // namespace lur
