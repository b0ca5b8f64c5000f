#pragma once
// What every editor works with: the one owner of all tables, the link to the
// controller, the user, and where requests go. The main window holds one and
// hands it to every editor it opens.
#include "link/TComPortClass.h"
#include "link/TPageWriter.h"
#include "model/TConfiguration.h"
#include "ui/TUserInterface.h"

namespace lur {

struct TSession {
  TConfiguration& config;
  TComPortClass& link;
  TUserInterface& ui;
  TDeviceAddressing& addressing;
};

}  // namespace lur
