#include "korvalin/shell/AusstehendeBefehle.h"

#include "korvalin/shell/Hauptmenue.h"
#include "platform/services/MessageBox.h"
#include "platform/window/StringTable.h"

std::string NochNichtVerfuegbarText(int befehl) {
    std::string name = MenueText(befehl);
    if (name.empty()) name = LoadString(befehl);
    if (name.empty()) name = "Befehl " + std::to_string(befehl);
    return "\"" + name +
           "\" ist in dieser Ausgabe des Programms noch nicht verfügbar.\n\n"
           "Der Befehl wird mit einer späteren Ausbaustufe nachgeliefert.";
}

void AusstehendeBefehle::Ausfuehren(int befehl) {
    MessageBox(NochNichtVerfuegbarText(befehl), "Noch nicht verfügbar", MB_OK | MB_ICONINFORMATION);
}
