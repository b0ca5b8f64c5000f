#pragma once
// Where a print job goes: the printer the user picks in the print dialog
// `DialPrint` (printing to a file allowed), or straight into a PDF file
// without a dialog (the tests, and exporting).
#include <QPageLayout>
#include <QString>
#include <memory>

class QPrinter;
class QWidget;

namespace lur {

struct TPrintTarget {
  QWidget* parent = nullptr;  // the window the dialog belongs to
  QString pdfPath;            // set: no dialog, the job is written to this PDF
  int pageCount = 0;          // > 0: the dialog offers a range of 1..pageCount
};

// A printer set up for one job, with the orientation and the margins (in
// points) given; null when the user cancelled the dialog.
std::unique_ptr<QPrinter> OpenPrinter(const TPrintTarget& target, QPageLayout::Orientation orientation,
                                      double marginPoints);

}  // namespace lur
