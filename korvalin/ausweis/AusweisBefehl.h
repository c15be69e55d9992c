#pragma once
// "Wärmebedarfsausweis" (command 2600): checks that the proof can run, asks
// what the project's settings leave open, and only then replaces the open
// certificate window by a new one, so that no window stays registered
// unshown. Returns the new window, or nullptr when none was made.
class TWaermeBedarfsAusweisWindow;

TWaermeBedarfsAusweisWindow* CmWaermebedarfsausweis();
