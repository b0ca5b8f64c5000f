#pragma once
// The check after a whole write: every page the controller confirmed is read
// back (reads only, so at either access level) and compared byte for byte
// with what was sent. Nothing in memory changes; a read that fails ends the
// check, which then says where it stopped and which pages it never read.
#include "shell/TCompareResult.h"
#include "shell/TWriteRecord.h"

namespace lur {

class TComPortClass;
class TUserInterface;

class TWriteVerifier {
 public:
  TWriteVerifier(TComPortClass& link, TUserInterface& ui, const TWriteRecord& record)
      : link_(link), ui_(ui), record_(record) {}

  // Differences are named by the field of the configuration that differs
  // ("discrete signals, signal 5, TimeZ"), ours being what was sent; bytes
  // no field shows are named by page and offset ("page 12, offset 40").
  TCompareResult Run();

 private:
  TComPortClass& link_;
  TUserInterface& ui_;
  const TWriteRecord& record_;
};

}  // namespace lur
