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

void TSchuettungGrafik::Draw(TDC& dc, TRect, bool) {
    if (KachelBreite > 0 && KachelHoehe > 0) {
        const TBitmap kachel = Kachel(dc);
        TMemoryDC quelle(dc);
        quelle.SelectObject(kachel);
        const int spalten = Breite() / KachelBreite + 1;
        const int reihen = Hoehe() / KachelHoehe + 1;
        Versaetze(reihen, false);
        for (int r = 0; r < reihen; ++r) {
            const int y = Oben + r * KachelHoehe;
            dc.BitBlt(Links, y, KachelBreite, KachelHoehe, quelle, 0, 0, SRCCOPY);
            int x = Links + Versatz[r];
            for (int c = 0; c < spalten; ++c, x += KachelBreite)
                dc.BitBlt(x, y, KachelBreite, KachelHoehe, quelle, 0, 0, SRCCOPY);
        }
    }
    DrawBegrenzung(dc, 2, false);
}

// Columns of tiles across the thickness, each shifted down by its offset.
void TSchuettungGrafik::DrawHochkant(TDC& dc, TRect, bool) {
    if (KachelBreite > 0 && KachelHoehe > 0) {
        const TBitmap kachel = Kachel(dc);
        TMemoryDC quelle(dc);
        quelle.SelectObject(kachel);
        const int spalten = Breite() / KachelBreite + 1;
        const int reihen = Hoehe() / KachelHoehe + 1;
        Versaetze(spalten, true);
        for (int c = 0; c < spalten; ++c) {
            const int x = Links + c * KachelBreite;
            dc.BitBlt(x, Oben, KachelBreite, KachelHoehe, quelle, 0, 0, SRCCOPY);
            int y = Oben + Versatz[c];
            for (int r = 0; r < reihen; ++r, y += KachelHoehe)
                dc.BitBlt(x, y, KachelBreite, KachelHoehe, quelle, 0, 0, SRCCOPY);
        }
    }
    DrawBegrenzung(dc, 2, true);
}
