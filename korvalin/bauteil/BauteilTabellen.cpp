// The component editor's layer table, result panel and assigned table.
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBauteilDialog.h"
#include "korvalin/bauteil/TBauteilWindow.h"
#include "korvalin/shell/TSftTree.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/RadioButton.h"
#include "platform/window/Static.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

constexpr TColor kSummenGrund(0xFF, 0xFF, 0x7F); // COLORREF 0x7FFFFF
constexpr TColor kGrau(0xC0, 0xC0, 0xC0);
constexpr int kSpalten = 12;
// Below this W_T the area range has no moisture result yet.
constexpr double kKeinErgebnis = -1999;

// Thickness in mm: fewer decimals as it grows.
std::string dicke(double d) {
    return Zahl(d >= 100 ? 0 : d >= 10 ? 1 : 2, d);
}

std::string sd(double s) {
    return Zahl(s >= 10 ? 0 : s >= 1 ? 1 : 2, s);
}

double widerstand(const TBaustoff& b) {
    return b.Lambda > 0.000001 ? 0.001 * b.Schichtdicke / b.Lambda
                               : 0.001 * b.Schichtdicke * 1000000;
}

void schichtZeileSchreiben(TSftTree* t, const TSchicht& s, int zeile, bool direkt, bool ergebnis) {
    t->SetCellText(zeile, 1, dicke(s.Schichtdicke));
    t->SetCellText(zeile, 2, Zahl(0, s.Rohdichte));
    t->SetCellText(zeile, 3, s.Flaechenmasse == -1 ? "-" : Zahl(0, s.Flaechenmasse));
    t->SetCellText(zeile, 4, Zahl(3, s.Lambda));
    t->SetCellText(zeile, 5, Zahl(3, widerstand(s)));
    if (s.Schluessel.IsSystemBaustoff()) {
        for (int c = 6; c < kSpalten; ++c) t->SetCellText(zeile, c, "-");
        return;
    }
    const bool sdDirekt = s.Kennzeichen != 0;
    t->SetCellText(zeile, 6, sdDirekt ? "-" : Zahl(0, s.Mu));
    t->SetCellText(zeile, 7, sdDirekt ? "-" : Zahl(0, s.Zusatzwert1));
    t->SetCellText(zeile, 8, sd(s.sdWert));
    t->SetCellText(zeile, 9, Zahl(0, s.Waermekapazitaet));
    t->SetCellText(zeile, 10, ergebnis ? Zahl(3, s.Tauwassermenge[0]) : "-");
    t->SetCellText(zeile, 11, ergebnis ? Zahl(3, s.Verdunstungsmenge) : "-");
    const TTreeCellColors grau{kGrau, TColor::Black}, weiss{TColor::White, TColor::Black};
    const bool minGrau = direkt || s.muZweiterWert;
    const bool maxGrau = direkt || !s.muZweiterWert;
    t->SetCellColors(zeile, 6, minGrau ? grau : weiss);
    t->SetCellColors(zeile, 7, maxGrau ? grau : weiss);
}

} // namespace

void SchichtTabelleSchreiben(TSftTree* t, const TRBauteil& bauteil, const TEinfachBauteil& e) {
    const bool ergebnis = e.Diffusion.Tauwassermenge >= kKeinErgebnis;
    int z = t->AddItem("Wärmeübergangswiderstand");
    t->SetMarkText(z, "Innen");
    t->SetCellText(z, 5, Zahl(3, bauteil.Rsi));
    for (const TSchicht& s : e.Schichten) {
        z = t->AddItem(s.Name);
        schichtZeileSchreiben(t, s, z, e.kWertVorgegeben != 0, ergebnis);
    }
    z = t->AddItem("Wärmeübergangswiderstand");
    t->SetMarkText(z, "Aussen");
    t->SetCellText(z, 5, Zahl(3, bauteil.Rse));
    z = t->AddItem("");
    t->SetMarkText(z, "Summe");
    t->SetCellText(z, 1, Zahl(0, e.Gesamtdicke));
    t->SetCellText(z, 3, Zahl(0, e.Flaechenmasse));
    t->SetCellText(z, 5, Zahl(3, e.k_Wert < 0.000001 ? 1000000 : 1 / e.k_Wert));
    t->SetCellText(z, 9, "-");
    if (ergebnis) {
        const double s = e.sd_Summe;
        t->SetCellText(z, 8, Zahl(s < 100 ? 2 : s < 1000 ? 1 : 0, s));
        t->SetCellText(z, 10, Zahl(3, e.Diffusion.Tauwassermenge));
        t->SetCellText(z, 11, Zahl(3, e.Diffusion.Verdunstungsmenge));
    } else {
        for (int c : {8, 10, 11}) t->SetCellText(z, c, "-");
    }
    for (int c = 0; c < kSpalten; ++c) t->SetCellColors(z, c, {kSummenGrund, TColor::Black});
}

void TBauteilDialog::SchichtTabelleFuellen() {
    auto* t = schichten_;
    if (!bereich_) {
        t->DeleteAll();
        if (Fenster) Fenster->SetCaption("Bauteil " + bauteil_->Name + ": kein Bereich");
        return;
    }
    const int oben = t->GetTopItem();
    const int auswahl = t->GetSelectedItem();
    t->DeleteAll();
    SchichtTabelleSchreiben(t, *bauteil_, *bereich_);
    const TEinfachBauteil& e = *bereich_;
    t->SetTopItem(oben);
    if (auswahl >= 0) t->SelectItem(std::min(auswahl, t->GetCount() - 1));

    const int n = e.AnzahlSchichten();
    Item<TCheckBox>(IDC_FLAECHENHEIZUNG)->EnableWindow(n > 0 && !e.kWertVorgegeben);
    auto* liste = Item<TComboBox>(IDC_HEIZSCHICHT);
    liste->ClearList();
    for (int i = 1; i <= n; ++i) liste->AddString(std::to_string(i));
    const bool war = Geaendert;
    fuellen_ = true;
    FlaechenheizungPruefen();
    fuellen_ = false;
    Geaendert = war;

    if (Fenster)
        Fenster->SetCaption(std::string(Projektmodus ? "Referenz-Bauteil " : "Datei-Bauteil ") +
                            bauteil_->Name + ": Bereich " + std::to_string(e.Nummer + 1) + " von " +
                            std::to_string(bauteil_->Flaechenanteile.GetItemsInContainer()));
}

void TBauteilDialog::ErgebnisseAnzeigen(int rechnen, int feuchte, int huelle, int umfang) {
    if (!IsCreated()) return;
    if (!bereich_) {
        Item<TStatic>(24)->SetText("");
        Item<TStatic>(20)->SetText("");
        return;
    }
    if (rechnen) BauteilBerechnen(feuchte, huelle, umfang);
    const TEinfachBauteil& e = *bereich_;
    Item<TStatic>(224)->SetText(Zahl(3, bauteil_->k_m));
    Item<TStatic>(24)->SetText(Zahl(3, e.k_Wert));
    const bool war = fuellen_;
    fuellen_ = true;
    auto zeigen = [this](std::initializer_list<int> ids, bool an) {
        for (int id : ids) GetDlgItem(id)->ShowWindow(an ? SW_SHOW : SW_HIDE);
    };
    auto* box = Item<TCheckBox>(IDC_FLAECHENHEIZUNG);
    auto* liste = Item<TComboBox>(IDC_HEIZSCHICHT);
    if (e.kWertVorgegeben) {
        Item<TRadioButton>(IDC_DIREKT)->SetCheck(BF_CHECKED);
        Item<TRadioButton>(IDC_SCHICHTAUFBAU)->SetCheck(BF_UNCHECKED);
        zeigen({23, 26, 201}, false);
        modusSteuerungen(true);
        box->SetCheck(e.Heizschicht >= 1 ? BF_CHECKED : BF_UNCHECKED);
    } else {
        const bool erheblich = e.Diffusion.Nachweisfehler[1] != 0;
        zeigen({23, 26, 201}, erheblich);
        if (erheblich) {
            static const char* const urteil[3] = {"Nicht geprüft", "Unbedenklich", "Bedenklich"};
            const int u = e.TauwassergrenzeAusgenommen;
            Item<TStatic>(26)->SetText(u >= 0 && u < 3 ? urteil[u] : urteil[0]);
        }
        Item<TRadioButton>(IDC_SCHICHTAUFBAU)->SetCheck(BF_CHECKED);
        Item<TRadioButton>(IDC_DIREKT)->SetCheck(BF_UNCHECKED);
        modusSteuerungen(false);
        if (e.Heizschicht < 1) {
            box->SetCheck(BF_UNCHECKED);
            liste->EnableWindow(false);
        } else {
            box->SetCheck(BF_CHECKED);
            liste->EnableWindow(true);
            liste->SetSelIndex(e.Heizschicht - 1);
        }
    }
    fuellen_ = war;
    ProjektbauteileAuflisten();
    if (bauteil_->Umkehrdach) {
        Item<TStatic>(20)->SetText("Umkehrdach");
        Item<TStatic>(221)->SetText("k-Wert (erhöht um " + Zahl(2, e.Delta_k) + ")");
    } else {
        Item<TStatic>(20)->SetText(BauteilGruppenName(bauteil_->Bauteilart));
        Item<TStatic>(221)->SetText("k-Wert");
    }
}

// Assigned table -------------------------------------------------------------------

void TBauteilDialog::ProjektbauteileZeigen() {
    projektbauteile_->ShowWindow(SW_SHOW);
    GetDlgItem(200)->ShowWindow(SW_SHOW);
    GetDlgItem(217)->ShowWindow(SW_HIDE);
}

void TBauteilDialog::ProjektbauteileVerbergen() {
    projektbauteile_->ShowWindow(SW_HIDE);
    GetDlgItem(200)->ShowWindow(SW_HIDE);
    GetDlgItem(217)->ShowWindow(SW_SHOW);
}

void TBauteilDialog::ProjektbauteileAuflisten() {
    auto* t = projektbauteile_;
    const int oben = t->GetTopItem();
    t->DeleteAll();
    TProjekt* p = projekt();
    if (!Projektmodus || !p) return;
    double flaeche = 0, qt = 0;
    for (const TTypNummer& n : bauteil_->PBauteilListe) {
        const TPBauteil* b = p->PBauteilNr(n.Nummer);
        if (!b) continue;
        const int z = t->AddItem(b->Name);
        t->SetCellText(z, 1, b->Zusatztext);
        const TFassade* f = p->FassadeNr(int16_t(b->FassadenNummer));
        t->SetCellText(z, 2, f ? f->Name : "");
        t->SetCellText(z, 3, Zahl(2, b->Nettoflaeche));
        t->SetCellText(z, 4, Zahl(0, b->Waermeverlust));
        flaeche += b->Nettoflaeche;
        qt += b->Waermeverlust;
    }
    const int z = t->AddItem("Summe");
    t->SetCellText(z, 3, Zahl(2, flaeche));
    t->SetCellText(z, 4, Zahl(0, qt));
    for (int c = 0; c < 5; ++c) t->SetCellColors(z, c, {kSummenGrund, TColor::Black});
    t->SetTopItem(oben);
    if (PBauteilIndex >= 0 && PBauteilIndex < t->GetCount()) {
        t->SelectItem(PBauteilIndex);
        t->EnsureVisible(PBauteilIndex);
    }
}

void TBauteilDialog::ProjektbauteileAktualisieren() {
    TProjekt* p = projekt();
    if (!Projektmodus || !p) return;
    bool zeigen = false, verbergen = false;
    auto erster = [&] {
        PBauteil = p->FirstPBauteil(bauteil_);
        PBauteilIndex = PBauteil ? 0 : -1;
        PBauteilNummer = PBauteil ? PBauteil->Nummer : -1;
    };
    if (PBauteil) {
        TPBauteil* b = p->PBauteilNr(PBauteilNummer);
        if (!b || b->RBauteilNummer != bauteil_->Nummer) {
            erster();
            verbergen = !PBauteil;
        } else {
            PBauteil = b;
            PBauteilIndex = bauteil_->GetIndexPBauteil(PBauteilNummer);
        }
    } else {
        erster();
        zeigen = PBauteil != nullptr;
    }
    if (PBauteil) {
        if (zeigen) ProjektbauteileZeigen();
        ProjektbauteileAuflisten();
        ProjektbauteilWaehlen();
    } else if (verbergen) {
        ProjektbauteileVerbergen();
    }
}

void TBauteilDialog::ProjektbauteilWaehlen() {
    TProjekt* p = projekt();
    auto* t = projektbauteile_;
    int z = t->GetSelectedItem();
    const int n = int(bauteil_->PBauteilListe.GetItemsInContainer());
    if (!p || z < 0 || n == 0) return;
    if (z >= n) {
        z = n - 1;
        t->SelectItem(z);
        t->EnsureVisible(z);
    }
    PBauteilIndex = z;
    PBauteil = p->PBauteilNr(bauteil_->PBauteilListe[size_t(z)].Nummer);
    PBauteilNummer = PBauteil ? PBauteil->Nummer : -1;
}
