// The window editor's field handlers and commands: typed values go at once
// into the type or the current placed window, the glass-and-frame derivation
// of k_F, the area, glass porch and further-data dialogs, and taking a
// catalogue window over.
#include "korvalin/bauteil/BauteilAnsichten.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/FensterFelder.h"
#include "korvalin/bauteil/FlaechenRechner.h"
#include "korvalin/bauteil/TFensterBearbeitenDialog.h"
#include "korvalin/bauteil/TFensterHerstellerDialog.h"
#include "korvalin/bauteil/TFensterWindow.h"
#include "korvalin/bauteil/TGlasvorbauDialog.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/Edit.h"
#include "stammwerk/modell/TProjekt.h"

void TFensterBearbeitenDialog::geaendert(bool liste) {
    if (ImAufbau || ImAktualisieren || !AutoBerechnung) return;
    Geaendert = true;
    FensterNeuBerechnen(2, 1);
    if (liste && AktuellesProjektfenster) ProjektfensterListeFuellen();
}

void TFensterBearbeitenDialog::FeldGeaendert(int id) {
    TPFenster* f = AktuellesProjektfenster;
    TRFenster& t = *bearbeitet_;
    switch (id) {
    case IDC_ORIENTIERUNG: {
        const int i = Item<TComboBox>(IDC_ORIENTIERUNG)->GetSelIndex();
        if (!f || i < 0) return;
        f->Orientierung = uint16_t(i);
        f->Neigung = NeigungZurOrientierung(i, f->Neigung);
        setzen(IDC_NEIGUNG, Zahl(1, f->Neigung));
        break;
    }
    case IDC_NEIGUNG: {
        if (!f) return;
        f->Neigung = zahl(id);
        const TProjekt* p = Projekt();
        const TFassade* fassade =
            p ? const_cast<TProjekt*>(p)->FassadeNr(f->FassadenNummer) : nullptr;
        const int o = OrientierungZurNeigung(f->Neigung, f->Orientierung,
                                             fassade ? fassade->Orientierung : 2);
        if (o != f->Orientierung) {
            f->Orientierung = uint16_t(o);
            Item<TComboBox>(IDC_ORIENTIERUNG)->SetSelIndex(o);
        }
        break;
    }
    case IDC_VERSCHATTUNG:
        if (!f) return;
        f->Verschattung = zahl(id) * 0.01;
        break;
    case IDC_Z_FEST:
        if (!f) return;
        f->z_fest = zahl(id);
        break;
    case IDC_Z_BEWEGLICH:
        if (!f) return;
        f->z_bew = zahl(id);
        break;
    case IDC_KF:
        t.k_F = zahl(id);
        break;
    case IDC_G:
        t.g = zahl(id);
        break;
    case IDC_A:
        t.a = zahl(id);
        break;
    case IDC_RAHMENANTEIL:
        t.Rahmenanteil = zahl(id);
        break;
    default:
        return;
    }
    geaendert();
}

void TFensterBearbeitenDialog::HeizkoerperGeaendert() {
    const bool vor = checked(IDC_HEIZKOERPER);
    if (!vor) check(IDC_ABDECKUNG, false);
    aktiv(IDC_ABDECKUNG, vor);
    if (ImAufbau || ImAktualisieren || !AktuellesProjektfenster) return;
    AktuellesProjektfenster->Heizkoerper = checked(IDC_ABDECKUNG) ? 2 : vor ? 1 : 0;
    Geaendert = true;
    FensterNeuBerechnen(2, 1);
}

void TFensterBearbeitenDialog::FensterNeuBerechnen(int wParam, int lParam) {
    TProjekt* p = Projekt();
    if (Projektmodus && p) {
        p->PFensterNeuBerechnen(bearbeitet_, 1, 1);
        p->UmfassungsflaecheBerechnen();
        p->WSchVO();
    }
    ProjektNeuBerechnen(uintptr_t(wParam), lParam);
}

void TFensterBearbeitenDialog::FlaecheEingeben() {
    TPFenster* f = AktuellesProjektfenster;
    if (!f) return;
    if (!FlaecheMitRechner(this, *f)) return;
    if (TProjekt* p = Projekt()) p->FlaecheBerechnen(f);
    geaendert();
}

void TFensterBearbeitenDialog::GlasvorbauEingeben() {
    TPFenster* f = AktuellesProjektfenster;
    if (!f) return;
    TGlasvorbauStruct daten = GlasvorbauDaten(f->Glasvorbau);
    TGlasvorbauDialog dlg(this, daten);
    if (dlg.Execute() != IDOK) return;
    f->Glasvorbau = GlasvorbauZustand(daten);
    geaendert();
}

void TFensterBearbeitenDialog::AusDateiEinfuegen() {
    if (!Projektmodus) return;
    TFensterSchluessel schluessel;
    if (!Editoren().FensterAuswaehlen(schluessel)) return;
    static const char* const dateien[3] = {"fnst_din.dat", "fnst_qtx.dat", "fnst_anw.dat"};
    const int quelle = int16_t(schluessel.Katalog);
    TRFenster gelesen;
    const int r = quelle >= 0 && quelle <= 2
                      ? gelesen.Oeffnen(schluessel, Korpus().Programmverzeichnis + dateien[quelle])
                      : 0;
    if (r != 1) {
        Warnung(r == -1 ? "Falsches Dateiformat!" : "Fenster nicht gefunden!", "Fenster ändern");
        return;
    }
    // The placements, the number and the name stay the project's.
    TypNummernKopieren(gelesen.PFensterListe, bearbeitet_->PFensterListe);
    gelesen.Nummer = bearbeitet_->Nummer;
    gelesen.Name = bearbeitet_->Name;
    // So does the description typed for it; a catalogue entry mostly has none.
    if (const std::string typed = text(IDC_BEZEICHNUNG); !typed.empty())
        Bezeichnung(gelesen) = typed;
    *bearbeitet_ = gelesen;
    ImAufbau = true;
    FensterdatenAnzeigen();
    ImAufbau = false;
    Geaendert = true;
    FensterNeuBerechnen(2, 1);
}

void TFensterBearbeitenDialog::WeitereFensterdaten() {
    TRFenster kopie(*bearbeitet_);
    TFensterHerstellerDialog dlg(this, kopie);
    if (dlg.Execute() != IDOK) return;
    *bearbeitet_ = kopie;
    if (ImAufbau || ImAktualisieren) return;
    Geaendert = true;
    FensterNeuBerechnen(2, 1);
}

void TFensterBearbeitenDialog::DatenblattZeigen() {
    if (bearbeitet_) FensterDatenblattZeigen(bearbeitet_);
}

// The glass-and-frame derivation of k_F ---------------------------------------------

void TFensterBearbeitenDialog::GlasRahmenUmschalten() {
    TRFenster& t = *bearbeitet_;
    AutoBerechnung = false;
    auto* gruppen = Item<TComboBox>(IDC_RAHMENGRUPPE);
    auto* zeilen = Item<TComboBox>(IDC_KV_LISTE);
    const bool an = checked(IDC_GLASRAHMEN);
    for (int id : {int(IDC_RAHMENGRUPPE), int(IDC_KV_LISTE), int(IDC_KR), int(IDC_KV), 9001, 9002,
                   9003, 9005, 9006, 9007, int(IDC_DIN)})
        aktiv(id, an);
    Item<TEdit>(IDC_KF)->SetReadOnly(an);
    if (!an) {
        GlasUndRahmen(t) = 0;
        gruppen->SetSelIndex(-1);
        zeilen->SetSelIndex(-1);
        setzen(IDC_KR, "");
        setzen(IDC_KV, "");
        check(IDC_DIN, false);
    } else {
        GlasUndRahmen(t) = 1;
        // A stored index outside the table selects nothing.
        zeilen->SetSelIndex(KVZeile(t) < KFTabelle::kZeilen ? int(KVZeile(t)) : -1);
        gruppen->SetSelIndex(Rahmengruppe(t) < KFTabelle::kSpalten ? int(Rahmengruppe(t)) : -1);
        setzen(IDC_KR, Zahl(2, k_R(t)));
        setzen(IDC_KV, Zahl(2, k_V(t)));
    }
    AutoBerechnung = true;
    DINUmschalten();
}

void TFensterBearbeitenDialog::DINUmschalten() {
    const bool din = checked(IDC_DIN);
    NachDIN(*bearbeitet_) = din ? 1 : 0;
    for (int id : {int(IDC_RAHMENGRUPPE), int(IDC_KV_LISTE), 9001}) zeigen(id, din);
    for (int id : {int(IDC_KR), int(IDC_KV), 9005, 9006}) zeigen(id, !din);
    // Without glass and frame values k_F is typed: nothing derives it.
    if (!checked(IDC_GLASRAHMEN)) return;
    if (din)
        KFWertAusTabelle();
    else
        KFWertBerechnen();
}

void TFensterBearbeitenDialog::KFWertAusTabelle() {
    if (ImAufbau) return;
    TRFenster& t = *bearbeitet_;
    const int zeile = Item<TComboBox>(IDC_KV_LISTE)->GetSelIndex();
    const int gruppe = Item<TComboBox>(IDC_RAHMENGRUPPE)->GetSelIndex();
    t.Rahmenanteil = zahl(IDC_RAHMENANTEIL);
    const auto kF = KFTabelle::Wert(zeile, gruppe, t.Rahmenanteil);
    if (!kF) return; // a list without a choice derives nothing
    const bool auto_ = AutoBerechnung;
    AutoBerechnung = false;
    Rahmengruppe(t) = uint16_t(gruppe);
    k_V(t) = *KFTabelle::Verglasung(zeile);
    t.k_F = *kF;
    setzen(IDC_KF, Zahl(2, t.k_F));
    AutoBerechnung = auto_;
    if (ImAktualisieren) return;
    Geaendert = true;
    FensterNeuBerechnen(2, 1);
    if (AktuellesProjektfenster) ProjektfensterListeFuellen();
}

void TFensterBearbeitenDialog::KFWertBerechnen() {
    if (ImAufbau) return;
    TRFenster& t = *bearbeitet_;
    // Without glass and frame values k_F stays as typed (it would become 0
    // from the emptied fields).
    if (!checked(IDC_GLASRAHMEN)) return;
    t.Rahmenanteil = zahl(IDC_RAHMENANTEIL);
    k_R(t) = zahl(IDC_KR);
    k_V(t) = zahl(IDC_KV);
    t.k_F = KFTabelle::Berechnet(t.Rahmenanteil, k_R(t), k_V(t));
    const bool auto_ = AutoBerechnung;
    AutoBerechnung = false;
    setzen(IDC_KF, Zahl(2, t.k_F));
    AutoBerechnung = auto_;
    geaendert();
}

void TFensterBearbeitenDialog::RahmenanteilGeaendert() {
    if (checked(IDC_GLASRAHMEN)) {
        if (checked(IDC_DIN))
            KFWertAusTabelle();
        else
            KFWertBerechnen();
    }
    geaendert(false);
}

void TFensterBearbeitenDialog::EinfachverglasungUmschalten() {
    TRFenster& t = *bearbeitet_;
    if (!checked(IDC_EINFACH)) {
        check(IDC_GROSSFLAECHIG, false);
        zeigen(IDC_GROSSFLAECHIG, false);
        t.Einfachverglasung = 0;
        Grossflaechig(t) = 0;
        geaendert();
        return;
    }
    t.Einfachverglasung = 1;
    zeigen(IDC_GROSSFLAECHIG, true);
    Grossflaechig(t) = checked(IDC_GROSSFLAECHIG) ? 1 : 0;
    if (!checked(IDC_GLASRAHMEN)) {
        // DIN 4108-4: single glazing, 5.2 W/(m²K).
        t.k_F = 5.2;
        setzen(IDC_KF, Zahl(2, t.k_F));
        geaendert();
    } else if (!checked(IDC_DIN)) {
        setzen(IDC_KV, Zahl(2, 5.8));
        KFWertBerechnen();
    } else {
        Item<TComboBox>(IDC_KV_LISTE)->SetSelIndex(0);
        KFWertAusTabelle();
    }
}
