// A short pause during which the GUI thread keeps handling its events.
#pragma once

namespace desktop {

// Returns after ms milliseconds (never earlier), having dispatched the events that arrived meanwhile,
// the last ones included. Ends on time also when no timer can be armed or no application exists.
void pumpingWait(int ms);

} // namespace desktop
