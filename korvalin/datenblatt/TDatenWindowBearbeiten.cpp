// Editing the page shown: in page-edit mode the user drags the handles of a
// text block to change its height, drags the margins of the page body, and
// types a block's text in place. What changes goes into the stored records,
// which the side files beside the project keep.
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/TBauteilEdit.h"
#include "korvalin/datenblatt/TDatenWindow.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "korvalin/shell/OffeneAnsichten.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Cursor.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Scroller.h"
#include "platform/window/UIHandle.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>

namespace {
// Half the width of a margin handle, in page units.
constexpr int Griff = 6;

void zeiger(TWindow& w, TCursor::TShape form) {
    static TCursor formen[] = {
        TCursor(TCursor::Arrow),    TCursor(TCursor::SizeNS),   TCursor(TCursor::SizeWE),
        TCursor(TCursor::SizeNWSE), TCursor(TCursor::SizeNESW),
    };
    for (const TCursor& c : formen)
        if (c.Shape() == form) {
            w.SetCursor(&c);
            return;
        }
    w.SetCursor(&formen[0]);
}

// Cursor of a margin handle: corners diagonal, top and bottom edge vertical,
// left and right edge horizontal.
TCursor::TShape randZeiger(int griff) {
    static const TCursor::TShape formen[8] = {
        TCursor::SizeNWSE, TCursor::SizeNESW, TCursor::SizeNESW, TCursor::SizeNWSE,
        TCursor::SizeNS,   TCursor::SizeWE,   TCursor::SizeNS,   TCursor::SizeWE,
    };
    return formen[griff];
}
} // namespace

TPoint TDatenWindow::BlattPunkt(TPoint client) const {
    return {client.x - HOffset, client.y - VOffset};
}

TRect TDatenWindow::ClientRechteck(const TRect& blatt) const {
    return {blatt.left + HOffset, blatt.top + VOffset, blatt.right + HOffset,
            blatt.bottom + VOffset};
}

void TDatenWindow::BlockTreffen(TPoint blatt) {
    Trefferblock = Tabellenblock = -1;
    const int seite = BildschirmSeite() + 1;
    // Block 0 only opens the sheet: a layout reset leaves a copy of the last block in it.
    for (int n = 1; n < int(Bloecke.size()); ++n) {
        const TBlock& b = Bloecke[size_t(n)];
        if (b.Seite != seite || !b.Rechteck().Contains(blatt)) continue;
        if (b.Benutzerblock == 1 && b.Zaehler > 0) {
            Trefferblock = n;
            return;
        }
        if (b.Art >= 1) {
            Tabellenblock = n;
            return;
        }
    }
}

std::vector<TRect> TDatenWindow::Randgriffe() const {
    const int l = Koerper.left, t = Koerper.top, r = Koerper.right, b = Koerper.bottom;
    const int d = Griff;
    return {{l, t, l + d, t + d},         {r - d, t, r, t + d},
            {l, b - d, l + d, b},         {r - d, b - d, r, b},
            {l + d, t - d, r - d, t + d}, {l - d, t + d, l + d, b - d},
            {l + d, b - d, r - d, b + d}, {r - d, t + d, r + d, b - d}};
}

// --- Mouse ---

void TDatenWindow::EvLButtonDown(uint32_t, TPoint point) {
    SetFocus();
    if (!SeitenEditModus) return;
    EditorBeenden();
    SpalteZiehen = BlockGezogen = RandZiehen = false;
    Trefferblock = Tabellenblock = Randgriff = Griffcode = -1;
    Ziehen = true;
    const TPoint blatt = BlattPunkt(point);
    BlockTreffen(blatt);
    if (Trefferblock >= 0) {
        Ziehrechteck = ClientRechteck(Bloecke[size_t(Trefferblock)].Rechteck());
        Griffcode = TUIHandle(Ziehrechteck, 5).HitTest(point);
        if (Griffcode != TUIHandle::Outside) {
            zeiger(*this, TUIHandle::CursorShape(Griffcode));
            SetCapture();
        }
    }
    LetzterPunkt = blatt;
    MarkeSpalte = -1;
    if (Tabellenblock >= 0) {
        const int art = Bloecke[size_t(Tabellenblock)].Art;
        if (art >= 1 && art <= 5) {
            const auto& marken = Spaltengriffe[size_t(art - 1)];
            for (int i = 0; i < int(marken.size()); ++i)
                if (!marken[size_t(i)].IsEmpty() && marken[size_t(i)].Contains(blatt)) {
                    zeiger(*this, TCursor::SizeWE);
                    Marke = marken[size_t(i)];
                    MarkeSpalte = i;
                    MarkeBlock = Tabellenblock;
                    SpalteZiehen = true;
                    break;
                }
        }
        if (SpalteZiehen) spaltenSchritt(point);
    }
    altKoerper_ = Koerper;
    randSchritt(point);
}

void TDatenWindow::EvMouseMove(uint32_t, TPoint point) {
    if (!SeitenEditModus) return ZeigerAusserhalbDerBearbeitung(point);
    zeiger(*this, TCursor::Arrow);
    const TPoint blatt = BlattPunkt(point);
    if (!Ziehen) {
        BlockTreffen(blatt);
        if (Trefferblock >= 0) {
            const TRect r = ClientRechteck(Bloecke[size_t(Trefferblock)].Rechteck());
            zeiger(*this, TUIHandle::CursorShape(TUIHandle(r, 5).HitTest(point)));
        } else if (Tabellenblock >= 0) {
            const TBlock& b = Bloecke[size_t(Tabellenblock)];
            if (b.Art >= 1 && b.Art <= 5)
                for (TRect& m : Spaltengriffe[size_t(b.Art - 1)]) {
                    if (m.IsEmpty()) continue;
                    m.top = b.Oben;
                    m.bottom = b.Unten;
                    if (m.Contains(blatt)) zeiger(*this, TCursor::SizeWE);
                }
        }
        Trefferblock = Tabellenblock = -1;
        randSchritt(point);
        return;
    }
    if (Trefferblock > 0 && Griffcode != TUIHandle::Outside) {
        zeiger(*this, TUIHandle::CursorShape(Griffcode));
        BlockGezogen = true;
        BtDatenGeaendert = FnDatenGeaendert = BlattDatenGeaendert = VorlageGeaendert = true;
        Datenblaetter().BauteilGrafikGeaendert = true;
        const int dy = blatt.y - LetzterPunkt.y;
        if (Griffcode <= TUIHandle::TopRight)
            Ziehrechteck.top = std::min(Ziehrechteck.top + dy, Ziehrechteck.bottom);
        else if (Griffcode >= TUIHandle::BottomLeft)
            Ziehrechteck.bottom = std::max(Ziehrechteck.bottom + dy, Ziehrechteck.top);
        band_.Show(Ziehrechteck);
        TBlock& b = Bloecke[size_t(Trefferblock)];
        b.Oben = Ziehrechteck.top - VOffset;
        b.Unten = Ziehrechteck.bottom - VOffset;
        LetzterPunkt = blatt;
    }
    if (SpalteZiehen && MarkeBlock >= 0) {
        BlattDatenGeaendert = VorlageGeaendert = true;
        spaltenSchritt(point);
    }
    randSchritt(point);
}

void TDatenWindow::spaltenSchritt(TPoint client) {
    const TPoint blatt = BlattPunkt(client);
    Marke.left += blatt.x - LetzterPunkt.x;
    Marke.right += blatt.x - LetzterPunkt.x;
    TRect band = ClientRechteck(Marke);
    band.left += 2;
    band.right -= 2;
    band_.Show(band);
    LetzterPunkt = blatt;
    SetCapture();
}

void TDatenWindow::randSchritt(TPoint client) {
    const int o = VOffset;
    client.y = std::clamp(client.y, 0, std::max(0, SeitenHoehe + o - 10));
    const TPoint blatt = BlattPunkt(client);
    const std::vector<TRect> griffe = Randgriffe();
    if (!RandZiehen)
        for (int i = 0; i < int(griffe.size()); ++i)
            if (griffe[size_t(i)].Contains(blatt)) {
                Randgriff = i;
                RandZiehen = Ziehen;
                zeiger(*this, randZeiger(i));
                break;
            }
    if (!RandZiehen || Randgriff < 0) return;
    zeiger(*this, randZeiger(Randgriff));
    const int dx = blatt.x - LetzterPunkt.x, dy = blatt.y - LetzterPunkt.y;
    TRect& k = Koerper;
    // Which edges each handle moves: left, top, right, bottom.
    static const bool bewegt[8][4] = {
        {true, true, false, false},  {false, true, true, false},  {true, false, false, true},
        {false, false, true, true},  {false, true, false, false}, {true, false, false, false},
        {false, false, false, true}, {false, false, true, false},
    };
    const bool* e = bewegt[Randgriff];
    if (e[0]) k.left += dx;
    if (e[1]) k.top += dy;
    if (e[2]) k.right += dx;
    if (e[3]) k.bottom += dy;
    k.left = std::min(k.left, SeitenBreite);
    k.right = std::min(k.right, SeitenBreite);
    band_.Show(ClientRechteck(k));
    LetzterPunkt = blatt;
    SetCapture();
}

void TDatenWindow::EvLButtonUp(uint32_t, TPoint) {
    if (!Ziehen) return;
    if (Trefferblock > 0 && BlockGezogen) {
        TBlock& b = Bloecke[size_t(Trefferblock)];
        if (b.Benutzerblock == 1) {
            b.InnenOben = b.Oben;
            b.InnenUnten = b.Unten;
            b.Hoehe = b.InnenHoehe = b.Unten - b.Oben;
            NeuLayouten();
        }
        BlockGezogen = false;
        Griffcode = -1;
        ReleaseCapture();
    }
    if (MarkeBlock > 0 && SpalteZiehen) {
        SpaltenbreiteUebernehmen();
        ProjektNeuBerechnen(2, 0);
        ReleaseCapture();
    }
    if (RandZiehen) {
        const TRect k = Koerper;
        const bool aufDemPapier = k.left >= 0 && k.top >= 0 && k.bottom <= SeitenHoehe &&
                                  k.right <= SeitenBreite && k.left < k.right && k.top < k.bottom;
        if (aufDemPapier) {
            TBtSeitenGroessen& s = SeitenLayout();
            s.Oben = k.top;
            s.Unten = SeitenHoehe - k.bottom;
            s.Links = k.left;
            s.Rechts = SeitenBreite - k.right;
            // The settings tell a failed write themselves.
            s.Speichern(false, Projektblatt);
            RandZiehen = false;
            NeuLayouten();
        } else {
            // A body off the paper or empty is not kept.
            Koerper = altKoerper_;
        }
        RandZiehen = false;
        ReleaseCapture();
        ProjektNeuBerechnen(2, 0);
    }
    band_.Hide();
    // A click without a drag took the mouse too: menus and tool bar need it back.
    ReleaseCapture();
    Ziehen = false;
    SpalteZiehen = false;
    MarkeBlock = MarkeSpalte = -1;
    Trefferblock = Tabellenblock = -1;
    Invalidate(true);
    zeiger(*this, TCursor::Arrow);
}

void TDatenWindow::EvLButtonDblClk(uint32_t, TPoint point) {
    if (SeitenEditModus)
        BearbeitenBeginnen(point);
    else
        ZeileOeffnen(point);
}

// --- Layout ---

void TDatenWindow::NeuLayouten() {
    EditorBeenden();
    if (!RandZiehen && Trefferblock >= 0 && size_t(Trefferblock) < Bloecke.size()) {
        VorgaengerLaden(Trefferblock);
        BlockLaden(Trefferblock);
        BlocktexteSchreiben();
    }
    NeuAuslegen();
}

// --- Painting ---

void TDatenWindow::SeitenEditRahmen(TDC& dc) {
    const TPen alt = dc.SelectObject(TPen(TColor::Black));
    const TRect& k = Koerper;
    dc.MoveTo(0, k.top);
    dc.LineTo(SeitenBreite, k.top);
    dc.MoveTo(0, k.bottom);
    dc.LineTo(SeitenBreite, k.bottom);
    dc.MoveTo(k.left, 0);
    dc.LineTo(k.left, SeitenHoehe);
    dc.MoveTo(k.right, 0);
    dc.LineTo(k.right, SeitenHoehe);
    const std::vector<TRect> griffe = Randgriffe();
    for (int i = 0; i < 4; ++i) dc.FillRect(griffe[size_t(i)], TBrush(TColor::Black));
    dc.SelectObject(alt);
}

void TDatenWindow::EingabefeldZeichnen(TDC& dc) {
    if (SeitenEditModus && !Drucken) TUIHandle(Block.Rechteck(), 5).Paint(dc);
    if (!Block.Text) return;
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Kommentar));
    TRect r = Block.Rechteck();
    r.left += 10;
    r.right -= 10;
    r.top += 5;
    r.bottom -= 5;
    dc.DrawText(*Block.Text, r, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    dc.SelectObject(alt);
}

// --- Column widths ---

void TDatenWindow::SpaltenbreiteUebernehmen() {
    if (MarkeBlock < 0 || size_t(MarkeBlock) >= Bloecke.size() || MarkeSpalte < 1) return;
    const TBlock& b = Bloecke[size_t(MarkeBlock)];
    const int satz = b.Art - 1;
    const bool ausDatei = DateiFlag() || !Projektblatt;
    TBlattDaten* d = nullptr;
    if (b.Abschnitt == 4)
        d = ausDatei ? (DateiFixDaten ? &DateiFixDaten->Bauteilspalten : nullptr)
                     : (FixDaten ? &FixDaten->Bauteilspalten : nullptr);
    else if (b.Abschnitt == 5)
        d = ausDatei ? (DateiFixDaten ? &DateiFixDaten->Fensterspalten : nullptr)
                     : (FixDaten ? &FixDaten->Fensterspalten : nullptr);
    else if (FixDaten)
        d = FixDaten->Satz(b.Abschnitt);
    if (!d || satz < 0 || size_t(satz) >= d->Spaltensaetze.size()) return;
    // The component sheet shows columns 1-11 or 12-22 of its second set; the
    // heat-demand table of a building with low internal temperatures has its
    // own columns 8-14 beside those of the normal table.
    int versatz = 0;
    if (b.Abschnitt == 4 && satz == 1 && SeitenLayout().FeuchteDaten != 1) versatz = 11;
    const TProjekt* projekt = Projekt();
    if (b.Abschnitt == 1 && satz == 1 && projekt && projekt->NormaleInnentemperatur == 0)
        versatz = 7;
    auto& breite = d->Spaltensaetze[size_t(satz)].Breite;
    const int i = MarkeSpalte;
    if (versatz + i > int(breite.size())) return;
    const double w = Koerper.Width() * Breitenfaktor;
    const double u = Zeichenbreite;
    const double p = (Marke.left + 3) - Koerper.left - 10;
    double s = 0;
    for (int j = 1; j < i; ++j) s += 0.01 * breite[size_t(versatz + j - 1)] * w;
    s *= u;
    // A border dragged past the one before it leaves its column the least width.
    const double neu = p - s > 5 ? (p - s) / u : double(5 / int(u));
    breite[size_t(versatz + i - 1)] = neu * 100 / w;
    if (ausDatei)
        VorlageGeaendert = true;
    else
        BlattDatenGeaendert = true;
}
