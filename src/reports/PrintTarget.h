#pragma once
// Where a print job goes: the printer the user picks in the print dialog
// `DialPrint` (printing to a file allowed), or straight into a PDF file
// without a dialog (the tests, and exporting).
#include <QPageLayout>
#include <QString>
#include <functional>
#include <memory>

class QPainter;
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

// One page of a job: its painter, its printer and its number (from 1).
using TPaintPage = std::function<void(QPainter& painter, QPrinter& printer, int number)>;

// A job of `pageCount` pages: the dialog (or the PDF), then one call of
// `paint` for each page of the range the dialog selects (all of them into a
// PDF). The number of pages printed; 0 without pages or when cancelled.
int PrintPages(const TPrintTarget& target, QPageLayout::Orientation orientation, double marginPoints,
               int pageCount, const TPaintPage& paint);

// Writes one line of text in `points` at the left of the page, `width`
// wide, and moves `y` below it.
void PrintLine(QPainter& painter, const QString& text, int points, int& y, int width);

}  // namespace lur
