// The reference tree's commands: new, insert from a catalogue, change, copy
// and delete of component and window types.
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/projekt/TBauteilEinfuegenDialog.h"
#include "korvalin/projekt/TBauteilNameDialog.h"
#include "korvalin/projekt/TBauteilNeuDialog.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TProjekt.h"

#include <algorithm>

namespace {

constexpr uint32_t kHinweis = MB_OK | MB_ICONEXCLAMATION;
constexpr uint32_t kFrage = MB_OKCANCEL | MB_ICONEXCLAMATION;

const char* gruppenUeberschrift(int gruppe) {
    return BauteilTypNamen[gruppe == 0 ? 0 : gruppe + 1];
}

} // namespace

void TProjektDialog::ReferenzNeu() {
    TProjekt* p = projekt();
    if (!p) return;
    TBauteilNeuStruct daten;
    daten.Name = "unbenannt";
    daten.Fenster = AuswahlRFenster ? 1 : 0;
    daten.Bauteil = daten.Fenster ? 0 : 1;
    daten.Fassaden = fassadenListe();
    TBauteilNeuDialog dialog(this, daten);
    if (dialog.Execute() != IDOK) return;
    TFassade* ziel = daten.Sofort ? p->FassadeNr(daten.Fassaden.selIndex) : nullptr;
    if (daten.Fenster) {
        auto neu = std::make_unique<TRFenster>();
        neu->Name = Gekuerzt(daten.Name, kNamenLaenge);
        neu->Zusatzname = neu->Name;
        TRFenster& t = p->FensterNeu(std::move(neu));
        p->Projekteinstellungen[kFensterGruppe] = 1;
        BauteilZeile = BauteilZeileSuchen(kFensterGruppe, Fassade);
        BauteilBaumAufbauen();
        bauteilBaum_->SetTopItem(BauteilZeile);
        if (ziel) {
            TPFenster* pf = p->PFensterNeu(&t, ziel, 1);
            ziel->Merker7 = 1;
            HuellZeile = HuellZeileSuchen(int16_t(pf->Nummer), Fenster);
            FassadenBaumAufbauen();
            ErgebnisseAnzeigen();
        }
        geaendertMelden();
        Editoren().FensterEditor(t, nullptr, EditorAuftrag::Zeigen);
        return;
    }
    auto neu = std::make_unique<TRBauteil>();
    neu->Name = Gekuerzt(daten.Name, kNamenLaenge);
    neu->Klima = p->Klima;
    neu->Temperatur = p->Temperatur;
    TRBauteil& t = p->BauteilNeu(std::move(neu));
    const int gruppe = BauteilGruppe(t.Bauteilart);
    p->Projekteinstellungen[size_t(gruppe)] = 1;
    BauteilZeile = BauteilZeileSuchen(gruppe, Fassade);
    BauteilBaumAufbauen();
    bauteilBaum_->SetTopItem(BauteilZeile);
    t.WSchVO(p->Baumassnahme, p->NormaleInnentemperatur, p->KleinesWohngebaeude);
    if (ziel) {
        TPBauteil* pb = p->PBauteilNeu(&t, ziel, 1);
        ziel->Merker7 = 1;
        HuellZeile = HuellZeileSuchen(int16_t(pb->Nummer), Bauteil);
        FassadenBaumAufbauen();
        ErgebnisseAnzeigen();
    }
    geaendertMelden();
    Editoren().BauteilEditor(t, nullptr, EditorAuftrag::TypBearbeiten);
}

void TProjektDialog::AusDateiEinfuegen() {
    TProjekt* p = projekt();
    if (!p) return;
    TBauteilEinfuegenStruct daten;
    daten.Fenster = AuswahlRFenster ? 1 : 0;
    daten.Bauteil = daten.Fenster ? 0 : 1;
    daten.Fassaden = fassadenListe();
    TBauteilEinfuegenDialog dialog(this, daten);
    if (dialog.Execute() != IDOK) return;
    TFassade* ziel = daten.Sofort ? p->FassadeNr(daten.Fassaden.selIndex) : nullptr;
    std::vector<TBaustoffSchluessel> schluessel;
    if (daten.Fenster) {
        if (!Editoren().FensterWaehlen(schluessel)) return;
        for (const auto& s : schluessel)
            if (p->FensterEinfuegen(&s, Kataloge().Fenster(), ziel) != 1)
                MessageBox("Fehler in Fenster-Datei!\n  Fenster nicht gefunden!",
                           "Fenster einfügen", kHinweis);
    } else {
        if (!Editoren().BauteileWaehlen(schluessel)) return;
        for (const auto& s : schluessel)
            if (p->BauteilEinfuegen(&s, Kataloge().Bauteile(), ziel) != 1)
                MessageBox("Fehler in Bauteil-Datei!\n  Bauteil nicht gefunden!",
                           "Bauteil einfügen", kHinweis);
    }
    BauteilBaumAufbauen();
    if (ziel) {
        ziel->GroessenBerechnen(&p->PBauteile, &p->PFenster, p->Baumassnahme,
                                p->NormaleInnentemperatur, p->WestAnsatz, p->Zusatzpruefung,
                                p->Fugenkoeffizient_max);
        p->UmfassungsflaecheBerechnen();
        p->WSchVO();
        ziel->Merker7 = 1;
        HuellZeile = HuellZeileSuchen(int16_t(ziel->Nummer), Fassade);
        FassadenBaumAufbauen();
        ErgebnisseAnzeigen();
    }
    geaendertMelden();
}

void TProjektDialog::ReferenzAendern(bool meldenBeiUeberschrift) {
    if (AuswahlGruppe >= 0) {
        if (meldenBeiUeberschrift)
            MessageBox("Wählen Sie ein Bauteil bzw. ein Fenster aus!", "Bauteil ändern", kHinweis);
        return;
    }
    if (AuswahlRBauteil)
        Editoren().BauteilEditor(*AuswahlRBauteil, nullptr, EditorAuftrag::Zeigen);
    else if (AuswahlRFenster)
        Editoren().FensterEditor(*AuswahlRFenster, nullptr, EditorAuftrag::Zeigen);
}

void TProjektDialog::ReferenzKopieren() {
    TProjekt* p = projekt();
    if (!p || (!AuswahlRBauteil && !AuswahlRFenster)) return;
    std::string name = AuswahlRBauteil ? AuswahlRBauteil->Name : AuswahlRFenster->Name;
    TBauteilNameDialog dialog(this, name, "Name");
    if (dialog.Execute() != IDOK) return;
    int zeile;
    if (AuswahlRBauteil) {
        auto kopie = std::make_unique<TRBauteil>(*AuswahlRBauteil);
        kopie->PBauteilListe.Flush();
        kopie->Name = Gekuerzt(name, kNamenLaenge);
        const TRBauteil& t = p->BauteilNeu(std::move(kopie));
        zeile = BauteilZeileSuchen(int16_t(t.Nummer), Bauteil);
    } else {
        auto kopie = std::make_unique<TRFenster>(*AuswahlRFenster);
        kopie->PFensterListe.Flush();
        kopie->Name = Gekuerzt(name, kNamenLaenge);
        const TRFenster& t = p->FensterNeu(std::move(kopie));
        zeile = BauteilZeileSuchen(int16_t(t.Nummer), Fenster);
    }
    BauteilZeile = zeile;
    BauteilBaumAufbauen();
    bauteilBaum_->SetTopItem(std::max(0, zeile - 2));
    ProjektGeaendertSetzen(true);
}

void TProjektDialog::ReferenzLoeschen() {
    TProjekt* p = projekt();
    if (!p) return;
    // The numbers first: deleting changes the lists being walked.
    std::vector<int> bauteile, fenster;
    std::string frage, titel;
    const std::string q = "\"";
    if (AuswahlGruppe == kFensterGruppe) {
        for (const TRFenster& t : p->RFenster) fenster.push_back(t.Nummer);
        frage = "Alle Fenster werden gelöscht!\nAlle Fenster-Daten gehen verloren!";
        titel = "Fenster löschen";
    } else if (AuswahlGruppe >= 0) {
        for (const TRBauteil& t : p->RBauteile)
            if (BauteilGruppe(t.Bauteilart) == AuswahlGruppe) bauteile.push_back(t.Nummer);
        frage = "Alle Bauteile des Typs " + q + gruppenUeberschrift(AuswahlGruppe) + q +
                " werden gelöscht.\nAlle zugehörigen Daten gehen verloren!";
        titel = "Bauteile löschen";
    } else if (AuswahlRBauteil) {
        bauteile.push_back(AuswahlRBauteil->Nummer);
        frage = "Bauteil-Daten gehen verloren! \n Bauteil " + q + AuswahlRBauteil->Name + q +
                " sowie abhängige Bauteile werden aus " + p->Name + " gelöscht!";
        titel = "Projekt-Bauteil löschen";
    } else if (AuswahlRFenster) {
        fenster.push_back(AuswahlRFenster->Nummer);
        frage = "Fenster-Daten gehen verloren! \n Fenster " + q + AuswahlRFenster->Name + q +
                " sowie abhängige Fenster werden aus " + p->Name + " gelöscht!";
        titel = "Projekt-Bauteil löschen";
    } else {
        return;
    }
    // A cancelled deletion leaves the project as it was, unmarked.
    if (MessageBox(frage, titel, kFrage) != IDOK) return;
    NachweisAnsichtenSchliessen();
    for (int n : bauteile)
        if (const TRBauteil* t = p->RBauteilNr(n)) {
            typAnsichtenSchliessen(*t);
            p->RBauteilLoeschen(n);
        }
    for (int n : fenster)
        if (const TRFenster* t = p->RFensterNr(n)) {
            typAnsichtenSchliessen(*t);
            p->RFensterLoeschen(n);
        }
    const int oben = bauteilBaum_->GetTopItem();
    BauteilBaumAufbauen();
    bauteilBaum_->SetTopItem(oben);
    FassadenBaumAufbauen();
    p->UmfassungsflaecheBerechnen();
    p->WSchVO();
    ErgebnisseAnzeigen();
    geaendertMelden();
}
