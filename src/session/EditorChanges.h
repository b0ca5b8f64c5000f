#pragma once
// The editors' own modified flags, seen together: in controller mode a set
// flag is a change an editor could not write into the controller; in file
// mode it is a change not yet saved (the service record's Modified says so
// too).
namespace lur {

struct TConfiguration;

// Whether any editor holds changes the controller has not confirmed.
bool UnsentEditorChanges(const TConfiguration& config);
// Whether the local network editor holds such changes.
bool NetworkChanges(const TConfiguration& config);
// The controller holds the whole configuration: nothing of the network is pending.
void ClearNetworkChanges(TConfiguration& config);
// A configuration that was just read or opened holds no editor's changes.
void ClearEditorChanges(TConfiguration& config);

}  // namespace lur
