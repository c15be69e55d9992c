#pragma once
// The client's project commands: open (with the conversion of older files),
// new, close and delete, and the making of the project window around the
// project that one of them opened.
#include <memory>

class korpusMDIClient;
class TGesamtProjekt;

// Command 1000 "&Öffnen...".
void CmProjektOeffnen(korpusMDIClient& client);
// Commands 8001-8009: the recent-files entry of that index (0-8).
void MruProjektOeffnen(korpusMDIClient& client, int index);
// Opens the file in the client's file-name buffer; a file that does not
// exist becomes a new project under that name. Afterwards either a project
// with its window is open, or none is.
void ProjektOeffnen(korpusMDIClient& client);
// ProjektOeffnen, then the backups of the data-sheet files of the project.
void ProjektOeffnenName(korpusMDIClient& client);

// Asks to close the open project and closes every view; false when the
// user or a view refused (then everything stays as it was).
bool OffenesProjektSchliessen(korpusMDIClient& client);

// Closes every MDI child, the project window last; false when one refused
// (then none is closed).
bool AnsichtenSchliessen(korpusMDIClient& client);

// Command 999 "&Neu".
void CmProjektNeu(korpusMDIClient& client);
// One variant with the six standard envelope areas, its window, and the
// project settings.
void NeuesProjektAnlegen(korpusMDIClient& client);
// The project of an autosave copy as the unnamed open project, changed.
void GerettetesProjektAnlegen(korpusMDIClient& client, std::unique_ptr<TGesamtProjekt> g);
// Command 1040 "&Löschen".
void CmProjektLoeschen(korpusMDIClient& client);

// The project dialog and window around the open project.
void ProjektWindowAnlegen(korpusMDIClient& client);
// The save-as dialog data of the open project (Korpus().SpeichernDaten):
// set when its window is made, and again by the project dialog's set-up.
void SpeichernDatenEinrichten();
