// The envelope tree's commands: new, change, copy and delete of areas and
// placed items, and the envelope data sheet.
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/projekt/TBauteilFassadenZuordnenDialog.h"
#include "korvalin/projekt/TFassadenWerteDialog.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/AusstehendeBefehle.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TProjekt.h"

#include <cstdio>
#include <cstdlib>

namespace {

constexpr uint32_t kHinweis = MB_OK | MB_ICONEXCLAMATION;
constexpr uint32_t kFrage = MB_OKCANCEL | MB_ICONEXCLAMATION;
const char* const kRichtungen[] = {"Nord", "Süd", "West", "Ost", "Horizontal"};

// Edits take numbers with a decimal point, as the program's dialogs always did.
std::string zahl(double wert) {
    char text[64];
    std::snprintf(text, sizeof text, "%3.2lf", wert);
    return text;
}

double lesen(const std::string& text) {
    return std::strtod(text.c_str(), nullptr);
}

std::string inAnfuehrung(const std::string& name) {
    return "\"" + name + "\"";
}

} // namespace

void TProjektDialog::geaendertMelden() {
    ProjektGeaendertSetzen(true);
    ProjektNeuBerechnen(2, 0);
}

void TProjektDialog::huelleGeaendert() {
    FassadenBaumAufbauen();
    ErgebnisseAnzeigen();
    geaendertMelden();
}

TComboBoxData TProjektDialog::fassadenListe() const {
    TComboBoxData daten;
    const TProjekt* p = projekt();
    if (!p) return daten;
    for (const TFassade& f : p->Fassaden) daten.strings.push_back(f.Name);
    // Nothing chosen: the first area, so that "at once" has a place.
    const TFassade* f = gewaehlteFassade();
    daten.selIndex = f ? int16_t(f->Nummer) : (daten.strings.empty() ? -1 : 0);
    if (daten.selIndex >= 0 && size_t(daten.selIndex) < daten.strings.size())
        daten.selection = daten.strings[size_t(daten.selIndex)];
    return daten;
}

TFassade* TProjektDialog::gewaehlteFassade() const {
    TProjekt* p = projekt();
    if (!p) return nullptr;
    if (AuswahlFassade) return AuswahlFassade;
    if (AuswahlPBauteil) return p->FassadeNr(AuswahlPBauteil->FassadenNummer);
    if (AuswahlPFenster) return p->FassadeNr(AuswahlPFenster->FassadenNummer);
    return nullptr;
}

void TProjektDialog::platzierungAnsichtenSchliessen(TTypNummer ref) {
    TProjekt* p = projekt();
    if (!p) return;
    const TTypNummerListe* einbauten = nullptr;
    if (ref.Typ == TTypNummer::Fenster) {
        TPFenster* f = p->PFensterNr(ref.Nummer);
        if (!f) return;
        AnsichtenSchliessen(f);
        einbauten = &f->Einbauten;
    } else {
        TPBauteil* b = p->PBauteilNr(ref.Nummer);
        if (!b) return;
        AnsichtenSchliessen(b);
        einbauten = &b->Einbauten;
    }
    // Deleting an item deletes what is inserted into it (one level deep).
    for (const TTypNummer& e : *einbauten) {
        if (e.Typ == TTypNummer::Fenster)
            AnsichtenSchliessen(p->PFensterNr(e.Nummer));
        else
            AnsichtenSchliessen(p->PBauteilNr(e.Nummer));
    }
}

void TProjektDialog::typAnsichtenSchliessen(const TRBauteil& t) {
    AnsichtenSchliessen(&t);
    for (const TEinfachBauteil& bereich : t.Flaechenanteile) AnsichtenSchliessen(&bereich);
    for (const TTypNummer& r : t.PBauteilListe) platzierungAnsichtenSchliessen(r);
}

void TProjektDialog::typAnsichtenSchliessen(const TRFenster& t) {
    AnsichtenSchliessen(&t);
    for (const TTypNummer& r : t.PFensterListe) platzierungAnsichtenSchliessen(r);
}

bool TProjektDialog::FassadeBearbeiten(TFassade& f) {
    TProjekt* p = projekt();
    if (!p) return false;
    TFassadenWerteStruct daten;
    daten.Name = f.Name;
    daten.Fassade = f.IstFassade ? 1 : 0;
    daten.Orientierung.strings.assign(std::begin(kRichtungen), std::end(kRichtungen));
    daten.Orientierung.selIndex = f.Orientierung < 5 ? int(f.Orientierung) : -1;
    daten.Verschattung = zahl(f.Verschattung_Vorgabe * 100);
    daten.Neigung = zahl(f.Neigung_Vorgabe);
    daten.zFest = zahl(f.z_fest_Vorgabe);
    daten.zBeweglich = zahl(f.z_bew_Vorgabe);
    TFassadenWerteDialog dialog(this, daten, f, *p);
    const bool ok = dialog.Execute() == IDOK;
    if (dialog.FensterGeaendert()) {
        // The windows keep the new values also when the dialog is cancelled.
        for (const TTypNummer& e : f.Elemente)
            if (e.Typ == TTypNummer::Fenster) p->FlaecheBerechnen(p->PFensterNr(e.Nummer));
        geaendertMelden();
    }
    if (!ok) return false;
    f.Name = daten.Name;
    f.IstFassade = daten.Fassade;
    if (daten.Orientierung.selIndex >= 0) f.Orientierung = uint16_t(daten.Orientierung.selIndex);
    f.Verschattung_Vorgabe = lesen(daten.Verschattung) * 0.01;
    f.Neigung_Vorgabe = lesen(daten.Neigung);
    f.z_fest_Vorgabe = lesen(daten.zFest);
    f.z_bew_Vorgabe = lesen(daten.zBeweglich);
    ProjektGeaendertSetzen(true);
    return true;
}

void TProjektDialog::FassadeNeu() {
    TProjekt* p = projekt();
    if (!p) return;
    const auto anzahl = p->Fassaden.GetItemsInContainer();
    auto f = std::make_unique<TFassade>();
    f->Nummer = uint16_t(anzahl);
    f->Name = "Hüllfläche " + std::to_string(anzahl + 1);
    if (!FassadeBearbeiten(*f)) return;
    TFassade& neu = p->Fassaden.Add(std::move(f));
    p->FassadeNummerInBauteileSetzen(&neu);
    HuellZeile = HuellZeileSuchen(int16_t(neu.Nummer), Fassade);
    FassadenBaumAufbauen();
    huellBaum_->SetTopItem(HuellZeile);
    neu.GroessenBerechnen(&p->PBauteile, &p->PFenster, p->Baumassnahme, p->NormaleInnentemperatur,
                          p->WestAnsatz, p->Zusatzpruefung, p->Fugenkoeffizient_max);
    p->WSchVO();
    ErgebnisseAnzeigen();
    geaendertMelden();
}

void TProjektDialog::HuellAendern(int spalte) {
    TProjekt* p = projekt();
    if (!p) return;
    if (spalte == 1) {
        if (AuswahlFassade) {
            MessageBox("Kurznamen können nur für Bauteile und Fenster, aber nicht für Hüllflächen "
                       "gesetzt werden!",
                       "Kurzname", kHinweis);
            return;
        }
        std::string* kurz = AuswahlPBauteil   ? &AuswahlPBauteil->Zusatztext
                            : AuswahlPFenster ? &AuswahlPFenster->Zusatztext
                                              : nullptr;
        if (!kurz) return;
        const auto text =
            Input().InputBox("Kurzname eingeben ", "Kurzname", *kurz, kKurznamenLaenge);
        if (!text) return;
        *kurz = Gekuerzt(*text, kKurznamenLaenge);
        huellBaum_->SetCellText(HuellZeile, 1, *kurz);
        geaendertMelden();
        return;
    }
    if (spalte == 2 && AuswahlPFenster) {
        MessageBox("Fenster-Typ läßt sich nicht ändern!", "Typ ändern", kHinweis);
        return;
    }
    if (spalte == 3 && AuswahlFassade) {
        MessageBox("Hüllfläche wird aus den zugeordneten Bauteilen errechnet!", "Fläche ändern",
                   kHinweis);
        return;
    }
    const auto auftrag = spalte == 2   ? EditorAuftrag::TypBearbeiten
                         : spalte == 3 ? EditorAuftrag::FlaecheEingeben
                                       : EditorAuftrag::Zeigen;
    if (AuswahlFassade) {
        TFassade* f = AuswahlFassade;
        if (!FassadeBearbeiten(*f)) return;
        FassadenBaumAufbauen();
        f->GroessenBerechnen(&p->PBauteile, &p->PFenster, p->Baumassnahme,
                             p->NormaleInnentemperatur, p->WestAnsatz, p->Zusatzpruefung,
                             p->Fugenkoeffizient_max);
        p->WSchVO();
        ErgebnisseAnzeigen();
        geaendertMelden();
    } else if (AuswahlPBauteil && AuswahlPBauteil->RBauteil) {
        Editoren().BauteilEditor(*AuswahlPBauteil->RBauteil, AuswahlPBauteil, auftrag);
    } else if (AuswahlPFenster && AuswahlPFenster->RFenster) {
        Editoren().FensterEditor(*AuswahlPFenster->RFenster, AuswahlPFenster, auftrag);
    }
}

void TProjektDialog::HuellKopieren() {
    TProjekt* p = projekt();
    if (!p) return;
    if (AuswahlFassade) {
        const auto name =
            Input().InputBox("Hüllfläche kopieren", "Name", AuswahlFassade->Name, kNamenLaenge);
        if (!name) return;
        TFassade* kopie = p->FassadeKopieren(AuswahlFassade);
        if (!kopie) return;
        kopie->Name = Gekuerzt(*name, kNamenLaenge);
        kopie->Merker7 = 1;
        HuellZeile = HuellZeileSuchen(int16_t(kopie->Nummer), Fassade);
        FassadenBaumAufbauen();
        ErgebnisseAnzeigen();
        geaendertMelden();
        return;
    }
    if (!AuswahlPBauteil && !AuswahlPFenster) return;
    TBauteilFassadenZuordnenStruct daten;
    daten.Name = AuswahlPBauteil ? AuswahlPBauteil->Name : AuswahlPFenster->Name;
    daten.Fassaden = fassadenListe();
    TBauteilFassadenZuordnenDialog dialog(this, daten);
    if (dialog.Execute() != IDOK) return;
    AufHuellflaecheKopieren(AuswahlPBauteil, AuswahlPFenster,
                            p->FassadeNr(daten.Fassaden.selIndex));
}

void TProjektDialog::HuellLoeschen() {
    TProjekt* p = projekt();
    if (!p) return;
    if (AuswahlFassade) {
        TFassade* f = AuswahlFassade;
        if (!f->Elemente.IsEmpty() &&
            MessageBox(inAnfuehrung(f->Name) +
                           " löschen? Die zugehörigen Projekt-Bauteile werden gelöscht!",
                       "Gebäudehüllfläche löschen", MB_YESNO | MB_ICONQUESTION) != IDYES)
            return;
        NachweisAnsichtenSchliessen();
        AnsichtenSchliessen(f);
        std::vector<TTypNummer> elemente;
        for (const TTypNummer& e : f->Elemente) elemente.push_back(e);
        for (const TTypNummer& e : elemente) platzierungAnsichtenSchliessen(e);
        const int n = int16_t(f->Nummer);
        p->FassadeLoeschen(f);
        if (n > 0) HuellZeile = HuellZeileSuchen(n - 1, Fassade);
        FassadenBaumAufbauen();
        huellBaum_->SetTopItem(HuellZeile);
        ErgebnisseAnzeigen();
        geaendertMelden();
        return;
    }
    const bool fenster = AuswahlPFenster != nullptr;
    if (!AuswahlPBauteil && !fenster) return;
    const std::string name = fenster ? AuswahlPFenster->Name : AuswahlPBauteil->Name;
    const std::string text = fenster ? "Fenster-Daten gehen verloren! \n Fenster "
                                     : "Bauteil-Daten gehen verloren! \n Projekt-Bauteil ";
    if (MessageBox(text + inAnfuehrung(name) + " wird aus " + p->Name + " gelöscht!",
                   fenster ? "Projekt-Fenster löschen" : "Projekt-Bauteil löschen", kFrage) != IDOK)
        return;
    const uint16_t fassade =
        fenster ? AuswahlPFenster->FassadenNummer : AuswahlPBauteil->FassadenNummer;
    const TTypNummer ref =
        fenster ? TProjekt::Referenz(*AuswahlPFenster) : TProjekt::Referenz(*AuswahlPBauteil);
    NachweisAnsichtenSchliessen();
    platzierungAnsichtenSchliessen(ref);
    if (fenster)
        p->PFensterLoeschen(ref.Nummer, 1);
    else
        p->PBauteilLoeschen(ref.Nummer, 1);
    HuellZeile = HuellZeileSuchen(int16_t(fassade), Fassade);
    FassadenBaumAufbauen();
    p->UmfassungsflaecheBerechnen();
    p->WSchVO();
    ErgebnisseAnzeigen();
    geaendertMelden();
}

void TProjektDialog::HuellDatenblatt() {
    // The client's command: the same test, the same window.
    if (auto* c = Korpus().Client) c->EvCommand(CM_HUELLFLAECHENDATEN, 0, 0);
}

void TProjektDialog::befehleEintragen() {
    auto& r = Responses();
    r.Command(105, [this] { FassadeNeu(); });
    r.Command(12000, [this] { FassadeNeu(); });
    for (int id : {12001, 12100}) r.Command(id, [this] { HuellAendern(0); });
    for (int id : {118, 12002, 12102}) r.Command(id, [this] { HuellKopieren(); });
    for (int id : {106, 12003, 12103}) r.Command(id, [this] { HuellLoeschen(); });
    r.Command(12004, [this] { HuellDatenblatt(); });
    r.Notify(IDC_HUELLBAUM, TN_CELLDBLCLICK,
             [this] { HuellAendern(huellBaum_->GetLastClickedColumn()); });
    r.Notify(IDC_HUELLBAUM, 0x2C, [this] { HuellAendern(0); });

    r.Command(107, [this] { ReferenzNeu(); });
    r.Command(12200, [this] { ReferenzNeu(); });
    for (int id : {103, 12201}) r.Command(id, [this] { AusDateiEinfuegen(); });
    r.Command(12202, [this] { ReferenzAendern(true); });
    r.Notify(IDC_BAUTEILBAUM, TN_CELLDBLCLICK, [this] { ReferenzAendern(true); });
    r.Notify(IDC_BAUTEILBAUM, 0x2C, [this] { ReferenzAendern(false); });
    for (int id : {104, 12203}) r.Command(id, [this] { ReferenzKopieren(); });
    for (int id : {109, 12204}) r.Command(id, [this] { ReferenzLoeschen(); });
    for (int id : {int(CM_IN_BAUTEILDATEI_SPEICHERN), 12207})
        r.Command(id, [this] { InDateiSpeichern(); });
    // The sheets of one component or window, from the menu and both trees' pop-ups.
    for (int id : {int(CM_BAUTEIL_FENSTERDATEN), 12104, 12208})
        r.Command(id, [this] { BauteilFensterDatenblatt(); });
    for (int id : {int(CM_TEMPERATURVERLAUF), 11844, 11846})
        r.Command(id, [this] { TemperaturVergleichsblatt(); });
    for (int id : {int(CM_PERIODISCH), 11842, 11843})
        r.Command(id, [this] { PeriodischesDatenblatt(); });
    r.Command(CM_TEMPERATURDIAGRAMM, [this] { TemperaturDiagrammAnzeigen(); });
    r.Command(CM_GLASERDIAGRAMM, [this] { GlaserDiagrammAnzeigen(); });
}
