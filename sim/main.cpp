// lursim: a simulated controller on a pseudo-terminal, for trying the
// configuration tool and its command-line twin without hardware.
#include <csignal>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "sim/CommandLine.h"
#include "sim/DefaultPages.h"
#include "sim/PtyServer.h"
#include "sim/SimController.h"

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void RequestStop(int) { stopRequested = 1; }

void InstallStopHandlers() {
  struct sigaction action {};
  action.sa_handler = RequestStop;
  sigemptyset(&action.sa_mask);
  action.sa_flags = 0;  // no restart: a blocked poll returns at once
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lur::sim;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const CommandLineResult parsed = ParseCommandLine(args);
  if (!parsed.line) {
    std::cerr << "lursim: " << parsed.error << "\n" << UsageText();
    return 2;
  }
  const CommandLine& line = *parsed.line;
  if (line.help) {
    std::cout << UsageText();
    return 0;
  }

  const ModuleSet modules(line.options.modules, line.options.display);
  SimController controller(line.options, MakeDefaultPages(modules, line.options.functionBlocks));

  PtyServerOptions serverOptions;
  serverOptions.linkPath = line.linkPath;
  serverOptions.paceBaud = line.options.paceBaud;
  if (line.verbose) {
    serverOptions.log = [](std::string_view text) { std::cerr << text << std::endl; };
  }
  PtyServer server(controller, serverOptions);
  InstallStopHandlers();
  std::string error;
  if (!server.Open(error)) {
    std::cerr << "lursim: " << error << "\n";
    return 1;
  }
  std::printf("listening on %s\n", line.linkPath.c_str());
  std::fflush(stdout);
  server.Serve([] { return stopRequested != 0; });
  server.Close();
  return 0;
}
