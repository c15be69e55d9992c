#pragma once
// The program's command ids (menu 100, tool bar, client commands) and its
// private window messages. The framework's own ids are in CommandIds.h.
#include "platform/window/CommandIds.h"
#include "platform/window/Messages.h"

enum : int {
    CM_PROJEKT_NEU = 999,
    CM_PROJEKT_OEFFNEN = 1000,
    CM_PROJEKT_SPEICHERN = 1010,
    CM_PROJEKT_SPEICHERN_UNTER = 1020,
    CM_PROJEKT_SCHLIESSEN = 1030,
    CM_PROJEKT_LOESCHEN = 1040,
    CM_EXPORT = 1050,
    CM_CAD_IMPORT = 1060,
    CM_NACHWEISE = 1190,
    CM_PROJEKT_DRUCKEN = 1200,
    CM_PROJEKT_WIRD_GESCHLOSSEN = 1300,
    CM_TEMPERATURVERLAUF = 2481,
    CM_VERGLEICH_BAUTEILE = 2482,
    CM_BAUTEIL_FENSTERDATEN = 2490,
    CM_HUELLFLAECHENDATEN = 2491,
    CM_PROJEKTDATEN = 2492,
    CM_VOLUMEN_FLAECHENDATEN = 2493,
    CM_BAUTEIL_UEBERSICHT = 2494,
    CM_PROJEKTWINDOW_VORDERGRUND = 2495,
    CM_ENERGIEDATEN = 2496,
    CM_MASSENERMITTLUNG = 2497,
    CM_PERIODISCH = 2498,
    CM_OPTIONEN = 2520,
    CM_WAERMEBEDARFSAUSWEIS = 2600,
    CM_IN_BAUTEILDATEI_SPEICHERN = 3030,
    CM_BAUSTOFFDATEI = 4000,
    CM_FENSTERDATEI = 4005,
    CM_BAUTEILDATEI = 4010,
    CM_EINSTELLUNGEN = 5001,
    CM_VOLUMEN = 5006,
    CM_VARIANTE = 6100,
    CM_TASCHENRECHNER = 6500,
    CM_SEITE_BEARBEITEN = 6505,
    CM_ALLES_MARKIEREN = 6509,
    CM_LAYOUT_EINSTELLUNGEN = 9132,
    CM_IN_BAUSTOFFDATEI_SPEICHERN = 12311,
    CM_ENEV_INFO = 12500,
    CM_KONTEXTHILFE = 24380,
    // The print preview's tool bar; 24504 is its page text.
    CM_VORSCHAU_ZURUECK = 24500,
    CM_VORSCHAU_VOR = 24501,
    CM_VORSCHAU_EINE_SEITE = 24502,
    CM_VORSCHAU_ZWEI_SEITEN = 24503,
    IDG_VORSCHAU_SEITENTEXT = 24504,
    CM_VORSCHAU_FERTIG = 24505,
    // The recent files: the separator, then one id per entry.
    CM_MRU_BASIS = 8000,
    CM_MRU_ERSTER = 8001,
    CM_MRU_LETZTER = 8009,
    // The data sheets' page commands.
    CM_SEITEN_NUMMERIERUNG = 6514,
    CM_GEHE_ZU_SEITE = 11843,
};

enum : uint32_t {
    // Posted by the client to itself at the end of its set-up.
    WM_KOMMANDOZEILE_OEFFNEN = 0x5FD,
    // Posted to every open view after the project changed.
    WM_PROJEKT_AKTUALISIEREN = 0x5FE,
};
