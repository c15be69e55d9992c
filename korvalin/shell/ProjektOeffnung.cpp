#include "korvalin/shell/ProjektOeffnung.h"

#include "platform/services/MessageBox.h"

#include <string>

void ProjektOeffnung::Oeffnen(std::string_view datei) {
    MessageBox("Das Öffnen von Projekten ist in dieser Ausgabe des Programms noch nicht "
               "verfügbar.\n\nDatei: " +
                   std::string(datei),
               "Projekt öffnen", MB_OK | MB_ICONINFORMATION);
}
