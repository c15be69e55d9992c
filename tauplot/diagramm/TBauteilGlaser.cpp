#include "tauplot/diagramm/TBauteilGlaser.h"

#include "hilfsmittel/PatternedLine.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/UnterlegungsGroessen.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/ReferenceScreen.h"
#include "stammwerk/feuchte/Saettigungsdruck.h"
#include "stammwerk/grafik/GrafikEinstellungen.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/DiagrammHilfen.h"
#include "tauplot/diagramm/DiagrammZahl.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kLinienstil = 10; // pattern unit of every curve segment
// Beyond this many pressure ticks the stored pressures are not a diagram's
// (a damaged file): the panels stay empty instead of drawing for ever.
constexpr double kMaxDruckTicks = 5000;

using DiagrammHilfen::Linie;
using DiagrammHilfen::Rahmen;
using DiagrammHilfen::Texthoehe;

int abschneiden(double v) {
    return DiagrammHilfen::Abschneiden(v);
}

// The range of the diagram: the layers before the ventilated air layer.
int schichtenImBereich(const TEinfachBauteil& e) {
    int n = 0;
    for (const TSchicht& s : e.Schichten) {
        if (s.Schluessel.IsBelueftet()) break;
        ++n;
    }
    return n;
}

const TSchicht& schicht(const TEinfachBauteil& e, int i) {
    return e.Schichten[size_t(i)];
}

} // namespace

// The point lists of one paint, one entry per layer in range and the closing value.
struct TBauteilGlaser::Punkte {
    std::vector<double> sd;          // layer s_d, m
    std::vector<double> pWinter;     // partial pressure, Pa
    std::vector<double> psWinter;    // saturation pressure, Pa
    std::vector<double> psSommer;    // saturation pressure, Pa
    std::vector<double> pSommer;     // partial pressure, Pa
    std::vector<double> sdBisAussen; // distance of each Sommer point from the outer surface, m

    Punkte(const TEinfachBauteil& e, int n) {
        for (std::vector<double>* v : {&sd, &pWinter, &psWinter, &psSommer})
            v->reserve(size_t(n) + 1);
        for (int i = 0; i < n; ++i) {
            const TSchicht& s = schicht(e, i);
            sd.push_back(s.sdWert);
            pWinter.push_back(s.Dampfdruck[0]);
            psWinter.push_back(s.Saettigungsdampfdruck[0]);
            psSommer.push_back(s.Saettigungsdampfdruck[1]);
        }
        pWinter.push_back(e.Aussenoberflaeche.Dampfdruck[0]);
        psWinter.push_back(e.Aussenoberflaeche.Saettigungsdampfdruck[0]);
        psSommer.push_back(e.Aussenoberflaeche.Saettigungsdampfdruck[1]);

        // The evaporation curve runs through the middle of each condensation
        // zone at the saturation pressure there.
        double zonenMitte = -1;
        for (int i = 0; i < n; ++i) {
            const TSchicht& s = schicht(e, i);
            if (zonenMitte >= 0 && s.sdBisAussen <= zonenMitte && i > 0) {
                const TSchicht& v = schicht(e, i - 1);
                const double spanne = v.sdBisAussen - s.sdBisAussen;
                const double anteil = spanne > 0 ? (v.sdBisAussen - zonenMitte) / spanne : 0;
                const double theta = v.Temperatur[1] + anteil * (s.Temperatur[1] - v.Temperatur[1]);
                pSommer.push_back(double(Saettigungsdruck(theta)));
                sdBisAussen.push_back(zonenMitte);
                zonenMitte = -1;
            }
            pSommer.push_back(s.Dampfdruck[1]);
            sdBisAussen.push_back(s.sdBisAussen);
            if (s.TaupunktMarke[0] == 1 && s.sdTaupunkt < s.sdBisAussen) zonenMitte = s.sdTaupunkt;
        }
        pSommer.push_back(e.Aussenoberflaeche.Dampfdruck[1]);
        sdBisAussen.push_back(0);
    }
};

TBauteilGlaser::TBauteilGlaser(TBtGrafikGroessen* grafik, TBtTextGroessen* text,
                               TUnterlegungsGroessen* unterlegung)
    : grafik_(grafik), text_(text), unterlegung_(unterlegung),
      vertikal_("Arial", 10, 0, 900, 900, FW_DONTCARE, DEFAULT_PITCH | FF_SWISS),
      aufrecht_("Arial", 12, 0, 0, 0, FW_DONTCARE, DEFAULT_PITCH | FF_SWISS) {}

TBauteilGlaser::~TBauteilGlaser() = default;

const TFont& TBauteilGlaser::textFont(int stil) const {
    static const TBtTextGroessen vorgabe;
    return (text_ ? *text_ : vorgabe).Font(Textstil(stil));
}

bool TBauteilGlaser::Skalierung(double v) {
    sd_ = Skala();
    const DiagrammHilfen::Teilung t = DiagrammHilfen::DekadenTeilung(v, 10);
    sd_.Anzahl = t.Anzahl;
    sd_.Breite = t.Breite;
    if (t.Anzahl > 0) sd_.EinheitenProM = breite_ / v;
    return t.Anzahl > 0;
}

void TBauteilGlaser::GrafikRect(TDC& dc, TRect& area, TRect& winter, TRect& sommer, TSize& size) {
    const double w = area.Width();
    const double h = area.Height();
    winter.left = abschneiden(area.left + 0.15 * w);
    winter.top = abschneiden(area.top + 0.2 * h);
    winter.right = abschneiden(winter.left + 0.3 * w);
    winter.bottom = abschneiden(winter.top + 0.5 * h);
    sommer.left = abschneiden(winter.right + 0.15 * w);
    sommer.top = winter.top;
    sommer.right = abschneiden(sommer.left + 0.3 * w);
    sommer.bottom = winter.bottom;
    size = winter.Size();
    Rahmen(dc, winter, 1);
    Rahmen(dc, sommer, 1);
}

void TBauteilGlaser::kopf(TDC& dc, const TRect& area, const TRBauteil& bauteil,
                          const char* projectName) {
    const double h0 = 0.8 * kReferenceScreenSize.cy;
    const int mitte = area.left + area.Width() / 2;
    TRect links(area.left, area.top, mitte, abschneiden(area.top + 0.05 * h0));
    TRect rechts(mitte, links.top, area.right, links.bottom);
    const TColor farbe = unterlegung_ ? unterlegung_->Unterlegungsfarbe[1] : TColor(225, 225, 225);
    dc.FillRect(links, TBrush(farbe));
    dc.FillRect(rechts, TBrush(farbe));
    const TFont alt = dc.SelectObject(textFont(int(Textstil::Titel)));
    const int modus = dc.SetBkMode(TRANSPARENT);
    const std::string projekt = bauteil.Nummer == TRBauteil::KeineNummer
                                    ? " Bauteil aus Bauteildatei "
                                    : " Projekt: " + std::string(projectName ? projectName : "");
    DiagrammHilfen::KopfzeileEinpassen(dc, projekt, links);
    DiagrammHilfen::BauteilKopf(dc, bauteil.Name, bereich_ ? bereich_->Nummer + 1 : 0, rechts);
    dc.SetBkMode(modus);
    dc.SelectObject(alt);
    Rahmen(dc, links, 2);
    Rahmen(dc, rechts, 2);
}

void TBauteilGlaser::ergebnis(TDC& dc, const TRect& box, const TRBauteil& bauteil) {
    const TEinfachBauteil& e = *bereich_;
    const int mitte = box.left + box.Width() / 2;
    const TRect links(box.left, box.top, mitte, box.bottom);
    const TRect rechts(mitte, box.top, box.right, box.bottom);
    const TColor farbe = unterlegung_ ? unterlegung_->Unterlegungsfarbe[1] : TColor(225, 225, 225);
    dc.FillRect(links, TBrush(farbe));
    dc.FillRect(rechts, TBrush(farbe));

    const TFont alt = dc.SelectObject(textFont(int(Textstil::Formel)));
    const int modus = dc.SetBkMode(TRANSPARENT);
    const int th = Texthoehe(dc);
    const bool erneut = e.TauwasserInVerdunstungsperiode != 0;
    const int y = erneut ? box.top + th : box.top + (box.Height() - th) / 2;
    auto menge = [&](const TRect& haelfte, const char* text, const char* index, double wert) {
        int x = IndexMitReturn(dc, haelfte.left + 10, y, text, index, 1, 1);
        dc.SelectObject(textFont(int(Textstil::Formel)));
        dc.TextOut(x, y, " = " + DiagrammZahl::Festkomma(wert, 5, 3) + " kg/m²");
    };
    menge(links, " Tauwassermenge W", "T", e.Diffusion.Tauwassermenge);
    menge(rechts, " Verdunstungsmenge W", "V", e.Diffusion.Verdunstungsmenge);
    if (erneut) {
        dc.SelectObject(textFont(int(Textstil::Formel)));
        // The component's switch to count renewed condensation (climate page box 112).
        const bool beruecksichtigt = bauteil.Feuchteoption != 0;
        dc.TextOut(links.left + 10, box.top + 2 * th,
                   beruecksichtigt ? " Tauwasserausfall: Rechnerisch berücksichtigt ! "
                                   : " Tauwasserausfall: Rechnerisch nicht berücksichtigt ! ");
        dc.TextOut(links.left + 10, box.top + 3 * th,
                   beruecksichtigt ? " (In Widerspruch zur DIN 4108 Teil 5, 11.2.3)"
                                   : " (nach DIN 4108 Teil 5, 11.2.3)");
    }
    dc.SetBkMode(modus);
    dc.SelectObject(alt);
    Rahmen(dc, links, 2);
    Rahmen(dc, rechts, 2);
}

void TBauteilGlaser::PaintGlaser(TDC& dc, TRect& area, TRBauteil* component, int bereich,
                                 const char* projectName, TBtGrafikGroessen* grafik,
                                 TBtTextGroessen* text, TUnterlegungsGroessen* unterlegung,
                                 int reverseNumbering, int withFormulas) {
    grafik_ = grafik;
    text_ = text;
    unterlegung_ = unterlegung;
    bauteil_ = component;
    bereich_ = nullptr;
    sd_ = Skala();
    druckTickAnzahl_ = 0;
    if (!component) return;
    for (TEinfachBauteil& e : component->Flaechenanteile)
        if (e.Nummer == bereich) bereich_ = &e;
    if (!bereich_) return;
    const TEinfachBauteil& e = *bereich_;
    const int dcZustand = dc.SaveDC();

    const int n = schichtenImBereich(e);
    const int fall = e.Taupunkt.Fall;
    formelHoehe_ = 0;
    if (withFormulas) formelHoehe_ = fall == 4 ? 300 : (fall == 3 || fall == 5) ? 200 : 0;
    int unten = area.bottom - formelHoehe_ - (withFormulas ? 30 : 0);

    if (n > 0) {
        const double h0 = 0.8 * kReferenceScreenSize.cy;
        kopf(dc, area, *component, projectName);
        const TRect box(area.left, abschneiden(unten - 0.1 * h0), area.right, unten);
        ergebnis(dc, box, *component);
        Rahmen(dc, area, 2);

        TRect diagramm(area.left, area.top, area.right, unten);
        TSize groesse;
        GrafikRect(dc, diagramm, winter_, sommer_, groesse);
        breite_ = winter_.Width();
        hoehe_ = winter_.Height();
        hEinheit_ = abschneiden(breite_ * 0.01);
        vEinheit_ = abschneiden(hoehe_ * 0.01);

        // What the area would need to make a diagram at all; later edits
        // repaint, so the checks of the window's opening are made again.
        bool zeichnen = e.kWertVorgegeben == 0 && e.sd_Summe > 0 && std::isfinite(e.sd_Summe);
        for (int i = 0; i < n && zeichnen; ++i) {
            const TSchicht& s = schicht(e, i);
            if (s.Schluessel.IsSystemBaustoff() && s.Schluessel.Gruppe != 9) zeichnen = false;
        }
        if (zeichnen) {
            const Punkte punkte(e, n);
            double maximum = 2500;
            for (double p : punkte.psWinter) maximum = std::max(maximum, p);
            for (double p : punkte.psSommer) maximum = std::max(maximum, p);
            zeichnen =
                std::isfinite(maximum) && maximum / 100 <= kMaxDruckTicks && Skalierung(e.sd_Summe);
            if (zeichnen) {
                druckSkala(dc, maximum);
                xEinteilung(dc, sd_.Anzahl, sd_.Breite, sd_.EinheitenProM, winter_, sommer_,
                            winterTicks_, sommerTicks_);
                AchsenBeschriftung(dc, winter_, sd_.Anzahl, sd_.Breite, groesse);
                xAxis(dc, winter_);
                xAxis(dc, sommer_);
                yAxis(dc, winter_);
                Ueberschrift(dc, winter_, " Winter ");
                Ueberschrift(dc, sommer_, " Sommer ");
                grenzen(dc, winter_, punkte.sd, reverseNumbering != 0, winterGrenzen_);
                grenzen(dc, sommer_, punkte.sd, reverseNumbering != 0, sommerGrenzen_);

                dc.SelectObject(GrafikEinstellungen::DampfdruckStift(grafik_));
                kurve(dc, winter_, winterGrenzen_, punkte.pWinter);
                dc.SelectObject(GrafikEinstellungen::SattdampfStift(grafik_));
                kurve(dc, winter_, winterGrenzen_, punkte.psWinter);

                std::vector<int> x;
                x.reserve(punkte.sdBisAussen.size());
                for (double d : punkte.sdBisAussen)
                    x.push_back(sommer_.left + abschneiden((e.sd_Summe - d) * sd_.EinheitenProM));
                dc.SelectObject(GrafikEinstellungen::DampfdruckStift(grafik_));
                kurve(dc, sommer_, x, punkte.pSommer);
                dc.SelectObject(GrafikEinstellungen::SattdampfStift(grafik_));
                kurve(dc, sommer_, sommerGrenzen_, punkte.psSommer);

                Legende(dc, abschneiden(box.top - 0.05 * h0));
                for (int i = 0; i < n; ++i) {
                    const TSchicht& s = schicht(e, i);
                    if (s.TaupunktMarke[0] != 1) continue;
                    const int xm =
                        winter_.left + abschneiden((e.sd_Summe - s.sdTaupunkt) * sd_.EinheitenProM);
                    TaupunkteMarkieren(dc, xm, winter_.top + 2 * vEinheit_, 30, 7);
                }
            }
        }
    }

    if (withFormulas) {
        TRect zeile(area.left, unten, area.right, unten + 30);
        dc.SelectObject(textFont(int(Textstil::Kommentar)));
        dc.SetBkMode(TRANSPARENT);
        dc.DrawText(std::string(" ") + FallText(fall), zeile, DT_LEFT | DT_BOTTOM | DT_SINGLELINE);
        if (formelHoehe_ > 0) {
            formelRect_ = TRect(area.left, unten + 30, area.right, unten + 30 + formelHoehe_);
            const int mitte = area.left + area.Width() / 2;
            const TRect links(formelRect_.left, formelRect_.top, mitte, formelRect_.bottom);
            const TRect rechts(mitte, formelRect_.top, formelRect_.right, formelRect_.bottom);
            Rahmen(dc, links, 1);
            Rahmen(dc, rechts, 1);
            FormelDiffusion(dc, links, 1, fall);
            FormelDiffusion(dc, rechts, 2, fall);
        }
    }
    dc.RestoreDC(dcZustand);
}

int TBauteilGlaser::druckY(const TRect& panel, double p) const {
    if (skalaOben_ <= 0) return panel.bottom;
    return panel.top + abschneiden((skalaOben_ - p) * panel.Height() / skalaOben_);
}

void TBauteilGlaser::druckSkala(TDC& dc, double maximum) {
    if (maximum >= 50000) {
        druckSchritt_ = 5000;
        druckTick_ = 1000;
    } else if (maximum >= 10000) {
        druckSchritt_ = 2500;
        druckTick_ = 500;
    } else {
        druckSchritt_ = 500;
        druckTick_ = 100;
    }
    druckQuotient_ = int(maximum / druckSchritt_);
    druckRest_ = int(std::fmod(maximum, druckSchritt_));
    skalaOben_ = (druckQuotient_ + 1) * druckSchritt_;
    druckTickAnzahl_ = skalaOben_ / druckTick_;
    druckTicks_.assign(size_t(druckTickAnzahl_) + 1, winter_.bottom);
    dc.SelectObject(TPen(TColor::Black));
    const int h = winter_.Height();
    for (int i = 1; i <= druckTickAnzahl_; ++i) {
        const int y = winter_.bottom - int(int64_t(i) * h / druckTickAnzahl_);
        druckTicks_[size_t(i)] = y;
        const int laenge = (i % 5 == 0 ? 4 : 2) * hEinheit_;
        for (const TRect* p : {&winter_, &sommer_}) Linie(dc, p->left, y, p->left - laenge, y);
    }
}

void TBauteilGlaser::xEinteilung(TDC& dc, int count, double step, double unitsPerMetre,
                                 TRect& winter, TRect& sommer, std::vector<int>& winterTicks,
                                 std::vector<int>& sommerTicks) {
    winterTicks.assign(size_t(std::max(count, 0)) + 1, 0);
    sommerTicks.assign(winterTicks.size(), 0);
    dc.SelectObject(TPen(TColor::Black));
    for (int i = 0; i <= count; ++i) {
        const int dx = abschneiden(i * step * unitsPerMetre);
        winterTicks[size_t(i)] = winter.left + dx;
        sommerTicks[size_t(i)] = sommer.left + dx;
        Linie(dc, winter.left + dx, winter.bottom, winter.left + dx, winter.bottom + 2 * vEinheit_);
        Linie(dc, sommer.left + dx, sommer.bottom, sommer.left + dx, sommer.bottom + 2 * vEinheit_);
    }
}

void TBauteilGlaser::AchsenBeschriftung(TDC& dc, TRect& winter, int count, double step, TSize&) {
    dc.SetBkMode(TRANSPARENT);
    int k = 2;
    if (step < 1)
        k = 3;
    else if (step > 1000000)
        k = 4;
    else if (step > 1000)
        k = 3;
    dc.SelectObject(vertikal_);
    const int th = Texthoehe(dc);
    for (int i = 0; i < count; i += k) {
        const double wert = i * step;
        const std::string t = step >= 1 ? DiagrammZahl::Ganzzahl((long long)(wert), 4)
                                        : DiagrammZahl::Festkomma(wert, 4, 2);
        const int laenge = dc.GetTextExtent(t).cx;
        // Upward text: its reference corner is its bottom-left, the text runs up from there.
        for (const std::vector<int>* ticks : {&winterTicks_, &sommerTicks_}) {
            const int x = (*ticks)[size_t(i)] - th / 2;
            dc.TextOut(x, winter.bottom + 4 * vEinheit_ + laenge, t);
        }
    }
    dc.SelectObject(aufrecht_);
    for (const TRect* p : {&winter_, &sommer_}) dc.TextOut(p->right + 2, p->bottom + 2, "[m]");
    const int ph = Texthoehe(dc);
    for (int b = 1; b <= druckQuotient_; ++b) {
        const size_t tick = size_t(5 * b);
        if (tick >= druckTicks_.size()) break;
        const int y = druckTicks_[tick];
        TRect r(winter.left - 6 * hEinheit_ - 400, y - ph / 2, winter.left - 6 * hEinheit_,
                y - ph / 2 + ph);
        dc.DrawText(DiagrammZahl::Ganzzahl(b * druckSchritt_), r,
                    DT_RIGHT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
    }
}

void TBauteilGlaser::xAxis(TDC& dc, const TRect& panel) {
    dc.SelectObject(textFont(int(Textstil::Beschriftung)));
    dc.SetBkMode(TRANSPARENT);
    const std::string titel = " äquiv. Luftschichtdicke s_d ";
    const TSize t = dc.GetTextExtent(titel);
    const int x = panel.left + (panel.Width() - t.cx) / 2;
    const int y = abschneiden(panel.bottom + t.cy + 7.5 * vEinheit_);
    dc.TextOut(x, y, titel);
    const int ya = y + t.cy / 2;
    const int x0 = x + t.cx + hEinheit_;
    const int spitze = x0 + 20 * hEinheit_;
    dc.SelectObject(TPen(TColor::Black));
    Linie(dc, x0, ya, spitze, ya);
    Linie(dc, spitze, ya, spitze - 3 * hEinheit_, ya - vEinheit_);
    Linie(dc, spitze, ya, spitze - 3 * hEinheit_, ya + vEinheit_);
}

void TBauteilGlaser::yAxis(TDC& dc, const TRect& winter) {
    dc.SelectObject(aufrecht_);
    dc.SetBkMode(TRANSPARENT);
    const int th = Texthoehe(dc);
    const int ende = winter.left - hEinheit_;
    TRect pa(ende - 20 * hEinheit_, winter.top - th / 2, ende, winter.top - th / 2 + th);
    dc.DrawText("[Pa]", pa, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
    const int mitte = winter.top + winter.Height() / 2;
    TRect p(ende - 30 * hEinheit_, mitte - th / 2, ende - 10 * hEinheit_, mitte - th / 2 + th);
    dc.DrawText("p", p, DT_CENTER | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
    const int x = p.left + p.Width() / 2;
    const int fuss = abschneiden(winter.top + 0.45 * winter.Height());
    const int spitze = fuss - 20 * vEinheit_;
    dc.SelectObject(TPen(TColor::Black));
    Linie(dc, x, fuss, x, spitze);
    Linie(dc, x, spitze, x - 2 * hEinheit_, spitze + 2 * vEinheit_);
    Linie(dc, x, spitze, x + 2 * hEinheit_, spitze + 2 * vEinheit_);
}

void TBauteilGlaser::Ueberschrift(TDC& dc, const TRect& panel, std::string_view title) {
    dc.SelectObject(textFont(int(Textstil::Titel)));
    dc.SetBkMode(TRANSPARENT);
    const TSize t = dc.GetTextExtent(title);
    const int x = panel.left + (panel.Width() - t.cx) / 2;
    const int y = panel.top - 15 * vEinheit_ - t.cy;
    dc.TextOut(x, y, title);
    label_ = TRect(x - hEinheit_, y, x + t.cx + hEinheit_, y + t.cy);
    Rahmen(dc, label_, 1);
}

void TBauteilGlaser::grenzen(TDC& dc, const TRect& panel, const std::vector<double>& sd,
                             bool reverse, std::vector<int>& x) {
    const int n = int(sd.size());
    x.assign(size_t(n) + 1, panel.left);
    for (int k = 1; k <= n; ++k)
        x[size_t(k)] = x[size_t(k) - 1] + abschneiden(sd[size_t(k) - 1] * sd_.EinheitenProM);
    x[size_t(n)] = panel.right;
    dc.SelectObject(TPen(TColor::Black));
    for (int k = 1; k < n; ++k) Linie(dc, x[size_t(k)], panel.top, x[size_t(k)], panel.bottom);

    dc.SelectObject(aufrecht_);
    dc.SetBkMode(TRANSPARENT);
    const int th = Texthoehe(dc);
    int nachbarStart = std::numeric_limits<int>::min();
    int nachbarBreite = 0;
    for (int k = 0; k < n; ++k) {
        const std::string nummer = DiagrammZahl::Ganzzahl(reverse ? n - k : k + 1);
        int start = (x[size_t(k)] + x[size_t(k) + 1]) / 2;
        if (k > 0 && nachbarStart + nachbarBreite > start) start = nachbarStart + nachbarBreite;
        dc.TextOut(start, panel.top - th - vEinheit_, nummer);
        nachbarStart = start;
        nachbarBreite = dc.GetTextExtent(nummer).cx;
    }
}

void TBauteilGlaser::kurve(TDC& dc, const TRect& panel, const std::vector<int>& x,
                           const std::vector<double>& p) {
    const size_t n = std::min(x.size(), p.size());
    if (n == 0) return;
    dc.MoveTo(x[0], druckY(panel, p[0]));
    for (size_t i = 1; i < n; ++i) DrawLineToXY(dc, x[i], druckY(panel, p[i]), kLinienstil);
}

void TBauteilGlaser::Legende(TDC& dc, int y) {
    const int probe = abschneiden(0.05 * kReferenceScreenSize.cx);
    const int abstand = abschneiden(0.15 * kReferenceScreenSize.cx);
    dc.SelectObject(GrafikEinstellungen::BasisSchrift(grafik_));
    dc.SetBkMode(TRANSPARENT);
    const int th = Texthoehe(dc);
    const int x1 = winter_.left;
    dc.SelectObject(GrafikEinstellungen::DampfdruckStift(grafik_));
    dc.MoveTo(x1, y);
    DrawLineToXY(dc, x1 + probe, y, kLinienstil);
    dc.TextOut(x1 + probe + 5 * hEinheit_, y - th - 2 * vEinheit_, "Dampfdruck");
    const int x2 = x1 + probe + abstand;
    dc.SelectObject(GrafikEinstellungen::SattdampfStift(grafik_));
    dc.MoveTo(x2, y);
    DrawLineToXY(dc, x2 + probe, y, kLinienstil);
    dc.TextOut(x2 + probe + 5 * hEinheit_, y - th - 2 * vEinheit_, "Sättigungsdampfdruck");
}

void TBauteilGlaser::TaupunkteMarkieren(TDC& dc, int x, int y, int stem, int head) {
    const TPen alt = dc.SelectObject(TPen(TColor::LtRed, 2));
    const int fuss = y + stem;
    Linie(dc, x, y, x, fuss);
    Linie(dc, x, fuss, x - 3 * hEinheit_, fuss - head);
    Linie(dc, x, fuss, x + 3 * hEinheit_, fuss - head);
    dc.SelectObject(alt);
    marke_ = {x, y, stem, head};
}
