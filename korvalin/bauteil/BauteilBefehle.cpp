// The component editor's commands on the whole type: its kind, its area
// ranges, a direct U-value, the area of a placed component, storing in the
// user catalogues and the layer optimisation.
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FlaechenRechner.h"
#include "korvalin/bauteil/TBTOptimierungDialog.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilFlaechenBereicheDialog.h"
#include "korvalin/bauteil/TBauteilTypDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/projekt/TFlaechenVolumenDialog.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/Speicherplatz.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/ComboBox.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TProjekt.h"

#include <optional>

void TBauteilDialog::BauteilTypBearbeiten() {
    const int index = bereich_ ? bereich_->Nummer : 0;
    const int zeile = AusgewaehlteZeile();
    TRBauteil kopie(*bauteil_);
    TBauteilTypDialog dlg(this, &kopie, Projektmodus ? projekt() : nullptr);
    if (dlg.Execute() != IDOK) return;
    TProjekt* p = projekt();
    if (Projektmodus && p)
        p->BauteilUebernehmen(kopie);
    else
        *bauteil_ = kopie;
    BereichSetzen(index);
    ErgebnisseAnzeigen(1, 1, 0, 2);
    SchichtTabelleFuellen();
    ZeileWaehlen(zeile);
    SchaltflaechenAktualisieren();
    ProjektNeuBerechnen(1, 0);
    Geaendert = true;
}

void TBauteilDialog::BereicheBearbeiten() {
    TBauteilFlaechenBereicheDialog dlg(this, bauteil_);
    for (const TEinfachBauteil& e : bauteil_->Flaechenanteile)
        dlg.Bereiche.push_back(std::make_unique<TEinfachBauteil>(e));
    dlg.AktuellerBereich = bereich_ ? bereich_->Nummer : -1;
    if (dlg.Execute() != IDOK || !dlg.Geaendert) return;
    Korpus().BauteilDatenGeaendert = true;
    Geaendert = true;
    TRBauteil& t = *bauteil_;
    t.Flaechenanteile.Flush();
    bereich_ = nullptr;
    TProjekt* p = Projektmodus ? projekt() : nullptr;
    const int normal = p ? p->NormaleInnentemperatur : 1;
    for (const auto& e : dlg.Bereiche) {
        auto neu = std::make_unique<TEinfachBauteil>(*e);
        neu->k_wertBerechnen(t.Rsi, t.Rse, t.Bauteilart, t.Angrenzung, normal, t.DINTab2Anwendbar,
                             t.Umkehrdach != 0);
        t.Flaechenanteile.Add(std::move(neu));
    }
    bereichsListeFuellen();
    if (!t.Flaechenanteile.IsEmpty()) {
        BereichSetzen(std::max(0, dlg.AktuellerBereich));
        if (!bereich_) BereichSetzen(0);
        Item<TComboBox>(IDC_BEREICH)->SetSelIndex(bereich_->Nummer);
    }
    ProjektNeuBerechnen(1, 0);
    ErgebnisseAnzeigen(1, 1, 0, 1);
    SchichtTabelleFuellen();
    SchaltflaechenAktualisieren();
}

void TBauteilDialog::KWertEingeben() {
    if (!bereich_) return;
    if (!kWertDialog()) return;
    bereich_->kWertVorgegeben = 1;
    // The direct U-value is a change of the type like any other.
    Geaendert = true;
    modusSteuerungen(true);
    ProjektNeuBerechnen(2, 0);
    ErgebnisseAnzeigen(1, 1, 0, 1);
    SchichtTabelleFuellen();
}

void TBauteilDialog::FlaecheEingeben() {
    if (!PBauteil) return;
    TPBauteil& b = *PBauteil;
    if (!FlaecheMitRechner(this, b)) return;
    if (TProjekt* p = projekt()) p->FlaecheBerechnen(&b);
    ErgebnisseAnzeigen(1, 0, 1, 0);
    ProjektNeuBerechnen(2, 0);
    Geaendert = true;
}

void TBauteilDialog::projektbauteilAktiviert(bool klick) {
    if (klick && projektbauteile_->GetLastClickedColumn() != 3) return;
    FlaecheEingeben();
}

void TBauteilDialog::BauteilInDateiSpeichern() {
    auto kopie = std::make_unique<TRBauteil>(*bauteil_);
    std::string vorgabe = kopie->Name;
    std::optional<std::string> name;
    // A component without a name cannot be found again in the catalogue.
    while ((name = Input().InputBox("Bauteil in Bauteil-Datei speichern", "Bauteilname", vorgabe,
                                    TRBauteil::kNameWidth - 1)) &&
           name->find_first_not_of(' ') == std::string::npos) {
        MessageBox("Geben Sie einen Namen ein!", "Eingabe-Prüfung", MB_OK | MB_ICONEXCLAMATION);
        vorgabe = *name;
    }
    if (!name) return;
    kopie->Name = Abschneiden(*name, TRBauteil::kNameWidth);
    if (!PruefeSpeicherplatz(kopie->Speicherbedarf() + 512, "Bauteil einfügen")) return;
    kopie->Schluessel.Katalog = 2;
    kopie->Schluessel.Gruppe = KatalogGruppe(kopie->Bauteilart);
    kopie->Schluessel.Untergruppe = 0;
    kopie->Schluessel.Position = 0;
    kopie->Nummer = TRBauteil::KeineNummer;
    kopie->PBauteilListe.Flush();
    TBauteilDatei* katalog = Kataloge().Bauteile();
    if (!katalog || !katalog->Einfuegen(kopie)) {
        KatalogFehler(FehlerVon(katalog), "Bauteil konnte nicht gespeichert werden!",
                      "Bauteil in Datei speichern", "Fehler! ");
        return;
    }
    Warnung("Bauteil wurde in die Anwender-Datei gespeichert!", "Bauteil in Datei speichern");
}

void TBauteilDialog::BaustoffInDateiSpeichern() {
    const int r = AusgewaehlteZeile();
    const TSchicht* s = bereich_ && r >= 1 ? bereich_->SchichtNr(r - 1) : nullptr;
    TBaustoffDatei* katalog = Kataloge().Baustoffe();
    if (!s) return;
    auto b = std::make_unique<TBaustoff>(static_cast<const TBaustoff&>(*s));
    b->Schluessel.Katalog = 2;
    b->Schluessel.Untergruppe = 0;
    b->Schluessel.Position = uint16_t(katalog ? katalog->Baustoffe().GetItemsInContainer() : 0);
    if (katalog && katalog->Einfuegen(b)) {
        Warnung("Baustoff wurde in Anwender-Datei gespeichert!", "Baustoff speichern");
        return;
    }
    KatalogFehler(FehlerVon(katalog), "Baustoff konnte nicht gespeichert werden!",
                  "Baustoff speichern", "Fehler! ");
}

void TBauteilDialog::SchichtOptimierenBefehl() {
    const int r = AusgewaehlteZeile();
    if (!bereich_ || r < 1 || r > anzahlSchichten()) return;
    TBauteilOptimierungStruct d;
    for (const TSchicht& s : bereich_->Schichten) d.Schicht.strings.push_back(s.Name);
    d.Schicht.selIndex = r - 1;
    d.KWert = Zahl(3, bereich_->k_Wert);
    d.Name = "Optimiert: " + Abschneiden(bauteil_->Name, 19);
    TProjekt* p = projekt();
    TBTOptimierungDialog dlg(this, d, Projektmodus && p);
    if (dlg.Execute() != IDOK) return;
    const int schicht = std::max(0, d.Schicht.selIndex);
    const short was = d.Lambda ? 1 : 0;
    const double u = DezimalLesen(d.KWert);
    const short ziel = d.ZielEcke ? 1 : d.ZielOberflaeche ? 2 : 0;
    if (!d.AlsKopie || !Projektmodus || !p) {
        bereich_->SchichtOptimieren(schicht, was, u, ziel, bauteil_->Rsi, bauteil_->Rse);
        ErgebnisseAnzeigen(1, 1, 0, 1);
        SchichtTabelleFuellen();
        ZeileWaehlen(schicht + 1);
        SchaltflaechenAktualisieren();
        Geaendert = true;
        ProjektNeuBerechnen(1, 0);
        return;
    }
    auto kopie = std::make_unique<TRBauteil>(*bauteil_);
    kopie->PBauteilListe.Flush();
    kopie->Name = Abschneiden(d.Name, TRBauteil::kNameWidth);
    TRBauteil& neu = p->BauteilNeu(std::move(kopie));
    ProjektGeaendertSetzen(true);
    for (TEinfachBauteil& e : neu.Flaechenanteile)
        if (bereich_ && e.Nummer == bereich_->Nummer)
            e.SchichtOptimieren(schicht, was, u, ziel, neu.Rsi, neu.Rse);
    if (auto* c = Korpus().Client)
        if (auto* editor = BauteilEditorOeffnen(*c, &neu, 0, nullptr, true)) {
            // Its table was filled before the results were computed anew.
            editor->ErgebnisseAnzeigen(1, 1, 0, 1);
            editor->SchichtTabelleFuellen();
            editor->ZeileWaehlen(schicht + 1);
            editor->SchaltflaechenAktualisieren();
        }
    ProjektNeuBerechnen(1, 0);
}
