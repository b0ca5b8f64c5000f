#include <QComboBox>
#include <QLineEdit>
#include <QPrintDialog>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <cstdio>

#include "PdfText.h"
#include "reports/ReportDocument.h"
#include "shell/ModalDriver.h"

namespace lur {

namespace {

std::string RowText(int i) { return "Насос №" + std::to_string(i) + " (сухой ход)"; }

TReport InputList(int rows, TPageOrientation orientation) {
  TReport report;
  report.title = "Информация о входах";
  report.orientation = orientation;
  report.AddParagraph("ЛУР-05HMI  12A  № 1");
  auto& table = report.AddTable({"№", "Идентификатор", "Текстовый реквизит"}, {1, 2, 4});
  for (int i = 1; i <= rows; ++i) table.rows.push_back({std::to_string(i), "Вх." + std::to_string(i), RowText(i)});
  return report;
}

int Count(const std::string& text, const std::string& what) {
  int n = 0;
  for (auto at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size())) ++n;
  return n;
}

}  // namespace

class ReportPdf : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }
  static int Print(const TReport& report, const std::string& path) {
    TPrintTarget target;
    target.pdfPath = QString::fromStdString(path);
    return PrintReport(report, target);
  }

 private slots:
  void longTableRunsOverPagesWithItsHeaderOnEach() {
    const std::string pdf = Path("inputs.pdf");
    const int printed = Print(InputList(150, TPageOrientation::Portrait), pdf);
    QVERIFY(printed >= 3);
    QCOMPARE(test::PdfPageCount(pdf), printed);
    const std::vector<std::string> pages = test::PdfPages(pdf);
    QCOMPARE(int(pages.size()), printed);

    QCOMPARE(Count(pages[0], "Информация о входах"), 1);
    QCOMPARE(Count(pages[0], "ЛУР-05HMI"), 1);
    int next = 1;  // every row once, in order, none lost between pages
    for (std::size_t p = 0; p < pages.size(); ++p) {
      QVERIFY2(Count(pages[p], "Текстовый реквизит") == 1, ("header on page " + std::to_string(p + 1)).c_str());
      if (p > 0) QCOMPARE(Count(pages[p], "Информация о входах"), 0);
      std::size_t from = 0;
      for (std::size_t at; (at = pages[p].find(RowText(next), from)) != std::string::npos; ++next) {
        from = at + RowText(next).size();
      }
    }
    QCOMPARE(next, 151);
    QCOMPARE(Count(pages.back(), RowText(150)), 1);
  }

  void landscapeTurnsThePageAndHoldsFewerRows() {
    const std::string portrait = Path("portrait.pdf");
    const std::string landscape = Path("landscape.pdf");
    const int portraitPages = Print(InputList(150, TPageOrientation::Portrait), portrait);
    const int landscapePages = Print(InputList(150, TPageOrientation::Landscape), landscape);
    QCOMPARE(test::PdfPageCount(landscape), landscapePages);
    QVERIFY(landscapePages > portraitPages);
    // "842 x 595 pts (A4)": A4 on its side
    const std::string size = test::PdfInfo(landscape, "Page size");
    double width = 0, height = 0;
    QCOMPARE(std::sscanf(size.c_str(), "%lf x %lf", &width, &height), 2);
    QVERIFY2(std::abs(width - 841.9) < 1 && std::abs(height - 595.3) < 1, size.c_str());
    QVERIFY2(size.find("(A4)") != std::string::npos, size.c_str());
  }

  void shortReportIsOnePage() {
    const std::string pdf = Path("short.pdf");
    QCOMPARE(Print(InputList(3, TPageOrientation::Portrait), pdf), 1);
    QCOMPARE(test::PdfPageCount(pdf), 1);
    const std::string text = test::PdfPages(pdf).at(0);
    QVERIFY(text.find(RowText(3)) != std::string::npos);
  }

  void printDialogPrintsToAFile() {
    const QString pdf = dir_.filePath("dialog.pdf");
    bool chosen = false;
    test::WhenModal("DialPrint", [&](QWidget* w) {
      auto* dialog = qobject_cast<QPrintDialog*>(w);
      QVERIFY(dialog);
      auto close = qScopeGuard([&] { chosen ? dialog->accept() : dialog->reject(); });
      auto* printers = dialog->findChild<QComboBox*>("printers");
      auto* file = dialog->findChild<QLineEdit*>("filename");
      QVERIFY(printers && file);
      const int toFile = printers->findText("PDF", Qt::MatchContains);
      QVERIFY2(toFile >= 0, "the dialog offers no printing to a file");
      printers->setCurrentIndex(toFile);
      file->setText(pdf);
      chosen = true;
    });
    TPrintTarget target;  // no PDF path: through the dialog
    const int printed = PrintReport(InputList(3, TPageOrientation::Landscape), target);
    QVERIFY(chosen);
    QCOMPARE(printed, 1);
    QCOMPARE(test::PdfPageCount(pdf.toStdString()), 1);
    QVERIFY(test::PdfPages(pdf.toStdString()).at(0).find(RowText(2)) != std::string::npos);
    // The report's orientation reached the printer behind the dialog.
    double width = 0, height = 0;
    QCOMPARE(std::sscanf(test::PdfInfo(pdf.toStdString(), "Page size").c_str(), "%lf x %lf", &width, &height), 2);
    QVERIFY(width > height);
  }

  void printDialogMayBeCancelled() {
    bool seen = false;
    test::WhenModal("DialPrint", [&](QWidget* w) {
      auto* dialog = qobject_cast<QPrintDialog*>(w);
      QVERIFY(dialog);
      auto close = qScopeGuard([dialog] { dialog->reject(); });
      QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintToFile));
      seen = true;
    });
    TPrintTarget target;  // no PDF path: through the dialog
    QCOMPARE(PrintReport(InputList(3, TPageOrientation::Portrait), target), 0);
    QVERIFY(seen);
  }
};

}  // namespace lur

QTEST_MAIN(lur::ReportPdf)
#include "ReportPdf_qtest.moc"
