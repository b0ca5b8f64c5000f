#pragma once
// The one way an edited input text reaches the controller, shared by the
// discrete editor and the input information window. A text page the
// controller did not confirm stays remembered as unsent (never silently
// forgotten by the next edit) and goes along with the next text write.
namespace lur {

struct TSession;

// Signal `entry`'s text has just been changed in memory (SetInputText).
// - File mode: the configuration is marked Modified; nothing is sent.
// - Controller mode, limited access: the access warning; the page is
//   remembered as unsent and InputTextsEdited stays 1.
// - Controller mode, full access: the page of `entry` and every page
//   remembered as unsent are written (page write with completion poll, the
//   progress bar at maximum 100, step 20); each confirmed page is forgotten;
//   the first failure is reported once, stops the rest and leaves its page
//   and the ones after it remembered, InputTextsEdited 1.
// Returns true when every page was confirmed (InputTextsEdited is then 0).
bool WriteInputTextPage(TSession& session, int entry);

}  // namespace lur
