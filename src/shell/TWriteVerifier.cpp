#include "shell/TWriteVerifier.h"

#include <string>

#include "link/TComPortClass.h"
#include "shell/PageAnswers.h"
#include "shell/TPageReader.h"
#include "ui/TUserInterface.h"

namespace lur {
namespace {

// What differs between the page sent and the page read, in the words of the
// configuration when its fields show it, else byte by byte.
std::vector<TConfigDifference> DescribePage(const TConfiguration& base, const TPageImage& sent,
                                            const TPageImage& read) {
  TConfiguration ours(base);
  TConfiguration theirs(base);
  std::vector<TConfigDifference> words;
  if (LoadPageAnswer(ours, PageAnswerFrame(sent)) && LoadPageAnswer(theirs, PageAnswerFrame(read))) {
    words = CompareConfigurations(ours, theirs);
  }
  if (!words.empty()) return words;
  std::vector<TConfigDifference> bytes;
  for (std::size_t i = 0; i < sent.bytes.size() && i < read.bytes.size(); ++i) {
    if (sent.bytes[i] == read.bytes[i]) continue;
    bytes.push_back({"page " + std::to_string(sent.page), "", "offset " + std::to_string(i),
                     std::to_string(sent.bytes[i]), std::to_string(read.bytes[i])});
  }
  return bytes;
}

std::string PageList(const std::vector<TPageImage>& pages, std::size_t from) {
  std::string list = pages.size() - from == 1 ? "страница" : "страницы";
  for (std::size_t i = from; i < pages.size(); ++i) list += (i == from ? " " : ", ") + std::to_string(pages[i].page);
  return list;
}

}  // namespace

TCompareResult TWriteVerifier::Run() {
  TCompareResult result;
  if (!record_.sent || record_.pages.empty()) return result;
  // Pages 1..8 hold what the controller's own modules make of them.
  TConfiguration base(*record_.sent);
  base.Serv.SetIdentityFromBytes(record_.identity);

  TPageReader reader(link_, ui_, record_.deviceIndex);
  const auto& pages = record_.pages;
  ui_.ProgressShow(static_cast<int>(pages.size()), 1);
  for (std::size_t i = 0; i < pages.size(); ++i) {
    const TPageImage& sent = pages[i];
    int code = reader.Read(sent.page);
    ui_.ProgressStepIt();
    const auto answer = reader.Answer();
    // A page of another number or length is no page the controller holds.
    if (code == kResultOk && (answer.size() < sent.bytes.size() + 4 || static_cast<std::size_t>(answer[2]) != sent.bytes.size() + 1 ||
                              answer[3] != sent.page)) {
      code = kResultBadData;
    }
    if (code != kResultOk) {
      result.stopped = "проверка прервана на странице " + std::to_string(sent.page) + ": " +
                       link_.ErrorText(record_.deviceIndex, code);
      result.notCompared.push_back(PageList(pages, i));
      break;
    }
    const auto bytes = answer.subspan(4, sent.bytes.size());
    const TPageImage read{sent.page, {bytes.begin(), bytes.end()}};
    if (read.bytes == sent.bytes) continue;
    const auto differences = DescribePage(base, sent, read);
    result.differences.insert(result.differences.end(), differences.begin(), differences.end());
  }
  ui_.ProgressHide();
  return result;
}

}  // namespace lur
