// The table model and the drawing primitives of the content generators.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "platform/gdi/DC.h"

#include <algorithm>

namespace {
uint32_t ausrichtungsFormat(int ausrichtung) {
    switch (ausrichtung) {
    case 1:
        return DT_RIGHT;
    case 2:
        return DT_CENTER;
    default:
        return DT_LEFT;
    }
}

std::array<double, TDatenblattBasis::MaxSpalten> ersteSpalten(const TSpaltenSatz& s,
                                                              size_t ab = 0) {
    std::array<double, TDatenblattBasis::MaxSpalten> w{};
    for (size_t i = 0; i < w.size() && ab + i < s.Breite.size(); ++i) w[i] = s.Breite[ab + i];
    return w;
}
} // namespace

TRect& TDatenblattBasis::Zelle(int zeile, int spalte) {
    if (zeile < 0) zeile = 0;
    if (size_t(zeile) >= Zellen.size()) Zellen.resize(size_t(zeile) + 1);
    return Zellen[size_t(zeile)][size_t(std::clamp(spalte, 0, MaxSpalten))];
}

int TDatenblattBasis::Zeilenkante(int i) const {
    if (i >= 0 && size_t(i) < Zeilenkanten.size()) return Zeilenkanten[size_t(i)];
    return Zeilenkanten.front() + i * Zeilenhoehe;
}

void TDatenblattBasis::SpaltenLayout() {
    static const TFixDaten vorgabe;
    static const TDateiFixDaten dateiVorgabe;
    const TFixDaten& fix = FixDaten ? *FixDaten : vorgabe;
    const TDateiFixDaten& datei = DateiFixDaten ? *DateiFixDaten : dateiVorgabe;
    const bool ausDatei = DateiFlag() || !Projektblatt;
    Breitensaetze.clear();
    switch (Block.Abschnitt) {
    case 4: {
        const TBlattDaten& d = ausDatei ? datei.Bauteilspalten : fix.Bauteilspalten;
        Breitensaetze.push_back(ersteSpalten(d.Spaltensaetze[0]));
        // Columns 1-11 or 12-22 of the second set.
        auto zweiter = ersteSpalten(d.Spaltensaetze[1], SeitenLayout().FeuchteDaten == 1 ? 0 : 11);
        std::fill(zweiter.begin() + 11, zweiter.end(), 0.0);
        Breitensaetze.push_back(zweiter);
        break;
    }
    case 5: {
        const TBlattDaten& d = ausDatei ? datei.Fensterspalten : fix.Fensterspalten;
        for (const TSpaltenSatz& s : d.Spaltensaetze) Breitensaetze.push_back(ersteSpalten(s));
        break;
    }
    default:
        if (const TBlattDaten* d = fix.Satz(Block.Abschnitt))
            for (const TSpaltenSatz& s : d->Spaltensaetze) Breitensaetze.push_back(ersteSpalten(s));
        break;
    }
    // Section 0 has no record; its tables take the defaults of one column set.
    while (Breitensaetze.size() < 2) Breitensaetze.push_back(ersteSpalten(TSpaltenSatz()));
}

void TDatenblattBasis::SpaltenBreitenSetzen(int satz, int spalten) {
    const auto& prozent = Breitensaetze.at(size_t(satz));
    const double faktor = Koerper.Width() * Breitenfaktor;
    Spaltenbreite.fill(0);
    for (int i = 1; i <= std::min(spalten, MaxSpalten); ++i)
        Spaltenbreite[size_t(i)] = 0.01 * prozent[size_t(i - 1)] * faktor;
}

void TDatenblattBasis::TabellenRaster(int zeilen, int spalten) {
    zeilen = std::max(zeilen, 0);
    spalten = std::clamp(spalten, 0, MaxSpalten);
    Tabellenzeilen = zeilen;
    Tabellenspalten = spalten;
    const int links = Block.InnenLinks;
    const int oben = Block.InnenOben;
    Zeilenkanten.resize(size_t(zeilen) + 1);
    for (int i = 0; i <= zeilen; ++i) Zeilenkanten[size_t(i)] = oben + i * Zeilenhoehe;
    if (Zellen.size() < size_t(zeilen)) Zellen.resize(size_t(zeilen));
    Spaltenkante.fill(links);
    // Each edge is truncated before the next column is added to it.
    for (int i = 1; i <= spalten; ++i)
        Spaltenkante[size_t(i)] =
            int(Zeichenbreite * Spaltenbreite[size_t(i)] + Spaltenkante[size_t(i - 1)]);
    Block.InnenUnten = Zeilenkanten.back();
    Block.InnenRechts = Block.Rechts;
    Block.InnenHoehe = Block.Hoehe = Block.InnenUnten - oben;
    if (Block.Art >= 1 && Block.Art <= 5) {
        auto& griffe = Spaltengriffe[size_t(Block.Art - 1)];
        griffe.fill(TRect());
        for (int i = 1; i <= spalten; ++i)
            griffe[size_t(i)] = TRect(Spaltenkante[size_t(i)] - 3, oben,
                                      Spaltenkante[size_t(i)] + 3, Block.InnenUnten);
    }
}

void TDatenblattBasis::TabelleZeichnen(TDC& dc, int zeilen, int spalten, int pass) {
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Tabelle));
    TabellenRaster(zeilen, spalten);
    if (pass == 1 && SeitenEditModus && AufAktuellerSeite()) {
        const TPen altStift = dc.SelectObject(TPen(TColor::Black));
        const TBrush altPinsel = dc.SelectObject(TBrush(TColor::Black));
        const int oben = Zeilenkanten.front();
        for (int i = 0; i <= Tabellenspalten; ++i) {
            const int x = Spaltenkante[size_t(i)];
            const TPoint dreieck[3] = {{x - 3, oben - 6}, {x + 3, oben - 6}, {x, oben}};
            dc.Polygon(dreieck, 3);
        }
        dc.SelectObject(altPinsel);
        dc.SelectObject(altStift);
    }
    if (pass == 1 && AufAktuellerSeite()) TabellenGitter(dc, Tabellenzeilen, Tabellenspalten);
    dc.SelectObject(alt);
}

void TDatenblattBasis::TabellenGitter(TDC& dc, int zeilen, int spalten) {
    const TPen alt = dc.SelectObject(TPen(TColor::Black, 1));
    const int x0 = Spaltenkante[0], x1 = Spaltenkante[size_t(spalten)];
    const int y0 = Zeilenkante(0), y1 = Zeilenkante(zeilen);
    for (int i = 0; i <= zeilen; ++i) {
        dc.MoveTo(x0, Zeilenkante(i));
        dc.LineTo(x1, Zeilenkante(i));
    }
    for (int j = 0; j <= spalten; ++j) {
        dc.MoveTo(Spaltenkante[size_t(j)], y0);
        dc.LineTo(Spaltenkante[size_t(j)], y1);
    }
    dc.SelectObject(alt);
}

void TDatenblattBasis::zelleZeichnen(TDC& dc, const TRect& r, const std::string& text,
                                     int ausrichtung, int fuellen) {
    // A hidden column has no width: its heading and values stay unseen,
    // also on a screen that would let them run out of the cell.
    if (r.Width() <= 0) return;
    if (fuellen == 1) dc.FillRect(r, TBrush(Zellfarbe));
    const int altModus = dc.SetBkMode(TRANSPARENT);
    TRect rr = r;
    // A text wider than its cell (a long layer name on a narrow page) is set
    // smaller rather than cut off at the cell's rule.
    const TFont alt = dc.GetFont();
    LOGFONT log = alt.GetLogFont();
    const int32_t breite = dc.GetTextExtent(text).cx;
    const bool kleiner = breite > r.Width() && r.Width() > 0 && log.lfHeight != 0;
    if (kleiner) {
        log.lfHeight = int32_t(int64_t(log.lfHeight) * r.Width() / breite);
        log.lfWidth = int32_t(int64_t(log.lfWidth) * r.Width() / breite);
        dc.SelectObject(TFont(log));
    }
    dc.DrawText(text, rr,
                DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | ausrichtungsFormat(ausrichtung));
    if (kleiner) dc.SelectObject(alt);
    dc.SetBkMode(altModus);
}

void TDatenblattBasis::ZelleText(TDC& dc, int p, int q, int r, int n, int a, int f) {
    p = std::clamp(p, 0, MaxSpalten - 1);
    q = std::clamp(q, 0, MaxSpalten);
    TRect& z = Zelle(r, p);
    z = TRect(Spaltenkante[size_t(p)], Zeilenkante(r), Spaltenkante[size_t(q)], Zeilenkante(r + n));
    if (Durchgang == 1 && AufAktuellerSeite()) zelleZeichnen(dc, z, Spaltentext[size_t(p)], a, f);
}

void TDatenblattBasis::TabellenZeile(TDC& dc, int r, int k, int n, const int* a, int f) {
    k = std::clamp(k, 0, MaxSpalten);
    for (int i = 0; i < k; ++i)
        Zelle(r, i) = TRect(Spaltenkante[size_t(i)], Zeilenkante(r), Spaltenkante[size_t(i + 1)],
                            Zeilenkante(r + n));
    Block.InnenUnten = Zeilenkante(r + n);
    Block.InnenHoehe = Block.Hoehe = Block.InnenUnten - Block.InnenOben;
    if (Durchgang != 1 || !AufAktuellerSeite()) return;
    for (int i = 0; i < k; ++i) zelleZeichnen(dc, Zelle(r, i), Spaltentext[size_t(i)], a[i], f);
}

void TDatenblattBasis::TabellenZeileZentriert(TDC& dc, int r, int k, int n, const int* modus,
                                              int f) {
    k = std::clamp(k, 0, MaxSpalten);
    for (int i = 0; i < k; ++i)
        Zelle(r, i) = TRect(Spaltenkante[size_t(i)], Zeilenkante(r), Spaltenkante[size_t(i + 1)],
                            Zeilenkante(r + n));
    Block.InnenUnten = Zeilenkante(r + n);
    Block.InnenHoehe = Block.Hoehe = Block.InnenUnten - Block.InnenOben;
    if (Durchgang != 1 || !AufAktuellerSeite()) return;
    const int altModus = dc.SetBkMode(TRANSPARENT);
    for (int i = 0; i < k; ++i) {
        const TRect& z = Zelle(r, i);
        if (f == 1) dc.FillRect(z, TBrush(Zellfarbe));
        const std::string& text = Spaltentext[size_t(i)];
        const TSize groesse = dc.GetTextExtent(text);
        int x = z.left;
        if (dc.GetFont().Escapement() == 900) {
            // Text reading upwards: its height lies across the cell, and it
            // starts at the bottom edge.
            if (modus[i] == 1) x = z.right - groesse.cy;
            if (modus[i] == 2) x = z.left + z.Width() / 2 - groesse.cy / 2;
            dc.TextOut(x, z.bottom, text);
            continue;
        }
        if (modus[i] == 1) x = z.right - groesse.cx;
        if (modus[i] == 2) x = z.left + z.Width() / 2 - groesse.cx / 2;
        // The text stands on the cell's bottom edge.
        dc.TextOut(x, z.bottom - groesse.cy, text);
    }
    dc.SetBkMode(altModus);
}

std::string TDatenblattBasis::zahlText(const char* vor, double wert, const char* nach) const {
    if (wert < double(Zahlen().ExponentLimit)) return QTX_format("%s%3.2lf%s", vor, wert, nach);
    return QTX_format("%s%5.4G%s", vor, wert, nach);
}

void TDatenblattBasis::ZahlFormatieren(int spalte, double wert) {
    std::string& text = Spaltentext[size_t(std::clamp(spalte, 0, MaxSpalten - 1))];
    if (wert < double(Zahlen().ExponentLimit))
        text = QTX_format("%s%3.2lf%s", " ", wert, " ");
    else
        text = QTX_format("%s%5.4G%s", "  ", wert, " ");
}

void TDatenblattBasis::boxZeichnen(TDC& dc, const std::string& text, Textstil stil, bool titel,
                                   int pass) {
    const TFont alt = dc.SelectObject(Texte().Font(stil));
    const uint32_t zentriert = titel ? DT_CENTER : 0;
    // Air above the first line and below the last line's descent: without
    // it the bottom rule runs through g, j, p, q and y and the next box's
    // fill covers their tails.
    TEXTMETRIC tm;
    dc.GetTextMetrics(tm);
    const int luft = std::max(2, tm.tmDescent / 2);
    TRect innen(BlockLinks() + 5, Block.Oben + luft, BlockRechts() - 5, Block.Oben + luft);
    dc.DrawText(text, innen, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | zentriert);
    innen.right = BlockRechts() - 5;
    Block.Unten = Block.InnenUnten = innen.bottom + luft;
    Block.InnenHoehe = Block.Hoehe = Block.Unten - Block.Oben;
    if (pass == 1 && AufAktuellerSeite()) {
        const TRect r = Block.Rechteck();
        dc.FillRect(r, TBrush(Boxfarbe));
        const TColor altFarbe = dc.SetTextColor(titel ? Texte().Farbe(stil) : dc.GetTextColor());
        const int altModus = dc.SetBkMode(TRANSPARENT);
        dc.DrawText(text, innen, DT_WORDBREAK | DT_NOPREFIX | zentriert);
        dc.SetBkMode(altModus);
        dc.SetTextColor(titel ? TColor::Black : altFarbe);
        const TPen altStift = dc.SelectObject(TPen(TColor::Black));
        dc.MoveTo(r.left, r.top);
        dc.LineTo(r.right, r.top);
        dc.LineTo(r.right, r.bottom);
        dc.LineTo(r.left, r.bottom);
        dc.LineTo(r.left, r.top);
        dc.SelectObject(altStift);
    }
    dc.SelectObject(alt);
}

void TDatenblattBasis::KommentarZeichnen(TDC& dc, const std::string& text, int pass) {
    boxZeichnen(dc, text, Textstil::Kommentar, false, pass);
}

void TDatenblattBasis::TitelZeichnen(TDC& dc, const std::string& text, int pass) {
    boxZeichnen(dc, text, Textstil::Titel, true, pass);
}

void TDatenblattBasis::rahmenBis(TDC& dc, int unten) {
    const int spalten = std::max(Tabellenspalten, 1);
    const TRect& erste = Zelle(0, 0);
    const int links = erste.left, oben = erste.top;
    const int rechts = Zelle(0, spalten - 1).right;
    dc.MoveTo(links, oben);
    dc.LineTo(rechts, oben);
    dc.LineTo(rechts, unten);
    dc.LineTo(links, unten);
    dc.LineTo(links, oben);
}

void TDatenblattBasis::TabellenRahmenOhneLetzteZeile(TDC& dc) {
    TabellenRahmenBisZeile(dc, Tabellenzeilen - 2);
}

void TDatenblattBasis::TabellenRahmenZeichnen(TDC& dc) {
    TabellenRahmenBisZeile(dc, Tabellenzeilen - 1);
}

void TDatenblattBasis::TabellenRahmenBisZeile(TDC& dc, int zeile) {
    // The row's cell may span further rows; an unwritten cell ends at its row.
    const TRect& z = Zelle(zeile, 0);
    rahmenBis(dc, z.IsEmpty() ? Zeilenkante(zeile + 1) : z.bottom);
}

void TDatenblattBasis::EinheitMitExponentZeichnen(TDC& dc, int x, int y, const TFont& basisSchrift,
                                                  const TFont& exponentSchrift,
                                                  const std::string& basis,
                                                  const std::string& exponent) {
    TFont alt = dc.SelectObject(basisSchrift);
    dc.TextOut(x, y, basis);
    const int breite = dc.GetTextExtent(basis).cx;
    dc.SelectObject(alt);
    alt = dc.SelectObject(exponentSchrift);
    const int hoehe = dc.GetTextExtent(exponent).cy;
    dc.TextOut(x + breite, y - int(0.2 * hoehe), exponent);
    dc.SelectObject(alt);
}

void TDatenblattBasis::ZellenSetzen(int spalten, int zeile, const int* x, const int* y) {
    for (int k = 0; k < std::min(spalten, MaxSpalten); ++k)
        Zelle(zeile, k) = TRect(x[k], y[zeile], x[k + 1], y[zeile + 1]);
}

void TDatenblattBasis::ZeileFuellen(TDC& dc, int spalten, int zeile, TColor farbe) {
    if (spalten < 1) return;
    const TRect& a = Zelle(zeile, 0);
    const TRect& b = Zelle(zeile, spalten - 1);
    dc.FillRect(TRect(a.left, a.top, b.right, b.bottom), TBrush(farbe));
}

void TDatenblattBasis::ZeileBeschriften(TDC& dc, int spalten, int zeile,
                                        const std::vector<std::string>& texte) {
    const int altModus = dc.SetBkMode(TRANSPARENT);
    for (int k = 0; k < std::min(spalten, int(texte.size())); ++k) {
        TRect r = Zelle(zeile, k);
        dc.DrawText(texte[size_t(k)], r, DT_SINGLELINE | DT_VCENTER | DT_CENTER | DT_NOPREFIX);
    }
    dc.SetBkMode(altModus);
}

void TDatenblattBasis::TabellenZeileZeichnen(TDC& dc, int spalten, int zeile, const int* x,
                                             const int* y, TColor farbe,
                                             const std::vector<std::string>& texte) {
    ZellenSetzen(spalten, zeile, x, y);
    ZeileFuellen(dc, spalten, zeile, farbe);
    ZeileBeschriften(dc, spalten, zeile, texte);
}

void TDatenblattBasis::GitterTabelleZeichnen(TDC& dc, int zeilen, int spalten,
                                             const std::vector<std::string>& kopf1,
                                             const std::vector<std::string>& kopf2) {
    spalten = std::clamp(spalten, 0, MaxSpalten);
    for (int r = 0; r < zeilen; ++r)
        for (int k = 0; k <= spalten; ++k) Zelle(r, k) = TRect();
    // The edges as the caller set them, the rows continued as far as needed.
    std::vector<int> y(size_t(std::max(zeilen, 2)) + 1);
    for (size_t i = 0; i < y.size(); ++i) y[i] = Zeilenkante(int(i));
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    TabellenZeileZeichnen(dc, spalten, 0, Spaltenkante.data(), y.data(), Zellfarbe, kopf1);
    TabellenZeileZeichnen(dc, spalten, 1, Spaltenkante.data(), y.data(), Zellfarbe, kopf2);
    Block.Unten = y[size_t(zeilen)];
    const TPen altStift = dc.SelectObject(TPen(TColor::Black));
    for (int i = 0; i <= zeilen; ++i) {
        dc.MoveTo(Spaltenkante[0], y[size_t(i)]);
        dc.LineTo(Spaltenkante[size_t(spalten)], y[size_t(i)]);
    }
    for (int j = 0; j <= spalten; ++j) {
        dc.MoveTo(Spaltenkante[size_t(j)], y[0]);
        dc.LineTo(Spaltenkante[size_t(j)], y[size_t(zeilen)]);
    }
    dc.SelectObject(altStift);
    dc.SelectObject(alt);
}
