// The unmet requirements of a certificate's proof and the box that names
// them on its first page.
#include "korvalin/ausweis/AusweisPruefung.h"

#include "korvalin/ausweis/AusweisSeite.h"
#include "korvalin/projekt/ErgebnisTexte.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>

namespace ausweis {

namespace {

// WSchVO 1995 Anlage 1 Ziffer 7 Tabelle 2: the windows' mean equivalent U-value, W/(m²K).
constexpr double kFensterKlein = 0.7;

// A value and its limit as the verdict tells them apart: where two decimals
// would print them alike, as many more as show the difference.
std::string ueberGrenze(Zahlformat zahl, double vorh, const char* zwischen, double zul) {
    int stellen = 2;
    while (stellen < 6 && zahl(vorh, stellen) == zahl(zul, stellen)) ++stellen;
    return zahl(vorh, stellen) + zwischen + zahl(zul, stellen);
}

void avVerfahren(const TProjekt& p, Zahlformat zahl, std::vector<std::string>& r) {
    if (p.AVErfuellt) return;
    r.emplace_back("Der Wärmeschutznachweis nach dem A/V-Verfahren ist nicht erfüllt.");
    if (p.NormaleInnentemperatur)
        r.push_back("Jahres-Heizwärmebedarf Q'H vorh. = " +
                    ueberGrenze(zahl, p.Q2_H, " > Q'H zul. = ", p.Q2_H_max) + " kWh/(m³a)");
    else
        r.push_back("Jahres-Transmissionswärmebedarf Q'T vorh. = " +
                    ueberGrenze(zahl, p.Q2_T, " > Q'T zul. = ", p.Q2_T_max) + " kWh/(m³a)");
}

void bauteilverfahren(const TProjekt& p, Zahlformat zahl, std::vector<std::string>& r) {
    if (p.ProjektBauteilverfahren) return;
    r.emplace_back("Der Wärmeschutznachweis nach dem Bauteilverfahren ist nicht erfüllt.");
    // One line per type, however often it is placed.
    std::vector<const TRBauteil*> genannt;
    for (const TPBauteil& b : p.PBauteile) {
        const TRBauteil* t = b.RBauteil;
        if (!t || t->BauteilverfahrenErfuellt ||
            std::find(genannt.begin(), genannt.end(), t) != genannt.end())
            continue;
        genannt.push_back(t);
        r.push_back(t->Name + ": k = " + ueberGrenze(zahl, t->k_m, " > max k = ", t->k_max_Anl1Z7) +
                    " W/(m²K)");
    }
    if (!p.FensterTab2Erfuellt)
        r.push_back("Fenster: mittleres k_F,eq = " +
                    ueberGrenze(zahl, p.k_eq_F_m, " > ", kFensterKlein) + " W/(m²K)");
}

} // namespace

std::vector<std::string> NichtErfuellt(const TProjekt& p, Variante v, Zahlformat zahl) {
    std::vector<std::string> r;
    switch (v) {
    case Variante::Keine:
        return r;
    case Variante::A:
    case Variante::C:
        avVerfahren(p, zahl, r);
        break;
    case Variante::B:
        bauteilverfahren(p, zahl, r);
        break;
    }
    if (!p.ZusatzErfuellt)
        for (const auto& [art, text] : NichtErfuellteZusatzanforderungen(p))
            r.push_back("Zusatzanforderung nicht erfüllt: " + text);
    return r;
}

std::string NichtErfuelltKopf(const TProjekt& p, Variante v) {
    if (!p.NachweisErfuellt) return kNachweisNichtErfuellt;
    switch (v) {
    case Variante::A:
        return "Der Wärmeschutznachweis nach dem A/V-Verfahren ist NICHT erfüllt!";
    case Variante::B:
        return "Der vereinfachte Nachweis nach Anlage 1 Ziffer 7 (Bauteilverfahren) ist NICHT "
               "erfüllt!";
    case Variante::C:
    case Variante::Keine:
        break;
    }
    return kNachweisNichtErfuellt;
}

std::string AndereMethodeErfuellt(const TProjekt& p, Variante v) {
    // Only a small residential building has a second method; the proof as a
    // whole met while this variant's method fails means the other one meets it.
    if (!p.NachweisErfuellt || !p.KleinesWohngebaeude || !p.NormaleInnentemperatur) return "";
    if (v == Variante::A && !p.AVErfuellt)
        return "Der Wärmeschutznachweis ist nach dem Bauteilverfahren erfüllt: dafür den "
               "Wärmebedarfsausweis mit \"Nein\" (Bauteilverfahren) wählen.";
    if (v == Variante::B && !p.ProjektBauteilverfahren)
        return "Der Wärmeschutznachweis ist nach dem A/V-Verfahren erfüllt: dafür den "
               "Wärmebedarfsausweis mit \"Ja\" (A/V-Verfahren) wählen.";
    return "";
}

void AusweisNichtErfuellt(TText& t, TDC& dc, Variante v) {
    const TProjekt* p = Projekt(t);
    if (!p) return;
    const std::vector<std::string> zeilen =
        NichtErfuellt(*p, v, [](double x, int stellen) { return ZahlMit(x, "", stellen); });
    if (zeilen.empty()) return;
    const std::string ueberschrift = NichtErfuelltKopf(*p, v);
    std::string text;
    for (const std::string& z : zeilen) text += (text.empty() ? "" : "\n") + z;

    const int32_t H = t.Einheit, L = Links(t);
    const auto Wi = int32_t(Nutzbreite(t));
    FontWahl fett(dc, ArialFett());
    // Heading and lines measured in the box's inner width.
    TRect kopf(L + H / 2, 0, L + Wi - H / 2, 0), absatz = kopf;
    Messen(dc, ueberschrift, kopf, kUmbruch);
    {
        FontWahl normal(dc, Arial(14));
        Messen(dc, text, absatz, kUmbruch);
    }
    const int32_t hoehe = kopf.Height() + absatz.Height() + 2 * H;
    if (!Passt(t, 2 * H + hoehe)) Umbruch(t, dc);
    const int32_t T = t.TextRect.bottom + 2 * H;
    t.TextRect = TRect(L, T, L + Wi, T + hoehe);
    if (!Sichtbar(t)) return;
    {
        StiftWahl stift(dc, 2);
        Rahmen(dc, t.TextRect);
    }
    kopf = kopf.Offset(0, T + H / 2 - kopf.top);
    Schreiben(dc, ueberschrift, kopf, kUmbruch);
    absatz = absatz.Offset(0, kopf.bottom + H / 2 - absatz.top);
    FontWahl normal(dc, Arial(14));
    Schreiben(dc, text, absatz, kUmbruch);
}

} // namespace ausweis
