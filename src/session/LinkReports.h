#pragma once
// The boxes of the link's failures: a result code turned into its message
// box for the device the request went to.
namespace lur {

class TComPortClass;
class TUserInterface;

// Shows the box of a result code (nothing for 0).
void ReportLinkError(TUserInterface& ui, TComPortClass& link, int deviceIndex, int code);

}  // namespace lur
