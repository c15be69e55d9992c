#include "stammwerk/grafik/TSchuettungGrafik.h"

#include "platform/gdi/MemoryDC.h"
#include "stammwerk/grafik/TZufallsgenerator.h"

TSchuettungGrafik::TSchuettungGrafik(int dicke) : TBaustoffGrafik(dicke) {
    FesteGroesse = 8;
}

TBitmap TSchuettungGrafik::Kachel(const TDC& dc) const {
    TMemoryDC mem(dc, KachelBreite, KachelHoehe);
    mem.PatBlt(TRect(0, 0, KachelBreite, KachelHoehe), WHITENESS);
    mem.SelectObject(TPen(TColor::Black));
    mem.SelectStockObject(NULL_BRUSH);
    mem.Ellipse(1, 1, 9, 7);
    mem.SelectStockObject(BLACK_BRUSH);
    mem.Ellipse(11, 2, 15, 6);
    return mem.GetPixels();
}

void TSchuettungGrafik::Versaetze(int anzahl, bool hochkant) {
    if (bZufallBerechnet && hochkant == hochkant_ && int(Versatz.size()) >= anzahl) return;
    TZufallsgenerator& zufall = TZufallsgenerator::Aktuell();
    if (!bZufallBerechnet || hochkant != hochkant_) {
        zufall.Saeen();
        Versatz.clear();
    }
    const int grenze = hochkant ? KachelHoehe : KachelBreite;
    while (int(Versatz.size()) < anzahl) Versatz.push_back(zufall.Unter(grenze));
    hochkant_ = hochkant;
    bZufallBerechnet = true;
}

// Horizontal: rows of tiles, each shifted right by its offset; upright:
// columns of tiles across the thickness, each shifted down by its offset.
void TSchuettungGrafik::Kacheln(TDC& dc, bool hochkant) {
    if (KachelBreite <= 0 || KachelHoehe <= 0) return;
    const TBitmap kachel = Kachel(dc);
    TMemoryDC quelle(dc);
    quelle.SelectObject(kachel);
    const int spalten = Breite() / KachelBreite + 1;
    const int reihen = Hoehe() / KachelHoehe + 1;
    const int baender = hochkant ? spalten : reihen;
    const int jeBand = hochkant ? reihen : spalten;
    // One tile along the band, and from one band to the next.
    const TPoint entlang = hochkant ? TPoint(0, KachelHoehe) : TPoint(KachelBreite, 0);
    const TPoint quer = hochkant ? TPoint(KachelBreite, 0) : TPoint(0, KachelHoehe);
    auto kopieren = [&](TPoint p) {
        dc.BitBlt(p.x, p.y, KachelBreite, KachelHoehe, quelle, 0, 0, SRCCOPY);
    };
    Versaetze(baender, hochkant);
    for (int b = 0; b < baender; ++b) {
        const TPoint anfang(Links + b * quer.x, Oben + b * quer.y);
        kopieren(anfang);
        TPoint p = hochkant ? anfang.Offset(0, Versatz[b]) : anfang.Offset(Versatz[b], 0);
        for (int k = 0; k < jeBand; ++k, p = p.Offset(entlang.x, entlang.y)) kopieren(p);
    }
}

void TSchuettungGrafik::Draw(TDC& dc, TRect, bool) {
    Kacheln(dc, false);
    DrawBegrenzung(dc, 2, false);
}

void TSchuettungGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    Kacheln(dc, true);
    DrawBegrenzung(dc, 2, true);
}
