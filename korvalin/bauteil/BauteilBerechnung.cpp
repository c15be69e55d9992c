// The component editor's recalculation, the checks before changes are
// accepted, closing with keeping or discarding the changes, and OK.
#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/BauteilDiagramme.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/Speicherplatz.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Button.h"
#include "platform/window/ComboBox.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TGesamtProjekt.h"

void TBauteilDialog::BauteilBerechnen(int feuchte, int huelle, int umfang) {
    // The proof settings of the model: building measure, normal interior
    // temperature, small residential building; a catalogue component is
    // computed as a new building at normal temperature.
    TProjekt* p = Projektmodus ? projekt() : nullptr;
    const int massnahme = p ? p->Baumassnahme : 0;
    const int normal = p ? p->NormaleInnentemperatur : 1;
    const int klein = p ? p->KleinesWohngebaeude : 0;
    TRBauteil& t = *bauteil_;
    if (umfang == 1 && bereich_)
        bereich_->Berechnungen(t.Klima, t.Temperatur, t.Rsi, t.Rse, t.Bauteilart, t.Angrenzung,
                               t.Umkehrdach != 0, normal, t.Feuchteoption, t.DINTab2Anwendbar,
                               feuchte);
    if (umfang == 2)
        t.QuerschnitteBerechnen(normal, feuchte);
    else if (feuchte)
        t.FeuchteBerechnen(0);
    t.WSchVO(massnahme, normal, klein);
    if (!p) return;
    p->PBauteileNeuBerechnen(&t);
    if (huelle) p->UmfassungsflaecheBerechnen();
    p->WSchVO();
}

int TBauteilDialog::AnforderungenPruefen() {
    TProjekt* p = projekt();
    if (!Projektmodus || !p) return 1;
    const TRBauteil& t = *bauteil_;
    auto frage = [](const std::string& text, const char* titel) {
        return Warnung(text, titel, MB_OKCANCEL) == IDOK;
    };
    if (p->Baumassnahme == 0 || p->Baumassnahme == 1) {
        if (t.FlaechenheizungStatus == 2 &&
            !frage("Der maximal zulässige k-Wert zur Außenseite bei Flächenheizungen von 0.35 "
                   "W/m²K wird von mindestens einem Flächenbereich überschritten!",
                   "Warnung Flächenheizung"))
            return 0;
        if (p->NachweisRolladenkasten && t.RolladenkastenStatus == 2 &&
            !frage("Der maximal zulässige k-Wert im Bereich von Rolladenkästen von 0.60 W/m²K"
                   " wird bei mindestens einem Rolladenkasten überschritten!",
                   "Warnung Rolladenkasten"))
            return 0;
    }
    if (p->Baumassnahme == 2 && t.BauteilverfahrenErfuellt == 0 &&
        !frage("Maximal zulässiger k-Wert : " + Zahl(2, t.k_max_Anl3) + " W/m²K." +
                   " Tatsächlicher k-Wert des Bauteils: " + Zahl(2, t.k_m) + " W/m²K." +
                   " Die Anforderungen der Wärmeschutzverordnung sind nicht erfüllt!",
               "Warnung Bauteilverfahren"))
        return 0;
    // Every considerable condensate mass not yet judged is judged now, with
    // its area range shown.
    const int n = int(bauteil_->Flaechenanteile.GetItemsInContainer());
    for (int i = 0; i < n; ++i) {
        const TEinfachBauteil& e = bauteil_->Flaechenanteile[size_t(i)];
        if (e.Diffusion.Nachweisfehler[1] == 0 || e.TauwassergrenzeAusgenommen != 0) continue;
        BereichSetzen(i);
        if (auto* liste = Item<TComboBox>(IDC_BEREICH)) liste->SetSelIndex(i);
        ErgebnisseAnzeigen(0, 0, 0, 1);
        SchichtTabelleFuellen();
        TauwasserBeurteilen();
    }
    return 1;
}

bool TBauteilDialog::katalogSchreiben(const char* titel) {
    if (!PruefeSpeicherplatz(bauteil_->Speicherbedarf(), "Bauteil ändern")) return false;
    TBauteilDatei* katalog = Kataloge().Bauteile();
    if (katalog && katalog->BauteilUebernehmen(bauteil_)) return true;
    Warnung("Zu viele Dateien geöffnet! Änderungen wurden nicht gespeichert!", titel);
    return false;
}

bool TBauteilDialog::uebernehmen() {
    if (!AnforderungenPruefen()) return false;
    if (Projektmodus) {
        ProjektGeaendertSetzen(true);
    } else if (!katalogSchreiben("Bauteil speichern")) {
        return false;
    }
    ProjektNeuBerechnen(1, 0);
    return true;
}

bool TBauteilDialog::verwerfen() {
    Korpus().BauteilDatenGeaendert = true;
    // Area ranges added while editing go: so do their diagram windows.
    const int alt = int(sicherung_->Flaechenanteile.GetItemsInContainer());
    for (int i = alt; i < int(bauteil_->Flaechenanteile.GetItemsInContainer()); ++i)
        BereichsDiagrammeSchliessen(*bauteil_, i);
    // The shown range goes with the restored ranges: keep only its number.
    const int bereichNummer = bereich_ ? bereich_->Nummer : 0;
    bereich_ = nullptr;
    TProjekt* p = projekt();
    sicherung_->PBauteilListe.Flush();
    for (const TTypNummer& n : bauteil_->PBauteilListe) sicherung_->PBauteilListe.Add(n);
    if (Projektmodus && p) {
        for (const TTypNummer& n : bauteil_->PBauteilListe) {
            TPBauteil* b = p->PBauteilNr(n.Nummer);
            if (!b) continue;
            for (auto& kopie : pSicherung_) {
                if (kopie->Nummer != b->Nummer) continue;
                // The links belong to the project as it is now.
                kopie->Traeger = b->Traeger;
                kopie->FassadenNummer = b->FassadenNummer;
                kopie->Einbauten.Flush();
                for (const TTypNummer& e : b->Einbauten) kopie->Einbauten.Add(e);
                TRBauteil* typ = b->RBauteil;
                *b = *kopie;
                b->RBauteil = typ;
                p->FlaecheBerechnen(b);
            }
        }
        p->BauteilUebernehmen(*sicherung_);
    } else {
        // The catalogue may have moved the entry meanwhile: it keeps its key.
        const TBauteilSchluessel schluessel = bauteil_->Schluessel;
        const uint16_t nummer = bauteil_->Nummer;
        *bauteil_ = *sicherung_;
        bauteil_->Schluessel = schluessel;
        bauteil_->Nummer = nummer;
    }
    const int n = int(bauteil_->Flaechenanteile.GetItemsInContainer());
    BereichSetzen(bereichNummer < n ? bereichNummer : 0);
    BauteilBerechnen(1, 1, 2);
    ProjektNeuBerechnen(1, 0);
    return true;
}

bool TBauteilDialog::CanClose() {
    if (!TDialog::CanClose()) return false;
    const auto& s = schichten_->GetColumns();
    for (size_t i = 0; i < SchichtBreiten.size() && i < s.size(); ++i)
        SchichtBreiten[i] = s[i].width;
    const auto& p = projektbauteile_->GetColumns();
    for (size_t i = 0; i < ProjektBreiten.size() && i < p.size(); ++i)
        ProjektBreiten[i] = p[i].width;
    TProfile("Einstellungen", "korpus.ini")
        .WriteString("BauteilWindowSp", ProfileMakeIntegers(SchichtBreiten));
    // The window leaves the list of editors once destroyed: another window may
    // still refuse and keep this one open.
    if (!Geaendert) return true;
    TProjekt* pr = projekt();
    const std::string frage =
        Projektmodus && pr ? "Bauteil " + bauteil_->Name + " wurde verändert. Änderungen in " +
                                 pr->Name + " übernehmen?"
                           : "Bauteil " + bauteil_->Name +
                                 " wurde verändert. Änderungen in Bauteil-Datei übernehmen?";
    const int antwort = MessageBox(frage, "Bauteil schließen", MB_YESNOCANCEL | MB_ICONQUESTION);
    if (antwort == IDYES) {
        if (!uebernehmen()) return false;
    } else if (antwort == IDNO) {
        verwerfen();
    } else {
        return false;
    }
    Geaendert = false;
    return true;
}

void TBauteilDialog::CmOk() {
    BauteilSpeichern();
}

void TBauteilDialog::BauteilSpeichern() {
    auto* ok = GetDlgItem(IDOK);
    if (ok && GetFocus() != ok->GetHandle()) {
        if (schichten_->IsEditing()) ZelleUebernehmen();
        schichten_->SetFocus();
        return;
    }
    if (!AnforderungenPruefen()) return;
    if (Projektmodus) {
        if (Geaendert) ProjektGeaendertSetzen(true);
    } else if (!katalogSchreiben("Bauteil speichern")) {
        return;
    }
    Geaendert = false;
    ProjektNeuBerechnen(0, 0);
    if (Fenster)
        Fenster->CloseWindow();
    else
        EndDialog(IDOK);
}
