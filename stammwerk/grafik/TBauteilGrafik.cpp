#include "stammwerk/grafik/TBauteilGrafik.h"

#include "platform/gdi/MemoryDC.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/feuchte/Saettigungsdruck.h"
#include "stammwerk/grafik/GrafikEinstellungen.h"
#include "stammwerk/grafik/TBaustoffGrafik.h"
#include "stammwerk/grafik/TGlaserGrafik.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TRBauteil.h"

#include <algorithm>
#include <cmath>

TBtGrafikGroessen* TBauteilGrafik::spBtGG = nullptr;
TBtSeitenGroessen* TBauteilGrafik::spBtSG = nullptr;

namespace {

constexpr int kNullDicke = 10;     // drawn thickness of a 0 mm layer, units
constexpr int kBlockAbstand = 80;  // upright height minus the block's thickness, units
constexpr int kMaxDicke = 1000000; // mm; beyond any wall, keeps the sums in int

// A thickness read from a file may be anything: truncated to whole mm
// within 0 .. kMaxDicke.
int GanzeMillimeter(double d) {
    if (!(d > 0)) return 0;
    return d < kMaxDicke ? int(d) : kMaxDicke;
}

// Clears the class-wide settings pointers when the drawing call ends.
struct Einstellungszeit {
    ~Einstellungszeit() {
        TBauteilGrafik::spBtGG = nullptr;
        TBauteilGrafik::spBtSG = nullptr;
        TGlaserGrafik::spBtGG = nullptr;
    }
};

} // namespace

TBauteilGrafik::TBauteilGrafik() = default;

TBauteilGrafik::TBauteilGrafik(const TBauteilGrafik& o)
    : bReserviert(o.bReserviert), bGlaserAnzeigen(o.bGlaserAnzeigen),
      bTemperaturAnzeigen(o.bTemperaturAnzeigen), Beschriftungsmass(o.Beschriftungsmass),
      NummerPositionen(o.NummerPositionen), BeschriftungPositionen(o.BeschriftungPositionen),
      UrsprungX(o.UrsprungX), UrsprungY(o.UrsprungY), BlockX(o.BlockX), BlockY(o.BlockY),
      Zeichengroesse(o.Zeichengroesse), Schichtlaenge(o.Schichtlaenge),
      Hochkantlaenge(o.Hochkantlaenge), bUmgekehrt(o.bUmgekehrt) {
    if (o.glaser_) glaser_ = std::make_unique<TGlaserGrafik>(*o.glaser_);
}

TBauteilGrafik::~TBauteilGrafik() = default;

void TBauteilGrafik::SetBauteilKlimaDaten(const TRBauteil* t) {
    static const TKlima standard;
    const TKlima& klima = t ? t->Klima : standard;
    ThetaI = klima.ThetaI;
    ThetaE = klima.ThetaE;
    PsI = double(Saettigungsdruck(ThetaI));
    PsE = double(Saettigungsdruck(ThetaE));
    PI = klima.PhiI * PsI;
    PE = klima.PhiE * PsE;
}

void TBauteilGrafik::Init(const TEinfachBauteil* bauteil) {
    const int n = bauteil ? bauteil->AnzahlSchichten() : 0;
    if (n == 0) return;
    glaser_ = std::make_unique<TGlaserGrafik>();
    auto punkt = [this](double t, double p, double ps) {
        glaser_->SetTemperatur(t);
        glaser_->SetDampfdruck(p);
        glaser_->SetSattDampfdruck(ps);
    };
    auto grenze = [&](const TSchicht& s) {
        punkt(s.Temperatur[0], s.Dampfdruck[0], s.Saettigungsdampfdruck[0]);
    };
    punkt(ThetaE, PE, PsE);
    grenze(bauteil->Aussenoberflaeche);
    std::vector<std::unique_ptr<TBaustoffGrafik>> neu;
    for (int i = n - 1; i >= 0; --i) {
        const TSchicht& s = bauteil->Schichten[size_t(i)];
        grenze(s);
        auto schraffur = NeueBaustoffGrafik(SetBaustoffGrafikKlasse(s.GrafikArt),
                                            GanzeMillimeter(s.Schichtdicke));
        schraffur->Name = s.Name;
        neu.push_back(std::move(schraffur));
    }
    punkt(ThetaI, PI, PsI);
    // Made from the outside inwards; kept in the layers' own order.
    std::reverse(neu.begin(), neu.end());
    schraffuren_ = std::move(neu);
}

void TBauteilGrafik::Close() {
    schraffuren_.clear();
    glaser_.reset();
}

void TBauteilGrafik::SetPosition(int x, int y) {
    UrsprungX = x;
    UrsprungY = y;
    BlockX = x + 20;
    BlockY = y + 50;
}

int TBauteilGrafik::GetTotalActSize() const {
    long long summe = 0;
    for (const auto& s : schraffuren_) summe += s->Dicke;
    return int(std::min<long long>(summe, kMaxDicke));
}

double TBauteilGrafik::ScaleSize(int total) const {
    if (total == 0) return 1.0;
    return double(Hochkantlaenge - kBlockAbstand) / total;
}

void TBauteilGrafik::ResetClipping(TDC& dc) {
    dc.SelectClipRgn(TRegion(TRect(0, 0, dc.GetDeviceCaps(HORZRES), dc.GetDeviceCaps(VERTRES))));
}

int TBauteilGrafik::DoClipping(TDC& dc, int left, int top, int right, int bottom, bool toDevice) {
    TRect r(left, top, right + 1, bottom + 1);
    if (toDevice) dc.LPtoDP(r);
    const TRegion region(r);
    if (!dc.SelectClipRgn(region)) return 0;
    return region.IsEmpty() ? 1 : 2;
}

std::vector<TBaustoffGrafik*> TBauteilGrafik::Zeichenfolge() const {
    std::vector<TBaustoffGrafik*> folge;
    for (const auto& s : schraffuren_) folge.push_back(s.get());
    if (bUmgekehrt) std::reverse(folge.begin(), folge.end());
    return folge;
}

void TBauteilGrafik::PrepareDraw(TDC& dc, TRect rect, bool upright, bool reversed, bool direct,
                                 TBtGrafikGroessen* graphic, TBtSeitenGroessen* page,
                                 bool noVapourDiagram) {
    dc.SetTextColor(TColor::Black);
    const Einstellungszeit einstellungszeit;
    spBtGG = graphic;
    spBtSG = page;
    TGlaserGrafik::spBtGG = graphic;
    bUmgekehrt = reversed;
    UrsprungX = 40;
    BlockX += 40;
    if (schraffuren_.empty()) return;

    if (upright) BlockY -= 30;
    const int start = upright ? BlockX : BlockY;
    int p = start;
    ResetClipping(dc);
    TBaustoffGrafik::bSchutzbahnVersetzen = false;
    const double scale = ScaleSize(GetTotalActSize());
    const std::vector<TBaustoffGrafik*> folge = Zeichenfolge();

    int gezeichnet = 0;
    std::vector<int> grenzen;
    grenzen.reserve(folge.size() + 1);
    for (TBaustoffGrafik* s : folge) {
        s->GrafikGroesse = s->Dicke == 0 ? kNullDicke : int(s->Dicke * scale);
        const int groesse = s->CalcGrafikSize();
        gezeichnet += groesse;
        if (upright) {
            if (direct)
                s->SetPosition(p, BlockY, Hochkantlaenge, groesse);
            else
                s->SetPosition(p - BlockX, 0, Hochkantlaenge, groesse);
        } else {
            if (direct)
                s->SetPosition(BlockX, p, groesse, Schichtlaenge);
            else
                s->SetPosition(0, p - BlockY, groesse, Schichtlaenge);
        }
        grenzen.push_back(p);
        p += groesse;
    }
    grenzen.push_back(p);

    // On screen the bands are painted off-screen and copied in one transfer.
    std::unique_ptr<TMemoryDC> speicher;
    if (!direct) {
        const int breite = upright ? p - BlockX : Schichtlaenge;
        const int hoehe = upright ? Hochkantlaenge : p - BlockY;
        speicher = std::make_unique<TMemoryDC>(dc, breite, hoehe);
        speicher->SetMapMode(dc.GetMapMode());
        speicher->SetBkMode(OPAQUE);
        speicher->SetBkColor(TColor::White);
        speicher->FillRect(TRect(0, 0, breite, hoehe), TBrush(TColor::White));
    }
    TDC& ziel = direct ? dc : *speicher;

    bool vorigeSchutzbahn = false;
    for (TBaustoffGrafik* s : folge) {
        const bool schutzbahn = s->bSchutzbahn == 1;
        if (schutzbahn && vorigeSchutzbahn)
            TBaustoffGrafik::bSchutzbahnVersetzen = !TBaustoffGrafik::bSchutzbahnVersetzen;
        vorigeSchutzbahn = schutzbahn;
        // The off-screen bands are clipped too, so that no pattern reaches
        // into its neighbour.
        const int ergebnis = direct
                                 ? DoClipping(dc, s->Links - rect.left, s->Oben - rect.top,
                                              s->Rechts - rect.left, s->Unten - rect.top, true)
                                 : DoClipping(ziel, s->Links, s->Oben, s->Rechts, s->Unten, true);
        if (ergebnis == 0) {
            MessageBox("Probleme mit Windows-Resourcen\nBitte schließen Sie andere Anwendungen "
                       "und\nversuchen Sie es danach erneut",
                       "Fehler 2", MB_OK | MB_ICONEXCLAMATION);
            continue;
        }
        if (ergebnis == 1) continue;
        if (upright)
            s->DrawHochkant(ziel, rect, direct);
        else
            s->Draw(ziel, rect, direct);
    }
    if (speicher) {
        // The bitmap's own size: a larger copy would carry area outside it onto the page.
        const TSize groesse = speicher->GetPixels().Size();
        dc.BitBlt(BlockX, BlockY, groesse.cx, groesse.cy, *speicher, 0, 0, SRCCOPY);
    }
    ResetClipping(dc);

    if (upright)
        DrawTemperaturHochkant(dc, direct ? 0 : BlockX, direct ? 0 : BlockY);
    else
        DrawTemperatur(dc, direct ? 0 : BlockX, direct ? 0 : BlockY);

    const TRect skala = upright ? TRect(BlockX, BlockY, p, BlockY + Hochkantlaenge)
                                : TRect(BlockX, BlockY, BlockX + Schichtlaenge, p);
    bGlaserAnzeigen = GrafikEinstellungen::Glasergrafik(page) && !noVapourDiagram;
    bTemperaturAnzeigen = GrafikEinstellungen::Temperaturgrafik(page);
    DrawSkala(dc, skala, gezeichnet, direct, upright);
    if (glaser_)
        glaser_->Draw(dc, skala, grenzen, upright, reversed, bGlaserAnzeigen, bTemperaturAnzeigen);
}
