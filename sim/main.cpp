// lursim: a simulated controller on a pseudo-terminal, for trying the
// configuration tool and its command-line twin without hardware.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "sim/CommandLine.h"
#include "sim/ConfigFileImage.h"
#include "sim/DefaultPages.h"
#include "sim/LogLine.h"
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

std::optional<lur::sim::ConfigFileImage> LoadConfigFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    std::cerr << "lursim: cannot open " << path << "\n";
    return std::nullopt;
  }
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::string error;
  auto image = lur::sim::ParseConfigFile(bytes, error);
  if (!image) std::cerr << "lursim: " << path << ": " << error << "\n";
  return image;
}

// What the controller holds, as a configuration file.
bool SaveConfigFile(const std::string& path, const lur::sim::SimController& controller, int functionBlocks,
                    const std::vector<std::uint8_t>& fileOnly) {
  using namespace lur::sim;
  ConfigFileImage image;
  image.deviceIndex = static_cast<std::uint8_t>(controller.DeviceNumber() - 1);
  image.identity = controller.Modules().IdentityRecord(CountNetworkSignals(controller.Pages()));
  image.functionBlocks = functionBlocks;
  image.pages = controller.Pages();
  image.fileOnly = fileOnly;
  const std::vector<std::uint8_t> file = BuildConfigFile(image, controller.Modules());
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(file.data()), static_cast<std::streamsize>(file.size()));
  out.close();
  if (!out) {
    std::cerr << "lursim: cannot write " << path << "\n";
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace lur::sim;
  const auto started = std::chrono::steady_clock::now();
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

  SimOptions options = line.options;
  std::optional<ConfigFileImage> file;
  if (!line.configPath.empty()) {
    file = LoadConfigFile(line.configPath);
    if (!file) return 2;
    if (!line.modulesGiven) options.modules = file->ModuleTypes();
    if (!line.displayGiven) options.display = file->DisplayType();
    if (!line.functionBlocksGiven) options.functionBlocks = file->functionBlocks;
  }
  const ModuleSet modules(options.modules, options.display);
  SimController controller(options, file ? file->pages : MakeDefaultPages(modules, options.functionBlocks));

  PtyServerOptions serverOptions;
  serverOptions.linkPath = line.linkPath;
  serverOptions.paceBaud = options.paceBaud;
  if (line.verbose) {
    serverOptions.log = [started](std::string_view text) {
      std::cerr << LogLine(std::chrono::steady_clock::now() - started, text) << std::endl;
    };
  }
  if (serverOptions.log) controller.SetEventLog(serverOptions.log);
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
  if (!line.savePath.empty() && !SaveConfigFile(line.savePath, controller, options.functionBlocks,
                                                file ? file->fileOnly : std::vector<std::uint8_t>{})) {
    return 1;
  }
  return 0;
}
