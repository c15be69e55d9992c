#include "korvalin/layout/TKopfzeileDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "platform/window/ComboBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

using namespace layoutseite;

namespace {

constexpr int kEdits[3] = {4105, 123, 124};
constexpr int kKaesten[5] = {119, 120, 121, 126, 127};
const char* const kSeitenMuster[5] = {"Seite 1", "S. 1", "1", "Seite 1 von 10", "Seite 1/10"};
const char* const kDatumMuster[5] = {"01. 01. 90", "01. Jan. 1990", "01. Januar 1990",
                                     "Mo., 01. Januar 1990", "01. 01. 1990"};

TDialogResource kopfzeileResource() {
    TDialogResource r{"Kopf-/Fußzeile", kGroesse, {}};
    auto& v = r.controls;
    v.push_back(Radio(129, "Kopfzeile", 14, 6, true, 60));
    v.push_back(Radio(130, "Fußzeile", 80, 6, false, 60));
    v.push_back(Gruppe("Felder", 6, 20, 290, 92));
    v.push_back(Kasten(119, "Seitenzahl", 14, 32, 80));
    v.push_back(Auswahl(122, 100, 30, 100));
    v.push_back(Kasten(120, "Aktuelles Datum", 14, 48, 80));
    v.push_back(Auswahl(125, 100, 46, 100));
    v.push_back(Kasten(121, "Dateiname", 206, 32, 80));
    v.push_back(Kasten(126, "Projektname", 206, 48, 80));
    v.push_back(Kasten(127, "Projekt-Datum", 14, 64, 80));
    v.push_back(Auswahl(128, 100, 62, 100));
    v.push_back(Gruppe("Text", 6, 96, 290, 146));
    v.push_back(seite::Text("Links", 14, 106, 90));
    v.push_back(Feld(4105, 14, 118, 88));
    v.push_back(seite::Text("Zentriert", 106, 106, 90));
    v.push_back(Feld(123, 106, 118, 88));
    v.push_back(seite::Text("Rechts", 198, 106, 88));
    v.push_back(Feld(124, 198, 118, 88));
    return r;
}

bool enthaelt(const std::string& text, const std::string& kennung) {
    return text.find(kennung) != std::string::npos;
}

void ersteEntfernen(std::string& text, const std::string& kennung) {
    if (const auto pos = text.find(kennung); pos != std::string::npos)
        text.erase(pos, kennung.size());
}

} // namespace

TKopfzeileDialog::TKopfzeileDialog(TPropertyDialog* sheet, LayoutZiel ziel, TKopfzeileData* daten)
    : TEinstellungenProperty(sheet, kopfzeileResource(), ziel), daten_(daten) {
    EinstellungenLaden(false);
    for (int i = 0; i < 3; ++i) {
        new TEdit(this, kEdits[i], TBtKopfzeileGroessen::TextPuffer);
        Responses().Notify(kEdits[i], EN_CHANGE, [this] { textGeaendert(); });
        Responses().Notify(kEdits[i], EN_SETFOCUS, [this, i] { zuletzt_ = i; });
    }
    for (int id : {122, 125, 128}) new TComboBox(this, id);
    auto& r = Responses();
    r.Command(129, [this] { teilGewaehlt(Kopf); });
    r.Command(130, [this] { teilGewaehlt(Fuss); });
    for (int i = 0; i < 5; ++i) r.Command(kKaesten[i], [this, i] { feldGeklickt(i); });
    r.Notify(122, CBN_SELCHANGE, [this] { seite_ = Item<TComboBox>(122)->GetSelIndex(); });
    r.Notify(125, CBN_SELCHANGE, [this] { datum_ = Item<TComboBox>(125)->GetSelIndex(); });
    r.Notify(128, CBN_SELCHANGE, [this] { dateiDatum_ = Item<TComboBox>(128)->GetSelIndex(); });
}

void TKopfzeileDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    Aktualisieren();
}

TEdit* TKopfzeileDialog::edit(int i) const {
    return Item<TEdit>(kEdits[i]);
}

void TKopfzeileDialog::kennungenSetzen(Teil teil) {
    for (int k = 0; k < 5; ++k) {
        bool da = false;
        for (int i = 0; i < 3; ++i)
            da = da || enthaelt(texte_[size_t(3 * teil + i)], felder_.Felder[size_t(k)]);
        // A sheet of no project has no file, project or project date.
        if (bDateiEinstellungen && k >= 2) da = false;
        vorhanden_[size_t(teil)][size_t(k)] = da;
    }
}

void TKopfzeileDialog::zeigen(Teil teil) {
    gezeigt_ = teil;
    zeigt_ = true;
    for (int i = 0; i < 3; ++i) edit(i)->SetText(texte_[size_t(3 * teil + i)]);
    zeigt_ = false;
    kennungenSetzen(teil);
    for (int k = 0; k < 5; ++k)
        seite::Setzen(*this, kKaesten[k], vorhanden_[size_t(teil)][size_t(k)]);
}

void TKopfzeileDialog::Aktualisieren() {
    texte_ = {Kopfzeile.TextKopfzeileL, Kopfzeile.TextKopfzeileM, Kopfzeile.TextKopfzeileR,
              Kopfzeile.TextFusszeileL, Kopfzeile.TextFusszeileM, Kopfzeile.TextFusszeileR};
    seite_ = Kopfzeile.Seite;
    datum_ = Kopfzeile.Datum;
    dateiDatum_ = Kopfzeile.DateiDatum;
    zuletzt_ = 0;
    kennungenSetzen(Fuss);
    if (!IsCreated()) return;
    seite::Setzen(*this, 129, true);
    seite::Setzen(*this, 130, false);
    const auto fuellen = [this](int id, const char* const* muster, int32_t index) {
        auto* combo = Item<TComboBox>(id);
        combo->ClearList();
        for (int i = 0; i < 5; ++i) combo->AddString(muster[i]);
        combo->SetSelIndex(index >= 0 && index < 5 ? index : -1);
    };
    fuellen(122, kSeitenMuster, seite_);
    fuellen(125, kDatumMuster, datum_);
    fuellen(128, kDatumMuster, dateiDatum_);
    if (bDateiEinstellungen) seite::Freigeben(*this, {121, 126, 127}, false);
    zeigen(Kopf);
    edit(0)->SetFocus();
    edit(0)->SetSelection(int(texte_[0].size()), int(texte_[0].size()));
}

void TKopfzeileDialog::teilGewaehlt(Teil teil) {
    if (teil == gezeigt_) return;
    for (int i = 0; i < 3; ++i) texte_[size_t(3 * gezeigt_ + i)] = edit(i)->GetText();
    zeigen(teil);
    seite::Setzen(*this, 129, teil == Kopf);
    seite::Setzen(*this, 130, teil == Fuss);
}

void TKopfzeileDialog::feldGeklickt(int feld) {
    const std::string& kennung = felder_.Felder[size_t(feld)];
    TEdit* ziel = edit(zuletzt_);
    if (seite::Gewaehlt(*this, kKaesten[feld])) {
        vorhanden_[size_t(gezeigt_)][size_t(feld)] = true;
        ziel->SetFocus();
        ziel->ReplaceSelection(kennung);
        return;
    }
    vorhanden_[size_t(gezeigt_)][size_t(feld)] = false;
    int von = 0, bis = 0;
    ziel->GetSelection(von, bis);
    zeigt_ = true;
    for (int i = 0; i < 3; ++i) {
        std::string text = edit(i)->GetText();
        ersteEntfernen(text, kennung);
        texte_[size_t(3 * gezeigt_ + i)] = text;
        edit(i)->SetText(text);
    }
    zeigt_ = false;
    ziel->SetFocus();
    ziel->SetSelection(von, bis);
    textGeaendert();
}

void TKopfzeileDialog::textGeaendert() {
    if (zeigt_ || !IsCreated()) return;
    for (int i = 0; i < 3; ++i) texte_[size_t(3 * gezeigt_ + i)] = edit(i)->GetText();
    kennungenSetzen(gezeigt_);
    for (int k = 0; k < 5; ++k)
        seite::Setzen(*this, kKaesten[k], vorhanden_[size_t(gezeigt_)][size_t(k)]);
}

bool TKopfzeileDialog::SaveData() {
    // The edits of the part shown hold its latest texts.
    for (int i = 0; i < 3; ++i) texte_[size_t(3 * gezeigt_ + i)] = edit(i)->GetText();
    if (daten_) {
        daten_->Seitenformat = seite_;
        daten_->Datumsformat = datum_;
        daten_->DateiDatumformat = dateiDatum_;
        daten_->Texte = {texte_[0], texte_[1], texte_[2], texte_[3], texte_[4], texte_[5]};
    }
    Kopfzeile.Seite = seite_;
    Kopfzeile.Datum = datum_;
    Kopfzeile.DateiDatum = dateiDatum_;
    Kopfzeile.TextKopfzeileL = texte_[0];
    Kopfzeile.TextKopfzeileM = texte_[1];
    Kopfzeile.TextKopfzeileR = texte_[2];
    Kopfzeile.TextFusszeileL = texte_[3];
    Kopfzeile.TextFusszeileM = texte_[4];
    Kopfzeile.TextFusszeileR = texte_[5];
    return EinstellungenSpeichern(Kopfzeile);
}
