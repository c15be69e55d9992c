// The requirement paragraphs of the heat-protection proof and the verdict
// boxes of the component and window sheets. Each restates a requirement of
// the WSchVO 1995 with its limit and states the verdict that the building
// model stored; a negative verdict draws the whole paragraph in the colour
// of the style "Warnung".
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRFenster.h"

namespace {
// Results of the proof: 0 does not apply, 1 met by every element, 2 not met.
constexpr int kErfuellt = 1;
constexpr int kNichtErfuellt = 2;

// Limits of the boxes, W/(m²K): WSchVO 1995 Anlage 1 Ziffer 3 (surface
// heating), Ziffer 1.6.1 (roller-shutter boxes), Ziffer 4 (radiators in front
// of windows), § 3 Absatz (3) 3. (radiator covers).
constexpr double kFlaechenheizung = 0.35;
constexpr double kRolladenkasten = 0.6;
constexpr double kHeizkoerperFenster = 1.5;
constexpr double kAbdeckung = 0.9;
constexpr double kTrennwaende = 1.0; // Anlage 1 Ziffer 6.2

const char* const kBauteileJa = "Diese Anforderung wird von allen Bauteilen erfüllt. ";
const char* const kBauteileNein =
    "Diese Anforderung wird von mindestens einem Bauteil nicht erfüllt. ";
const char* const kFensterJa = "Diese Anforderung wird von allen Fenstern erfüllt. ";
const char* const kFensterNein =
    "Diese Anforderung wird von mindestens einem Fenster nicht erfüllt. ";
const char* const kFassadenJa = "Diese Anforderung wird von allen Fassaden erfüllt. ";
const char* const kFassadenNein =
    "Diese Anforderung wird von mindestens einer Fassade nicht erfüllt. ";
const char* const kVerfahrenJa = "Der Wärmeschutznachweis nach dem Bauteilverfahren ist erfüllt. ";
const char* const kVerfahrenNein =
    "Der Wärmeschutznachweis nach dem Bauteilverfahren ist nicht erfüllt. ";
const char* const kErfuelltBox = " Erfüllt! ";
const char* const kNichtErfuelltBox = " Nicht erfüllt! ";

// The double-glazing mark of the model is 1 when every window has it.
int doppelverglasung(const TProjekt& p) {
    return p.NachweisEinfachverglasung ? kErfuellt : kNichtErfuellt;
}
} // namespace

namespace {
// Draws the paragraph in the warning colour when `negativ`, then returns to black.
void absatz(TDatenblattBasis& b, TDC& dc, const std::string& text, bool negativ, int pass) {
    b.Durchgang = pass;
    if (negativ) dc.SetTextColor(b.Texte().Farbe(Textstil::Warnung));
    b.KommentarZeichnen(dc, text, pass);
    dc.SetTextColor(TColor::Black);
}

// A project paragraph: requirement text and the verdict sentence of its result.
void projektAbsatz(TDatenblattBasis& b, TDC& dc, std::string text, int ergebnis, const char* ja,
                   const char* nein, int pass) {
    if (ergebnis == kErfuellt) text += ja;
    if (ergebnis == kNichtErfuellt) text += nein;
    b.Titeltext = text;
    absatz(b, dc, b.Titeltext, ergebnis == kNichtErfuellt, pass);
}
} // namespace

void TDatenblattBasis::FlaechenheizungAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    const int ergebnis = p ? p->NachweisFlaechenheizung : 0;
    projektAbsatz(*this, dc,
                  "Bei Flächenheizungen darf der k-Wert der Bauteilschichten zwischen der "
                  "Heizfläche und der Außenluft, dem Erdreich oder Gebäudeteilen mit wesentlich "
                  "niedrigeren Innentemperaturen den Wert " +
                      QTX_format("%3.2lf", kFlaechenheizung) +
                      " W/(m²*K) nicht überschreiten. \n(WSCHVO, Anlage 1, Ziffer 3) \n\n",
                  ergebnis, kBauteileJa, kBauteileNein, pass);
}

void TDatenblattBasis::RolladenkastenAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    projektAbsatz(*this, dc,
                  "Der k-Wert im Bereich von Rolladenkästen darf den Wert " +
                      QTX_format("%2.1lf", kRolladenkasten) +
                      " W/(m²*K) nicht überschreiten. \n(WSCHVO, Anlage 1, Ziffer 1.6.1) \n\n",
                  p ? p->NachweisRolladenkasten : 0, kBauteileJa, kBauteileNein, pass);
}

void TDatenblattBasis::TrennwaendeAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    projektAbsatz(*this, dc,
                  "Bei Gebäuden mit zwei Trennwänden (z.B. Reihenmittelhaus) darf der "
                  "k_(m,W+F)-Wert der Fassade den Wert " +
                      QTX_format("%2.1lf", kTrennwaende) +
                      " W/(m²*K) nicht überschreiten. \n(WSCHVO, Anlage 1, Ziffer 6.2) \n\n",
                  p ? p->NachweisTrennwaende : 0, kFassadenJa, kFassadenNein, pass);
}

void TDatenblattBasis::HeizkoerperVorFensterAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    projektAbsatz(*this, dc,
                  "Bei Anordnung von Heizkörpern vor außenliegenden Fensterflächen darf der "
                  "Wärmedurchgangskoeffizient k_F dieser Bauteile den Wert " +
                      QTX_format("%2.1lf", kHeizkoerperFenster) +
                      " W/(m²*K) nicht überschreiten. \n(WSCHVO, Anlage 1, Ziffer 4) \n\n",
                  p ? p->NachweisHeizkoerper : 0, kFensterJa, kFensterNein, pass);
}

void TDatenblattBasis::FugendurchlassAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    projektAbsatz(*this, dc,
                  "Der Fugendurchlaßkoeffizient a der außenliegenden Fenster und Fenstertüren "
                  "darf den Wert " +
                      QTX_format("%3.2lf", p ? p->Fugenkoeffizient_max : 0.0) +
                      " m³/(h*m*(daPa)^(2/3)) (=F_Einh) nicht überschreiten. \n(WSCHVO, Anlage "
                      "4, Ziffer 1.1) \n\n",
                  p ? p->NachweisFugen : 0, kFensterJa, kFensterNein, pass);
}

void TDatenblattBasis::DoppelverglasungAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    projektAbsatz(*this, dc,
                  "Fenster und Fenstertüren in wärmetauschenden Flächen müssen mindestens mit "
                  "einer Doppelverglasung ausgeführt werden. Hiervon sind großflächige "
                  "Verglasungen, z.B. für Schaufenster, ausgenommen, wenn sie nutzungsbedingt "
                  "erforderlich sind. \n(WSCHVO, § 3, Absatz (3) 5.) \n\n",
                  p ? doppelverglasung(*p) : 0, kFensterJa, kFensterNein, pass);
}

void TDatenblattBasis::BauteilverfahrenKleineWohngebaeude(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    const bool ja = p && p->ProjektBauteilverfahren != 0;
    Titeltext = std::string("Für kleine Wohngebäude gelten die Anforderungen der "
                            "Wärmeschutzverordnung auch dann als erfüllt, wenn die einzelnen "
                            "Bauteile die maximal zulässigen k-Werte (nach WSCHVO, Anlage 1, "
                            "Ziffer 7. Tabelle 2) nicht überschreiten. \n\n") +
                (ja ? kVerfahrenJa : kVerfahrenNein);
    absatz(*this, dc, Titeltext, !ja, pass);
}

void TDatenblattBasis::BauteilverfahrenBestand(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    const bool ja = p && p->ProjektBauteilverfahren != 0;
    Titeltext = std::string("Bei erstmaligem Einbau, Ersatz oder Erneuerung von Außenbauteilen "
                            "bestehender Gebäude gelten die Anforderungen der "
                            "Wärmeschutzverordnung als erfüllt, wenn die einzelnen Bauteile die "
                            "maximal zulässigen k-Werte (nach WSCHVO, Anlage 3, Tabelle 1) nicht "
                            "überschreiten. \n\n") +
                (ja ? kVerfahrenJa : kVerfahrenNein);
    absatz(*this, dc, Titeltext, !ja, pass);
}

void TDatenblattBasis::AVVerfahrenErgebnis(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    if (!p) return absatz(*this, dc, "", false, pass);
    // The verdict is the model's, which compares the values as the table
    // prints them; so this paragraph always agrees with the overall verdict.
    const bool ja = p->AVErfuellt != 0;
    const char* ende = ja ? "Der Wärmeschutznachweis nach dem A/V-Verfahren ist erfüllt. "
                          : "Der Wärmeschutznachweis nach dem A/V-Verfahren ist nicht erfüllt. ";
    if (p->NormaleInnentemperatur)
        Titeltext = std::string("Der Jahresheizwärmebedarf bezogen auf V ist ") +
                    (ja ? "kleiner" : "größer") +
                    " als der zulässige Maximalwert. \n(WSCHVO, Anlage 1, Ziffer 1.0, Tabelle 1) "
                    "\n\n" +
                    ende;
    else
        Titeltext = std::string("Der Jahrestransmissionswärmebedarf bezogen auf V ist ") +
                    (ja ? "kleiner" : "größer") +
                    " als der zulässige Maximalwert. \n(WSCHVO, Anlage 2, Ziffer 1., Tabelle 1) "
                    "\n\n" +
                    ende;
    absatz(*this, dc, Titeltext, !ja, pass);
}

void TDatenblattBasis::ZusatzanforderungenUeberschrift(TDC& dc, int pass) {
    Titeltext = "\n Das Projekt muß folgende Zusatzanforderungen gemäß der "
                "Wärmeschutzverordnung erfüllen: \n ";
    absatz(*this, dc, Titeltext, false, pass);
}

void TDatenblattBasis::WaermeschutzGesamtergebnis(TDC& dc, int pass) {
    // The words of the project dialog's verdict, so that screen and paper agree.
    const TProjekt* p = Projekt();
    const bool gefuehrt = p && p->CanStartWSchVO() != 0;
    const bool ja = gefuehrt && p->NachweisErfuellt != 0;
    const std::string nachweis = "Der Wärmeschutznachweis gemäß der Wärmeschutzverordnung ";
    Titeltext = "\n " + nachweis +
                (!gefuehrt ? "konnte nicht durchgeführt werden!"
                 : ja      ? "ist erfüllt!"
                           : "ist NICHT erfüllt!") +
                " \n ";
    absatz(*this, dc, Titeltext, !ja, pass);
}

void TDatenblattBasis::SommerlicherWaermeschutzAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    // The two limits follow the configured decimal character as text.
    const std::string komma = Zahlen().sDecimal.empty() ? "," : Zahlen().sDecimal.substr(0, 1);
    const std::string kern =
        "Zur Begrenzung des Energiedurchganges bei Sonneneinstrahlung darf das Produkt aus "
        "Gesamtenergiedurchlaßgrad g_F (einschließlich zusätzlicher Sonnenschutzeinrichtungen) "
        "und Fensterflächenanteil f unter Berücksichtigung ausreichender Belichtungsverhältnisse "
        "\n\na) bei Gebäuden mit einer raumlufttechnischen Anlage mit Kühlung und \nb) bei "
        "anderen Gebäuden mit einem Fensterflächenanteil von 50 % oder mehr \n\nfür jede Fassade "
        "den Wert 0" +
        komma +
        "25 (bei beweglichem Sonnenschutz in geschlossenem Zustand) nicht überschreiten. "
        "Ausgenommen sind nach Norden orientierte oder ganztägig verschattete Fenster. "
        "\n(WSCHVO, Anlage 1, Ziffer 5.1) \nWerden zur Erfüllung der Anforderungen "
        "Sonnenschutzvorrichtungen verwendet, sind diese mindestens teilweise beweglich "
        "anzuordnen. Hierbei muß durch den beweglichen Anteil des Sonnenschutzes ein "
        "Abminderungsfaktor z <= 0" +
        komma + "5 erreicht werden. \n(WSCHVO, Anlage 1, Ziffer 5.2) \n\n";
    const bool normal = !p || p->NormaleInnentemperatur != 0;
    std::string text = normal ? kern
                              : "Soweit die Gebäude mit Einrichtungen ausgestattet werden, bei "
                                "denen die Luft unter Einsatz von Energie gekühlt, be- oder "
                                "entfeuchtet wird, ist mindestens Isolier- oder Doppelverglasung "
                                "vorzusehen. \nWird die Luft unter Einsatz von Energie gekühlt, "
                                "ist der Energiedurchgang von außenliegenden Fenstern und "
                                "Fenstertüren nach Maßgabe der Anlage 1 Ziffer 5 zu begrenzen. "
                                "\nWSCHVO, Anlage 1, Ziffer 5: \n" +
                                    kern;
    projektAbsatz(*this, dc, text, p ? p->NachweisSommer : 0, normal ? kFassadenJa : kFensterJa,
                  normal ? kFassadenNein : kFensterNein, pass);
}

namespace {
// The comparison lines of the low-energy and passive-house paragraphs.
std::string vergleich(const char* einheit, double vorhanden, double erforderlich, bool ja) {
    std::string t = einheit;
    t += "               vorhanden                erforderlich \n ";
    t += QTX_format("%s%2.1lf%s%2.1lf%s", "                    ", vorhanden,
                    ja ? "            <             " : "            >             ", erforderlich,
                    " ");
    t += "\n\n ";
    t += ja ? "Das Projekt erfüllt diese Anforderungen. "
            : "Das Projekt erfüllt diese Anforderungen nicht. ";
    return t;
}
} // namespace

void TDatenblattBasis::NiedrigenergiehausAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    const double prozent = p ? p->Unterschreitung : 0;
    Titeltext = "Dieses Gebäude wird in Niedrigenergiebauweise erstellt und muß Anforderungen "
                "erfüllen, welche " +
                QTX_format("%2.1lf", prozent) + " % unter denen der WSCHVO liegen. \n\n";
    const int ergebnis = p ? p->UnterschreitungStatus : 0;
    if (p && (ergebnis == kErfuellt || ergebnis == kNichtErfuellt)) {
        const bool flaeche = p->ProjektMerker != 0;
        const double vorhanden = flaeche ? p->Q1_H : p->Q2_H;
        const double zulaessig = flaeche ? p->Q1_H_max : p->Q2_H_max;
        const double erforderlich = double((1.0L - 0.01L * prozent) * zulaessig);
        Titeltext +=
            vergleich(flaeche ? "               spezifischer Jahresheizwärmebedarf in kWh/m²*a \n "
                              : "               spezifischer Jahresheizwärmebedarf in kWh/m³*a \n ",
                      vorhanden, erforderlich, ergebnis == kErfuellt);
    }
    absatz(*this, dc, Titeltext, ergebnis == kNichtErfuellt, pass);
}

void TDatenblattBasis::PassivhausAnforderung(TDC& dc, int pass) {
    const TProjekt* p = Projekt();
    const double grenze = p ? p->Zielwert : 0;
    Titeltext = "Dieses Gebäude wird in Passivbauweise erstellt und muß Anforderungen erfüllen, "
                "welche unter " +
                QTX_format("%2.1lf", grenze) + " kWh/m²*a liegen. \n\n";
    const int ergebnis = p ? p->ZielwertStatus : 0;
    if (ergebnis == 3) {
        Titeltext += "Der vorhandene spezifische Jahresheizwärmebedarf kann nicht berechnet "
                     "werden, da keine Wohnfläche eingegeben wurde!  ";
    } else if (ergebnis == kErfuellt || ergebnis == kNichtErfuellt) {
        Titeltext += vergleich("               spezifischer Jahresheizwärmebedarf in kWh/m²*a \n ",
                               p->Q_H_Nutzflaeche, grenze, ergebnis == kErfuellt);
    } else {
        Titeltext += "               spezifischer Jahresheizwärmebedarf in kWh/m²*a \n "
                     "               vorhanden                erforderlich \n ";
    }
    absatz(*this, dc, Titeltext, ergebnis == kNichtErfuellt, pass);
}

// --- Boxes of one cross-section ---

void TDatenblattBasis::FlaechenheizungPruefung(TDC& dc, TEinfachBauteil* q, int pass) {
    const double k = q ? q->k_Heizung : 0;
    const bool nein = k > kFlaechenheizung;
    Titeltext = QTX_format("%s%s%s%3.2lf%s%3.2lf%s",
                           " Anforderung Flächenheizung: ", nein ? kNichtErfuelltBox : kErfuelltBox,
                           " \n           Maximal zulässiger k_(Fl)-Wert = ", kFlaechenheizung,
                           " W/(m²*K) \n           Bauteil: k_(Fl)-Wert                  = ", k,
                           " W/(m²*K)  \n (WSCHVO, Anlage 1, Ziffer 3) ");
    absatz(*this, dc, Titeltext, nein, pass);
}

void TDatenblattBasis::RolladenkastenPruefung(TDC& dc, TEinfachBauteil* q, int pass) {
    const double k = q ? q->k_Wert : 0;
    const bool nein = k > kRolladenkasten;
    Titeltext = QTX_format("%s%s%s%3.2lf%s%3.2lf%s",
                           " Anforderung Rolladenkasten: ", nein ? kNichtErfuelltBox : kErfuelltBox,
                           " \n           Maximal zulässiger k-Wert = ", kRolladenkasten,
                           " W/(m²*K) \n           Bauteil: k-Wert           = ", k,
                           " W/(m²*K) \n (WSCHVO, Anlage 1, Ziffer 1.6.1) ");
    absatz(*this, dc, Titeltext, nein, pass);
}

// --- Boxes of one placed window ---

void TDatenblattBasis::HeizkoerperFensterPruefung(TDC& dc, const TRFenster* typ, const TPFenster*,
                                                  int pass) {
    const double k = typ ? FensterKWert(*typ) : 0;
    const bool nein = k > kHeizkoerperFenster;
    Titeltext = QTX_format(
        "%s%s%s%2.1lf%s%3.2lf%s",
        " Anforderung Heizkörper vor Fenster: ", nein ? kNichtErfuelltBox : kErfuelltBox,
        "\n            k-Wert des Fensters: \n                        Maximal zulässig : ",
        kHeizkoerperFenster, " W/(m²*K)\n                        Vorhanden             : ", k,
        " W/(m²*K)  \n (WSCHVO, Anlage 1, Ziffer 4) ");
    absatz(*this, dc, Titeltext, nein, pass);
}

namespace {
std::string abdeckung(bool ja, double grenze) {
    return QTX_format("%s%s%s%3.2lf%s%3.2lf%s", " Anforderung Abdeckung von Heizkörperrückseite: ",
                      ja ? kErfuelltBox : kNichtErfuelltBox,
                      " \n           Maximal zulässiger k-Wert = ", grenze,
                      ja ? " W/(m²*K) \n           Abdeckung: k-Wert ist bei diesem Fenster <= "
                         : " W/(m²*K) \n           Abdeckung: k-Wert ist bei diesem Fenster > ",
                      grenze, " W/(m²*K) \n (WSCHVO, § 3, Absatz (3) 3.) ");
}
} // namespace

void TDatenblattBasis::HeizkoerperAbdeckungErfuellt(TDC& dc, const TRFenster*, const TPFenster*,
                                                    int pass) {
    Titeltext = abdeckung(true, kAbdeckung);
    absatz(*this, dc, Titeltext, false, pass);
}

void TDatenblattBasis::HeizkoerperAbdeckungNichtErfuellt(TDC& dc, const TRFenster*,
                                                         const TPFenster*, int pass) {
    Titeltext = abdeckung(false, kAbdeckung);
    absatz(*this, dc, Titeltext, true, pass);
}

void TDatenblattBasis::VerglasungPruefung(TDC& dc, const TRFenster*, const TPFenster* fenster,
                                          int pass) {
    const bool ja = fenster && fenster->EinfachverglasungErfuellt == 1;
    Titeltext =
        QTX_format("%s%s%s", " Anforderung an Verglasung: ", ja ? kErfuelltBox : kNichtErfuelltBox,
                   "\n            Fenster und Fenstertüren müssen mind. mit einer "
                   "Doppelverglasung ausgeführt werden \n (WSCHVO, § 3, Abschnitt 3, "
                   "Ziffer 5) ");
    absatz(*this, dc, Titeltext, !ja, pass);
}

void TDatenblattBasis::FugendurchlassPruefung(TDC& dc, const TRFenster* typ,
                                              const TPFenster* fenster, int pass) {
    const TProjekt* p = Projekt();
    const bool ja = fenster && fenster->FugendurchlassErfuellt == 1;
    Titeltext = QTX_format(
        "%s%s%s%3.1lf%s%3.1lf%s",
        " Anforderung an Fugendurchlaßkoeffizient: ", ja ? kErfuelltBox : kNichtErfuelltBox,
        "\n            Fugendurchlaßkoeff. a: \n                         Maximal zulässig : ",
        p ? p->Fugenkoeffizient_max : 0.0,
        " F_Einh. \n                         Vorhanden             : ", typ ? typ->a : 0.0,
        " F_Einh  \n (WSCHVO, Anlage 4, Tabelle 1) ");
    absatz(*this, dc, Titeltext, !ja, pass);
}
