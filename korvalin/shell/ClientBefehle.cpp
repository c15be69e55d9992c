// The client's command table: project commands, data sheets, catalogue
// editors, the forwarders to the project dialog, calculator and context help.
#include "korvalin/bauteil/TBaustoffDialog.h"
#include "korvalin/bauteil/TBauteilDateiDialog.h"
#include "korvalin/bauteil/TFensterDialog.h"
#include "korvalin/datenblatt/DatenblattOeffnen.h"
#include "korvalin/layout/LayoutEinstellungen.h"
#include "korvalin/projekt/TBTVergleichDialog.h"
#include "korvalin/shell/AusstehendeBefehle.h"
#include "korvalin/shell/Export.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektBefehle.h"
#include "korvalin/shell/ProjektSpeichern.h"
#include "korvalin/shell/TOptionenDialog.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Processes.h"
#include "platform/services/Services.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/MDIChild.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <algorithm>
#include <cstdio>

namespace {

// Commands that the project dialog carries out while a project is open.
constexpr int kAnDenDialog[] = {CM_EINSTELLUNGEN,
                                CM_VOLUMEN,
                                CM_VARIANTE,
                                CM_NACHWEISE,
                                CM_WAERMEBEDARFSAUSWEIS,
                                CM_BAUTEIL_FENSTERDATEN,
                                CM_TEMPERATURVERLAUF,
                                CM_PERIODISCH,
                                CM_TEMPERATURDIAGRAMM,
                                CM_GLASERDIAGRAMM};

constexpr uint32_t kWarnung = MB_OK | MB_ICONEXCLAMATION;

bool nachVorn(TWindow* w) {
    if (!w) return false;
    if (auto* c = dynamic_cast<TMDIChild*>(w)) c->BringWindowToTop();
    return true;
}

std::string werteFehlen(const TProjekt& p, const char* schluss) {
    char text[400];
    std::snprintf(text, sizeof text, "%s%10.2lf%s%s%10.2lf%s", "Werte fehlen! \n Volumen = ", p.V,
                  " m³", "\n Außenfläche = ", p.A_Bauteile + p.A_Fenster, schluss);
    return text;
}

const char* const kKeinVolumen = " Kein Gebäudevolumen und keine Bauteilflächen eingegeben! \n\n "
                                 "Das Datenblatt kann nicht geöffnet werden.";
const char* const kKeineBauteile =
    " Keine Bauteile vorhanden! \n\n Das Datenblatt kann nicht geöffnet werden.";

bool flaecheUndVolumen(const TProjekt& p, const char* titel) {
    if (p.A_Bauteile + p.A_Fenster > 0 && p.V > 0) return true;
    MessageBox(kKeinVolumen, titel, kWarnung);
    return false;
}

bool platzierteElemente(const TProjekt& p, const char* titel) {
    if (p.PBauteile.GetItemsInContainer() + p.PFenster.GetItemsInContainer() > 0) return true;
    MessageBox(kKeineBauteile, titel, kWarnung);
    return false;
}

// The project data and energy sheets need a proof that can run.
bool nachweisMoeglich(const TProjekt& p, const char* titel, const char* titel3) {
    if (!p.CanStartWSchVO()) {
        if (p.PBauteile.GetItemsInContainer() == 0)
            MessageBox("Keine Projekt-Bauteile angelegt! \n\n Berechnung konnte nicht durchgeführt "
                       "werden!",
                       titel, kWarnung);
        else
            MessageBox(werteFehlen(p, " m²\n Berechnung konnte nicht durchgeführt werden!"), titel,
                       kWarnung);
        return false;
    }
    if (p.Baumassnahme != 2 && p.KleinesWohngebaeude && p.NormaleInnentemperatur && p.V < 0.01 &&
        MessageBox(werteFehlen(p, " m²\n Nur Berechnung nach dem Bauteilverfahren möglich!\n "),
                   titel, MB_OKCANCEL | MB_ICONQUESTION) != IDOK)
        return false;
    return flaecheUndVolumen(p, titel3);
}

// A data sheet: brought to the top when open, else made once its
// preconditions pass; a sheet still to come says so.
void datenblatt(int befehl, TWindow* offen, bool (*vorbedingung)(const TProjekt&)) {
    auto* p = AktuelleVariante();
    if (!p || nachVorn(offen)) return;
    if (!vorbedingung(*p)) return;
    auto* client = Korpus().Client;
    if (!client || !DatenblattOeffnen(befehl, *client)) Ausstehend().Ausfuehren(befehl);
}

void kontextHilfe(korpusMDIClient& client) {
    auto& k = Korpus();
    const auto& e = k.Ansichten;
    const auto& a = client.Ansichten;
    auto* aktiv = static_cast<TWindow*>(client.GetActiveMDIChild());
    const auto inListe = [&](const std::vector<TWindow*>& l) {
        return aktiv && std::find(l.begin(), l.end(), aktiv) != l.end();
    };
    int kontext = 0;
    if (!aktiv)
        kontext = 0;
    else if (aktiv == k.ProjektWindow)
        kontext = 1120;
    else if (aktiv == e.ProjektDaten)
        kontext = 1139;
    else if (aktiv == e.EnergieDaten)
        kontext = 1162;
    else if (aktiv == e.MassenDaten)
        kontext = 1164;
    else if (aktiv == e.FassadenDaten)
        kontext = 1140;
    else if (aktiv == e.BauteilView)
        kontext = 1141;
    else if (aktiv == e.FlaechenDaten)
        kontext = 1142;
    else if (aktiv == e.Waermeschutz)
        kontext = 1143;
    else if (aktiv == e.Feuchteschutz)
        kontext = 1144;
    else if (aktiv == e.BtAusDatei)
        kontext = 1146;
    else if (aktiv == e.FnstAusDatei)
        kontext = 1147;
    else if (aktiv == e.Vergleich1 || aktiv == e.Vergleich2)
        kontext = 1167;
    else if (inListe(a.BauteilEditoren))
        kontext = 1102;
    else if (inListe(a.BauteilDaten))
        kontext = 1146;
    else if (inListe(a.FensterDaten))
        kontext = 1147;
    else if (inListe(a.PeriodenDaten))
        kontext = 1163;
    else if (inListe(a.VergleichDaten))
        kontext = 1166;
    client.HilfeGeoeffnet = kontext ? Help().WinHelp(k.HilfeDatei, HELP_CONTEXT, uint32_t(kontext))
                                    : Help().WinHelp(k.HilfeDatei, HELP_FINDER, 0);
}

// The desktop's calculator, the first that starts.
void taschenrechner() {
    for (const char* programm :
         {"gnome-calculator", "kcalc", "galculator", "qalculate-gtk", "xcalc"})
        if (StartProcess(programm)) return;
    MessageBox("Laden des Taschenrechners nicht erfolgreich", "Fehler", MB_OK | MB_ICONSTOP);
}

} // namespace

void korpusMDIClient::befehleEintragen() {
    auto& r = Responses();
    const auto mitProjekt = [&r](int id, TResponseTable::CommandHandler h) {
        r.Command(id, std::move(h));
        r.CommandEnable(id, [](TCommandEnabler& ce) { ce.Enable(Korpus().ProjektOffen); });
    };
    r.Command(CM_PROJEKT_NEU, [this] { CmProjektNeu(*this); });
    r.Command(CM_PROJEKT_OEFFNEN, [this] { CmProjektOeffnen(*this); });
    mitProjekt(CM_PROJEKT_SPEICHERN, [] { ProjektSpeichern(); });
    mitProjekt(CM_PROJEKT_SPEICHERN_UNTER, [] { ProjektSpeichernUnter(); });
    mitProjekt(CM_PROJEKT_SCHLIESSEN, [this] { CmProjektSchliessen(); });
    mitProjekt(CM_PROJEKT_LOESCHEN, [this] { CmProjektLoeschen(*this); });
    mitProjekt(CM_EXPORT, [this] { CmExport(*this); });
    mitProjekt(CM_CAD_IMPORT, [this] { CMProjektImport(); });
    r.Command(CM_OPTIONEN, [this] { CmOptionen(*this); });
    for (int id : kAnDenDialog)
        mitProjekt(id, [id] {
            auto* dialog = Korpus().ProjektDialog;
            if (!dialog || !dialog->EvCommand(id, 0, 0)) Ausstehend().Ausfuehren(id);
        });
    r.Command(CM_PROJEKT_DRUCKEN,
              [] { MessageBox(" Projektdaten werden ausgedruckt ", "Projekt drucken", kWarnung); });
    r.Command(CM_PROJEKT_WIRD_GESCHLOSSEN,
              [] { MessageBox(" Projekt wird geschlossen ", "Projekt schließen", kWarnung); });
    mitProjekt(CM_PROJEKTWINDOW_VORDERGRUND, [] {
        if (Korpus().ProjektOffen) nachVorn(Korpus().ProjektWindow);
    });

    // Catalogue browsers: the open one comes to the top.
    r.Command(CM_FENSTERDATEI, [this] { FensterDateiOeffnen(*this); });
    // The material and component catalogue browsers.
    r.Command(CM_BAUSTOFFDATEI, [this] { BaustoffDateiOeffnen(*this); });
    r.Command(CM_BAUTEILDATEI, [this] { BauteilDateiOeffnen(*this); });

    auto& e = Korpus().Ansichten;
    mitProjekt(CM_PROJEKTDATEN, [&e] {
        datenblatt(CM_PROJEKTDATEN, e.ProjektDaten, [](const TProjekt& p) {
            return nachweisMoeglich(p, "Projekt-Datenblatt anzeigen", " Projekt-Datenblatt ");
        });
    });
    mitProjekt(CM_ENERGIEDATEN, [&e] {
        datenblatt(CM_ENERGIEDATEN, e.EnergieDaten, [](const TProjekt& p) {
            return nachweisMoeglich(p, "Energie-Datenblatt anzeigen", " Energie-Datenblatt ");
        });
    });
    mitProjekt(CM_HUELLFLAECHENDATEN, [&e] {
        datenblatt(CM_HUELLFLAECHENDATEN, e.FassadenDaten, [](const TProjekt& p) {
            return platzierteElemente(p, " Hüllflächen-Datenblatt ");
        });
    });
    mitProjekt(CM_BAUTEIL_UEBERSICHT, [&e] {
        datenblatt(CM_BAUTEIL_UEBERSICHT, e.BauteilView,
                   [](const TProjekt& p) { return platzierteElemente(p, " Bauteil-Übersicht "); });
    });
    mitProjekt(CM_VOLUMEN_FLAECHENDATEN, [&e] {
        datenblatt(CM_VOLUMEN_FLAECHENDATEN, e.FlaechenDaten, [](const TProjekt& p) {
            const char* titel = " Volumen - und Flächendatenblatt ";
            return platzierteElemente(p, titel) && flaecheUndVolumen(p, titel);
        });
    });
    mitProjekt(CM_MASSENERMITTLUNG, [&e] {
        // The take-off is recomputed also for a sheet that is open already.
        if (auto* p = AktuelleVariante()) p->Massenermittlung();
        datenblatt(CM_MASSENERMITTLUNG, e.MassenDaten, [](const TProjekt&) { return true; });
    });
    mitProjekt(CM_VERGLEICH_BAUTEILE, [this] { BauteilVergleichAnzeigen(this); });

    // Print layout settings: a data sheet answers for its own; from here
    // they are the open project's, or the program's without a project.
    r.Command(CM_LAYOUT_EINSTELLUNGEN, [this] {
        LayoutEinstellungenBearbeiten({this, LayoutZielDesMenues()});
    });

    r.Command(CM_TASCHENRECHNER, [] { taschenrechner(); });
    r.Command(CM_KONTEXTHILFE, [this] { kontextHilfe(*this); });
    for (int id = CM_MRU_ERSTER; id <= CM_MRU_LETZTER; ++id)
        r.Command(id, [this, id] { MruProjektOeffnen(*this, id - CM_MRU_ERSTER); });
}
