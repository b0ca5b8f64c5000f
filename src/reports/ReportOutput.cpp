#include "reports/ReportOutput.h"

#include <filesystem>

#include "reports/RtfWriter.h"
#include "reports/TReportPrinter.h"
#include "ui/TUserInterface.h"

namespace lur {

std::string ReportFileName(const std::string& chosen) {
  const std::filesystem::path path(chosen);
  if (path.filename().empty()) return {};
  const std::string extension = path.extension().string();
  if (extension.empty()) return chosen + ".rtf";
  return extension == ".rtf" ? chosen : std::string();
}

TReportOutputResult OutputReport(TUserInterface& ui, TReportPrinter* printer, const TReport& report,
                                 const std::string& offeredFirst) {
  TReportOutputResult result;
  std::string offered = offeredFirst;
  while (true) {
    TFileChoice choice;
    choice.save = true;
    choice.title = kReportFileTitle;
    choice.filter = kReportFileFilter;
    choice.defaultSuffix = "rtf";
    choice.initialPath = offered;
    const auto chosen = ui.ChooseFile(choice);
    if (!chosen) return result;
    offered = *chosen;
    const std::string path = ReportFileName(*chosen);
    if (path.empty()) {
      ui.Message({kReportWrongName, kReportWrongNameCaption, MsgIcon::Warning, MsgButtons::Ok, MsgAnswer::Ok});
      continue;
    }
    if (SaveRtf(report, path)) {
      result.path = path;
      break;
    }
    const MsgAnswer again = ui.Message(
        {kReportNotCreated, kReportNotCreatedCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes});
    if (again != MsgAnswer::Yes) {
      result.outcome = TReportOutcome::NotWritten;
      return result;
    }
  }
  result.outcome = TReportOutcome::Written;
  const MsgAnswer print =
      ui.Message({kReportAskPrint, kReportAskPrintCaption, MsgIcon::Question, MsgButtons::YesNo, MsgAnswer::Yes});
  if (print == MsgAnswer::Yes && printer && printer->Print(report) > 0) result.outcome = TReportOutcome::Printed;
  return result;
}

}  // namespace lur
