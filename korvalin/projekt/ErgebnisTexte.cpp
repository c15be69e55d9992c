#include "korvalin/projekt/ErgebnisTexte.h"

#include "hilfsmittel/Formatter.h"
#include "stammwerk/modell/TProjekt.h"

const char* const MassnahmeTexte[3] = {"Zu errichtendes Gebäude",
                                       "Bauliche Erweiterung eines Gebäudes",
                                       "Einbau oder Ersatz von Außenbauteilen"};

const char* const NutzungTexte[11] = {"Wohngebäude",
                                      "Büro- und Verwaltungsgebäude",
                                      "Schule, Bibliothek",
                                      "Krankenhaus, Altenheim etc.",
                                      "Aufenthaltsgebäude in Kasernen etc.",
                                      "Gebäude des Gaststättengewerbes",
                                      "Waren- oder sonstiges Geschäftshaus",
                                      "Betriebsgebäude",
                                      "Gebäude für Sport-/Versammlungszwecke",
                                      "Sonstige Gebäude mit ähnlicher Nutzung",
                                      "Gebäude mit niedrigen Innentemperaturen"};

namespace {

constexpr int16_t kFensterArt = 10;
// Above these the fixed form no longer fits the panel.
constexpr double kFestGrenze = 9999999.0;
constexpr double kAVGrenze = 99999.0;
// WSchVO 1995 Anlage 3 Tabelle 1: windows replaced or installed, k_F at most 1.8 W/(m²K).
constexpr double kFensterKMax = 1.8;
constexpr const char* kEinzug = "      bei ";

// A damaged file may hold a code outside the table: no text then.
template <size_t N>
std::string tabellenText(const char* const (&tabelle)[N], unsigned index) {
    return index < N ? tabelle[index] : "";
}

std::string zahl(double wert, double grenze, const char* fest, const char* gross) {
    return wert <= grenze ? QTX_format(fest, wert) : QTX_format(gross, wert);
}

std::string fassadenName(const TProjekt& p, uint16_t nummer) {
    const TFassade* f =
        p.Fassaden.FirstThat([&](const TFassade& x) { return FassadeListCondFunc1(x, &nummer); });
    return f ? f->Name : "";
}

struct Liste {
    ErgebnisTexte& t;
    void zeile(std::string text, ErgebnisEintrag e = {}) {
        t.Eintraege.push_back(std::move(text));
        t.Schluessel.push_back(e);
    }
    void bauteil(const TProjekt& p, const TPBauteil& b, const char* vorsatz) {
        zeile(vorsatz + ("Bauteil \"" + b.RBauteil->Name + "\" in Hüllfläche \"" +
                         fassadenName(p, b.FassadenNummer) + "\""),
              {int16_t(b.RBauteil->Bauteilart), int16_t(b.Nummer)});
    }
    void fenster(const TProjekt& p, const TPFenster& f, const char* vorsatz) {
        zeile(vorsatz + ("Fenster \"" + f.RFenster->Name + "\" in Hüllfläche \"" +
                         fassadenName(p, f.FassadenNummer) + "\""),
              {kFensterArt, int16_t(f.Nummer)});
    }
};

void zusatzanforderungen(const TProjekt& p, Liste& l) {
    auto bauteile = [&](auto bedingung) {
        for (const TPBauteil& b : p.PBauteile)
            if (b.RBauteil && bedingung(*b.RBauteil)) l.bauteil(p, b, kEinzug);
    };
    auto fenster = [&](auto bedingung) {
        for (const TPFenster& f : p.PFenster)
            if (f.RFenster && bedingung(f)) l.fenster(p, f, kEinzug);
    };
    for (const auto& [art, text] : NichtErfuellteZusatzanforderungen(p)) {
        l.zeile(text);
        switch (art) {
        case Zusatzanforderung::Trennwaende:
            break;
        case Zusatzanforderung::Sommer:
            for (const TFassade& f : p.Fassaden)
                if (f.SommerStatus == 2)
                    l.zeile(std::string(kEinzug) + "Fassade \"" + f.Name + "\"");
            break;
        case Zusatzanforderung::Rolladenkasten:
            bauteile([](const TRBauteil& t) { return t.RolladenkastenStatus == 2; });
            break;
        case Zusatzanforderung::Flaechenheizung:
            bauteile([](const TRBauteil& t) { return t.FlaechenheizungStatus == 2; });
            break;
        case Zusatzanforderung::Heizkoerper:
            fenster([](const TPFenster& f) { return f.Heizkoerper != 0; });
            break;
        case Zusatzanforderung::Fugen:
            fenster([](const TPFenster& f) { return f.FugendurchlassErfuellt == 0; });
            break;
        case Zusatzanforderung::Einfachverglasung:
            fenster([](const TPFenster& f) { return f.EinfachverglasungErfuellt == 0; });
            break;
        }
    }
}

} // namespace

std::vector<std::pair<Zusatzanforderung, std::string>>
NichtErfuellteZusatzanforderungen(const TProjekt& p) {
    std::vector<std::pair<Zusatzanforderung, std::string>> r;
    using Z = Zusatzanforderung;
    if (p.NachweisTrennwaende == 2)
        r.emplace_back(Z::Trennwaende, "Zwei Gebäudetrennwände (WSchVO Anlage 1 Ziffer 6.2)");
    if (p.NachweisSommer == 2)
        r.emplace_back(Z::Sommer, "Sommerlicher Wärmeschutz (WSchVO Anlage 1 Ziffer 5)");
    if (p.NachweisRolladenkasten == 2)
        r.emplace_back(Z::Rolladenkasten, "Rolladenkasten (WSchVO Anlage 1 Ziffer 1.6.1)");
    if (p.NachweisFlaechenheizung == 2)
        r.emplace_back(Z::Flaechenheizung, "Flächenheizung (WSchVO Anlage 1 Ziffer 3)");
    if (p.NachweisHeizkoerper == 2)
        r.emplace_back(Z::Heizkoerper, "Heizkörper vor Fenster (WSchVO Anlage 1 Ziffer 4)");
    if (p.NachweisFugen == 2)
        r.emplace_back(Z::Fugen, "Fugendurchlaßkoeffizient (WSchVO Anlage 4 Ziffer 1.1)");
    if (p.NachweisEinfachverglasung == 0)
        r.emplace_back(Z::Einfachverglasung, p.NormaleInnentemperatur == 0
                                                 ? "Einfachverglasung (WSchVO § 6 (2) Abs. 1)"
                                                 : "Einfachverglasung (WSchVO § 3 (3) Abs. 5)");
    return r;
}

ErgebnisTexte ErgebnisTexteBilden(const TProjekt& p) {
    ErgebnisTexte t;
    const std::string sechs = "      ";
    t.Projekt = p.Projektangaben[0] + sechs + p.Projektangaben[1] + sechs + p.Projektangaben[2];
    t.Massnahme = tabellenText(MassnahmeTexte, p.Baumassnahme) + sechs +
                  tabellenText(NutzungTexte, p.Gebaeudenutzung);
    const bool ok = p.CanStartWSchVO() != 0;
    const bool bauteilverfahren = p.Baumassnahme == 2;

    if (bauteilverfahren) {
        t.WerteSichtbar = false;
        t.Verfahren = "Prüfung nach dem Bauteil - Verfahren!";
    } else {
        const double a = p.A_Fenster + p.A_Bauteile;
        t.Volumen = zahl(p.V, kFestGrenze, "%3.2lf m³", "%G m³");
        t.Flaeche = zahl(a, kFestGrenze, "%3.2lf m²", "%G m²");
        t.AV = p.V <= 0.0 ? " - " : zahl(a / p.V, kAVGrenze, "%3.2lf 1/m", "%G 1/m");

        double vorh, zul;
        if (p.Gebaeudenutzung == 10) {
            t.Verfahren = "Prüfung nach dem A/V - Verfahren";
            t.VorhLabel = "Vorhandenes Q'T =";
            t.ZulLabel = "Zulässiges Q'T =";
            vorh = p.Q2_T;
            zul = p.Q2_T_max;
        } else {
            t.Verfahren = p.KleinesWohngebaeude == 0 ? "Prüfung nach dem A/V - Verfahren"
                          : p.V == 0.0               ? "Prüfung nach dem Bauteil - Verfahren"
                                       : "Prüfung nach dem A/V sowie dem Bauteil - Verfahren";
            t.VorhLabel = "Vorhandenes Q'H =";
            t.ZulLabel = "Zulässiges Q'H =";
            vorh = p.Q2_H;
            zul = p.Q2_H_max;
        }
        const std::string v = ok ? zahl(vorh, kFestGrenze, "%3.2lf", "%G") : " - ";
        const std::string z = ok ? QTX_format("%3.2lf", zul) : " - ";
        t.Vorh = v + " kWh/m³*a";
        t.Zul = z + " kWh/m³*a";
    }

    const std::string nachweis = "Der Wärmeschutznachweis gemäß der Wärmeschutzverordnung ";
    t.Urteil = !ok                       ? nachweis + "konnte nicht durchgeführt werden!"
               : p.NachweisErfuellt == 0 ? nachweis + "ist NICHT erfüllt!"
                                         : nachweis + "ist erfüllt!";

    Liste l{t};
    if (!ok) return t;
    if (bauteilverfahren && p.NachweisErfuellt == 0) {
        t.ListenTitel = "Nicht ausreichende Bauteile/Fenster:";
        t.ListeSichtbar = true;
        for (const TPBauteil& b : p.PBauteile)
            if (b.RBauteil && b.RBauteil->BauteilverfahrenErfuellt == 0) l.bauteil(p, b, "");
        for (const TPFenster& f : p.PFenster)
            if (f.RFenster && f.RFenster->k_F > kFensterKMax) l.fenster(p, f, "");
    } else if (!bauteilverfahren && p.ZusatzErfuellt == 0) {
        t.ListenTitel = "Nicht erfüllte Zusatzanforderungen:";
        t.ListeSichtbar = true;
        zusatzanforderungen(p, l);
    }
    return t;
}
