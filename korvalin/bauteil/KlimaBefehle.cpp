// The component editor's moisture and temperature commands: the "Klima"
// sheet, the judgement of a considerable condensate mass, and the
// temperature-profile and Glaser windows with the checks before they open.
#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/BauteilDiagramme.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/feuchte/GlaserKonstanten.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/DiagrammZahl.h"
#include "tauplot/diagramm/TBauteilKlimaDatenDialog.h"
#include "tauplot/diagramm/TKlimaNachweisDialog.h"
#include "tauplot/diagramm/TTauwasserDialog.h"
#include "tauplot/diagramm/TTemperaturDialog.h"
#include "tauplot/property/TPropertyDialog.h"

#include <cstdio>

namespace {

// The "Klima" sheet (resource 1220 of the diagram library).
TDialogResource klimaSheet() {
    const int w = 350, h = 250;
    return {"Klima",
            {w, h},
            {
                {TControlKind::DefButton, IDOK, "OK", {w - 165, h - 20, w - 115, h - 6}},
                {TControlKind::Button, IDCANCEL, "Abbrechen", {w - 110, h - 20, w - 60, h - 6}},
                {TControlKind::Button, 9, "&Hilfe", {w - 55, h - 20, w - 5, h - 6}},
            }};
}

uint16_t an(bool b) {
    return b ? 1 : 0;
}

void hinweis(const char* text, const char* titel) {
    MessageBox(text, titel, MB_OK | MB_ICONEXCLAMATION);
}

// The considerable condensate mass as it was judged; an unknown judgement
// has no text.
std::string tauwasserText(const TEinfachBauteil& e) {
    char menge[64];
    std::snprintf(menge, sizeof menge, "%4.3lf", e.Diffusion.Tauwassermenge);
    const std::string begruendung = "\n Begründung: " + e.Beschreibung;
    switch (e.TauwassergrenzeAusgenommen) {
    case 0:
        return std::string("Erhebliche Tauwassermenge = ") + menge + " kg/m²!" +
               "\n Bitte prüfen Sie, ob Tauwassermenge unbedenklich ist!";
    case 1:
        return std::string("Die Tauwassermenge = ") + menge + " kg/m²!" +
               "\n wird als unbedenklich eingestuft! " + begruendung;
    case 2:
        return std::string("Die Tauwassermenge = ") + menge + " kg/m²!" +
               "\n wird als bedenklich eingestuft! " + begruendung;
    default:
        return {};
    }
}

std::string projektname(const TRBauteil& t) {
    const TGesamtProjekt* g = Korpus().AktuellesProjekt;
    return t.Nummer == TRBauteil::KeineNummer || !g ? std::string() : g->GetFileName(true);
}

} // namespace

void TBauteilDialog::KlimaBearbeiten() {
    TRBauteil& t = *bauteil_;
    TKlima& k = t.Klima;
    const std::string hilfe = Korpus().HilfeDatei;

    TKlimaNachweisStruct nachweis;
    nachweis.Fuehren = an(k.KlimaMerker1 == 0);
    nachweis.Erfuellt = an(k.KlimaMerker1 == 1);
    nachweis.NichtFuehren = an(k.KlimaMerker1 == 2);
    nachweis.Kommentar = k.Zusatztext;
    nachweis.Schwelle05 = an(k.KlimaMerker2 == 1);
    nachweis.Schwelle10 = an(k.KlimaMerker2 != 1);

    TBauteilKlimaDatenStruct d;
    d.TauInnen.Zeigen(k.ThetaI, "%1.0lf");
    d.TauAussen.Zeigen(k.ThetaE, "%1.0lf");
    d.TauFeuchteInnen.Zeigen(k.PhiI, "%1.0lf", 100);
    d.TauFeuchteAussen.Zeigen(k.PhiE, "%1.0lf", 100);
    d.TauDauer.Zeigen(k.Tauperiode, "%1.0lf");
    d.VerdInnen.Zeigen(k.ThetaI_V, "%1.0lf");
    d.VerdAussen.Zeigen(k.ThetaE_V, "%1.0lf");
    d.VerdFeuchteInnen.Zeigen(k.PhiI_V, "%1.0lf", 100);
    d.VerdFeuchteAussen.Zeigen(k.PhiE_V, "%1.0lf", 100);
    d.VerdDauer.Zeigen(k.Verdunstungsperiode, "%1.0lf");
    d.Weber = an(k.OberflaecheDreifachRsi == 0);
    d.Schild = an(k.OberflaecheDreifachRsi != 0);
    d.Eingeben = an(k.AussenluftVerdunstung == 0);
    d.Berechnen = an(k.AussenluftVerdunstung != 0);
    d.Oberflaeche.Zeigen(k.ThetaOberflaeche_V, "%1.0lf");
    d.TauwasserVerdunstung = an(t.Feuchteoption != 0);
    d.Kommentar = k.Titel;

    TTemperaturStruct temp;
    TemperaturZeigen(temp, t.Temperatur);

    TPropertyDialog sheet(this, klimaSheet(), Tab::SingleHeight);
    sheet.Add("Diffusionsnachweis führen", new TKlimaNachweisDialog(&sheet, hilfe, nachweis), 1);
    sheet.Add("Klimabedingungen", new TBauteilKlimaDatenDialog(&sheet, hilfe, d, int(t.Bauteilart)),
              1);
    sheet.Add("Temperaturverlauf", new TTemperaturDialog(&sheet, hilfe, temp, false, nullptr), 1);
    if (sheet.Execute() != IDOK) return;

    Korpus().BauteilDatenGeaendert = true;
    k.KlimaMerker1 = nachweis.Erfuellt ? 1 : nachweis.NichtFuehren ? 2 : 0;
    k.Zusatztext = nachweis.Kommentar;
    k.KlimaMerker2 = nachweis.Schwelle05 ? 1 : 0;
    k.ThetaI = d.TauInnen.Lesen();
    k.ThetaE = d.TauAussen.Lesen();
    k.PhiI = d.TauFeuchteInnen.Lesen();
    k.PhiE = d.TauFeuchteAussen.Lesen();
    k.Tauperiode = d.TauDauer.Lesen();
    k.ThetaI_V = d.VerdInnen.Lesen();
    k.ThetaE_V = d.VerdAussen.Lesen();
    k.PhiI_V = d.VerdFeuchteInnen.Lesen();
    k.PhiE_V = d.VerdFeuchteAussen.Lesen();
    k.Verdunstungsperiode = d.VerdDauer.Lesen();
    k.OberflaecheDreifachRsi = d.Schild ? 1 : 0;
    k.AussenluftVerdunstung = d.Berechnen ? 1 : 0;
    k.ThetaOberflaeche_V = d.Oberflaeche.Lesen();
    t.Feuchteoption = d.TauwasserVerdunstung ? 1 : 0;
    k.Titel = d.Kommentar;
    TemperaturLesen(temp, t.Temperatur);

    ErgebnisseAnzeigen(1, 1, 0, 2);
    SchichtTabelleFuellen();
    ProjektNeuBerechnen(1, 0);
    Geaendert = true;
}

void TBauteilDialog::TauwasserBeurteilen() {
    if (!bereich_) return;
    TEinfachBauteil& e = *bereich_;
    TTauwasserStruct d;
    d.Menge = DiagrammZahl::Festkomma(e.Diffusion.Tauwassermenge, 4, 3);
    const int urteil = e.TauwassergrenzeAusgenommen;
    d.NichtGeprueft = an(urteil != 1 && urteil != 2);
    d.Unbedenklich = an(urteil == 1);
    d.Bedenklich = an(urteil == 2);
    d.Kommentar = e.Beschreibung;
    TTauwasserDialog dlg(this, Korpus().HilfeDatei, d);
    if (dlg.Execute() != IDOK) return;

    e.TauwassergrenzeAusgenommen = d.Bedenklich ? 2 : d.Unbedenklich ? 1 : 0;
    e.Beschreibung = d.Kommentar;
    e.FeuchteErfuellt = 1;
    for (int f = 0; f < 5; ++f) {
        // A considerable condensate mass judged harmless does not count.
        if (f == 1 && e.TauwassergrenzeAusgenommen == 1) continue;
        if (e.Diffusion.Nachweisfehler[size_t(f)] != 0) e.FeuchteErfuellt = 0;
    }
    bauteil_->FeuchteBerechnen(0);
    ErgebnisseAnzeigen(0, 0, 0, 2);
    Geaendert = true;
    ProjektNeuBerechnen(2, 0);
}

void TemperaturverlaufZeigen(TRBauteil& bauteil, const TEinfachBauteil& e) {
    const char* titel = "Temperaturverlauf anzeigen";
    if (e.kWertVorgegeben)
        return hinweis("Kein Schichtaufbau!\n\n Keine weiteren Daten verfügbar!", titel);
    if (e.Schichten.IsEmpty()) return hinweis("Keine Bauteil - Schichten angelegt!", titel);
    double dicke = 0;
    for (const TSchicht& s : e.Schichten) dicke += s.Schichtdicke;
    if (!(dicke > 0)) return hinweis("Bauteildicke ist 0!", titel);
    if (bauteil.Klima.ThetaI == bauteil.Klima.ThetaE)
        return hinweis("Innen - und Außentemperaturen sind gleich.\n"
                       "Korrigieren Sie bitte die Eingaben!",
                       "Klimadaten fehlerhaft");

    auto* client = Korpus().Client;
    if (!client) return;
    if (TDiagrammWindow* offen =
            DiagrammSuchen(client->Ansichten.TempDiagramme, bauteil, e.Nummer)) {
        offen->BringWindowToTop();
        return;
    }
    const std::string projekt = projektname(bauteil);
    auto* w = new BauteilTempAnsicht(*client, "Temperaturverlauf in Bauteil " + bauteil.Name,
                                     projekt.c_str(), &bauteil, e.Nummer);
    if (AnsichtZeigen(w, w->Maximiert())) client->Ansichten.TempDiagramme.push_back(w);
}

void GlaserDiagrammZeigen(TRBauteil& bauteil, TEinfachBauteil& e, GlaserHinweise hinweise,
                          const std::function<void()>& tauwasserBeurteilen) {
    const char* titel = "Glaser - Diagramm anzeigen";
    if (e.kWertVorgegeben)
        return hinweis("Kein Schichtaufbau!\n\n Keine weiteren Daten verfügbar!", titel);
    if (e.Schichten.IsEmpty()) return hinweis("Keine Bauteil - Schichten angelegt!", titel);
    if (!(e.sd_Summe > 0)) return hinweis("Äquivalente Luftschichtdicke ist 0!", titel);
    for (const TSchicht& s : e.Schichten)
        if (s.Schluessel.IsSystemBaustoff() && s.Schluessel.Gruppe != 9)
            return hinweis("Inhomogene Schicht im Bauteil! Keine Diffusionsberechnung möglich!",
                           titel);

    if (hinweise == GlaserHinweise::Projekt || !e.FeuchteErfuellt) {
        const auto& f = e.Diffusion.Nachweisfehler;
        if (f[0])
            hinweis("Verdunstungsmenge ist kleiner als Tauwassermenge!\n Das Bauteil ist nicht "
                    "unbedenklich in Bezug auf Feuchte!",
                    "Glaser-Diagramm");
        if (f[1] && hinweise == GlaserHinweise::Editor) {
            if (e.TauwassergrenzeAusgenommen == 0 && tauwasserBeurteilen) tauwasserBeurteilen();
        } else if (f[1]) {
            if (const std::string text = tauwasserText(e); !text.empty())
                hinweis(text.c_str(), "Glaser-Diagramm");
        }
        if (f[4])
            hinweis("Tauwasserausfall an der Innenoberfläche des Bauteils!", "Glaser-Diagramm");
        if (f[2]) hinweis(glaser::kVerdunstungAbgebrochen, "Glaser-Diagramm");
    }
    if (e.TauwasserInVerdunstungsperiode)
        MessageBox(bauteil.Feuchteoption
                       ? "Tauwasserausfall in der Verdunstungsperiode: Rechnerisch "
                         "berücksichtigt!\n(In Widerspruch zur DIN 4108 Teil 5, 11.2.3)"
                       : "Tauwasserausfall in der Verdunstungsperiode: Rechnerisch nicht "
                         "berücksichtigt!\n(nach DIN 4108 Teil 5, 11.2.3)",
                   "Glaser-Diagramm", MB_OK | MB_ICONINFORMATION);

    auto* client = Korpus().Client;
    if (!client) return;
    if (TDiagrammWindow* offen =
            DiagrammSuchen(client->Ansichten.GlaserDiagramme, bauteil, e.Nummer)) {
        offen->BringWindowToTop();
        return;
    }
    const std::string projekt = projektname(bauteil);
    auto* w = new BauteilGlaserAnsicht(*client, " Glaser-Diagramm: Bauteil " + bauteil.Name,
                                       projekt.c_str(), &bauteil, e.Nummer);
    if (AnsichtZeigen(w, w->Maximiert())) client->Ansichten.GlaserDiagramme.push_back(w);
}

void TBauteilDialog::TemperaturverlaufAnzeigen() {
    if (bereich_) TemperaturverlaufZeigen(*bauteil_, *bereich_);
}

void TBauteilDialog::GlaserDiagrammAnzeigen() {
    if (bereich_)
        GlaserDiagrammZeigen(*bauteil_, *bereich_, GlaserHinweise::Editor,
                             [this] { TauwasserBeurteilen(); });
}
