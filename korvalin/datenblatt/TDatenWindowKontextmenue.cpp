// The sheet's context menu: page-edit mode, the graphics of component
// sheets, the editors for what the page shows, the layout settings.
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/FirmenLogo.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/TDatenWindow.h"
#include "korvalin/layout/LayoutEinstellungen.h"
#include "korvalin/shell/EditorZugang.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "korvalin/shell/ProjektStatus.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Cursor.h"
#include "platform/window/Menu.h"
#include "platform/window/MenuResource.h"
#include "platform/window/PopupMenu.h"
#include "platform/window/ResponseTable.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <algorithm>
#include <set>
#include <vector>

namespace {
enum : int {
    CM_GRAFIK_DREHEN = 6503,
    CM_SCHICHTEN_UMKEHREN = 6504,
    CM_BAUTEILGRAFIK = 6520,
    CM_GLASERGRAFIK = 6521,
    CM_TEMPERATURGRAFIK = 6522,
    CM_BAUTEIL_BEARBEITEN = 1121,
    CM_NACH_HUELLFLAECHEN = 910,
    CM_NACH_REFERENZBAUTEILEN = 911,
    // Restriction of the overview: all, then class k (0-9 components, 10 windows) at +1+k.
    CM_UEBERSICHT_ALLE = 930,
};

// The classes a user chooses from: the component type dialog shows class 1
// as an outer wall too, so it has no entry of its own.
struct Klassenwahl {
    int klasse;
    const char* text;
};
constexpr Klassenwahl kKlassen[] = {{0, "Außenwand"},
                                    {2, "Abseitenwand"},
                                    {3, "Dach/Decke"},
                                    {4, "Grundfläche"},
                                    {5, "Decke, unten Außenluft"},
                                    {6, "Trennwand"},
                                    {7, "Außenwand/Glasvorbau mit Einfachverglasung"},
                                    {8, "Außenwand/Glasvorbau mit Isolierverglasung"},
                                    {9, "Außenwand/Glasvorbau mit Wärmeschutzglas"},
                                    {10, "Fenster"}};

std::vector<TMenuResource> klassenEintraege() {
    std::vector<TMenuResource> e{MenuItem(CM_UEBERSICHT_ALLE, "Alle Bauteile und Fenster"),
                                 MenuSeparator()};
    for (const Klassenwahl& k : kKlassen)
        e.push_back(MenuItem(CM_UEBERSICHT_ALLE + 1 + k.klasse, k.text));
    return e;
}
} // namespace

TMenu& TDatenWindow::Kontextmenue() {
    if (!kontextmenue_)
        kontextmenue_ = std::make_unique<TMenu>(std::vector<TMenuResource>{
            MenuPopup("Ausgabe bearbeiten",
                      {MenuItem(CM_SEITE_BEARBEITEN, "Seite bearbeiten Ein/Aus"), MenuSeparator(),
                       MenuPopup("Grafik bearbeiten",
                                 {MenuItem(CM_BAUTEILGRAFIK, "Bauteilgrafik Ein/Aus"),
                                  MenuItem(CM_GLASERGRAFIK, "Glasergrafik Ein/Aus"),
                                  MenuItem(CM_TEMPERATURGRAFIK, "Temperaturgrafik Ein/Aus"),
                                  MenuSeparator(), MenuItem(CM_GRAFIK_DREHEN, "Um 90° drehen"),
                                  MenuItem(CM_SCHICHTEN_UMKEHREN, "Schichtreihenfolge umkehren")}),
                       MenuSeparator(), MenuItem(CM_BAUTEIL_BEARBEITEN, "Bauteil bearbeiten"),
                       MenuSeparator(),
                       MenuPopup("Bauteil-Übersicht sortieren nach",
                                 {MenuItem(CM_NACH_HUELLFLAECHEN, "Hüllflächen"),
                                  MenuItem(CM_NACH_REFERENZBAUTEILEN, "Referenzbauteilen")}),
                       MenuPopup("Bauteil-Übersicht beschränken auf", klassenEintraege()),
                       MenuSeparator(), MenuItem(CM_GEHE_ZU_SEITE, "Gehe zu Seite . . ."),
                       MenuSeparator(), MenuItem(CM_SEITEN_NUMMERIERUNG, "Seiten-Nummerierung"),
                       MenuSeparator(), MenuItem(CM_LAYOUT_EINSTELLUNGEN, "Einstellungen")})});
    return *kontextmenue_;
}

void TDatenWindow::editBefehleEintragen() {
    TResponseTable& r = Responses();
    r.Notify(EditorId, EN_UPDATE, [this] { zeilenzahlPruefen(); });
    r.Command(CM_SEITE_BEARBEITEN, [this] { SeiteBearbeitenUmschalten(); });
    r.Command(CM_LAYOUT_EINSTELLUNGEN, [this] { EinstellungenBearbeiten(); });
    r.Command(CM_BAUTEIL_BEARBEITEN, [this] { BauteilBearbeiten(); });
    r.CommandEnable(CM_SEITE_BEARBEITEN, [this](TCommandEnabler& ce) {
        ce.Enable(true);
        ce.SetCheck(SeitenEditModus ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
    });
    r.CommandEnable(CM_LAYOUT_EINSTELLUNGEN, [](TCommandEnabler& ce) { ce.Enable(true); });
    r.CommandEnable(CM_BAUTEIL_BEARBEITEN,
                    [this](TCommandEnabler& ce) { ce.Enable(BauteilBearbeitenMoeglich()); });
    // The overview by envelope areas (its facades) or by reference components (its types).
    for (const bool huelle : {true, false}) {
        const int id = huelle ? CM_NACH_HUELLFLAECHEN : CM_NACH_REFERENZBAUTEILEN;
        r.Command(id, [this, huelle] {
            if (UebersichtTypFilter >= 0 || UebersichtNachFassaden == huelle) return;
            UebersichtNachFassaden = huelle;
            NeuAuslegen();
        });
        r.CommandEnable(id, [this, huelle](TCommandEnabler& ce) {
            ce.Enable(Blattart == 7 && (!huelle || UebersichtTypFilter < 0));
            const bool haken = Blattart == 7 && UebersichtNachFassaden == huelle;
            ce.SetCheck(haken ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
        });
    }
    // One class only: the grouping by facade ignores the restriction, so the
    // overview shows its types.
    for (int klasse = -1; klasse <= 10; ++klasse) {
        const int id = CM_UEBERSICHT_ALLE + 1 + klasse;
        r.Command(id, [this, klasse] {
            if (UebersichtTypFilter == klasse) return;
            UebersichtTypFilter = klasse;
            if (klasse >= 0) UebersichtNachFassaden = false;
            NeuAuslegen();
        });
        r.CommandEnable(id, [this, klasse](TCommandEnabler& ce) {
            ce.Enable(Blattart == 7);
            const bool haken = Blattart == 7 && UebersichtTypFilter == klasse;
            ce.SetCheck(haken ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
        });
    }
    r.Command(CM_GRAFIK_DREHEN, [this] { GrafikDrehen(false); });
    r.Command(CM_SCHICHTEN_UMKEHREN, [this] { GrafikDrehen(true); });
    for (int id : {int(CM_GRAFIK_DREHEN), int(CM_SCHICHTEN_UMKEHREN)})
        r.CommandEnable(id, [this](TCommandEnabler& ce) {
            // Components of the maker's catalogue keep their drawing.
            const TRBauteil* b = bauteilDerSeite();
            ce.Enable(b && b->Schluessel.Katalog != 1);
        });
    for (int id : {int(CM_BAUTEILGRAFIK), int(CM_GLASERGRAFIK), int(CM_TEMPERATURGRAFIK)}) {
        r.Command(id, [this, id] { GrafikSchalten(id); });
        r.CommandEnable(id, [this, id](TCommandEnabler& ce) {
            bool an = bauteilDerSeite() != nullptr;
            const TBtSeitenGroessen& s = SeitenLayout();
            const bool grafik = s.Schichtgrafik == 1;
            if (id != CM_BAUTEILGRAFIK) an = an && grafik;
            ce.Enable(an);
            const bool haken = id == CM_BAUTEILGRAFIK  ? grafik
                               : id == CM_GLASERGRAFIK ? grafik && s.Glasergrafik == 1
                                                       : grafik && s.Temperaturgrafik == 1;
            ce.SetCheck(haken ? TCommandEnabler::Checked : TCommandEnabler::Unchecked);
        });
    }
}

const TRBauteil* TDatenWindow::bauteilDerSeite() const {
    // The page shown ends in a block of a component sheet; the text block
    // after a component's blocks counts as the component's.
    const int seite = BildschirmSeite() + 1;
    const TBlock* letzter = nullptr;
    const TRBauteil* bauteil = nullptr;
    for (const TBlock& b : Bloecke)
        if (b.Seite == seite) {
            letzter = &b;
            if (b.Bauteil) bauteil = b.Bauteil;
        }
    return letzter && letzter->Abschnitt == 4 ? bauteil : nullptr;
}

void TDatenWindow::GrafikDrehen(bool umkehren) {
    const int seite = BildschirmSeite() + 1;
    // Each component of the page turns once, however many blocks it has there.
    std::vector<TRBauteil*> bauteile;
    for (const TBlock& b : Bloecke)
        if (b.Seite == seite && b.Bauteil && b.Nummer > 0 && b.Abschnitt == 4 &&
            std::find(bauteile.begin(), bauteile.end(), b.Bauteil) == bauteile.end())
            bauteile.push_back(b.Bauteil);
    if (bauteile.empty()) return;
    Datenblaetter().BauteilGrafikGeaendert = true;
    BtDatenGeaendert = true;
    std::set<int> ausgaben;
    bool projekt = false;
    for (TRBauteil* b : bauteile) {
        GrafiklageSpeichern(*b, Grafiklage(*b) ^ (umkehren ? 1 : 2));
        // A project's component is saved with the project; a catalogue's
        // component with its catalogue.
        if (b->Nummer != TRBauteil::KeineNummer)
            projekt = true;
        else
            ausgaben.insert(int16_t(b->Schluessel.Katalog));
    }
    if (projekt && Korpus().ProjektOffen) ProjektGeaendertSetzen(true);
    // Only the maker's and the user's catalogue have files; each is written
    // once, and a failed write is told once.
    TBauteilDatei* katalog = Kataloge().Bauteile();
    for (int ausgabe : ausgaben)
        if ((ausgabe == 1 || ausgabe == 2) && katalog && katalog->Speichern(ausgabe) != 1)
            MessageBox("Der Bauteilkatalog konnte nicht gespeichert werden.\n" +
                           katalog->LetzterFehler(),
                       "Info", MB_OK | MB_ICONEXCLAMATION);
    layoutLauf();
    if (IsCreated()) UpdateWindow();
}

void TDatenWindow::EvRButtonDown(uint32_t, TPoint point) {
    // The enablers set the check marks from the state as the menu opens.
    TrackPopupMenu(*Kontextmenue().GetSubMenu(0), ClientToScreen(point), *this);
}

void TDatenWindow::SeiteBearbeitenUmschalten() {
    DatenblattZustand& z = Datenblaetter();
    if (SeitenEditModus) {
        SeitenEditModus = false;
        z.SeiteInBearbeitung = nullptr;
        static const TCursor pfeil(TCursor::Arrow);
        SetCursor(&pfeil);
        EditorBeenden();
    } else if (z.SeiteInBearbeitung && z.SeiteInBearbeitung != this) {
        MessageBox("Die Seite kann nicht bearbeitet werden, da ein anderes Datenblatt bereits in "
                   "Bearbeitung ist. ",
                   " Seite bearbeiten ", MB_OK | MB_ICONEXCLAMATION);
    } else {
        SeitenEditModus = true;
        z.SeiteInBearbeitung = this;
        Ziehen = false;
    }
    BearbeiteterBlock = -1;
    RandZiehen = false;
    NeuAuslegen();
}

void TDatenWindow::GrafikSchalten(int id) {
    TBtSeitenGroessen& s = SeitenLayout();
    if (id == CM_BAUTEILGRAFIK) {
        s.Schichtgrafik = s.Schichtgrafik == 1 ? 0 : 1;
        // Turned on, the graphic brings its Glaser and temperature graphics along.
        s.Glasergrafik = s.Temperaturgrafik = s.Schichtgrafik;
        if (s.Schichtgrafik == 0) s.Glaserformeln = 0;
    } else if (id == CM_GLASERGRAFIK) {
        s.Glasergrafik = s.Glasergrafik == 1 ? 0 : 1;
        if (s.Glasergrafik == 0) s.Glaserformeln = 0;
    } else {
        s.Temperaturgrafik = s.Temperaturgrafik == 1 ? 0 : 1;
    }
    // The settings tell a failed write themselves.
    s.Speichern(false, !BtDatei && !BtDateiListe);
    ProjektNeuBerechnen(id == CM_BAUTEILGRAFIK ? 2 : 1, 0);
}

void TDatenWindow::EinstellungenBearbeiten() {
    LayoutEinstellungenAufruf aufruf;
    aufruf.parent = this;
    aufruf.ziel = Projektblatt ? LayoutZiel::Projekt : LayoutZiel::Datei;
    aufruf.kopfzeile = &Kopfzeilendaten;
    aufruf.logo = &Logo();
    LayoutEinstellungenErgebnis e = LayoutEinstellungenBearbeiten(aufruf);
    if (!e.ok) return;
    SetFirmenLogo(std::move(e.firmenLogo));
    ProjektNeuBerechnen(1, 0);
}

bool TDatenWindow::BauteilBearbeitenMoeglich() {
    const int seite = BildschirmSeite() + 1;
    switch (Blattart) {
    case 5:
    case 9:
    case 10:
    case 11:
    case 12:
    case 13:
    case 14: {
        const int a = AktuellerAbschnitt;
        if (DateiListe() || !(a == 4 || a == 5 || a == 12 || a == 13 || a == 14)) return false;
        if (!EinzelDatei()) return true;
        // A component or window of the maker's catalogue is not edited.
        if (Bloecke.size() < 2) return true;
        const TBlock& b = Bloecke[1];
        if (b.Abschnitt == 5) return !(b.Fenster && b.Fenster->Schluessel.Katalog == 1);
        if (b.Abschnitt == 4) return !(b.Bauteil && b.Bauteil->Schluessel.Katalog == 1);
        return true;
    }
    case 0:
    case 4:
        for (const TBlock& b : Bloecke)
            if (b.Seite == seite) return b.Abschnitt == 4 || b.Abschnitt == 5;
        return false;
    default:
        return false;
    }
}

void TDatenWindow::BauteilBearbeiten() {
    const int seite = BildschirmSeite() + 1;
    for (const TBlock& b : Bloecke)
        if (b.Seite == seite && b.Bauteil && b.Abschnitt >= 12 && b.Abschnitt <= 14)
            Editoren().BauteilEditor(*b.Bauteil, nullptr, EditorAuftrag::Zeigen);
    // Of the component and window blocks of the page only the first opens its editor.
    for (const TBlock& b : Bloecke) {
        if (b.Seite != seite || b.Nummer <= 0) continue;
        if (b.Abschnitt == 4 && b.Bauteil) {
            Editoren().BauteilEditor(*b.Bauteil, nullptr, EditorAuftrag::Zeigen);
            return;
        }
        if (b.Abschnitt == 5 && b.Fenster) {
            Editoren().FensterEditor(*b.Fenster, nullptr, EditorAuftrag::Zeigen);
            return;
        }
    }
}

int TDatenWindow::zeileUnter(TPoint blatt, bool doppelklick) {
    BlockTreffen(blatt);
    const int n = Trefferblock >= 0 ? Trefferblock : Tabellenblock;
    Trefferblock = Tabellenblock = -1;
    if (n < 0) return -1;
    const TBlock& b = Bloecke[size_t(n)];
    const int a = b.Abschnitt;
    if ((a != 6 && a != 7 && a != 11) || b.Art != 2) return -1;
    if (!doppelklick && b.Nummer <= 1) return -1;
    // The heading rows of each table open nothing.
    const int von = a == 6 ? 10 : a == 7 ? 3 : 0;
    const int bis = doppelklick && a != 11 ? 29 : 47;
    if (blatt.x < 20 || blatt.x >= SeitenBreite - 20) return -1;
    for (int r = von; r <= bis && size_t(r + 1) < Zeilentabelle.size(); ++r)
        if (Zeilentabelle[size_t(r)].Oben <= blatt.y && blatt.y < Zeilentabelle[size_t(r + 1)].Oben)
            return r;
    return -1;
}

void TDatenWindow::ZeileOeffnen(TPoint client) {
    if (SpalteZiehen) return;
    const int r = zeileUnter(BlattPunkt(client), true);
    TProjekt* p = Projekt();
    if (r < 0 || !p) return;
    const TZeilenEintrag& e = Zeilentabelle[size_t(r)];
    if (e.Nummer < -4 || e.Code < -4) return;
    if (e.Code == 10) {
        for (TPFenster& f : p->PFenster)
            if (f.Nummer == uint16_t(e.Nummer) && f.RFenster) {
                Editoren().FensterEditor(*f.RFenster, &f, EditorAuftrag::Zeigen);
                return;
            }
        return;
    }
    for (TPBauteil& b : p->PBauteile)
        if (b.Nummer == uint16_t(e.Nummer) && b.RBauteil) {
            Editoren().BauteilEditor(*b.RBauteil, &b, EditorAuftrag::Zeigen);
            return;
        }
}

bool TDatenWindow::aufDiagrammbeschriftung(TPoint blatt) const {
    if (DiagrammSeite != BildschirmSeite() + 1) return false;
    return std::any_of(Diagrammbeschriftungen.begin(), Diagrammbeschriftungen.end(),
                       [&](const TRect& r) { return !r.IsEmpty() && r.Contains(blatt); });
}

void TDatenWindow::ZeigerAusserhalbDerBearbeitung(TPoint client) {
    static const TCursor pfeil(TCursor::Arrow), hand(TCursor::Hand);
    const int r = zeileUnter(BlattPunkt(client), false);
    const bool oeffnet =
        r >= 0 && Zeilentabelle[size_t(r)].Nummer > -5 && Zeilentabelle[size_t(r)].Code > -5;
    SetCursor(oeffnet || aufDiagrammbeschriftung(BlattPunkt(client)) ? &hand : &pfeil);
}
