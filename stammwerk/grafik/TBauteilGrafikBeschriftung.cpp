// The annotations around the hatched bands: dimension axis, thicknesses,
// layer numbers, material names and the words "innen" and "außen".
#include "platform/gdi/DC.h"
#include "stammwerk/grafik/GrafikEinstellungen.h"
#include "stammwerk/grafik/GrafikText.h"
#include "stammwerk/grafik/TBaustoffGrafik.h"
#include "stammwerk/grafik/TBauteilGrafik.h"

#include <algorithm>

namespace {

void Linie(TDC& dc, TPoint a, TPoint b) {
    dc.MoveTo(a);
    dc.LineTo(b);
}

int MitteX(const TBaustoffGrafik* s) {
    return s->Links + (s->Rechts - s->Links) / 2;
}

int MitteY(const TBaustoffGrafik* s) {
    return s->Oben + (s->Unten - s->Oben) / 2;
}

const char* Innen(bool umgekehrt) {
    return umgekehrt ? "außen" : "innen";
}

const char* Aussen(bool umgekehrt) {
    return umgekehrt ? "innen" : "außen";
}

} // namespace

void TBauteilGrafik::DrawSkala(TDC& dc, TRect scale, int total, bool direct, bool upright) {
    const TFont anfang = dc.SelectObject(GrafikEinstellungen::BasisSchrift(spBtGG));
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    Beschriftungsmass = upright ? tm.tmAveCharWidth : tm.tmHeight;
    dc.SelectStockObject(BLACK_PEN);

    const int offset = direct ? 0 : (upright ? scale.left : scale.top);
    y_PositionBestimmen(dc, total, offset, upright);
    TPoint achse;
    if (upright) {
        achse = TPoint(scale.left, scale.bottom + 20);
        Numerierung(dc, achse, offset, true);
        Achse(dc, achse, TPoint(scale.right, scale.bottom), offset, true);
    } else {
        achse = TPoint(scale.left - 20, scale.top);
        Achse(dc, achse, TPoint(scale.right, scale.bottom), offset, false);
    }
    dc.SelectObject(GrafikEinstellungen::VertikalSchrift(spBtGG));
    Bemassung(dc, achse, offset, upright);

    dc.SelectObject(GrafikEinstellungen::BasisSchrift(spBtGG));
    dc.SetTextColor(GrafikEinstellungen::BeschriftungFarbe(spBtGG));
    const int rechts = scale.left + Schichtlaenge + (upright ? 60 : 100);
    Beschriftung(dc, TPoint(rechts, scale.top), scale.bottom, direct ? 0 : scale.top, upright);

    dc.SelectObject(anfang);
    dc.SetTextColor(TColor::Black);
    dc.SelectStockObject(ANSI_FIXED_FONT);
    dc.SelectStockObject(BLACK_PEN);
}

// Numbers that would overlap their predecessor are pushed on by their own size plus 4.
void TBauteilGrafik::y_PositionBestimmen(TDC& dc, int, int offset, bool upright) {
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();
    NummerPositionen.assign(folge.size(), 0);
    for (size_t i = 0; i < folge.size(); ++i) {
        const int mitte = upright ? MitteX(folge[i]) : MitteY(folge[i]);
        const int halb =
            upright ? dc.GetTextExtent(GrafikText::Zahl(int(i) + 1)).cx : Beschriftungsmass / 2;
        int& pos = NummerPositionen[i];
        if (i == 0) {
            pos = mitte + offset;
            continue;
        }
        const int vorige = NummerPositionen[i - 1];
        pos = vorige + halb + 2 >= mitte - halb + offset ? vorige + 2 * halb + 4 : mitte + offset;
    }
}

void TBauteilGrafik::yPosBeschriftungBestimmen(int from, int to, int offset, int textHeight) {
    const int n = Schichtanzahl();
    BeschriftungPositionen.assign(size_t(n), 0);
    if (n == 0) return;
    const int schritt = (to - from) / n;
    const int halb = textHeight / 2;
    for (int i = 0; i < n; ++i) {
        const int nominal = from + schritt / 2 + i * schritt;
        int& pos = BeschriftungPositionen[size_t(i)];
        if (i == 0) {
            pos = nominal + offset;
            continue;
        }
        const int vorige = BeschriftungPositionen[size_t(i) - 1];
        pos = vorige + halb >= nominal - halb + offset ? vorige + 2 * halb + 1 : nominal + offset;
    }
}

void TBauteilGrafik::Achse(TDC& dc, TPoint a, TPoint b, int offset, bool upright) {
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();
    if (folge.empty()) return;
    Linie(dc, a, upright ? TPoint(b.x, a.y) : TPoint(a.x, b.y));
    dc.SelectStockObject(BLACK_BRUSH);
    // A tick of 20 units across the axis.
    auto strich = [&](TPoint m) {
        if (upright)
            Linie(dc, {m.x, m.y - 10}, {m.x, m.y + 10});
        else
            Linie(dc, {m.x - 10, m.y}, {m.x + 10, m.y});
    };
    for (size_t i = 0; i < folge.size(); ++i) {
        const TBaustoffGrafik* s = folge[i];
        const TPoint m = upright ? TPoint(s->Links + offset, a.y) : TPoint(a.x, s->Oben + offset);
        const TRect punkt(m.x - 2, m.y - 2, m.x + 3, m.y + 3);
        if (i == 0) {
            strich(m);
            if (upright)
                dc.Chord(punkt, {m.x, m.y + 1}, {m.x, m.y - 1});
            else
                dc.Chord(punkt, {m.x - 2, m.y}, {m.x + 3, m.y});
        } else {
            dc.Ellipse(punkt);
        }
        strich(upright ? TPoint(s->Rechts + offset, a.y) : TPoint(a.x, s->Unten + offset));
    }
    const TBaustoffGrafik* letzte = folge.back();
    if (upright) {
        const int e = letzte->Rechts + offset;
        dc.Chord(TRect(e - 2, a.y - 2, e + 3, a.y + 3), {e, a.y - 1}, {e, a.y + 1});
    } else {
        const int e = letzte->Unten + offset;
        dc.Chord(TRect(a.x - 2, e - 2, a.x + 3, e + 3), {a.x + 3, e - 1}, {a.x - 2, e - 1});
    }
    dc.SelectStockObject(WHITE_BRUSH);
}

// Thickness across the axis where it fits, else along it, else not at all.
void TBauteilGrafik::Bemassung(TDC& dc, TPoint at, int offset, bool upright) {
    const int altModus = dc.SetBkMode(OPAQUE); // the numbers blank the axis behind them
    const TFont anfang = dc.GetFont();
    for (const TBaustoffGrafik* s : Zeichenfolge()) {
        const int x = upright ? MitteX(s) + offset : at.x;
        const int y = upright ? at.y : MitteY(s) + offset;
        const int e = upright ? s->Breite() : s->Hoehe();
        const std::string text = " " + GrafikText::Zahl(s->Dicke) + " ";
        const TSize groesse = dc.GetTextExtent(text);
        const int w = groesse.cx;
        const int h = groesse.cy;
        if (e >= w) {
            if (upright) {
                dc.SelectObject(GrafikEinstellungen::NormalSchrift(spBtGG));
                dc.TextOut(x - w / 2 - 1, y - h / 2 + 1, text);
            } else {
                dc.SelectObject(GrafikEinstellungen::VertikalSchrift(spBtGG));
                dc.TextOut(x - h / 2 - 1, y + w / 2 + 1, text);
            }
        } else if (e - 2 >= h) {
            if (upright) {
                dc.SelectObject(GrafikEinstellungen::VertikalSchrift(spBtGG));
                dc.TextOut(x - h / 2, y + w / 2, text);
            } else {
                dc.SelectObject(GrafikEinstellungen::NormalSchrift(spBtGG));
                dc.TextOut(x - w / 2, y - h / 2, text);
            }
        }
        dc.SelectObject(anfang);
    }
    dc.SetBkMode(altModus);
}

void TBauteilGrafik::Numerierung(TDC& dc, TPoint at, int offset, bool withFaces) {
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();
    if (folge.empty()) return;
    if (withFaces) {
        const TSize g = dc.GetTextExtent(Innen(bUmgekehrt));
        dc.TextOut(at.x - 25 - g.cx / 2, at.y + 10 - g.cy / 2, Innen(bUmgekehrt));
    }
    for (size_t i = 0; i < folge.size() && i < NummerPositionen.size(); ++i) {
        const int cx = MitteX(folge[i]) + offset;
        dc.MoveTo(cx, at.y + 3);
        dc.LineTo(cx, at.y + 6);
        dc.LineTo(NummerPositionen[i], at.y + 15);
        DrawTextWithCircle(dc, NummerPositionen[i], at.y + 25, GrafikText::Zahl(int(i) + 1));
    }
    if (withFaces) {
        const TSize g = dc.GetTextExtent(Aussen(bUmgekehrt));
        dc.TextOut(wortAussenX(dc, offset), at.y + 10 - g.cy / 2, Aussen(bUmgekehrt));
    }
}

// Thin layers push their numbers beyond the block: the word goes after the
// last number, clear of the leader lines.
int TBauteilGrafik::wortAussenX(TDC& dc, int offset) const {
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();
    int x = folge.back()->Rechts + offset + 20;
    if (!NummerPositionen.empty()) {
        const TSize nummer = dc.GetTextExtent(GrafikText::Zahl(int(folge.size())));
        x = std::max(x, NummerPositionen.back() + std::max(nummer.cx, nummer.cy) / 2 + 8);
    }
    return x;
}

TRect TBauteilGrafik::NummernBereich(TDC& dc, int offset) {
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();
    if (folge.empty()) return TRect();
    // The font, positions and axis height that DrawSkala will use.
    const TFont vorher = dc.SelectObject(GrafikEinstellungen::BasisSchrift(spBtGG));
    y_PositionBestimmen(dc, 0, offset, true);
    const TSize nummer = dc.GetTextExtent(GrafikText::Zahl(int(folge.size())));
    const int radius = (std::max(nummer.cx, nummer.cy) + 2) / 2 + 1;
    const int achse = BlockY + Hochkantlaenge + 20;
    const TSize wort = dc.GetTextExtent(Aussen(bUmgekehrt));
    const int rechts =
        std::max(NummerPositionen.back() + radius, wortAussenX(dc, offset) + wort.cx);
    const int oben = std::min(achse, achse + 10 - wort.cy / 2);
    dc.SelectObject(vorher);
    return TRect(NummerPositionen.front() - radius, oben, rechts, achse + 25 + radius);
}

void TBauteilGrafik::Beschriftung(TDC& dc, TPoint at, int bottom, int offset, bool upright) {
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();
    if (folge.empty()) return;
    const int h = GrafikText::Hoehe(dc);
    if (!upright) {
        const TSize g = dc.GetTextExtent(Innen(bUmgekehrt));
        dc.TextOut(at.x - g.cx / 2, at.y - 2 * g.cy, Innen(bUmgekehrt));
        BeschriftungPositionen = NummerPositionen;
    } else {
        // Spread by the text height: the names are stacked one above the other.
        yPosBeschriftungBestimmen(folge.front()->Oben, folge.front()->Unten, offset, h);
    }
    for (size_t i = 0; i < folge.size() && i < BeschriftungPositionen.size(); ++i) {
        const TBaustoffGrafik* s = folge[i];
        const int pos = BeschriftungPositionen[i];
        if (!upright) {
            dc.MoveTo(at.x - 40, MitteY(s) + offset);
            dc.LineTo(at.x - 30, MitteY(s) + offset);
            dc.LineTo(at.x - 20, pos);
        }
        const TSize g = dc.GetTextExtent(s->Name);
        TRect feld(at.x + 20, pos - g.cy / 2, at.x + 20 + g.cx, pos + g.cy / 2);
        dc.DrawText(s->Name, feld, DT_NOCLIP | DT_SINGLELINE | DT_NOPREFIX);
        DrawTextWithCircle(dc, at.x, pos, GrafikText::Zahl(int(i) + 1));
    }
    if (!upright) {
        const TSize g = dc.GetTextExtent(Aussen(bUmgekehrt));
        const int letzte = BeschriftungPositionen.empty() ? bottom : BeschriftungPositionen.back();
        dc.TextOut(at.x - g.cx / 2, std::max(bottom + g.cy, letzte + g.cy), Aussen(bUmgekehrt));
    }
}

void TBauteilGrafik::DrawTextWithCircle(TDC& dc, int x, int y, const std::string& text) {
    const TSize g = dc.GetTextExtent(text);
    dc.TextOut(x - g.cx / 2, y - g.cy / 2, text);
    const int d = std::max(g.cx, g.cy) + 2;
    dc.SelectStockObject(NULL_BRUSH);
    dc.Ellipse(x - d / 2, y - d / 2, x + d / 2 + 1, y + d / 2 + 1);
    dc.SelectStockObject(WHITE_BRUSH);
}
