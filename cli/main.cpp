// lurctl: the controller from the command line, over the same link as the
// program. Boxes become lines on stderr; any failure exits non-zero.
#include <QCoreApplication>
#include <array>
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/CmdClock.h"
#include "cli/CmdDiff.h"
#include "model/HexText.h"
#include "cli/CmdDump.h"
#include "cli/CmdFB.h"
#include "cli/CmdLive.h"
#include "cli/CmdNew.h"
#include "cli/CmdRead.h"
#include "cli/CmdScan.h"
#include "cli/CmdWrite.h"
#include "cli/TLurctlOptions.h"
#include "cli/TTracePrinter.h"
#include "link/TComPortClass.h"
#include "model/ModuleTypes.h"
#include "model/Protocol.h"
#include "session/LinkReports.h"
#include "link/TQtSerialPort.h"
#include "link/TWaiter.h"
#include "ui/TTerminalUserInterface.h"

namespace lur {
namespace {

int Identify(TComPortClass& link, TUserInterface& ui, int deviceIndex) {
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  const int code = link.Transact(deviceIndex, fn::kIdentity, 0, nullptr, answer);
  if (code != 0) {
    ReportLinkError(ui, link, deviceIndex, code);
    return 1;
  }
  if (answer[2] < 15) {
    ReportLinkError(ui, link, deviceIndex, kResultBadData);
    return 1;
  }
  const std::uint8_t* id = answer.data() + 3;
  std::string modules;
  for (int slot = 0; slot < 8; ++slot) modules += lur::ModuleCodeDigit(id[1 + slot]);
  std::printf("device: %d\n", deviceIndex + 1);
  std::printf("modules: %s\n", modules.c_str());
  std::printf("display: %d\n", id[14]);
  std::printf("module count: %d\n", id[0]);
  std::printf("discrete outputs: %d\n", id[11]);
  std::printf("processed discrete signals: %d\n", id[12]);
  std::printf("processed analog signals: %d\n", id[13]);
  std::printf("identity: %s\n", HexBytes(id, 15).c_str());
  return 0;
}

int Raw(TComPortClass& link, TUserInterface& ui, int deviceIndex, const std::vector<std::string>& args) {
  std::vector<std::uint8_t> bytes;
  for (const auto& a : args) {
    std::uint8_t b = 0;
    if (!ParseHexByte(a, b)) {
      std::fprintf(stderr, "lurctl: '%s' is not a hexadecimal byte\n", a.c_str());
      return 2;
    }
    bytes.push_back(b);
  }
  if (bytes.empty()) {
    std::fprintf(stderr, "lurctl: raw needs a function code\n");
    return 2;
  }
  std::array<std::uint8_t, kAnswerCapacity> answer{};
  const int code = link.Transact(deviceIndex, bytes[0], static_cast<int>(bytes.size() - 1), bytes.data() + 1, answer);
  if (code != 0) {
    ReportLinkError(ui, link, deviceIndex, code);
    return 1;
  }
  if (bytes[0] != fn::kClockBroadcast) {
    const auto frame = link.AnswerIn(answer);
    std::printf("%s\n", HexBytes(frame.data(), frame.size()).c_str());
  }
  return 0;
}

}  // namespace
}  // namespace lur

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty() || args[0] == "--help" || args[0] == "-h") {
    std::fputs(lur::kLurctlUsage, args.empty() ? stderr : stdout);
    return args.empty() ? 2 : 0;
  }
  std::string error;
  auto options = lur::ParseLurctlOptions(args, error);
  if (!options) {
    std::fprintf(stderr, "lurctl: %s\n%s", error.c_str(), lur::kLurctlUsage);
    return 2;
  }
  // diff FILE --port PATH compares with a controller; diff A B needs no port.
  const bool diffController = options->command == "diff" && lur::DiffNamesPort(*options);
  if (diffController && !lur::TakeDiffLinkOptions(*options)) return 2;
  const std::string& command = options->command;
  // The file commands need no port.
  if (command == "new" || command == "dump" || (command == "diff" && !diffController)) {
    lur::TTerminalUserInterface fileUi;
    if (command == "new") return lur::RunNew(*options, fileUi);
    if (command == "dump") return lur::RunDump(*options, std::cout, fileUi);
    return lur::RunDiff(*options, std::cout, fileUi);
  }
  // An unknown live view is listed before any port opens.
  if (command == "live") {
    if (const int refused = lur::CheckLiveArguments(lur::ProgramLiveViews(), options->arguments, std::cerr)) {
      return refused;
    }
  } else if (command != "identify" && command != "raw" && command != "read" && command != "write" &&
             command != "fb" && command != "diff" &&
             command != "clock" &&
             command != "scan") {
    std::fprintf(stderr, "lurctl: unknown command %s\n%s", options->command.c_str(), lur::kLurctlUsage);
    return 2;
  }

  lur::TSteadyWaiter waiter;
  lur::TQtSerialPort port(waiter);
  lur::TTerminalUserInterface ui;
  lur::TComPortClass link(port, waiter);
  const lur::TPortLostReporter portLost(ui, link);
  lur::TTracePrinter trace(link, waiter.NowMs());
  if (options->trace) link.SetTrafficObserver(&trace);
  link.PortName = options->port;
  link.BaudText = options->baud;
  link.ParityText = options->parity;
  link.StopBitsText = options->stop;
  link.SetRequestDelay(static_cast<std::uint32_t>(options->requestDelay));
  if (link.OpenPort() != 0) {
    lur::ReportLinkError(ui, link, options->device - 1, lur::kResultPortNotOpened);
    return command == "diff" ? 2 : 1;  // diff's 1 means "different"
  }
  const int deviceIndex = options->device - 1;
  int rc = 1;
  if (command == "identify") {
    rc = lur::Identify(link, ui, deviceIndex);
  } else if (command == "raw") {
    rc = lur::Raw(link, ui, deviceIndex, options->arguments);
  } else if (command == "read") {
    rc = lur::RunRead(*options, link, ui);
  } else if (command == "write") {
    rc = lur::RunWrite(*options, link, ui);
  } else if (command == "fb") {
    rc = lur::RunFB(*options, link, ui);
  } else if (command == "live") {
    rc = lur::RunLive(*options, link, ui);
  } else if (command == "diff") {
    rc = lur::RunDiffWithController(*options, link, std::cout, ui);
  } else if (command == "scan") {
    rc = lur::RunScan(*options, link, ui, std::cout);
  } else if (command == "clock") {
    rc = lur::RunClock(*options, link, ui);
  }
  link.ClosePort();
  return rc;
}
