// The road of a report button: the file dialog's refusals and retries, the
// file, "Печатать?" and one print job on an injected PDF target, landscape
// with nothing within 29 points of an edge, the file unchanged by printing.
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>
#include <regex>
#include <sstream>

#include "PdfText.h"
#include "reports/ReportOutput.h"
#include "reports/RtfWriter.h"
#include "reports/TQtReportPrinter.h"
#include "ui/TScriptedUserInterface.h"

namespace lur {
namespace {

TReport AlgorithmLike() {
  TReport report;
  report.orientation = TPageOrientation::Landscape;
  report.marginPoints = 29;
  report.AddParagraph("ЛУР-05HMI  11730000  № 1");
  report.AddParagraph("");
  report.AddParagraph("          Функциональные блоки");
  for (int i = 1; i <= 80; ++i) {
    report.AddParagraph(" " + std::to_string(i) + "\tФБ" + std::to_string(i) + "\t\"И\" (4 входа)\tВх.1\tВх.2\tФБ1");
  }
  return report;
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

struct Box {
  double xMin, yMin, xMax, yMax;
};

// The page size and every word's box, from pdftotext -bbox.
void PdfBoxes(const std::string& pdf, double& width, double& height, std::vector<Box>& words) {
  const std::string html = test::CommandOutput("pdftotext -bbox " + test::ShellWord(pdf) + " - 2>/dev/null");
  std::smatch m;
  if (std::regex_search(html, m, std::regex("<page width=\"([0-9.]+)\" height=\"([0-9.]+)\""))) {
    width = std::stod(m[1]);
    height = std::stod(m[2]);
  }
  const std::regex word("<word xMin=\"([0-9.]+)\" yMin=\"([0-9.]+)\" xMax=\"([0-9.]+)\" yMax=\"([0-9.]+)\"");
  for (auto it = std::sregex_iterator(html.begin(), html.end(), word); it != std::sregex_iterator(); ++it) {
    words.push_back({std::stod((*it)[1]), std::stod((*it)[2]), std::stod((*it)[3]), std::stod((*it)[4])});
  }
}

}  // namespace

class ReportOutputTest : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  std::string Path(const char* name) const { return dir_.filePath(name).toStdString(); }

 private slots:
  void noToThePrintQuestionPrintsNothing() {
    TScriptedUserInterface ui;
    TQtReportPrinter printer({nullptr, QString::fromStdString(Path("no.pdf"))});
    ui.files = {Path("list")};
    ui.answers = {MsgAnswer::No};
    const TReportOutputResult result = OutputReport(ui, &printer, AlgorithmLike());
    QCOMPARE(int(result.outcome), int(TReportOutcome::Written));
    QCOMPARE(result.path, Path("list.rtf"));
    QCOMPARE(Bytes(Path("list.rtf")), RtfText(AlgorithmLike()));
    QCOMPARE(ui.Texts(), std::vector<std::string>{"Печатать?"});
    QCOMPARE(ui.shown.at(0).caption, std::string("Необходимость печати файла .rtf"));
    QCOMPARE(int(ui.shown.at(0).buttons), int(MsgButtons::YesNo));
    QCOMPARE(printer.Jobs(), 0);
    QVERIFY(!QFile::exists(QString::fromStdString(Path("no.pdf"))));
    QCOMPARE(ui.fileDialogs.at(0).title, std::string("Создание  или замена файла .rtf "));
    QCOMPARE(ui.fileDialogs.at(0).filter, std::string("Файлы типа .rtf|*.rtf|Все файлы|*.*"));
    QVERIFY(ui.fileDialogs.at(0).save);
    QCOMPARE(ui.fileDialogs.at(0).initialPath, std::string());
  }

  void yesPrintsOneLandscapeJobWithinTheMargins() {
    TScriptedUserInterface ui;
    const std::string pdf = Path("yes.pdf");
    TQtReportPrinter printer({nullptr, QString::fromStdString(pdf)});
    ui.files = {Path("print.rtf")};
    ui.answers = {MsgAnswer::Yes};
    const TReport report = AlgorithmLike();
    const TReportOutputResult result = OutputReport(ui, &printer, report);
    QCOMPARE(int(result.outcome), int(TReportOutcome::Printed));
    QCOMPARE(printer.Jobs(), 1);
    QVERIFY(test::PdfPageCount(pdf) >= 1);
    QVERIFY(test::PdfPages(pdf).at(0).find("Функциональные блоки") != std::string::npos);

    double width = 0, height = 0;
    std::vector<Box> words;
    PdfBoxes(pdf, width, height, words);
    QVERIFY2(width > height, "not landscape");
    QVERIFY(!words.empty());
    for (const Box& b : words) {
      QVERIFY2(b.xMin >= 29 - 0.5 && b.yMin >= 29 - 0.5 && b.xMax <= width - 29 + 0.5 &&
                   b.yMax <= height - 29 + 0.5,
               (std::to_string(b.xMin) + "," + std::to_string(b.yMin) + "," + std::to_string(b.xMax) + "," + std::to_string(b.yMax) + " on " + std::to_string(width) + "x" + std::to_string(height)).c_str());
    }
    // Printing read the report, never the file: it is as written.
    QCOMPARE(Bytes(Path("print.rtf")), RtfText(report));
  }

  void refusedNamesAndFailedWrites() {
    TScriptedUserInterface ui;
    const std::string missing = Path("no-such-folder/list");
    ui.files = {Path("list.txt"), missing, Path("list")};
    ui.answers = {MsgAnswer::Ok, MsgAnswer::Yes, MsgAnswer::No};
    const TReportOutputResult result = OutputReport(ui, nullptr, AlgorithmLike());
    QCOMPARE(int(result.outcome), int(TReportOutcome::Written));
    QCOMPARE(ui.Texts(), (std::vector<std::string>{"Неверно задано имя файла", "Файл не удается создать.\nПовторить?",
                                                    "Печатать?"}));
    QCOMPARE(ui.shown.at(0).caption, std::string("Cохранение данных в файл"));  // a Latin C
    QCOMPARE(ui.shown.at(0).caption.substr(0, 1), std::string("C"));
    QCOMPARE(ui.shown.at(1).caption, std::string("Сохранение файла печати"));
    // The refused name is offered again.
    QCOMPARE(ui.fileDialogs.size(), std::size_t(3));
    QCOMPARE(ui.fileDialogs.at(1).initialPath, Path("list.txt"));
    QVERIFY(QFile::exists(QString::fromStdString(Path("list.rtf"))));

    TScriptedUserInterface giveUp;
    giveUp.files = {missing};
    giveUp.answers = {MsgAnswer::No};
    QCOMPARE(int(OutputReport(giveUp, nullptr, AlgorithmLike()).outcome), int(TReportOutcome::NotWritten));
    QCOMPARE(giveUp.Texts(), std::vector<std::string>{"Файл не удается создать.\nПовторить?"});

    TScriptedUserInterface cancel;
    cancel.files = {std::nullopt};
    QCOMPARE(int(OutputReport(cancel, nullptr, AlgorithmLike()).outcome), int(TReportOutcome::Cancelled));
    QVERIFY(cancel.shown.empty());
  }

  void fileNames() {
    QCOMPARE(ReportFileName("/a/b"), std::string("/a/b.rtf"));
    QCOMPARE(ReportFileName("/a/b.rtf"), std::string("/a/b.rtf"));
    QCOMPARE(ReportFileName("/a/b.txt"), std::string());
    QCOMPARE(ReportFileName("/a.d/b"), std::string("/a.d/b.rtf"));
  }
};

}  // namespace lur

QTEST_MAIN(lur::ReportOutputTest)
#include "ReportOutput_qtest.moc"
