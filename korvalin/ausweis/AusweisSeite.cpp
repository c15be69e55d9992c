#include "korvalin/ausweis/AusweisSeite.h"

#include "platform/gdi/Brush.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/Fuelllinie.h"
#include "tauplot/diagramm/TText.h"

#include <charconv>
#include <vector>

namespace ausweis {

TFont Arial(int32_t height, int32_t weight) {
    return TFont("Arial", height, 0, 0, 0, weight);
}

TFont ArialFett(int32_t height) {
    return Arial(height, FW_BOLD);
}

void LayoutWerteSetzen(TText& t) {
    constexpr int32_t zeilen = 90, hoehe = 14, einheit = 5;
    t.Seitenanzahl = 1;
    t.Zeichnen = 1;
    t.Drucken = false;
    t.ZeilenProSeite = zeilen;
    t.LinkerRand = 0.1;
    t.Einheit = hoehe;
    t.TextZeilenHoehe = hoehe;
    t.SeitenBreite = einheit * 150;
    t.SeitenHoehe = zeilen * hoehe;
    t.TabellenZeilenHoehe = hoehe + 10;
    t.SpaltenEinheit = einheit;
    t.Reservezeilen = 0;
}

const TProjekt* Projekt(const TText& t) {
    return t.Projekt ? t.Projekt->AktuellesProjekt : nullptr;
}

int32_t Links(const TText& t) {
    return int32_t(t.SeitenBreite * t.LinkerRand);
}

double Nutzbreite(const TText& t) {
    return t.SeitenBreite - t.SeitenBreite * t.LinkerRand;
}

std::string ZahlMit(double wert, std::string_view nach, int stellen) {
    // to_chars ignores the locale: the certificate always shows a point.
    char puffer[400];
    const auto [ende, fehler] =
        std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
    std::string s = fehler == std::errc() ? std::string(puffer, ende) : std::string("--");
    if (s == "-0.00" || s == "-0.0") s.erase(0, 1);
    return s.append(nach);
}

std::string Zahl(std::string_view vor, double wert, int stellen) {
    return std::string(vor) + ZahlMit(wert, "", stellen);
}

std::string Leer(int n) {
    return std::string(size_t(n), ' ');
}

bool Sichtbar(TText& t) {
    t.ScrollerPos();
    return t.Zeichnen != 0;
}

void Schreiben(TDC& dc, std::string_view text, TRect r, uint32_t format) {
    TextMitFuelllinie(dc, text, r, format);
}

void Messen(TDC& dc, std::string_view text, TRect& r, uint32_t format) {
    dc.DrawText(text, r, format | DT_CALCRECT | DT_NOPREFIX);
}

namespace {

// The caption's lines at the selected font, wrapped at blanks to `breite`;
// false when a word alone is wider. Centred lines lose their outer blanks,
// left-aligned ones keep their indent.
bool Zeilen(TDC& dc, std::string_view text, int32_t breite, bool mitte,
            std::vector<std::string>& zeilen) {
    zeilen.clear();
    const auto ohneRand = [mitte](std::string_view z) {
        while (!z.empty() && z.back() == ' ') z.remove_suffix(1);
        while (mitte && !z.empty() && z.front() == ' ') z.remove_prefix(1);
        return z;
    };
    bool passt = true;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t ende = std::min(text.find('\n', start), text.size());
        std::string_view rest = ohneRand(text.substr(start, ende - start));
        do {
            size_t nimm = rest.size();
            while (dc.GetTextExtent(rest.substr(0, nimm)).cx > breite) {
                const size_t blank = rest.substr(0, nimm).find_last_of(' ');
                if (blank == std::string_view::npos || rest.find_first_not_of(' ') >= blank) {
                    passt = false;
                    break;
                }
                nimm = rest.find_last_not_of(' ', blank) + 1;
            }
            zeilen.emplace_back(rest.substr(0, nimm));
            rest = rest.substr(nimm);
            while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
        } while (!rest.empty());
        start = ende + 1;
    }
    while (!zeilen.empty() && zeilen.back().empty()) zeilen.pop_back();
    return passt;
}

} // namespace

void Einpassen(TDC& dc, std::string_view text, const TRect& zelle, uint32_t format, int32_t hoehe,
               int32_t gewicht) {
    const bool mitte = format & kMitte;
    TRect innen = zelle;
    innen.right -= kLuft;
    // Room above the rule under the cell too: a last line's descenders
    // would otherwise sit on it.
    innen.bottom -= kLuft;
    if (mitte) innen.left += kLuft;
    std::vector<std::string> zeilen;
    for (int32_t h = hoehe;; --h) {
        FontWahl font(dc, Arial(h, gewicht));
        TEXTMETRIC tm;
        dc.GetTextMetrics(tm);
        const bool passt = Zeilen(dc, text, innen.Width(), mitte, zeilen);
        if ((passt && int32_t(zeilen.size()) * tm.tmHeight <= innen.Height()) || h <= 8) {
            int32_t y = innen.top;
            for (const std::string& z : zeilen) {
                if (!z.empty())
                    Schreiben(dc, z, TRect(innen.left, y, innen.right, y + tm.tmHeight),
                              mitte ? kMitte : kLinks);
                y += tm.tmHeight;
            }
            return;
        }
    }
}

void Linie(TDC& dc, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    dc.MoveTo(x1, y1);
    dc.LineTo(x2, y2);
}

void Rahmen(TDC& dc, int32_t l, int32_t t, int32_t r, int32_t b) {
    const TBrush alt = dc.SelectObject(TBrush::Stock(NULL_BRUSH));
    dc.Rectangle(l, t, r, b);
    dc.SelectObject(alt);
}

void Rahmen(TDC& dc, const TRect& r) {
    Rahmen(dc, r.left, r.top, r.right, r.bottom);
}

void Kreuz(TDC& dc, const TRect& r) {
    StiftWahl stift(dc, 2);
    Linie(dc, r.left, r.top, r.right, r.bottom);
    Linie(dc, r.left, r.bottom, r.right, r.top);
}

void Umbruch(TText& t, TDC& dc) {
    t.Seitenumbruch(dc);
    t.TextRect.bottom = t.TextRect.top;
}

bool Passt(const TText& t, int32_t hoehe) {
    const int32_t fuss = t.AktuelleSeite * t.SeitenHoehe - int32_t(0.1 * t.SeitenHoehe);
    return t.TextRect.bottom + hoehe <= fuss;
}

bool PlatzFuerWeitereMerkmale(const TText& t) {
    return t.TextRect.bottom + 21 * t.Einheit <= t.AktuelleSeite * t.SeitenHoehe;
}

void UnterschriftPosition(TText& t) {
    t.TextRect.bottom = t.AktuelleSeite * t.SeitenHoehe - t.SeitenHoehe / 4;
}

void ZellenAuslegen(TText& t, int n, const int32_t* breiten, int spalten, int32_t links,
                    int32_t oben, int32_t hoehe) {
    if (t.Zellen.size() < size_t(n) + 1) t.Zellen.resize(size_t(n) + 1);
    for (int i = 0; i <= n; ++i)
        for (TRect& z : t.Zellen[size_t(i)]) z = TRect(links, oben, links, oben);
    for (int i = 1; i <= n; ++i) {
        auto& zeile = t.Zellen[size_t(i)];
        for (int j = 1; j <= spalten && j < TText::kZellenProZeile; ++j) {
            TRect& z = zeile[size_t(j)];
            z.left = zeile[size_t(j - 1)].right;
            z.top = t.Zellen[size_t(i - 1)][size_t(j)].bottom;
            z.right = z.left + breiten[j - 1];
            z.bottom = z.top + hoehe;
        }
    }
}

const TRect& Zelle(const TText& t, int zeile, int spalte) {
    static const TRect leer;
    if (zeile < 0 || size_t(zeile) >= t.Zellen.size() || spalte < 0 ||
        spalte >= TText::kZellenProZeile)
        return leer;
    return t.Zellen[size_t(zeile)][size_t(spalte)];
}

void Ueberschrift(TText& t, TDC& dc, std::string_view untertitel) {
    const int32_t H = t.Einheit;
    TRect& r = t.TextRect;
    {
        FontWahl titel(dc, Arial(-20));
        r = TRect(Links(t), 2 * H, t.SeitenBreite, 4 * H);
        if (Sichtbar(t))
            Schreiben(dc, "Wärmebedarfsausweis nach § 12 Wärmeschutzverordnung", r, kMitte);
    }
    FontWahl fett(dc, ArialFett());
    r.top = r.bottom + H;
    // Measured also off the view, so that the layout never depends on it.
    const bool sichtbar = Sichtbar(t);
    Messen(dc, untertitel, r, kMitte);
    r.right = t.SeitenBreite;
    if (sichtbar) Schreiben(dc, untertitel, r, kMitte);
}

int FensterGruppe(const TPFenster& f, bool mitNeigung) {
    int gruppe = f.Orientierung <= Ost ? int(f.Orientierung) : int(West);
    // Inclination in degrees; shading share 0..1 (WSchVO 1995 Anlage 1 Ziffer 1.6.4).
    if (mitNeigung && f.Neigung < 15) gruppe = West;
    if (f.Verschattung > 0.5) gruppe = Nord;
    return gruppe;
}

} // namespace ausweis
