#include "tauplot/diagramm/TBauteilTempWindow.h"

#include "hilfsmittel/PatternedLine.h"
#include "hilfsmittel/layout/BtGrafikGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/print/Printout.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/DiagrammDruck.h"
#include "tauplot/diagramm/DiagrammHilfen.h"
#include "tauplot/diagramm/DiagrammZahl.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr int kLinienstil = 10;

using DiagrammHilfen::Linie;
using DiagrammHilfen::Rahmen;
using DiagrammHilfen::Texthoehe;

int abschneiden(double v) {
    return DiagrammHilfen::Abschneiden(v);
}

const TFont& titelFont(const TBtTextGroessen* t) {
    static const TBtTextGroessen vorgabe;
    return (t ? *t : vorgabe).Font(Textstil::Titel);
}

const TPen& temperaturStift(const TBtGrafikGroessen* g) {
    static const TBtGrafikGroessen vorgabe;
    return *(g ? *g : vorgabe).pTemperaturWPen;
}

} // namespace

TBauteilTempWindow::TBauteilTempWindow(TMDIClient& parent, std::string_view title,
                                       TPrinter* printer, int* printing, const char* projectName,
                                       TRBauteil* bauteil, int bereich, TKlima* klima,
                                       TTemperatur* temperatur, std::vector<TWindow*>* openWindows,
                                       TBtGrafikGroessen* grafik, TBtTextGroessen* text)
    : TDiagrammWindow(parent, title, printer, projectName, bauteil, bereich, klima, openWindows),
      druckt_(printing), temperatur_(temperatur), grafik_(grafik), text_(text) {}

TBauteilTempWindow::~TBauteilTempWindow() = default;

void TBauteilTempWindow::SetupWindow() {
    TDiagrammWindow::SetupWindow();
    Druckt = false;
}

std::unique_ptr<TPrintout> TBauteilTempWindow::Ausdruck(std::string_view title) {
    return std::make_unique<TBauteilTempPrintOut>(&Drucker(), title, this, true);
}

void TBauteilTempWindow::DruckBeginn() {
    if (druckt_) *druckt_ = 1;
}

void TBauteilTempWindow::DruckEnde() {
    if (druckt_) *druckt_ = 0;
}

bool TBauteilTempWindow::Skalierung(double v) {
    const DiagrammHilfen::Teilung t = DiagrammHilfen::DekadenTeilung(v, 100);
    teilungen_ = t.Anzahl;
    teilungsbreite_ = t.Breite;
    return teilungen_ > 0;
}

int TBauteilTempWindow::y(double theta) const {
    return yThetaI_ + abschneiden((thetaI_ - theta) * ySkala_);
}

void TBauteilTempWindow::kopf(TDC& dc, const TRect& box) {
    const int hoehe = abschneiden(0.05 * 0.8 * kReferenceScreenSize.cy);
    const int mitte = box.left + box.Width() / 2;
    TRect links(box.left, box.top, mitte, box.top + hoehe);
    TRect rechts(mitte, box.top, box.right, box.top + hoehe);
    const TBrush grau(TColor(225, 225, 225));
    dc.FillRect(links, grau);
    dc.FillRect(rechts, grau);
    dc.SelectObject(titelFont(text_));
    dc.SetBkMode(TRANSPARENT);
    if (Bauteil_->Nummer != TRBauteil::KeineNummer)
        DiagrammHilfen::KopfzeileEinpassen(dc, " Projekt: " + Projektname, links);
    DiagrammHilfen::BauteilKopf(dc, Bauteil_->Name, bereich_ ? bereich_->Nummer + 1 : Bereich_ + 1,
                                rechts);
    Rahmen(dc, links, 2);
    Rahmen(dc, rechts, 2);
}

void TBauteilTempWindow::Paint(TDC& dc, bool, TRect&) {
    bereich_ = nullptr;
    teilungen_ = 0;
    if (!Bauteil_ || !temperatur_) return;
    for (TEinfachBauteil& e : Bauteil_->Flaechenanteile)
        if (e.Nummer == Bereich_) bereich_ = &e;
    if (!bereich_) return;
    const TEinfachBauteil& e = *bereich_;
    const int zustand = dc.SaveDC();

    // (0.1, 0.02) to (0.7, 0.6) of the reference area, as the profile was
    // always cut: the bottom lies at 359, not 360.
    const TRect box(72, 12, 503, 359);
    kopf(dc, box);
    Rahmen(dc, box, 2);
    diagramm_ = TRect(box.left + int(0.2 * box.Width()), box.top + int(0.2 * box.Height()),
                      box.right - int(0.2 * box.Width()), box.bottom - int(0.2 * box.Height()));
    Rahmen(dc, diagramm_, 1);
    hEinheit_ = int(0.01 * diagramm_.Width());
    vEinheit_ = int(0.01 * diagramm_.Height());

    // Thicknesses and inner boundary temperatures at each layer's stored position.
    schichten_ = e.AnzahlSchichten();
    std::vector<double> dicke(size_t(schichten_), 0.0), theta(size_t(schichten_) + 1, 0.0);
    for (const TSchicht& s : e.Schichten)
        if (s.Nummer >= 0 && s.Nummer < schichten_) {
            dicke[size_t(s.Nummer)] = s.Schichtdicke;
            theta[size_t(s.Nummer)] = s.ThetaVerlauf[0];
        }
    theta[size_t(schichten_)] = e.Aussenoberflaeche.ThetaVerlauf[0];
    double gesamt = 0;
    for (double d : dicke) gesamt += d;

    thetaI_ = temperatur_->InnenWinter;
    const double thetaE = temperatur_->AussenWinter;
    // Later edits repaint: the checks of the window's opening are made again,
    // and what cannot be scaled leaves the frame empty.
    const bool zeichnen = schichten_ > 0 && e.kWertVorgegeben == 0 && gesamt > 0 &&
                          std::isfinite(gesamt) && std::isfinite(thetaI_) &&
                          std::isfinite(thetaE) && thetaI_ != thetaE && Skalierung(gesamt);
    if (zeichnen) {
        const int breite = diagramm_.Width(), hoehe = diagramm_.Height();
        xSkala_ = breite / gesamt;
        ySkala_ = 0.75 * hoehe / std::fabs(thetaI_ - thetaE);
        // The warmer air an eighth of the height inside the diagram's edge.
        yThetaI_ = thetaI_ > thetaE ? diagramm_.top + hoehe / 8 : diagramm_.bottom - hoehe / 8;

        // Boundaries and layer numbers.
        std::vector<int> x(size_t(schichten_) + 1, diagramm_.left);
        for (int k = 1; k <= schichten_; ++k)
            x[size_t(k)] = x[size_t(k) - 1] + abschneiden(dicke[size_t(k) - 1] * xSkala_);
        x[size_t(schichten_)] = diagramm_.right;
        dc.SelectObject(TPen(TColor::Black));
        for (int k = 1; k < schichten_; ++k)
            Linie(dc, x[size_t(k)], diagramm_.top, x[size_t(k)], diagramm_.bottom);
        dc.SelectObject(TFont("Arial", 12));
        dc.SetBkMode(TRANSPARENT);
        const int th = Texthoehe(dc);
        for (int k = 0; k < schichten_; ++k)
            dc.TextOut((x[size_t(k)] + x[size_t(k) + 1]) / 2, diagramm_.top - th - vEinheit_,
                       DiagrammZahl::Ganzzahl(k + 1));

        // The temperature line from the inside air to the outside air.
        dc.SelectObject(temperaturStift(grafik_));
        dc.MoveTo(diagramm_.left - 10 * hEinheit_, y(thetaI_));
        DrawLineToXY(dc, diagramm_.left - 5 * hEinheit_, y(thetaI_), kLinienstil);
        for (int k = 0; k <= schichten_; ++k)
            DrawLineToXY(dc, x[size_t(k)], y(theta[size_t(k)]), kLinienstil);
        DrawLineToXY(dc, diagramm_.right + 5 * hEinheit_, y(thetaE), kLinienstil);
        DrawLineToXY(dc, diagramm_.right + 10 * hEinheit_, y(thetaE), kLinienstil);

        yAxisBeschriftung(dc, thetaI_, thetaE);
        xAxisBeschriftung(dc);
        Ueberschrift(dc);
    }
    dc.RestoreDC(zustand);
}

void TBauteilTempWindow::yAxisBeschriftung(TDC& dc, double thetaI, double thetaE) {
    const double spanne = std::fabs(thetaI - thetaE);
    const int r = int(std::fabs(thetaE)) % 5;
    const bool aufwaerts = thetaI > thetaE;
    dc.SelectObject(TPen(TColor::Black));
    dc.SelectObject(TFont("Arial", 12));
    dc.SetBkMode(TRANSPARENT);
    const int th = Texthoehe(dc);
    const int letzteMarke = int(spanne / 10) * 10;
    for (int k = 0; k <= int(spanne); ++k) {
        const double wert = aufwaerts ? thetaE + r + k : thetaE - r - k;
        const int yk = y(wert);
        if (k % 5 == 0) Linie(dc, diagramm_.left, yk, diagramm_.left - 2 * hEinheit_, yk);
        if (k % 10 == 0 && k <= letzteMarke) {
            TRect feld(diagramm_.left - 4 * hEinheit_ - 200, yk - th / 2,
                       diagramm_.left - 4 * hEinheit_, yk - th / 2 + th);
            dc.DrawText(DiagrammZahl::Festkomma(wert, 3, 1), feld,
                        DT_RIGHT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
        }
    }
    TRect einheit(diagramm_.left - 5 * hEinheit_ - 200, diagramm_.top - th,
                  diagramm_.left - 5 * hEinheit_, diagramm_.top);
    dc.DrawText("[°C]", einheit, DT_RIGHT | DT_TOP | DT_SINGLELINE | DT_NOCLIP);
    const int xT = diagramm_.left - 18 * hEinheit_;
    const int oben = diagramm_.top + diagramm_.Height() / 4;
    const int unten = diagramm_.top + diagramm_.Height() * 3 / 4;
    dc.TextOut(xT, (oben + unten) / 2 - th / 2, "T");
    PaintArrow_y(dc, xT + dc.GetTextExtent("T").cx / 2,
                 diagramm_.top + int(0.35 * diagramm_.Height()));
}

void TBauteilTempWindow::xAxisBeschriftung(TDC& dc) {
    dc.SelectObject(TPen(TColor::Black));
    dc.SelectObject(TFont("Arial", 12));
    dc.SetBkMode(TRANSPARENT);
    const int th = Texthoehe(dc);
    int rechts = diagramm_.right;
    for (int i = 0; i <= teilungen_; ++i) {
        const int x = diagramm_.left + abschneiden(i * teilungsbreite_ * xSkala_);
        Linie(dc, x, diagramm_.bottom, x, diagramm_.bottom + 2 * vEinheit_);
        if (i % 5 != 0) continue;
        const std::string t = DiagrammZahl::Festkomma(i * teilungsbreite_ / 1000, 3, 2);
        const TSize s = dc.GetTextExtent(t);
        const int y0 = diagramm_.bottom + 3 * vEinheit_;
        dc.TextOut(x - s.cx / 2, y0, t);
        rechts = std::max(rechts, x + s.cx / 2);
    }
    dc.TextOut(rechts + hEinheit_, diagramm_.bottom + 3 * vEinheit_, "[m]");

    dc.SelectObject(TFont("Arial", Druckt ? 12 : 14));
    const std::string titel = " Schichtdicke d ";
    const TSize s = dc.GetTextExtent(titel);
    const int yTitel = diagramm_.bottom + 3 * th;
    dc.TextOut(diagramm_.left + (diagramm_.Width() - s.cx) / 2, yTitel, titel);
    PaintArrow_x(dc, diagramm_.right, yTitel + s.cy / 2);
}

void TBauteilTempWindow::PaintArrow_x(TDC& dc, int x, int y) {
    dc.SelectObject(TPen(TColor::Black));
    Linie(dc, x - 20 * hEinheit_, y, x, y);
    Linie(dc, x, y, x - 2 * hEinheit_, y - 2 * vEinheit_);
    Linie(dc, x, y, x - 2 * hEinheit_, y + 2 * vEinheit_);
    pfeil_ = {x, y};
}

void TBauteilTempWindow::PaintArrow_y(TDC& dc, int x, int y) {
    dc.SelectObject(TPen(TColor::Black, 2));
    const int spitze = y - 20 * vEinheit_;
    Linie(dc, x, y, x, spitze);
    Linie(dc, x, spitze, x - 3 * hEinheit_ / 2, spitze + 3 * vEinheit_);
    Linie(dc, x, spitze, x + 3 * hEinheit_ / 2, spitze + 3 * vEinheit_);
    pfeil_ = {x, spitze};
}

void TBauteilTempWindow::Ueberschrift(TDC& dc) {
    dc.SelectObject(TFont("Arial", 14, 0, 0, 0, FW_BOLD));
    dc.SetBkMode(TRANSPARENT);
    const TSize innen = dc.GetTextExtent("Innen");
    const int yText = diagramm_.top - 5 * vEinheit_ - innen.cy;
    dc.TextOut(diagramm_.left - 15 * hEinheit_ - innen.cx, yText, "Innen");
    dc.TextOut(diagramm_.right + 10 * hEinheit_, yText, "Außen");
}
