#include "korvalin/bauteil/TBauteilTypDialog.h"

#include "hilfsmittel/DoubleValidator.h"
#include "korvalin/bauteil/BauteilTexte.h"
#include "korvalin/bauteil/TBaustoffDialogBasis.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CheckBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/RadioButton.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Static.h"
#include "stammwerk/modell/TBaustoff.h"
#include "stammwerk/modell/TProjekt.h"

const int TBauteilTypDialog::ArtIds[7] = {118, 109, 126, 127, 128, 105, 122};
const int TBauteilTypDialog::GlasIds[3] = {108, 111, 112};
const int TBauteilTypDialog::UebergangIds[10] = {133, 134, 144, 141, 139, 140, 135, 142, 143, 136};

namespace {

using K = TControlKind;

// The situations allowed for each kind radio, the first being the default.
const int kErlaubt[7][4] = {{0, 1, -1, -1},  {0, 1, -1, -1},  {2, 3, -1, -1}, {4, 5, 7, 6},
                            {8, -1, -1, -1}, {9, -1, -1, -1}, {9, -1, -1, -1}};

TDialogResource ressource() {
    TDialogResource r;
    r.caption = "Bauteil-Einstellungen";
    r.size = {340, 262};
    r.controls = {
        {K::GroupBox, 0, "Bauteil-Typ", {6, 4, 170, 150}},
        {K::RadioButton, 118, "Außenwand", {12, 14, 166, 22}, true},
        {K::RadioButton, 109, "Abseitenwand", {12, 24, 166, 32}},
        {K::RadioButton, 126, "Dach oder Dachdecke", {12, 34, 166, 42}},
        {K::RadioButton, 127, "Grundfläche oder Kellerdecke ", {12, 44, 166, 52}},
        {K::RadioButton, 128, "Decke, die das Gebäude nach unten ", {12, 54, 166, 62}},
        {K::Static, 0, "gegen Außenluft abgrenzt", {22, 62, 166, 70}},
        {K::RadioButton, 105, "Trennwand zu Räumen niedriger Temperatur", {12, 72, 166, 80}},
        {K::RadioButton, 122, "Außenwand im Bereich Glasvorbau:", {12, 82, 166, 90}},
        {K::RadioButton, 108, "Glasvorbau mit Einfachverglasung", {22, 92, 166, 100}, true},
        {K::RadioButton, 111, "Glasvorbau mit Isolierverglasung", {22, 102, 166, 110}},
        {K::RadioButton, 112, "Glasvorbau mit Wärmeschutzglas", {22, 112, 166, 120}},
        {K::CheckBox, 101, "Umkehrdach", {12, 124, 166, 132}},
        {K::CheckBox, 110, "Mehrschaliges Mauerwerk nach DIN 1053", {12, 136, 166, 144}},
        {K::GroupBox, 0, "Wärmeübergangswiderstände", {176, 4, 334, 150}},
        {K::RadioButton, 133, "Außenwand", {182, 14, 330, 22}, true},
        {K::RadioButton, 134, "Hinterlüftet", {182, 24, 330, 32}},
        {K::RadioButton, 144, "Decke, nach oben gegen Außenluft", {182, 34, 330, 42}},
        {K::RadioButton, 141, "Decke unter nicht ausgebautem Dachraum", {182, 44, 330, 52}},
        {K::RadioButton, 139, "Unterer Abschluß an Erdreich grenzend", {182, 54, 330, 62}},
        {K::RadioButton, 140, "Unterer Abschluß über Hohlraum", {182, 64, 330, 72}},
        {K::RadioButton, 135, "Wand an Erdreich grenzend ", {182, 74, 330, 82}},
        {K::RadioButton, 142, "Kellerdecke", {182, 84, 330, 92}},
        {K::RadioButton, 143, "Decke, nach unten gegen Außenluft ", {182, 94, 330, 102}},
        {K::RadioButton, 136, "Trennwand zu dauernd unbeheiztem Raum", {182, 104, 330, 112}},
        {K::Static, 0, "1/alpha_i", {182, 118, 220, 126}},
        {K::Edit, 103, "", {222, 116, 262, 128}},
        {K::Static, 0, "1/alpha_a", {182, 132, 220, 140}},
        {K::Edit, 104, "", {222, 130, 262, 142}},
        {K::Static, 0, "m²K/W", {266, 124, 310, 132}},
        {K::GroupBox, 201, "Bauteil-Verfahren", {6, 154, 170, 192}},
        {K::CheckBox, 107, "Härtefall, Sanierung ist nicht vertretbar", {12, 164, 166, 172}},
        {K::Button, 106, "Maßnahme", {12, 176, 70, 188}},
        {K::Static, 0, "Max. k-Wert nach DIN 4108", {182, 160, 276, 168}},
        {K::Static, 200, "", {278, 160, 302, 168}},
        {K::Static, 0, "W/m²*K", {304, 160, 334, 168}},
        {K::Static, 0, "Beschreibung", {6, 196, 80, 204}},
        {K::Edit, 209, "", {6, 205, 334, 238}, true},
        {K::DefButton, IDOK, "OK", {6, 244, 56, 258}},
        {K::Button, IDCANCEL, "Abbrechen", {145, 244, 195, 258}},
        {K::Button, 9, "Hilfe", {284, 244, 334, 258}},
    };
    return r;
}

TDialogResource massnahmeRessource() {
    TDialogResource r;
    r.caption = "Anforderungen an Außenwände bei Erneuerung";
    r.size = {220, 84};
    r.controls = {
        {K::GroupBox, 0, "Erneuerungs - Maßnahme", {6, 4, 214, 60}},
        {K::RadioButton, 101, "Außenwände", {12, 14, 100, 22}, true},
        {K::Static, 0, "nach Ziffer 2 Buchstabe a und c", {104, 14, 210, 22}},
        {K::RadioButton, 102, "Außenwände bei Erneuerungsmaßnahmen", {12, 30, 210, 38}},
        {K::Static, 0, "mit Außendämmung (siehe Hilfe)", {24, 40, 210, 48}},
        {K::DefButton, IDOK, "OK", {6, 66, 56, 80}},
        {K::Button, IDCANCEL, "Abbrechen", {85, 66, 135, 80}},
        {K::Button, 9, "Hilfe", {164, 66, 214, 80}},
    };
    return r;
}

// The project's outside temperatures by kind of part, as its settings store
// them: the condensation period's ordinary value, unheated rooms in
// KlimaWert1, the ground in KlimaWert2; the evaporation period's surface
// value of walls in the climate record, that of roofs in Wert20.
struct Aussentemperaturen {
    double normal, erdreich, unbeheizt, wand, dach;
};
Aussentemperaturen aussentemperaturen(const TProjekt& p) {
    return {p.Klima.ThetaE, p.Klima.KlimaWert2, p.Klima.KlimaWert1, p.Klima.ThetaOberflaeche_V,
            p.Wert20};
}

bool an(const TDialog& d, int id) {
    auto* r = d.Item<TCheckBox>(id);
    return r && r->GetCheck() == BF_CHECKED;
}

void setzen(const TDialog& d, int id, bool check) {
    if (auto* r = d.Item<TCheckBox>(id)) r->SetCheck(check ? BF_CHECKED : BF_UNCHECKED);
}

void freigeben(const TDialog& d, int id, bool ein) {
    if (auto* w = d.GetDlgItem(id)) w->EnableWindow(ein);
}

} // namespace

TBauteilTypDialog::TBauteilTypDialog(TWindow* parent, TRBauteil* bauteil, TProjekt* projekt)
    : TDialog(parent, ressource()), bauteil_(bauteil), projekt_(projekt) {
    for (int id : {103, 104}) {
        auto* e = new TEdit(this, id, 10);
        e->SetValidator(new TDoubleValidator(0, 10));
    }
    new TEdit(this, 209, 0, true);
    auto& r = Responses();
    r.Command(9, [] { HilfeZeigen(1103); });
    r.Command(106, [this] { MassnahmeBearbeiten(); });
    for (int id : ArtIds) r.Command(id, [this] { BauteilartGewaehlt(); });
    for (int id : UebergangIds) r.Command(id, [this] { UebergangGewaehlt(); });
    r.Command(101, [this] { AnforderungAktualisieren(); });
}

bool TBauteilTypDialog::projektbauteil() const {
    return projekt_ && bauteil_->Nummer != TRBauteil::KeineNummer;
}

int TBauteilTypDialog::art() const {
    for (int i = 0; i < 7; ++i)
        if (an(*this, ArtIds[i])) return i;
    return -1;
}

int TBauteilTypDialog::uebergang() const {
    for (int i = 0; i < 10; ++i)
        if (an(*this, UebergangIds[i])) return i;
    return -1;
}

void TBauteilTypDialog::SetupWindow() {
    TDialog::SetupWindow();
    const TRBauteil& t = *bauteil_;
    for (int id : ArtIds) setzen(*this, id, false);
    for (int id : GlasIds) setzen(*this, id, false);
    for (int id : UebergangIds) setzen(*this, id, false);
    const int g = t.Bauteilart;
    const int k = g <= 1 ? 0 : g <= 6 ? g - 1 : 6;
    setzen(*this, ArtIds[k], true);
    if (g >= 7 && g <= 9) setzen(*this, GlasIds[g - 7], true);
    if (t.Angrenzung < 10) setzen(*this, UebergangIds[t.Angrenzung], true);
    Item<TEdit>(103)->SetText(Zahl(3, t.Rsi));
    Item<TEdit>(104)->SetText(Zahl(3, t.Rse));
    Item<TStatic>(200)->SetText(Zahl(3, t.k_wert_max_DIN()));
    const bool verfahren = projektbauteil() && projekt_->Baumassnahme == 2;
    freigeben(*this, 106, k == 0 && (!projektbauteil() || verfahren));
    freigeben(*this, 201, verfahren);
    freigeben(*this, 107, verfahren);
    setzen(*this, 107, verfahren && t.Haertefall);
    for (int id : GlasIds) freigeben(*this, id, k == 6);
    for (int i = 0; i < 10; ++i) freigeben(*this, UebergangIds[i], false);
    for (int s : kErlaubt[k])
        if (s >= 0) freigeben(*this, UebergangIds[s], true);
    freigeben(*this, 101, g == 3);
    setzen(*this, 101, g == 3 && t.Umkehrdach);
    setzen(*this, 110, t.Merker2 != 0);
    auto* text = Item<TEdit>(209);
    std::string beschreibung;
    for (const TTextString& z : t.Textliste) beschreibung += z.Text;
    text->SetText(beschreibung);
    text->ClearModify();
}

int TBauteilTypDialog::uebergaengeFreigeben() {
    const int k = std::max(0, art());
    for (int id : UebergangIds) {
        setzen(*this, id, false);
        freigeben(*this, id, false);
    }
    for (int s : kErlaubt[k])
        if (s >= 0) freigeben(*this, UebergangIds[s], true);
    setzen(*this, UebergangIds[kErlaubt[k][0]], true);
    return kErlaubt[k][0];
}

void TBauteilTypDialog::uebergangsWerte(int s) {
    if (s < 0 || s >= 10) return;
    Item<TEdit>(103)->SetText(Zahl(3, TRBauteil::Uebergangswiderstaende[s][0]));
    Item<TEdit>(104)->SetText(Zahl(3, TRBauteil::Uebergangswiderstaende[s][1]));
}

void TBauteilTypDialog::BauteilartGewaehlt() {
    uebergangsWerte(uebergaengeFreigeben());
    const int k = art();
    TKlima& klima = bauteil_->Klima;
    if (projektbauteil()) {
        freigeben(*this, 106, projekt_->Baumassnahme == 2 && k == 0);
        const Aussentemperaturen p = aussentemperaturen(*projekt_);
        klima.ThetaOberflaeche_V = k == 2 ? p.dach : p.wand;
        // Kinds 5 and 6 allow only situation 9, which borders unheated space: the
        // same climate the situation button and the project's climate dialog give.
        klima.ThetaE = k == 3 ? p.erdreich : k == 5 || k == 6 ? p.unbeheizt : p.normal;
    } else {
        freigeben(*this, 106, k == 0);
        klima.ThetaOberflaeche_V = k == 2 ? 20 : 12;
    }
    uint16_t& lage = bauteil_->Merker3;
    if (k == 0 || k == 1) lage = 2;
    if (k == 2) {
        lage = 1;
        freigeben(*this, 101, true);
    } else {
        setzen(*this, 101, false);
        freigeben(*this, 101, false);
    }
    if (k == 3 || k == 4) lage = 0;
    if (k == 5) lage = 2;
    for (int i = 0; i < 3; ++i) {
        setzen(*this, GlasIds[i], k == 6 && i == 2);
        freigeben(*this, GlasIds[i], k == 6);
    }
    if (k == 6) lage = 2;
    AnforderungAktualisieren();
}

void TBauteilTypDialog::UebergangGewaehlt() {
    const int s = uebergang();
    uebergangsWerte(s);
    if (art() == 3) {
        if (s == 4 || s == 5 || s == 7) bauteil_->Merker3 = 0;
        if (s == 6) bauteil_->Merker3 = 2;
    }
    if (projektbauteil()) {
        const Aussentemperaturen p = aussentemperaturen(*projekt_);
        TKlima& klima = bauteil_->Klima;
        klima.ThetaE = p.normal;
        if (s == 4 || s == 5 || s == 6) klima.ThetaE = p.erdreich;
        if (s == 7 || s == 9) klima.ThetaE = p.unbeheizt;
    }
    AnforderungAktualisieren();
}

void TBauteilTypDialog::AnforderungAktualisieren() {
    DatenUebernehmen();
    if (projektbauteil())
        bauteil_->WSchVO(projekt_->Baumassnahme, projekt_->NormaleInnentemperatur,
                         projekt_->KleinesWohngebaeude);
    else
        bauteil_->WSchVO(0, 1, 0);
    Item<TStatic>(200)->SetText(Zahl(3, bauteil_->k_wert_max_DIN()));
}

void TBauteilTypDialog::DatenUebernehmen() {
    TRBauteil& t = *bauteil_;
    const int k = art();
    if (k == 0) t.Bauteilart = 0;
    if (k >= 1 && k <= 5) t.Bauteilart = uint16_t(k + 1);
    if (k == 6)
        for (int i = 0; i < 3; ++i)
            if (an(*this, GlasIds[i])) t.Bauteilart = uint16_t(7 + i);
    t.Umkehrdach = an(*this, 101);
    t.Merker2 = an(*this, 110);
    t.Haertefall = an(*this, 107);
    if (const int s = uebergang(); s >= 0) t.Angrenzung = uint16_t(s);
    t.Rsi = DezimalLesen(Item<TEdit>(103)->GetText().substr(0, 30));
    t.Rse = DezimalLesen(Item<TEdit>(104)->GetText().substr(0, 30));
    if (auto* text = Item<TEdit>(209); text->IsModified()) {
        TBaustoff zeilen;
        TBaustoffDialogBasis::BeschreibungSetzen(zeilen, text->GetText());
        t.Textliste.Flush();
        for (const TTextString& z : zeilen.Textliste) t.Textliste.Add(z);
        text->ClearModify();
    }
}

void TBauteilTypDialog::CmOk() {
    if (!CanClose()) return;
    DatenUebernehmen();
    EndDialog(IDOK);
}

void TBauteilTypDialog::MassnahmeBearbeiten() {
    uint16_t normal = bauteil_->Wandvariante == 0 ? 1 : 0;
    uint16_t erneuerung = normal ? 0 : 1;
    TTransferBuffer puffer;
    puffer.Check(normal).Check(erneuerung);
    TDialog dlg(this, massnahmeRessource());
    auto* a = new TRadioButton(&dlg, 101, "", true);
    auto* b = new TRadioButton(&dlg, 102);
    a->EnableTransfer();
    b->EnableTransfer();
    dlg.SetTransferBuffer(&puffer);
    dlg.Responses().Command(9, [] { HilfeZeigen(1121); });
    if (dlg.Execute() == IDOK) bauteil_->Wandvariante = normal ? 0 : 1;
}
