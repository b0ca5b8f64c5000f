#pragma once
// The one set of configuration tables of the run. The main window owns one
// instance; every editor and transfer works on it in place (nothing keeps a
// copy of its own). Members are constructed in this order and destroyed in
// the reverse one.
#include "model/TCopyBlocksClass.h"
#include "model/TProgF15Class.h"
#include "model/TProgFBClass.h"
#include "model/TProgLurClass.h"
#include "model/TProgMBAClass.h"
#include "model/TProgMBMClass.h"
#include "model/TProgMRClass.h"
#include "model/TProgRegClass.h"
#include "model/TReservBlocksClass.h"
#include "model/TServClass.h"

namespace lur {

struct TConfiguration {
  TServClass Serv;
  TProgMBAClass MBA;
  TProgMRClass MR;
  TProgMBMClass MBM;
  TProgLurClass Lur;
  TProgFBClass FB;
  TProgRegClass Reg;
  TProgF15Class F15;
  TReservBlocksClass Reserv;
  TCopyBlocksClass Copy;
};

}  // namespace lur
