#include "korvalin/datenblatt/Blattfenster.h"

#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <algorithm>
#include <array>
#include <memory>

namespace {
constexpr std::array<TBlattart, 15> kBlattarten{{
    {0, " Wärmeschutznachweis ", 0, false},
    {1, " Projekt-Datenblatt ", 0, false},
    {2, " Energie-Datenblatt ", 0, false},
    {3, " Massenermittlung ", 0, false},
    {4, " Klimabedingter Feuchteschutz ", 0, false},
    {5, " Bauteil-Daten ", 1, false}, // or " Fenster-Daten ", source 2
    {6, " Hüllflächen-Datenblatt ", 0, true},
    {7, " Bauteil-Übersicht ", 0, true},
    {8, " Volumen - und Flächendatenblatt ", 0, false},
    {9, " Bauteil - Datei ", 3, false},
    {10, " Bauteil - Datei ", 4, false},
    {11, "Periodischer Wärmeübergang", 1, false},
    {12, "Temperaturverlauf: ", 5, false},
    {13, " Bauteilvergleich-Datenblatt ", 5, false},
    {14, " Bauteilvergleich-Datenblatt ", 5, false},
}};

Einzelansichten& flaggen() {
    return Korpus().Ansichten;
}

void austragen(std::vector<TWindow*>& l, TWindow* w) {
    std::erase(l, w);
}

korpusMDIClient* client() {
    return Korpus().Client;
}
} // namespace

const TBlattart& BlattartAngaben(int art) {
    return kBlattarten.at(size_t(std::clamp(art, 0, 14)));
}

TWaermeschutzWindow::TWaermeschutzWindow(TMDIClient& parent, std::string_view caption, int art,
                                         int umfang, const std::vector<TRBauteil*>& bauteile,
                                         const std::vector<TRFenster*>& fenster)
    : TDatenWindow(parent, caption, art, umfang, bauteile, fenster) {
    flaggen().Waermeschutz = this;
}

void TWaermeschutzWindow::Austragen() {
    if (flaggen().Waermeschutz == this) flaggen().Waermeschutz = nullptr;
}

TWaermeschutzWindow::~TWaermeschutzWindow() {
    Austragen();
}

TFeuchteschutzWindow::TFeuchteschutzWindow(TMDIClient& parent, std::string_view caption, int art,
                                           int umfang, const std::vector<TRBauteil*>& bauteile,
                                           const std::vector<TRFenster*>& fenster)
    : TDatenWindow(parent, caption, art, umfang, bauteile, fenster) {
    flaggen().Feuchteschutz = this;
}

void TFeuchteschutzWindow::Austragen() {
    if (flaggen().Feuchteschutz == this) flaggen().Feuchteschutz = nullptr;
}

TFeuchteschutzWindow::~TFeuchteschutzWindow() {
    Austragen();
}

TEinzelblattWindow::TEinzelblattWindow(TMDIClient& parent, std::string_view caption, int art,
                                       TWindow*& flagge)
    : TDatenWindow(parent, caption, art, 0, {}, {}), flagge_(flagge) {
    flagge_ = this;
}

void TEinzelblattWindow::Austragen() {
    if (flagge_ == this) flagge_ = nullptr;
}

TEinzelblattWindow::~TEinzelblattWindow() {
    Austragen();
}

TProjektDatenWindow::TProjektDatenWindow(TMDIClient& parent, std::string_view caption, int art)
    : TEinzelblattWindow(parent, caption, art, flaggen().ProjektDaten) {
    // The project sheet shows every proof section the project admits.
    Datenblaetter().NachweisAVVerfahren = Datenblaetter().NachweisBauteilverfahren = true;
    EnergiebilanzGewaehlt = KleineWohngebaeudeGewaehlt = true;
}

TEnergieDatenWindow::TEnergieDatenWindow(TMDIClient& parent, std::string_view caption, int art)
    : TEinzelblattWindow(parent, caption, art, flaggen().EnergieDaten) {}

TMassenDatenWindow::TMassenDatenWindow(TMDIClient& parent, std::string_view caption, int art)
    : TEinzelblattWindow(parent, caption, art, flaggen().MassenDaten) {}

TFassadenDatenWindow::TFassadenDatenWindow(TMDIClient& parent, std::string_view caption, int art)
    : TEinzelblattWindow(parent, caption, art, flaggen().FassadenDaten) {}

TBauteilViewWindow::TBauteilViewWindow(TMDIClient& parent, std::string_view caption, int art)
    : TEinzelblattWindow(parent, caption, art, flaggen().BauteilView) {}

TFlaechenDatenWindow::TFlaechenDatenWindow(TMDIClient& parent, std::string_view caption, int art)
    : TEinzelblattWindow(parent, caption, art, flaggen().FlaechenDaten) {}

TBtAusDateiWindow::TBtAusDateiWindow(TMDIClient& parent, std::string_view caption, int art,
                                     int umfang, std::vector<TRBauteil*> liste)
    : TDatenWindow(parent, caption, art, umfang, BauteilListeAusDatei{std::move(liste)}) {
    flaggen().BtAusDatei = this;
}

void TBtAusDateiWindow::Austragen() {
    if (flaggen().BtAusDatei == this) flaggen().BtAusDatei = nullptr;
}

TBtAusDateiWindow::~TBtAusDateiWindow() {
    Austragen();
}

TFnstAusDateiWindow::TFnstAusDateiWindow(TMDIClient& parent, std::string_view caption, int art,
                                         int umfang, std::vector<TRFenster*> liste)
    : TDatenWindow(parent, caption, art, umfang, FensterListeAusDatei{std::move(liste)}) {
    flaggen().FnstAusDatei = this;
}

void TFnstAusDateiWindow::Austragen() {
    if (flaggen().FnstAusDatei == this) flaggen().FnstAusDatei = nullptr;
}

TFnstAusDateiWindow::~TFnstAusDateiWindow() {
    Austragen();
}

TBauteilDatenWindow::TBauteilDatenWindow(TMDIClient& parent, std::string_view caption,
                                         TRBauteil* bauteil, TEinfachBauteil* variante)
    : TDatenWindow(parent, caption, bauteil, variante) {}

void TBauteilDatenWindow::Austragen() {
    if (auto* c = client()) austragen(c->Ansichten.BauteilDaten, this);
}

TBauteilDatenWindow::~TBauteilDatenWindow() {
    Austragen();
}

bool TBauteilDatenWindow::CanClose() {
    if (!TDatenWindow::CanClose()) return false;
    if (auto* c = client()) austragen(c->Ansichten.BauteilDaten, this);
    return true;
}

TPeriodenDatenWindow::TPeriodenDatenWindow(TMDIClient& parent, std::string_view caption,
                                           TRBauteil* bauteil, int art)
    : TDatenWindow(parent, caption, bauteil, art) {}

void TPeriodenDatenWindow::Austragen() {
    if (auto* c = client()) austragen(c->Ansichten.PeriodenDaten, this);
}

TPeriodenDatenWindow::~TPeriodenDatenWindow() {
    Austragen();
}

bool TPeriodenDatenWindow::CanClose() {
    if (!TDatenWindow::CanClose()) return false;
    if (auto* c = client()) austragen(c->Ansichten.PeriodenDaten, this);
    return true;
}

TFensterDatenWindow::TFensterDatenWindow(TMDIClient& parent, std::string_view caption,
                                         TRFenster* fenster, int variante)
    : TDatenWindow(parent, caption, fenster, variante) {}

void TFensterDatenWindow::Austragen() {
    if (auto* c = client()) austragen(c->Ansichten.FensterDaten, this);
}

TFensterDatenWindow::~TFensterDatenWindow() {
    Austragen();
}

bool TFensterDatenWindow::CanClose() {
    if (!TDatenWindow::CanClose()) return false;
    if (auto* c = client()) austragen(c->Ansichten.FensterDaten, this);
    return true;
}

TVergleichDatenWindow::TVergleichDatenWindow(TMDIClient& parent, std::string_view caption,
                                             TRBauteil* erster, int wert1, TRBauteil* zweiter,
                                             int wert2, int art)
    : TDatenWindow(parent, caption, erster, wert1, zweiter, wert2, art) {
    if (art == 13) flaggen().Vergleich1 = this;
    if (art == 14) flaggen().Vergleich2 = this;
}

void TVergleichDatenWindow::Austragen() {
    if (flaggen().Vergleich1 == this) flaggen().Vergleich1 = nullptr;
    if (flaggen().Vergleich2 == this) flaggen().Vergleich2 = nullptr;
    if (auto* c = client()) austragen(c->Ansichten.VergleichDaten, this);
}

TVergleichDatenWindow::~TVergleichDatenWindow() {
    Austragen();
}

bool TVergleichDatenWindow::CanClose() {
    if (!TDatenWindow::CanClose()) return false;
    if (Blattart == 12)
        if (auto* c = client()) austragen(c->Ansichten.VergleichDaten, this);
    return true;
}

std::unique_ptr<TDatenWindow> BlattfensterFuerArt(TMDIClient& client, int art, TProjekt& p) {
    const char* titel = BlattartAngaben(art).Titel;
    std::vector<TRBauteil*> bauteile;
    for (TRBauteil& b : p.RBauteile) bauteile.push_back(&b);
    std::vector<TRFenster*> fenster;
    for (TRFenster& f : p.RFenster) fenster.push_back(&f);
    TRBauteil* erstes = bauteile.empty() ? nullptr : bauteile.front();
    TRBauteil* zweites = bauteile.size() > 1 ? bauteile[1] : erstes;
    switch (art) {
    case 0:
        return std::make_unique<TWaermeschutzWindow>(client, titel, art, 0, bauteile, fenster);
    case 4:
        return std::make_unique<TFeuchteschutzWindow>(client, titel, art, 0, bauteile, fenster);
    case 1:
        return std::make_unique<TProjektDatenWindow>(client, titel, art);
    case 2:
        return std::make_unique<TEnergieDatenWindow>(client, titel, art);
    case 3:
        return std::make_unique<TMassenDatenWindow>(client, titel, art);
    case 6:
        return std::make_unique<TFassadenDatenWindow>(client, titel, art);
    case 7:
        return std::make_unique<TBauteilViewWindow>(client, titel, art);
    case 8:
        return std::make_unique<TFlaechenDatenWindow>(client, titel, art);
    case 5:
        if (!erstes) return nullptr;
        return std::make_unique<TBauteilDatenWindow>(client, titel, erstes, nullptr);
    case 9:
        return std::make_unique<TBtAusDateiWindow>(client, titel, art, 0, bauteile);
    case 10:
        return std::make_unique<TFnstAusDateiWindow>(client, titel, art, 0, fenster);
    case 11:
        if (!erstes) return nullptr;
        return std::make_unique<TPeriodenDatenWindow>(client, titel, erstes, art);
    default:
        if (!erstes) return nullptr;
        return std::make_unique<TVergleichDatenWindow>(client, titel, erstes, 0, zweites, 0, art);
    }
}
