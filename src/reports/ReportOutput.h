#pragma once
// The road of every report button: choose the .rtf file, write the report
// into it, ask "Печатать?" and print it once on Yes. The file stays where
// the user put it whatever happens after it was written.
#include <string>

#include "reports/TReport.h"

namespace lur {

class TReportPrinter;
class TUserInterface;

inline constexpr const char* kReportFileTitle = "Создание  или замена файла .rtf ";
inline constexpr const char* kReportFileFilter = "Файлы типа .rtf|*.rtf|Все файлы|*.*";
// The caption begins with a Latin C, as the program has always shown it.
inline constexpr const char* kReportWrongNameCaption = "Cохранение данных в файл";
inline constexpr const char* kReportWrongName = "Неверно задано имя файла";
inline constexpr const char* kReportNotCreatedCaption = "Сохранение файла печати";
inline constexpr const char* kReportNotCreated = "Файл не удается создать.\nПовторить?";
inline constexpr const char* kReportAskPrintCaption = "Необходимость печати файла .rtf";
inline constexpr const char* kReportAskPrint = "Печатать?";

enum class TReportOutcome {
  Cancelled,   // no file chosen
  NotWritten,  // the file could not be made and the user gave up
  Written,     // the file is there, not printed (No, or cancelled at the printer)
  Printed      // the file is there and one job went to the printer
};

struct TReportOutputResult {
  TReportOutcome outcome = TReportOutcome::Cancelled;
  std::string path;  // the file written
};

// The save dialog (`kReportFileTitle`, empty at first; a refused name is
// offered again): a name with an extension other than ".rtf" is refused
// with "Неверно задано имя файла", a name without one gets ".rtf". A file
// that cannot be written asks "Файл не удается создать.\nПовторить?" (Yes:
// the dialog again). Once written: "Печатать?" (Yes/No); Yes prints the same
// report once through `printer` (none: nothing is printed). `offered` is the
// name the dialog shows first (a window that offers its last report again).
TReportOutputResult OutputReport(TUserInterface& ui, TReportPrinter* printer, const TReport& report,
                                 const std::string& offered = {});

// The name as it is saved: ".rtf" appended to a bare name; empty when the
// name has another extension.
std::string ReportFileName(const std::string& chosen);

}  // namespace lur
