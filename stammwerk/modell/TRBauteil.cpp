#include "stammwerk/modell/TRBauteil.h"

#include "platform/base/ByteStream.h"
#include "stammwerk/modell/InterpolationDINTabelle2.h"

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

TRBauteil& TRBauteil::operator=(const TRBauteil& o) {
    if (this == &o) return *this;
    // The fixed part travels through its image: every field, none forgotten.
    ByteImage image(kImageSize);
    o.WriteImage(image, 0);
    ReadImage(image, 0);
    Flaechenanteile.Flush();
    for (const TEinfachBauteil& e : o.Flaechenanteile)
        Flaechenanteile.AddAfterEquals(std::make_unique<TEinfachBauteil>(e));
    Textliste.Flush();
    InitTextListe(&Textliste, &o.Textliste);
    TypNummernKopieren(PBauteilListe, o.PBauteilListe);
    WerteErsetzt = o.WerteErsetzt;
    return *this;
}

bool operator==(const TRBauteil& a, const TRBauteil& b) {
    if (a.Nummer != TRBauteil::KeineNummer) return a.Nummer == b.Nummer;
    return a.Schluessel == b.Schluessel;
}

bool operator<(const TRBauteil& a, const TRBauteil& b) {
    if (a.Nummer == TRBauteil::KeineNummer) return a.Schluessel < b.Schluessel;
    if (a.Bauteilart != b.Bauteilart) return int16_t(a.Bauteilart) < int16_t(b.Bauteilart);
    return int16_t(a.Nummer) < int16_t(b.Nummer);
}

bool RBTListCondFunc1(const TRBauteil& t, void* p) {
    return t.Nummer == *static_cast<const uint16_t*>(p);
}

void TRBauteil::FlaechenanteilNeu() {
    auto e = std::make_unique<TEinfachBauteil>();
    e->Nummer = int16_t(Flaechenanteile.GetItemsInContainer());
    e->Name = "Bereich " + std::to_string(e->Nummer + 1); // as the ranges dialog names them
    e->k_wertBerechnen(Rsi, Rse, Bauteilart, Angrenzung, 1, DINTab2Anwendbar, Umkehrdach != 0);
    Flaechenanteile.AddAfterEquals(std::move(e));
}

void TRBauteil::FlaechenanteilLoeschen(int n) {
    if (n < 0 || n >= int(Flaechenanteile.GetItemsInContainer())) return;
    Flaechenanteile.Detach([&](const TEinfachBauteil& e) { return e.Nummer == n; });
    for (TEinfachBauteil& e : Flaechenanteile) EBListIterFunc1(e, &n);
}

void TRBauteil::Mittlerer_k_wertBerechnen() {
    double summeK = 0, summeM = 0;
    size_t leicht = 0;
    Dicke_max = 0;
    for (const TEinfachBauteil& e : Flaechenanteile) {
        summeK += e.Flaechenanteil * e.k_Wert;
        summeM += e.Flaechenanteil * e.Flaechenmasse;
        Dicke_max = std::max(Dicke_max, e.Gesamtdicke);
        if (e.Tabelle2Markierung) ++leicht;
    }
    // Shares are percent and deliberately not normalised.
    k_m = 0.01 * summeK;
    Flaechenmasse_m = 0.01 * summeM;
    const size_t n = Flaechenanteile.GetItemsInContainer();
    Tabelle2Status = leicht == n ? 1 : (leicht == 0 ? 0 : 2);
}

namespace {

struct Grenzwerte {
    double reduktion;
    double anl1Z7;
    double anl3Niedrig; // -1: none
    double anl3Normal;
    bool din2Anwendbar;
};

// Per Bauteilart: weight in the transmission heat loss, WSchVO 1995 Anlage 1
// Ziffer 7 Table 2, Anlage 3 Table 1 (low / normal interior temperatures),
// W/(m²K); whether DIN 4108-2 Table 2 may apply.
constexpr Grenzwerte Tabelle[10] = {
    {1.0, 0.50, 0.75, 0.50, true},  // AW outside air (Wandvariante: 0.40)
    {1.0, 0.50, 0.75, 0.40, true},  // AW ventilated
    {0.8, 0.50, 0.75, 0.50, true},  // AW upward
    {0.8, 0.22, 0.40, 0.30, true},  // D
    {0.5, 0.35, -1.0, 0.50, false}, // G
    {1.0, 0.22, 0.40, 0.30, false}, // DL
    {0.5, 0.35, 0.75, 0.50, false}, // AB
    {0.7, 0.50, 0.75, 0.50, true},  // GV cellar
    {0.6, 0.50, 0.75, 0.50, true},  // GV outside air below
    {0.5, 0.50, 0.75, 0.50, true},  // GV unheated room
};

// DIN 4108-2 (1981) Table 1, W/(m²K): mean / least favourable point; -1 none.
std::pair<double, double> dinTabelle1(int art, int angrenzung) {
    switch (art) {
    case 0:
    case 1:
    case 2:
        return angrenzung == 1 ? std::pair{1.32, 1.32} : std::pair{1.39, 1.39};
    case 3:
        return angrenzung == 3 ? std::pair{0.90, 1.52} : std::pair{0.79, 1.03};
    case 4:
        switch (angrenzung) {
        case 4:
            return {0.93, 0.93};
        case 5:
            return {0.81, 0.81};
        case 6:
            return {1.39, 1.39};
        case 7:
            return {0.81, 1.27};
        default:
            return {-1, -1};
        }
    case 5:
        return {0.51, 0.66};
    case 6:
        return {1.96, 1.96};
    default:
        return {1.39, 1.39};
    }
}

uint16_t schlechter(uint16_t a, uint16_t b) {
    return std::max(a, b);
}

// Inverted roof: the required resistance is raised by 10 %.
double umkehrdachVerschaerft(double k, double rsi, double rse) {
    const double r = (1 / k - rsi - rse) * 1.1;
    return 1 / (r + rsi + rse);
}

} // namespace

void TRBauteil::grenzwerteSetzen(int baumassnahme, int normaleInnentemperatur) {
    if (Bauteilart > 9) return;
    const Grenzwerte& g = Tabelle[Bauteilart];
    Reduktionsfaktor = g.reduktion;
    k_max_Anl1Z7 = g.anl1Z7;
    DINTab2Anwendbar = g.din2Anwendbar ? 1 : 0;
    std::tie(k_max_DIN_Mittel, k_max_DIN_Stelle) = dinTabelle1(Bauteilart, Angrenzung);
    if (baumassnahme != 2) return;
    double anl3 = normaleInnentemperatur ? g.anl3Normal : g.anl3Niedrig;
    if (Bauteilart == 0 && normaleInnentemperatur && Wandvariante) anl3 = 0.40;
    if (anl3 < 0) return; // ground slab with low interior temperatures: no limit
    k_max_Anl3 = anl3;
    // 0.005 W/(m²K): the limit counts as met up to the printed rounding.
    if (k_max_Anl3 + 0.005 <= k_m) BauteilverfahrenErfuellt = 0;
}

void TRBauteil::WSchVO(int baumassnahme, int normaleInnentemperatur, int kleinesWohngebaeude) {
    for (TEinfachBauteil& e : Flaechenanteile)
        e.k_wertBerechnen(Rsi, Rse, Bauteilart, Angrenzung, normaleInnentemperatur,
                          DINTab2Anwendbar, Umkehrdach != 0);
    Mittlerer_k_wertBerechnen();

    k_max_Anl1Z7 = k_max_Anl3 = k_max_DIN_Mittel = k_max_DIN_Stelle = k_max_DIN_Tab2 = -1;
    FlaechenheizungStatus = RolladenkastenStatus = 0;
    ZusatzanforderungenErfuellt = BauteilverfahrenErfuellt = DINErfuellt = 1;
    DINTab2Anwendbar = 1;

    grenzwerteSetzen(baumassnahme, normaleInnentemperatur);

    if (Umkehrdach) {
        if (k_max_DIN_Mittel > 0)
            k_max_DIN_Mittel = umkehrdachVerschaerft(k_max_DIN_Mittel, Rsi, Rse);
        if (k_max_DIN_Stelle > 0)
            k_max_DIN_Stelle = umkehrdachVerschaerft(k_max_DIN_Stelle, Rsi, Rse);
    }

    for (TEinfachBauteil& e : Flaechenanteile) {
        if (e.Tabelle2Markierung == 0) e.Tabelle2Erfuellt = 1;
        FlaechenheizungStatus = schlechter(FlaechenheizungStatus, e.FlaechenheizungStatus);
        RolladenkastenStatus = schlechter(RolladenkastenStatus, e.RolladenkastenStatus);
        if (e.FlaechenheizungStatus == 2 || e.RolladenkastenStatus == 2)
            ZusatzanforderungenErfuellt = 0;
        if (!normaleInnentemperatur) continue;
        if (e.Tabelle2Markierung != 0) {
            if (e.Tabelle2Erfuellt == 0) DINErfuellt = 0;
        } else if (e.k_Wert > k_max_DIN_Stelle) {
            // A limit left at -1 (no DIN limit for this kind and neighbour) fails
            // every cross-section: the proof cannot confirm what it has no limit for.
            e.Tabelle2Erfuellt = 0;
            DINErfuellt = 0;
        }
    }

    if (baumassnahme != 2 && kleinesWohngebaeude && k_max_Anl1Z7 > 0 && k_max_Anl1Z7 < k_m)
        BauteilverfahrenErfuellt = 0;
    if (baumassnahme == 2 && Haertefall) BauteilverfahrenErfuellt = 1;

    if (DINTab2Anwendbar == 0) {
        Tabelle2Status = 0;
    } else if (normaleInnentemperatur && Flaechenmasse_m < 300) { // kg/m², DIN 4108-2 Table 2
        k_max_DIN_Tab2 = InterpolationDINTabelle2(Flaechenmasse_m, Rsi, Rse, Umkehrdach != 0);
        if (k_m > k_max_DIN_Tab2) DINErfuellt = 0;
    }
    if (normaleInnentemperatur && k_m > k_max_DIN_Mittel) DINErfuellt = 0;
    ersetzteWerteMelden();
}

void TRBauteil::ersetzteWerteMelden() {
    if (!WerteErsetzt) return;
    BauteilverfahrenErfuellt = DINErfuellt = ZusatzanforderungenErfuellt = FeuchteErfuellt = 0;
    for (TEinfachBauteil& e : Flaechenanteile) e.FeuchteErfuellt = e.Tabelle2Erfuellt = 0;
}

double TRBauteil::k_wert_max_DIN() const {
    if (k_max_DIN_Tab2 < 0) return k_max_DIN_Mittel;
    return std::min(k_max_DIN_Tab2, k_max_DIN_Mittel);
}

int TRBauteil::GetIndexPBauteil(int n) const {
    return TypNummerIndexNachNummer(PBauteilListe, n);
}

int TRBauteil::Speicherbedarf() const {
    double bytes = kImageSize + 6;
    for (const TEinfachBauteil& e : Flaechenanteile) bytes += e.Speicherbedarf();
    return int(bytes * 1.2);
}

void TRBauteil::WriteImage(ByteImage& image, size_t off) const {
    Schluessel.WriteImage(image, off);
    image.SetText(off + 12, kNameWidth, Name);
    image.SetU16(off + 42, Nummer);
    // 44: reference list pointer, meaningless on disk
    image.SetU16(off + 48, RolladenkastenStatus);
    image.SetU16(off + 50, FlaechenheizungStatus);
    image.SetU16(off + 52, Merker1);
    image.SetU16(off + 54, ZusatzanforderungenErfuellt);
    image.SetU16(off + 56, BauteilverfahrenErfuellt);
    image.SetU16(off + 58, DINErfuellt);
    image.SetU16(off + 60, Tabelle2Status);
    image.SetU16(off + 62, FeuchteErfuellt);
    image.SetU16(off + 64, Haertefall);
    image.SetU16(off + 66, Bauteilart);
    image.SetU16(off + 68, Angrenzung);
    image.SetF64(off + 70, Rsi);
    image.SetF64(off + 78, Rse);
    Klima.WriteImage(image, off + 86);
    Temperatur.WriteImage(image, off + 298);
    // 354, 358: text and cross-section list pointers
    const double werte[] = {
        k_m,       k_max_Anl1Z7,   k_max_Anl3, k_max_DIN_Mittel, k_max_DIN_Stelle, Reduktionsfaktor,
        Dicke_max, Flaechenmasse_m};
    for (size_t i = 0; i < 8; ++i) image.SetF64(off + 362 + 8 * i, werte[i]);
    image.SetU16(off + 426, DINTab2Anwendbar);
    image.SetU16(off + 428, Umkehrdach);
    image.SetU8(off + 430, Merker2);
    image.SetU16(off + 431, Merker3);
    image.SetU16(off + 433, Wandvariante);
    image.SetF64(off + 435, Wert1);
    image.SetU16(off + 443, Merker4);
    image.SetU16(off + 445, Feuchteoption);
    image.SetU16(off + 447, Merker5);
    image.SetF64(off + 449, k_max_DIN_Tab2);
}

void TRBauteil::ReadImage(const ByteImage& image, size_t off) {
    Schluessel.ReadImage(image, off);
    Name = image.Text(off + 12, kNameWidth);
    Nummer = image.U16(off + 42);
    RolladenkastenStatus = image.U16(off + 48);
    FlaechenheizungStatus = image.U16(off + 50);
    Merker1 = image.U16(off + 52);
    ZusatzanforderungenErfuellt = image.U16(off + 54);
    BauteilverfahrenErfuellt = image.U16(off + 56);
    DINErfuellt = image.U16(off + 58);
    Tabelle2Status = image.U16(off + 60);
    FeuchteErfuellt = image.U16(off + 62);
    Haertefall = image.U16(off + 64);
    Bauteilart = image.U16(off + 66);
    Angrenzung = image.U16(off + 68);
    Rsi = image.F64(off + 70);
    Rse = image.F64(off + 78);
    Klima.ReadImage(image, off + 86);
    Temperatur.ReadImage(image, off + 298);
    double* werte[] = {&k_m,
                       &k_max_Anl1Z7,
                       &k_max_Anl3,
                       &k_max_DIN_Mittel,
                       &k_max_DIN_Stelle,
                       &Reduktionsfaktor,
                       &Dicke_max,
                       &Flaechenmasse_m};
    for (size_t i = 0; i < 8; ++i) *werte[i] = image.F64(off + 362 + 8 * i);
    DINTab2Anwendbar = image.U16(off + 426);
    Umkehrdach = image.U16(off + 428);
    Merker2 = image.U8(off + 430);
    Merker3 = image.U16(off + 431);
    Wandvariante = image.U16(off + 433);
    Wert1 = image.F64(off + 435);
    Merker4 = image.U16(off + 443);
    Feuchteoption = image.U16(off + 445);
    Merker5 = image.U16(off + 447);
    k_max_DIN_Tab2 = image.F64(off + 449);
}

int TRBauteil::Oeffnen(ByteReader& in) {
    Flaechenanteile.Flush();
    Textliste.Flush();
    PBauteilListe.Flush();
    if (in.Remaining() < 2) return 1;
    const uint16_t nAnteile = in.ReadU16();
    const uint16_t nTexte = in.ReadU16();
    const uint16_t nRefs = in.ReadU16();
    const ByteImage image = in.ReadImage(kImageSize);
    if (!in.Ok()) return -1;
    ReadImage(image, 0);
    // Counts come from the file: each element needs at least these bytes.
    if (!in.CanHold(nAnteile, 2 + TEinfachBauteil::kImageSize)) return -1;
    for (uint16_t i = 0; i < nAnteile; ++i) {
        auto e = std::make_unique<TEinfachBauteil>();
        if (!e->Oeffnen(in)) return -1;
        e->TemperaturVerlauf(Temperatur, Rsi, Rse, 0);
        Flaechenanteile.AddAfterEquals(std::move(e));
    }
    if (!in.CanHold(nTexte, TTextString::kImageSize)) return -1;
    if (!AddTextStringToList(in, nTexte, &Textliste)) return -1;
    // The stored kinds may be stale: each takes this type's kind before it is
    // sorted in, so the list is ordered by number.
    TTypNummerListe gelesen;
    if (!TypNummernLesen(in, nRefs, gelesen)) return -1;
    std::vector<std::unique_ptr<TTypNummer>> eigene;
    eigene.reserve(gelesen.GetItemsInContainer());
    for (const TTypNummer& t : gelesen)
        eigene.push_back(std::make_unique<TTypNummer>(TTypNummer{int16_t(Bauteilart), t.Nummer}));
    PBauteilListe.AddAllAfterEquals(std::move(eigene));
    return 0;
}

void TRBauteil::Speichern(ByteWriter& out) const {
    out.WriteCount(Flaechenanteile.GetItemsInContainer());
    out.WriteCount(Textliste.GetItemsInContainer());
    out.WriteCount(PBauteilListe.GetItemsInContainer());
    ByteImage image(kImageSize);
    WriteImage(image, 0);
    out.WriteImage(image);
    for (const TEinfachBauteil& e : Flaechenanteile) e.Speichern(out);
    WriteTextStringListToFile(out, int(Textliste.GetItemsInContainer()), &Textliste);
    TypNummernSchreiben(out, PBauteilListe);
}

const double TRBauteil::Uebergangswiderstaende[10][2] = {
    {0.13, 0.04}, {0.13, 0.08}, {0.13, 0.04}, {0.13, 0.08}, {0.17, 0},
    {0.17, 0.17}, {0.13, 0},    {0.17, 0.17}, {0.17, 0.04}, {0.13, 0.13}};

void TRBauteil::UebergangSetzen(uint16_t angrenzung) {
    if (angrenzung >= 10) return;
    Angrenzung = angrenzung;
    Rsi = Uebergangswiderstaende[angrenzung][0];
    Rse = Uebergangswiderstaende[angrenzung][1];
}

void TRBauteil::KlimaUebernehmen(const TKlima& k, double dachOberflaeche) {
    TKlima neu = k;
    neu.KlimaMerker1 = Klima.KlimaMerker1;
    neu.AussenluftVerdunstung = Klima.AussenluftVerdunstung;
    neu.Zusatztext = Klima.Zusatztext;
    if (Bauteilart == 3) neu.ThetaOberflaeche_V = dachOberflaeche;
    if (Angrenzung == 7 || Angrenzung == 9)
        neu.ThetaE = k.KlimaWert1;
    else if (Angrenzung >= 4 && Angrenzung <= 6)
        neu.ThetaE = k.KlimaWert2;
    Klima = neu;
}

void TRBauteil::QuerschnitteBerechnen(int normaleInnentemperatur, int vollstaendig) {
    for (TEinfachBauteil& e : Flaechenanteile)
        e.Berechnungen(Klima, Temperatur, Rsi, Rse, Bauteilart, Angrenzung, Umkehrdach != 0,
                       normaleInnentemperatur, Feuchteoption, DINTab2Anwendbar, vollstaendig);
    if (vollstaendig) FeuchteBerechnen(0);
}

void TRBauteil::FeuchteBerechnen(int rechnen) {
    FeuchteErfuellt = 1;
    for (TEinfachBauteil& e : Flaechenanteile) {
        if (rechnen) {
            e.TemperaturSchichten(Klima, Rsi, Rse, short(Umkehrdach));
            e.TemperaturVerlauf(Temperatur, Rsi, Rse, short(Umkehrdach));
            e.FeuchteBerechnen(Klima, Rsi, Feuchteoption);
        }
        if (e.FeuchteErfuellt == 0) FeuchteErfuellt = 0;
    }
    ersetzteWerteMelden();
}
