// The two trees of the project dialog built from the current variant, and
// the look-ups between rows and model objects.
#include "hilfsmittel/Formatter.h"
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/projekt/TProjektDialog.h"
#include "korvalin/shell/TSftTree.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

constexpr TColor kFassadenGrund(0xFF, 0xFF, 0x7F); // COLORREF 0x7FFFFF
constexpr TColor kRot(0xFF, 0, 0);                 // COLORREF 255
constexpr int kHuellSpalten = 4;

// Through the program's formatter, like every number the user reads.
std::string flaeche(double wert) {
    return QTX_format("%3.2lf", wert);
}

const char* gruppenName(int gruppe) {
    if (gruppe == kFensterGruppe) return "Fenster";
    const int art = gruppe == 0 ? 0 : gruppe + 1;
    return art < 10 ? BauteilTypNamen[art] : "";
}

const char* typName(int art) {
    return art >= 0 && art < 10 ? BauteilTypNamen[art] : "";
}

// A negative area shows in red: the type column (as the program always did)
// and the area itself.
void rotWennNegativ(TSftTree* baum, int zeile, double wert, std::initializer_list<int> spalten) {
    if (wert >= 0) return;
    for (int s : spalten) {
        auto farben = baum->GetCellColors(zeile, s).value_or(TTreeCellColors{});
        farben.text = kRot;
        baum->SetCellColors(zeile, s, farben);
    }
}

} // namespace

void TProjektDialog::FassadenBaumAufbauen() {
    TProjekt* p = projekt();
    auto* baum = huellBaum_;
    const int oben = baum->GetTopItem();
    baum->DeleteAll();
    if (!p) return;
    struct Offen {
        int zeile;
        bool offen;
    };
    std::vector<Offen> zustand;
    for (const ::HuellZeile& z : HuellZeilen(*p)) {
        const int zeile = baum->InsertItem(-1, "");
        baum->SetLevel(zeile, z.Ebene);
        if (z.Ebene == 0) {
            const TFassade& f = *z.Fassade;
            baum->SetCellText(zeile, 0, f.Name);
            baum->SetCellText(zeile, 2, f.IstFassade ? "Fassade" : "Hüllfläche");
            baum->SetCellText(zeile, 3, flaeche(f.A_gesamt));
            for (int s = 0; s < kHuellSpalten; ++s)
                baum->SetCellColors(zeile, s, {kFassadenGrund, TColor::Black});
            rotWennNegativ(baum, zeile, f.A_gesamt, {2, 3});
            zustand.push_back({zeile, f.Merker7 != 0});
        } else if (z.Bauteil) {
            const TPBauteil& b = *z.Bauteil;
            const bool offen = b.Merker6 != 0;
            const double a = offen ? b.Nettoflaeche : b.Bruttoflaeche;
            baum->SetCellText(zeile, 0, b.Name);
            baum->SetCellText(zeile, 1, b.Zusatztext);
            baum->SetCellText(zeile, 2, b.RBauteil ? typName(b.RBauteil->Bauteilart) : "");
            baum->SetCellText(zeile, 3, flaeche(a));
            rotWennNegativ(baum, zeile, a, {3});
            zustand.push_back({zeile, offen});
        } else {
            const TPFenster& w = *z.Fenster;
            const bool offen = w.Merker15 != 0;
            const double a = offen ? w.Nettoflaeche : w.Bruttoflaeche;
            baum->SetCellText(zeile, 0, w.Name);
            baum->SetCellText(zeile, 1, w.Zusatztext);
            baum->SetCellText(zeile, 2, "Fenster");
            baum->SetCellText(zeile, 3, flaeche(a));
            rotWennNegativ(baum, zeile, a, {2, 3});
            zustand.push_back({zeile, offen});
        }
    }
    for (const Offen& o : zustand) baum->Expand(o.zeile, o.offen);
    FassadenBaumAuswahlSetzen();
    baum->SetTopItem(oben);
    baum->EnsureVisible(HuellZeile);
}

void TProjektDialog::BauteilBaumAufbauen() {
    TProjekt* p = projekt();
    auto* baum = bauteilBaum_;
    baum->DeleteAll();
    if (!p) return;
    for (const ReferenzZeile& z : ReferenzZeilen(*p)) {
        if (z.Gruppe >= 0) {
            const int zeile = baum->AddItem(gruppenName(z.Gruppe));
            baum->Expand(zeile, p->Projekteinstellungen[size_t(z.Gruppe)] != 0);
        } else {
            const int zeile = baum->AddItem(z.Bauteil ? z.Bauteil->Name : z.Fenster->Name);
            baum->SetLevel(zeile, 1);
        }
    }
    BauteilBaumAuswahlSetzen();
}

namespace {
// A row that vanished selects the one above.
int auswahlWiederherstellen(TSftTree* baum, int zeile) {
    baum->SetSelection(false, -1);
    if (zeile < 0) return zeile;
    while (zeile >= 0 && baum->SelectItem(zeile) == -1) --zeile;
    if (zeile >= 0) baum->SetCaret(zeile);
    return zeile;
}
} // namespace

void TProjektDialog::FassadenBaumAuswahlSetzen() {
    HuellZeile = auswahlWiederherstellen(huellBaum_, HuellZeile);
    // The chosen objects follow the row, so that none outlives its object.
    HuellAuswahlLesen(HuellZeile);
    SchaltflaechenAktualisieren();
}

void TProjektDialog::BauteilBaumAuswahlSetzen() {
    BauteilZeile = auswahlWiederherstellen(bauteilBaum_, BauteilZeile);
    BauteilAuswahlLesen();
    SchaltflaechenAktualisieren();
}

int TProjektDialog::HuellZeileSuchen(int nummer, int modus) {
    TProjekt* p = projekt();
    if (!p) return -1;
    const auto zeilen = HuellZeilen(*p);
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const ::HuellZeile& z = zeilen[i];
        const bool treffer = modus == Fassade ? z.Ebene == 0 && int16_t(z.Fassade->Nummer) == nummer
                             : modus == Bauteil ? z.Bauteil && int16_t(z.Bauteil->Nummer) == nummer
                                                : z.Fenster && int16_t(z.Fenster->Nummer) == nummer;
        if (treffer) return int(i);
    }
    return -1;
}

int TProjektDialog::BauteilZeileSuchen(int wert, int modus) {
    TProjekt* p = projekt();
    if (!p) return -1;
    const auto zeilen = ReferenzZeilen(*p);
    for (size_t i = 0; i < zeilen.size(); ++i) {
        const ReferenzZeile& z = zeilen[i];
        const bool treffer = modus == Fassade   ? z.Gruppe >= 0 && z.Gruppe == wert
                             : modus == Bauteil ? z.Bauteil && int16_t(z.Bauteil->Nummer) == wert
                                                : z.Fenster && int16_t(z.Fenster->Nummer) == wert;
        if (treffer) return int(i);
    }
    return -1;
}

int TProjektDialog::HuellAuswahlLesen(int zeile) {
    if (zeile == -1) zeile = huellBaum_->GetSelectedItem();
    AuswahlFassade = nullptr;
    AuswahlPBauteil = nullptr;
    AuswahlPFenster = nullptr;
    TProjekt* p = projekt();
    if (!p || zeile < 0) return zeile;
    const auto zeilen = HuellZeilen(*p);
    if (size_t(zeile) >= zeilen.size()) return zeile;
    const ::HuellZeile& z = zeilen[size_t(zeile)];
    if (z.Ebene == 0)
        AuswahlFassade = z.Fassade;
    else if (z.Bauteil)
        AuswahlPBauteil = z.Bauteil;
    else
        AuswahlPFenster = z.Fenster;
    return zeile;
}

int TProjektDialog::BauteilAuswahlLesen() {
    const int zeile = bauteilBaum_->GetSelectedItem();
    AuswahlRBauteil = nullptr;
    AuswahlRFenster = nullptr;
    AuswahlGruppe = -1;
    TProjekt* p = projekt();
    if (!p || zeile < 0) return zeile;
    const auto zeilen = ReferenzZeilen(*p);
    if (size_t(zeile) >= zeilen.size()) return zeile;
    const ReferenzZeile& z = zeilen[size_t(zeile)];
    AuswahlGruppe = z.Gruppe;
    AuswahlRBauteil = z.Bauteil;
    AuswahlRFenster = z.Fenster;
    return zeile;
}
