// lurprog: the configuration tool of the ЛУР-05HMI controller.
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/TLurprog.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("lurprog");

  QCommandLineParser parser;
  parser.setApplicationDescription("Программатор ЛУР - 05HMI");
  parser.addHelpOption();
  QCommandLineOption portOption("port", "Serial port offered first in the port list (a device path).",
                                "PATH");
  parser.addOption(portOption);
  parser.process(app);

  lur::TLurprog program(parser.value(portOption));
  program.Show();
  // scripts/screenshot.sh: read the controller on --port and save the window.
  const QString screenshot = qEnvironmentVariable("LURPROG_SCREENSHOT");
  // bench/journal.sh: timed reads with the exchange journal open or off.
  const int benchRuns = qEnvironmentVariableIntValue("LURPROG_BENCH_READ");
  if (benchRuns > 0) {
    const bool journal = qEnvironmentVariable("LURPROG_BENCH_JOURNAL") == "open";
    QTimer::singleShot(200, &program, [&program, benchRuns, journal] { program.BenchRead(benchRuns, journal); });
  } else if (!screenshot.isEmpty()) {
    QTimer::singleShot(200, &program, [&program, screenshot] { program.Screenshot(screenshot); });
  } else {
    // The password first; the port stays closed until the user confirms the
    // port settings.
    QTimer::singleShot(0, &program, &lur::TLurprog::Start);
  }
  return app.exec();
}
