#pragma once
// What the window's events run. Each handler runs to its end on the GUI thread.

namespace pelmora {

class Operations;

// The window and its controls exist but are still hidden: fill in the launcher location.
void onMainWindowCreated(Operations& ops);
// Button 3: the user points at the launcher file.
void onLocateLauncher(Operations& ops);
// Button 1: start the launcher in the chosen region (closing a running one after asking), and end.
void onRunWithSelectedServer(Operations& ops);
// Button 2: put a shortcut on the desktop that starts the launcher in the chosen region.
void onCreateDesktopShortcut(Operations& ops);

}  // namespace pelmora
