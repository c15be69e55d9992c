#pragma once
// "Wärmebedarfsausweis" (command 2600): checks that the proof can run, asks
// what the project's settings leave open, and only then replaces the open
// certificate window by a new one, so that no window stays registered
// unshown. A building whose proof fails is named with the requirement it
// misses before the window opens. Returns the new window, or nullptr when
// none was made.
#include <cstdint>
#include <string>

class TWaermeBedarfsAusweisWindow;

TWaermeBedarfsAusweisWindow* CmWaermebedarfsausweis();

// The message that the case of proof (1 extension, 2 outer components) has no certificate.
std::string AusweisNichtVorgesehen(uint16_t baumassnahme);
