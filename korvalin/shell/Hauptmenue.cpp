#include "korvalin/shell/Hauptmenue.h"

#include "korvalin/shell/KorpusBefehle.h"
#include "platform/window/StringTable.h"

#include <utility>

std::vector<TMenuResource> Hauptmenue() {
    const auto item = MenuItem;
    const auto sep = MenuSeparator;
    return {
        MenuPopup("&Projekt", {item(CM_PROJEKT_NEU, "&Neu"),
                               item(CM_PROJEKT_OEFFNEN, "&Öffnen..."),
                               item(CM_PROJEKT_SCHLIESSEN, "S&chließen"),
                               sep(),
                               item(CM_PROJEKT_SPEICHERN, "&Speichern"),
                               item(CM_PROJEKT_SPEICHERN_UNTER, "Speichern &unter..."),
                               sep(),
                               item(CM_PROJEKT_LOESCHEN, "&Löschen"),
                               sep(),
                               item(CM_EXPORT, "E&xport..."),
                               item(CM_CAD_IMPORT, "CAD-Da&ten importieren"),
                               sep(),
                               item(CM_EINSTELLUNGEN, "&Einstellungen..."),
                               item(CM_VOLUMEN, "V&olumen..."),
                               item(CM_VARIANTE, "V&ariante..."),
                               sep(),
                               item(CM_FILEPRINTPREVIEW, "Druck&vorschau..."),
                               item(CM_FILEPRINT, "&Drucken..."),
                               item(CM_FILEPRINTERSETUP, "Drucker&installation..."),
                               sep(),
                               item(CM_EXIT, "&Beenden\tAlt+F4")}),
        MenuPopup("&Ausgabe", {item(CM_NACHWEISE, "&Nachweise"),
                               sep(),
                               item(CM_WAERMEBEDARFSAUSWEIS, "&Wärmebedarfsausweis"),
                               sep(),
                               item(CM_PROJEKTDATEN, "&Projektdaten"),
                               item(CM_HUELLFLAECHENDATEN, "&Hüllflächendaten"),
                               item(CM_BAUTEIL_UEBERSICHT, "Bauteil-&Übersicht"),
                               item(CM_VOLUMEN_FLAECHENDATEN, "&Volumen- und Flächendaten"),
                               item(CM_MASSENERMITTLUNG, "&Massenermittlung"),
                               sep(),
                               item(CM_ENERGIEDATEN, "Ene&rgiedaten"),
                               sep(),
                               item(CM_BAUTEIL_FENSTERDATEN, "&Bauteil-/Fensterdaten"),
                               item(CM_TEMPERATURVERLAUF, "&Temperaturverlauf"),
                               item(CM_TEMPERATURDIAGRAMM, "Gra&fik: Temperaturverlauf"),
                               item(CM_GLASERDIAGRAMM, "Grafik: G&laser-Diagramm"),
                               item(CM_VERGLEICH_BAUTEILE, "Ver&gleich: Bauteile"),
                               item(CM_PERIODISCH, "&Periodischer Wärmedurchgang"),
                               sep(),
                               item(CM_LAYOUT_EINSTELLUNGEN, "&Einstellungen")}),
        MenuPopup("&Dateien",
                  {item(CM_BAUSTOFFDATEI, "Bau&stoff-Datei bearbeiten..."), sep(),
                   item(CM_FENSTERDATEI, "&Fenster-Datei bearbeiten..."), sep(),
                   item(CM_BAUTEILDATEI, "Bau&teil-Datei bearbeiten..."),
                   item(CM_IN_BAUTEILDATEI_SPEICHERN, "In Bauteil-/Fenster-&Datei speichern..."),
                   item(CM_IN_BAUSTOFFDATEI_SPEICHERN, "In &Baustoff-Datei speichern...")}),
        MenuPopup("&Bearbeiten", {item(CM_SEITE_BEARBEITEN, "&Seite bearbeiten: ein/aus"), sep(),
                                  item(CM_EDITUNDO, "&Rückgängig"), sep(),
                                  item(CM_EDITCUT, "&Ausschneiden"), item(CM_EDITCOPY, "&Kopieren"),
                                  item(CM_EDITPASTE, "&Einfügen"), item(CM_EDITDELETE, "&Löschen"),
                                  sep(), item(CM_ALLES_MARKIEREN, "Alles &markieren"),
                                  item(CM_EDITCLEAR, "Alles l&öschen")}),
        MenuPopup("&Extras", {item(CM_OPTIONEN, "&Optionen..."), sep(),
                              item(CM_TASCHENRECHNER, "&Taschenrechner")}),
        MenuPopup("&Window", {item(CM_CASCADECHILDREN, "&Überlappend"),
                              item(CM_TILECHILDREN, "&Nebeneinander"),
                              item(CM_TILECHILDRENHORIZ, "&Übereinander"),
                              item(CM_ARRANGEICONS, "&Symbole anordnen"),
                              item(CM_CLOSECHILDREN, "&Alle schließen"), sep(),
                              item(CM_PROJEKTWINDOW_VORDERGRUND, "&Projektwindow in Vordergrund")}),
        MenuPopup("&Hilfe",
                  {item(CM_HELPCONTENTS, "&Inhalt"), item(CM_HELPUSING, "&Hilfe verwenden"), sep(),
                   item(CM_ENEV_INFO, "Info zur &Energieeinsparverordnung"), sep(),
                   item(CM_HELPABOUT, "Info &über...")}),
    };
}

namespace {
const std::pair<int, const char*> kHinweise[] = {
    {999, "Neues Projekt erstellen"},
    {1000, "Bestehendes Projekt öffnen"},
    {1010, "Projekt speichern"},
    {1020, "Projekt unter neuem Namen speichern"},
    {1030, "Projekt schließen"},
    {1040, "Projekt löschen"},
    {1050, "Projekt in ASCII-Format exportieren"},
    {1060, "CAD-Daten in das Projekt einlesen"},
    {1190, "Wärmeschutz - und Feuchteschutznachweis anzeigen"},
    {2010, "Grafik: Glaser-Diagramm"},
    {2481, "Grafik: Temperaturverlauf im Bauteil"},
    {2482, "Vergleich: Temperaturverlauf zweier Bauteile"},
    {2491, "Hüllflächen-Datenblatt anzeigen"},
    {2492, "Projekt-Datenblatt anzeigen"},
    {2493, "Volumen-/Flächen-Datenblatt anzeigen"},
    {2494, "Bauteil-Übersicht anzeigen"},
    {2495, "Projektwindow in Vordergrund"},
    {2496, "Energie-Datenblatt anzeigen"},
    {2497, "Massenermittlungs-Datenblatt anzeigen"},
    {2520, "Optionen ein- bzw. ausschalten"},
    {2600, "AVV Wärmebedarfsausweis nach § 12 WSchVO anzeigen"},
    {3030, "Bauteil in Bauteil-Datei speichern"},
    {4000, "Baustoff - Datei bearbeiten"},
    {4005, "Fenster - Datei bearbeiten"},
    {4010, "Bauteil - Datei bearbeiten"},
    {5001, "Projekt - Einstellungen"},
    {5006, "Volumen eingeben"},
    {6100, "Varianten-Manager öffnen"},
    {6500, "Taschenrechner aufrufen"},
    {6505, "Editiermodus ein - bzw. ausschalten"},
    {6509, "Alles markieren"},
    {9132, "Einstellungen zu Text, Grafik und Seite"},
    {12500, "Informationen zur geplanten Energieeinsparverordnung"},
    {24380, "Hilfe aufrufen"},
    {24389, "Info über das Programm"},
    {24310, "Programm beenden"},
    {24321, "Letzte Aktion rückgängig machen"},
    {24322, "Markierten Text ausschneiden und in der Zwischenablage ablegen"},
    {24323, "Markierten Text in die Zwischenablage kopieren"},
    {24324, "Inhalt aus Zwischenablage einfügen"},
    {24325, "Markierten Text löschen"},
    {24326, "Gesamten Text löschen"},
    {24337, "Dieses Projekt drucken"},
    {24338, "Druckeinstellungen festlegen"},
    {24340, "Druckerausgabe im Nur-Lesen-Modus anzeigen"},
    {24361, "Fenster überlappend anordnen"},
    {24362, "Fenster nebeneinander anordnen"},
    {24363, "Fenster übereinander anordnen"},
    {24364, "Symbole am unteren Rand anordnen"},
    {24365, "Alle Fenster schließen"},
    {24381, "Inhaltsverzeichnis des Hilfeprogramms aufrufen"},
    {24382, "Bedienungsanleitung für das Hilfesystem aufrufen"},
};

const TMenuResource* finde(const std::vector<TMenuResource>& menue, int befehl) {
    for (const auto& m : menue) {
        if (!m.popup.empty()) {
            if (const auto* f = finde(m.popup, befehl)) return f;
        } else if (!m.separator && m.id == befehl) {
            return &m;
        }
    }
    return nullptr;
}
} // namespace

void HinweistexteEintragen() {
    for (const auto& [id, text] : kHinweise) SetResourceString(id, text);
}

std::string MenueText(int befehl) {
    static const auto menue = Hauptmenue();
    const auto* m = finde(menue, befehl);
    if (!m) return {};
    std::string text;
    for (char c : m->text) {
        if (c == '\t') break;
        if (c != '&') text += c;
    }
    return text;
}
