#pragma once
// lurctl clock: the controller's clock as the time and date window reads and
// sets it.
//   clock [--json]                  one reading of registers 1000..1006: time,
//                                   date and day name as the window shows them
//   clock --watch [--interval MS] [--count K] [--json]
//                                   the window's 100 ms reading, one line a
//                                   reading, ending at the first failure
//   clock --set now|YYYY-MM-DDTHH:MM:SS [--password TEXT] [--password-file PATH]
//                                   the window's broadcast 0x46: "now" is the
//                                   computer's clock as Button3 takes it, an
//                                   explicit time gets its day of week
//                                   (Monday = 1); the window's field checks
//                                   apply (years 2000..2099)
#include <ostream>
#include <string>
#include <vector>

#include "cli/TLurctlOptions.h"
#include "live/ClockFields.h"

namespace lur {

class TComPortClass;
class TUserInterface;
class TWaiter;
struct TSession;

// Where --set finds the password file unless --password-file names one.
struct TClockCommandSetup {
  std::string passwordFile;
  TComputerClock computerClock = ComputerLocalTime;
};

// The command over a session whose link is open (tests run it in process).
// 0 on success, 1 on a failure or refusal (its box on the session's user),
// 2 for bad arguments (the reason on err).
int RunClockCommand(const std::vector<std::string>& args, TSession& session, TWaiter& waiter,
                    const TClockCommandSetup& setup, std::ostream& out, std::ostream& err);

// `lurctl clock`, over the link lurctl opened for the device of the options.
int RunClock(const TLurctlOptions& options, TComPortClass& link, TUserInterface& ui);

}  // namespace lur
