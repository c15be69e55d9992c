#include "korvalin/projekt/TBTVergleichDialog.h"

#include "korvalin/bauteil/TBauteilInfoDialog.h"
#include "korvalin/datenblatt/Blattfenster.h"
#include "korvalin/projekt/BaumKnoepfe.h"
#include "korvalin/projekt/ProjektZeilen.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Application.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ComboBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TGesamtProjekt.h"

namespace {

using K = TControlKind;
using S = TBTVergleichDialog;

// Collapse all, expand all per side.
constexpr int kZu[2] = {515, 516};
constexpr int kAuf[2] = {511, 517};

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Vergleich Bauteile";
    r.size = {330, 222};
    r.controls = {
        {K::RadioButton, 113, "&Temperaturverlauf", {12, 6, 100, 16}, true},
        {K::RadioButton, 101, "&Glaserdiagramm", {104, 6, 190, 16}},
        {K::GroupBox, -1, "Projektvariante 1", {7, 20, 163, 196}},
        {K::ComboBox, 103, "", {12, 30, 158, 42}},
        {K::Custom, 118, "", {12, 46, 158, 176}},
        {K::Button, 515, "", {12, 180, 24, 192}},
        {K::Button, 511, "", {27, 180, 39, 192}},
        {K::Button, 104, "Info", {118, 180, 158, 192}},
        {K::GroupBox, -1, "Projektvariante 2", {167, 20, 323, 196}},
        {K::ComboBox, 106, "", {172, 30, 318, 42}},
        {K::Custom, 117, "", {172, 46, 318, 176}},
        {K::Button, 516, "", {172, 180, 184, 192}},
        {K::Button, 517, "", {187, 180, 199, 192}},
        {K::Button, 107, "Info", {278, 180, 318, 192}},
        {K::DefButton, IDOK, "OK", {7, 202, 57, 216}},
        {K::Button, IDCANCEL, "Abbrechen", {61, 202, 111, 216}},
        {K::Button, IDHELP, "&Hilfe", {115, 202, 165, 216}},
    };
    return r;
}

TProjekt* varianteNr(int index) {
    auto* g = Korpus().AktuellesProjekt;
    if (!g || index < 0 || size_t(index) >= g->Projekte.GetItemsInContainer()) return nullptr;
    return &g->Projekte[size_t(index)];
}

} // namespace

TBTVergleichDialog::TBTVergleichDialog(TWindow* parent)
    : TDialog(parent, ressource()), baeume_{new TSftTree(this, IDC_BAUM_LINKS),
                                            new TSftTree(this, IDC_BAUM_RECHTS)} {
    auto& r = Responses();
    r.Command(IDHELP, [] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1168); });
    r.Command(IDC_TEMPERATUR, [this] { Diagrammart = 0; });
    r.Command(IDC_GLASER, [this] { Diagrammart = 1; });
    for (TSeite s : {Links, Rechts}) {
        const int baum = baeume_[s]->GetId();
        r.Notify(s == Links ? IDC_VARIANTE_LINKS : IDC_VARIANTE_RECHTS, CBN_SELCHANGE,
                 [this, s] { VarianteGewaehlt(s); });
        r.Command(s == Links ? IDC_INFO_LINKS : IDC_INFO_RECHTS, [this, s] { CmInfo(s); });
        r.Command(kZu[s], [this, s] { alleZeilen(s, false); });
        r.Command(kAuf[s], [this, s] { alleZeilen(s, true); });
        r.Notify(baum, TN_EXPANDBUTTON, [this, s] { umschalten(s); });
        r.Notify(baum, TN_EXPANDKEY, [this, s] { umschalten(s); });
        r.Notify(baum, TN_SELCHANGE, [this, s] { AuswahlErmitteln(s); });
    }
}

void TBTVergleichDialog::SetupWindow() {
    TDialog::SetupWindow();
    BaumKnoepfeBebildern(
        *this, {{515, kBildAlleZu}, {511, kBildAlleAuf}, {516, kBildAlleZu}, {517, kBildAlleAuf}});
    if (auto* t = Item<TCheckBox>(IDC_TEMPERATUR)) t->SetCheck(Diagrammart == 0);
    if (auto* g = Item<TCheckBox>(IDC_GLASER)) g->SetCheck(Diagrammart != 0);
    for (TSeite s : {Links, Rechts}) {
        if (auto* liste = Item<TComboBox>(s == Links ? IDC_VARIANTE_LINKS : IDC_VARIANTE_RECHTS)) {
            if (auto* g = Korpus().AktuellesProjekt)
                for (const TProjekt& p : g->Projekte) liste->AddString(p.Name);
            liste->SetSelIndex(0);
        }
        seiten_[s].Variante = varianteNr(0);
        baeume_[s]->SetColumns(
            {{100, TTreeColumn::Left, "Bauteil / Bereich"}, {-1, TTreeColumn::Left, "Typ"}});
        baeume_[s]->SetBackgroundColor(TColor::White);
        BaumFuellen(s);
        baeume_[s]->FitColumns();
        alleZeilen(s, false);
    }
}

void TBTVergleichDialog::BaumFuellen(TSeite s) {
    TSftTree* baum = baeume_[s];
    baum->DeleteAll();
    if (const TProjekt* p = seiten_[s].Variante) {
        for (const TRBauteil& b : p->RBauteile) {
            const int z = baum->AddItem(b.Name);
            baum->SetCellText(z, 1, b.Bauteilart < 10 ? BauteilTypNamen[b.Bauteilart] : "");
            for (const TEinfachBauteil& e : b.Flaechenanteile)
                baum->SetLevel(baum->AddItem(e.Name), 1);
        }
    }
    baum->SelectItem(0);
    baum->EnsureVisible(0);
    AuswahlErmitteln(s);
}

void TBTVergleichDialog::AuswahlErmitteln(TSeite s) {
    Seite& seite = seiten_[s];
    seite.Bauteil = nullptr;
    seite.Bereich = nullptr;
    if (!seite.Variante) return;
    const int gewaehlt = baeume_[s]->GetSelectedItem();
    int zeile = 0;
    for (TRBauteil& b : seite.Variante->RBauteile) {
        if (zeile++ == gewaehlt) {
            seite.Bauteil = &b;
            if (!b.Flaechenanteile.IsEmpty()) seite.Bereich = &b.Flaechenanteile[0];
            return;
        }
        for (TEinfachBauteil& e : b.Flaechenanteile)
            if (zeile++ == gewaehlt) {
                seite.Bauteil = &b;
                seite.Bereich = &e;
                return;
            }
    }
}

void TBTVergleichDialog::VarianteGewaehlt(TSeite s) {
    auto* liste = Item<TComboBox>(s == Links ? IDC_VARIANTE_LINKS : IDC_VARIANTE_RECHTS);
    seiten_[s].Variante = varianteNr(liste ? liste->GetSelIndex() : -1);
    BaumFuellen(s);
    alleZeilen(s, false);
}

void TBTVergleichDialog::alleZeilen(TSeite s, bool auf) {
    TSftTree* baum = baeume_[s];
    for (int z = 0; z < baum->GetCount(); ++z)
        if (baum->HasChildren(z)) baum->Expand(z, auf, auf);
}

void TBTVergleichDialog::umschalten(TSeite s) {
    TSftTree* baum = baeume_[s];
    const int z = baum->GetCaret();
    if (z >= 0) baum->Expand(z, !baum->IsExpanded(z), IsKeyDown(VK_CONTROL));
}

void TBTVergleichDialog::CmInfo(TSeite s) {
    if (!seiten_[s].Bauteil) return;
    TBauteilInfoDialog(this, *seiten_[s].Bauteil).Execute();
}

void TBTVergleichDialog::CmOk() {
    const Seite& l = seiten_[Links];
    const Seite& r = seiten_[Rechts];
    if (l.Bereich && r.Bereich) {
        const bool temperatur = Diagrammart == 0;
        const char* titel = temperatur ? "Temperaturverlauf anzeigen" : "Glaserdiagramm anzeigen";
        const auto moeglich = [temperatur](const TEinfachBauteil& e) {
            return temperatur ? e.TemperaturVerlaufAnzeigenMoeglich()
                              : e.GlaserDiagrammAnzeigenMoeglich() != 0;
        };
        for (const auto& [bereich, seite] :
             {std::pair{l.Bereich, "links"}, std::pair{r.Bereich, "rechts"}})
            if (!moeglich(*bereich)) {
                MessageBox(std::string("Das ") + seite +
                               " ausgewählte Bauteil läßt sich nicht anzeigen.\nWählen Sie ein "
                               "anderes Bauteil bzw. einen anderen Bereich aus!",
                           titel, MB_OK | MB_ICONEXCLAMATION);
                return;
            }
    }
    EndDialog(IDOK);
}

void BauteilVergleichAnzeigen(TWindow* parent) {
    TBTVergleichDialog dialog(parent);
    const int antwort = dialog.Execute();
    const auto& l = dialog.Wahl(TBTVergleichDialog::Links);
    const auto& r = dialog.Wahl(TBTVergleichDialog::Rechts);
    if (antwort != IDOK || !l.Bauteil || !l.Bereich || !r.Bauteil || !r.Bereich) {
        MessageBox("Datenblatt anzeigen nicht möglich!", "", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    korpusMDIClient* client = Korpus().Client;
    if (!client) return;
    // One comparison sheet of each kind: a new choice replaces the one shown.
    const int art = dialog.Diagrammart == 0 ? 13 : 14;
    TWindow*& offen = art == 13 ? Korpus().Ansichten.Vergleich1 : Korpus().Ansichten.Vergleich2;
    AnsichtSchliessen(offen);
    const auto stelle = [](const TBTVergleichDialog::Seite& s) {
        int i = 0;
        for (TEinfachBauteil& e : s.Bauteil->Flaechenanteile) {
            if (&e == s.Bereich) return i;
            ++i;
        }
        return 0;
    };
    AnsichtZeigen(new TVergleichDatenWindow(*client, " Bauteilvergleich-Datenblatt ", l.Bauteil,
                                            stelle(l), r.Bauteil, stelle(r), art));
}
