#include "korvalin/layout/TSeiteEinrichtenDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "korvalin/layout/SeitenFaktoren.h"
#include "korvalin/layout/TDoubleSpinEdit.h"
#include "platform/base/ApplicationState.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

#include <cmath>

using namespace layoutseite;

struct TSeiteEinrichtenDialog::Rand {
    int id;
    int32_t TBtSeitenGroessen::*feld;
    bool senkrecht; // top and bottom take the vertical factor
};

const TSeiteEinrichtenDialog::Rand TSeiteEinrichtenDialog::kRaender[4] = {
    {4101, &TBtSeitenGroessen::Oben, true},
    {4102, &TBtSeitenGroessen::Unten, true},
    {4103, &TBtSeitenGroessen::Links, false},
    {4104, &TBtSeitenGroessen::Rechts, false},
};

namespace {

TDialogResource seiteResource() {
    TDialogResource r{"Seite einrichten", kGroesse, {}};
    auto& v = r.controls;
    v.push_back(Gruppe("Seitenränder in cm", 6, 4, 122, 86));
    const char* texte[] = {"Oben:", "Unten:", "Links:", "Rechts:"};
    for (int i = 0; i < 4; ++i) {
        v.push_back(seite::Text(texte[i], 14, 18 + 16 * i, 40));
        v.push_back(Feld(4101 + i, 60, 18 + 16 * i, 50));
    }
    v.push_back(Kasten(4106, "Seitenumrandung", 14, 94, 100));
    v.push_back(Gruppe("Kopf - und Fußzeile", 6, 108, 122, 146));
    v.push_back(Kasten(4112, "Kopfzeile", 14, 120, 100));
    v.push_back(Kasten(4113, "Fußzeile", 14, 132, 100));
    v.push_back(Gruppe("Datenblätter + Nachweise", 130, 4, 290, 146));
    v.push_back(Kasten(121, "Schichtaufbaugrafik", 138, 18, 140));
    v.push_back(Kasten(4110, "Temperaturgrafik", 150, 32, 130));
    v.push_back(Kasten(101, "Feuchte-Daten ausgeben", 138, 50, 140));
    v.push_back(Kasten(4109, "Glasergrafik", 150, 64, 130));
    v.push_back(Kasten(4107, "Formeln zur Glasergrafik", 162, 78, 120));
    v.push_back(Kasten(4105, "Texteingabefelder", 138, 98, 140));
    return r;
}

double faktor(bool senkrecht) {
    const auto& f = ApplicationState::Current().Get<SeitenFaktoren>();
    return senkrecht ? f.Y : f.X;
}

} // namespace

TSeiteEinrichtenDialog::TSeiteEinrichtenDialog(TPropertyDialog* sheet, LayoutZiel ziel)
    : TEinstellungenProperty(sheet, seiteResource(), ziel) {
    EinstellungenLaden(false);
    for (int i = 0; i < 4; ++i) {
        auto* spin = new TDoubleSpinEdit(this, kRaender[i].id, 10);
        spin->Step = 0.1;
        spin->PageStep = 1.0;
        spin->Min = 0.0;
        spin->Max = 200.0;
        raender_[size_t(i)] = spin;
    }
    auto& r = Responses();
    r.Command(4106, [this] { kopieren(4106, seitenumrandung_); });
    r.Command(4112, [this] { kopieren(4112, kopfzeile_); });
    r.Command(4113, [this] { kopieren(4113, fusszeile_); });
    r.Command(4110, [this] { kopieren(4110, temperaturgrafik_); });
    r.Command(4105, [this] { kopieren(4105, eingabefelder_); });
    r.Command(4107, [this] { kopieren(4107, glaserformeln_); });
    r.Command(121, [this] { schichtgrafikGeklickt(); });
    r.Command(4109, [this] { glasergrafikGeklickt(); });
    r.Command(101, [this] { feuchteGeklickt(); });
}

void TSeiteEinrichtenDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    Aktualisieren();
}

void TSeiteEinrichtenDialog::kopieren(int id, int32_t& kopie) {
    kopie = seite::Gewaehlt(*this, id) ? 1 : 0;
}

void TSeiteEinrichtenDialog::setzen(std::initializer_list<int> ids, bool an, bool frei) {
    if (!IsCreated()) return;
    for (int id : ids) seite::Setzen(*this, id, an);
    seite::Freigeben(*this, ids, frei);
}

void TSeiteEinrichtenDialog::Aktualisieren() {
    for (int i = 0; i < 4; ++i) {
        const Rand& rand = kRaender[i];
        geladen_[size_t(i)] = Seiten.*rand.feld;
        gezeigt_[size_t(i)] = Seiten.*rand.feld * faktor(rand.senkrecht);
        if (IsCreated()) raender_[size_t(i)]->ShowValue(gezeigt_[size_t(i)]);
    }
    const auto schalter = [this](int id, int32_t wert, int32_t& kopie) {
        kopie = wert == 1 ? 1 : 0;
        if (IsCreated()) seite::Setzen(*this, id, kopie);
    };
    schalter(4106, Seiten.Seitenumrandung, seitenumrandung_);
    schalter(4112, Seiten.Kopfzeile, kopfzeile_);
    schalter(4113, Seiten.Fusszeile, fusszeile_);
    if (Seiten.Schichtgrafik == 1) {
        schichtgrafik_ = 1;
        if (IsCreated()) seite::Setzen(*this, 121, true);
        if (IsCreated()) seite::Freigeben(*this, {4110, 4109, 4107}, true);
    } else {
        if (IsCreated()) seite::Setzen(*this, 121, false);
        schichtgrafik_ = glasergrafik_ = temperaturgrafik_ = glaserformeln_ = 0;
        setzen({4110, 4109, 4107}, false, false);
    }
    schalter(4109, Seiten.Glasergrafik, glasergrafik_);
    schalter(4110, Seiten.Temperaturgrafik, temperaturgrafik_);
    schalter(4105, Seiten.Eingabefelder, eingabefelder_);
    schalter(4107, Seiten.Glaserformeln, glaserformeln_);
    if (Seiten.FeuchteDaten == 1) {
        feuchteDaten_ = 1;
        if (IsCreated()) seite::Setzen(*this, 101, true);
        if (IsCreated()) seite::Freigeben(*this, {4109, 4107}, true);
    } else {
        feuchteDaten_ = 0;
        if (IsCreated()) seite::Setzen(*this, 101, false);
        setzen({4109, 4107}, false, false);
    }
}

void TSeiteEinrichtenDialog::schichtgrafikGeklickt() {
    const bool an = seite::Gewaehlt(*this, 121);
    schichtgrafik_ = glasergrafik_ = temperaturgrafik_ = glaserformeln_ = an ? 1 : 0;
    setzen({4110, 4109, 4107}, an, an);
}

void TSeiteEinrichtenDialog::glasergrafikGeklickt() {
    const bool an = seite::Gewaehlt(*this, 4109);
    glasergrafik_ = glaserformeln_ = an ? 1 : 0;
    setzen({4107}, an, an);
}

void TSeiteEinrichtenDialog::feuchteGeklickt() {
    const bool an = seite::Gewaehlt(*this, 101);
    feuchteDaten_ = glasergrafik_ = glaserformeln_ = an ? 1 : 0;
    setzen({4109, 4107}, an, an);
}

bool TSeiteEinrichtenDialog::SaveData() {
    for (int i = 0; i < 4; ++i) {
        const Rand& rand = kRaender[i];
        const double cm = raender_[size_t(i)]->Value;
        // Truncated toward zero: a margin is never rounded up. An unchanged
        // field keeps the stored units, so OK alone loses nothing.
        Seiten.*rand.feld =
            cm == gezeigt_[size_t(i)] ? geladen_[size_t(i)] : int32_t(cm / faktor(rand.senkrecht));
    }
    Seiten.Seitenumrandung = seitenumrandung_;
    Seiten.Kopfzeile = kopfzeile_;
    Seiten.Fusszeile = fusszeile_;
    Seiten.Schichtgrafik = schichtgrafik_;
    Seiten.Glasergrafik = glasergrafik_;
    Seiten.Temperaturgrafik = temperaturgrafik_;
    Seiten.Eingabefelder = eingabefelder_;
    Seiten.Glaserformeln = glaserformeln_;
    Seiten.FeuchteDaten = feuchteDaten_;
    return EinstellungenSpeichern(Seiten);
}
