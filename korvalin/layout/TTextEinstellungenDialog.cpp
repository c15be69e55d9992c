#include "korvalin/layout/TTextEinstellungenDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "korvalin/layout/TTextODButton.h"
#include "platform/gdi/Font.h"
#include "platform/services/ChooseDialogs.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ListBox.h"
#include "platform/window/ResponseTable.h"

using namespace layoutseite;

namespace {

struct Eintrag {
    const char* text;
    Textstil stil;
};

const Eintrag kEintraege[TTextEinstellungenDialog::AnzahlEintraege] = {
    {" Nachweise: Titel ", Textstil::Titel},
    {" Datenblätter: Kommentar ", Textstil::Kommentar},
    {" Datenblätter: Warnungen ", Textstil::Warnung},
    {" Datenblätter: Fußnote ", Textstil::Fussnote},
    {" Tabellen: Header ", Textstil::TabellenKopf},
    {" Tabellen: Header Vertikal ", Textstil::TabellenKopfVertikal},
    {" Tabellen: Einheiten ", Textstil::Einheiten},
    {" Tabellen: Felder ", Textstil::Tabelle},
    {" Kopfzeile ", Textstil::Kopfzeile},
    {" Fußzeile ", Textstil::Fusszeile},
    {" Grafik: Beschriftung ", Textstil::Beschriftung},
    {" Glaser-Formel ", Textstil::Formel},
};
constexpr int kVertikal = 5; // " Tabellen: Header Vertikal "

TDialogResource textResource() {
    TDialogResource r{"Text", kGroesse, {}};
    auto& v = r.controls;
    v.push_back(Gruppe("Auswahl", 6, 4, 146, 146));
    v.push_back(Liste(104, 14, 16, 138, 120));
    v.push_back(Knopf(103, "Schriftart", 14, 126, 60));
    v.push_back(Gruppe("Vorschau", 154, 4, 290, 146));
    v.push_back(Muster(162, 16, 282, 138));
    return r;
}

size_t index(Textstil s) {
    return size_t(s);
}

} // namespace

Textstil TextstilDesEintrags(int eintrag) {
    if (eintrag < 0 || eintrag >= TTextEinstellungenDialog::AnzahlEintraege) eintrag = 0;
    return kEintraege[eintrag].stil;
}

TTextEinstellungenDialog::TTextEinstellungenDialog(TPropertyDialog* sheet, LayoutZiel ziel)
    : TEinstellungenProperty(sheet, textResource(), ziel) {
    EinstellungenLaden(false);
    new TListBox(this, 104);
    muster_ = new TTextODButton(this, 108);
    Responses().Command(103, [this] { schriftart(); });
    Responses().Notify(104, LBN_SELCHANGE, [this] {
        gewaehlt_ = Item<TListBox>(104)->GetSelIndex();
        stilGewaehlt();
    });
}

void TTextEinstellungenDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    auto* liste = Item<TListBox>(104);
    liste->ClearList();
    for (const auto& e : kEintraege) liste->AddString(e.text);
    Aktualisieren();
    liste->SetSelIndex(0);
    gewaehlt_ = 0;
    stilGewaehlt();
}

void TTextEinstellungenDialog::Aktualisieren() {
    schrift_ = Texte.lfStil;
    farbe_ = Texte.StilFarbe;
    muster_->BackColor = TColor::White;
}

void TTextEinstellungenDialog::stilGewaehlt() {
    if (!IsCreated()) return;
    const Textstil stil = TextstilDesEintrags(gewaehlt_);
    muster_->Font = std::make_unique<TFont>(schrift_[index(stil)]);
    muster_->TextColor = farbe_[index(stil)];
    muster_->Invalidate();
}

void TTextEinstellungenDialog::schriftart() {
    const Textstil stil = TextstilDesEintrags(gewaehlt_);
    LOGFONT lf = schrift_[index(stil)];
    TColor farbe = farbe_[index(stil)];
    if (ChooseFont(lf, farbe)) {
        if (gewaehlt_ == kVertikal) {
            lf.lfEscapement = 900;
            lf.lfOrientation = 900;
        }
        muster_->Font = std::make_unique<TFont>(lf);
        muster_->TextColor = farbe;
        schrift_[index(stil)] = lf;
        farbe_[index(stil)] = farbe;
    }
    muster_->Invalidate();
}

bool TTextEinstellungenDialog::SaveData() {
    for (const auto& e : kEintraege) {
        Texte.SetFont(e.stil, schrift_[index(e.stil)]);
        Texte.SetFarbe(e.stil, farbe_[index(e.stil)]);
    }
    const LOGFONT& kopf = Texte.Schrift(Textstil::TabellenKopf);
    LOGFONT symbol = kopf;
    SetFaceName(symbol, "Symbol");
    Texte.SetSymbolFont(symbol);
    Texte.SetFarbe(Textstil::Symbol, Texte.Farbe(Textstil::TabellenKopf));
    const LOGFONT& formel = Texte.Schrift(Textstil::Formel);
    LOGFONT formelIndex = formel;
    formelIndex.lfHeight = formel.lfHeight + 4;
    // A character height of 4 or less would become 0 (no font) or turn into
    // a cell height: the index keeps at least one unit.
    if (formel.lfHeight < 0 && formelIndex.lfHeight >= 0) formelIndex.lfHeight = -1;
    Texte.SetFormelIndexFont(formelIndex);
    LOGFONT formelSymbol = formel;
    SetFaceName(formelSymbol, "Symbol");
    Texte.SetFormelSymbolFont(formelSymbol);
    return EinstellungenSpeichern(Texte);
}
