// The first table of a component sheet: the component with its class, k
// value, area and loss against the whole envelope, its area range, the
// requirements it meets and the placements that use it.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/BauteilKlassenNamen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TPBauteil.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"

#include <array>

namespace {
constexpr int kSpalten = 7;

constexpr std::array<const char*, 10> kAngrenzung{" Außenluft ",
                                                  " Außenluft (Hinterlüftet) ",
                                                  " Außenluft nach oben ",
                                                  " nicht ausgebautem Dachraum ",
                                                  " Erdreich ",
                                                  " Hohlraum ",
                                                  " Erdreich ",
                                                  " Keller ",
                                                  " Außenluft nach unten ",
                                                  " unbeheiztem Raum "};

template <size_t N>
const char* eintrag(const std::array<const char*, N>& t, int i) {
    return i >= 0 && size_t(i) < N ? t[size_t(i)] : "";
}

std::string prozent(double wert) {
    return QTX_format("%s%3.2lf%s", " ", wert, "  ");
}

// The placements of a component that the project holds; numbers that match
// nothing are skipped.
std::vector<TPBauteil*> platzierungen(TRBauteil& bauteil, TProjekt* p) {
    std::vector<TPBauteil*> aus;
    if (!p) return aus;
    for (const TTypNummer& t : bauteil.PBauteilListe)
        for (TPBauteil& pb : p->PBauteile)
            if (pb.Nummer == uint16_t(t.Nummer)) {
                aus.push_back(&pb);
                break;
            }
    return aus;
}
} // namespace

const char BauteilKlassenNamen[10][kArtNamenBreite] = {"Außenwand",
                                                       "Außenwand",
                                                       "Abseitenwand",
                                                       "Dach/Decke",
                                                       "Grundfläche",
                                                       "Decke, unten Außenluft",
                                                       "Trennwand",
                                                       "Außenwand/Glasvorbau",
                                                       "Außenwand/Glasvorbau",
                                                       "Außenwand/Glasvorbau"};

const char* BauteilKlassenName(int i) {
    return i >= 0 && i < 10 ? BauteilKlassenNamen[i] : "";
}

std::string TDatenblattBasis::flaechenZahl(double wert) const {
    if (wert >= double(Zahlen().ExponentLimit)) return QTX_format("%5.4G%s", wert, "  ");
    return QTX_format("%3.2lf%s", wert, "  ");
}

void TDatenblattBasis::BauteilFlaechenSumme(TRBauteil* bauteil, TPBauteil* platzierung,
                                            double& flaeche, double& qt) {
    if (platzierung || !bauteil) return;
    for (TPBauteil* pb : platzierungen(*bauteil, Projekt())) {
        flaeche += pb->Nettoflaeche;
        qt += pb->Waermeverlust;
    }
}

int TDatenblattBasis::AnforderungsZeilen(TDC& dc, TRBauteil* bauteil, int& zeile, int schreiben) {
    const TProjekt* p = Projekt();
    if (DateiFlag() || !p || !bauteil || p->NormaleInnentemperatur == 0) return 1;
    int anzahl = 2;
    const bool bestand = p->Baumassnahme == 2;
    const bool klein = !bestand && p->KleinesWohngebaeude != 0;
    if (bestand || klein) ++anzahl;
    if (schreiben != 1) return anzahl;

    const TColor warnung = Texte().Farbe(Textstil::Warnung);
    const auto links = [&](int von, int bis, const std::string& t, bool rot) {
        Spaltentext[size_t(von)] = t;
        if (rot) dc.SetTextColor(warnung);
        ZelleText(dc, von, bis, zeile, 1, 0, 1);
        dc.SetTextColor(TColor::Black);
    };
    const bool din = bauteil->DINErfuellt != 0;
    links(0, 4,
          din ? " Anforderungen nach DIN 4108-2 Tab. 1 / 2 sind erfüllt "
              : " Anforderungen nach DIN 4108-2 Tab. 1 / 2 sind nicht erfüllt ",
          !din);
    links(
        4, 7,
        bauteil->k_max_DIN_Stelle < 0
            ? QTX_format("%s%4.3lf%s", " max. k = ", bauteil->k_max_DIN_Mittel, " / --- W/m²K    ")
            : QTX_format("%s%4.3lf%s%4.3lf%s", " max. k = ", bauteil->k_max_DIN_Mittel, " / ",
                         bauteil->k_max_DIN_Stelle, " W/m²K    "),
        false);
    if (bestand) {
        ++zeile;
        const bool ok = bauteil->BauteilverfahrenErfuellt != 0;
        links(0, 4,
              ok ? " Anforderung nach Bauteilverfahren gem. WSchVO, Anlage 3, Tab. 1: Erfüllt"
                 : " Anforderung nach Bauteilverfahren gem. WSchVO, Anlage 3, Tab. 1: Nicht "
                   "erfüllt",
              !ok);
        links(4, 7,
              bauteil->Haertefall
                  ? " Härtefall nach §14 "
                  : QTX_format("%s%4.3lf%s", " max. k = ", bauteil->k_max_Anl3, " W/m²K "),
              false);
    } else if (klein) {
        ++zeile;
        const bool ok = bauteil->k_m <= bauteil->k_max_Anl1Z7;
        links(0, 4,
              ok ? " Anforderung nach Bauteilverfahren gem. WSchVO, Anl. 1, Zif. 7. Tab. 2: Erfüllt"
                 : " Anforderung nach Bauteilverfahren gem. WSchVO, Anl. 1, Zif. 7. Tab. 2: "
                   "Nicht erfüllt",
              !ok);
        links(4, 7, QTX_format("%s%4.3lf%s", " max. k = ", bauteil->k_max_Anl1Z7, " W/m²K "),
              false);
    }
    return anzahl;
}

void TDatenblattBasis::PlatzierungsZeilen(TDC& dc, TRBauteil* bauteil, TPBauteil* platzierung,
                                          int& zeile) {
    if (platzierung || !bauteil) return;
    ++zeile;
    for (TPBauteil* pb : platzierungen(*bauteil, Projekt())) PlatzierungsZeile(dc, pb, zeile);
}

void TDatenblattBasis::PlatzierungsZeile(TDC& dc, TPBauteil* pb, int& zeile) {
    const TProjekt* p = Projekt();
    if (!pb || !p) return;
    const double A = p->A_Bauteile + p->A_Fenster;
    const double qtGes = p->Q_T;
    const auto zelle = [&](int von, int bis, const std::string& t, int a) {
        Spaltentext[size_t(von)] = t;
        ZelleText(dc, von, bis, zeile, 1, a, 0);
    };
    zelle(0, 1, " " + pb->Zusatztext, 0);
    zelle(1, 3, " " + pb->Name, 0);
    zelle(3, 4, flaechenZahl(pb->Nettoflaeche), 1);
    zelle(4, 5, A > 0 ? prozent(pb->Nettoflaeche / A * 100) : " -- ", 1);
    zelle(5, 6, flaechenZahl(pb->Waermeverlust), 1);
    zelle(6, 7, qtGes > 0 ? prozent(pb->Waermeverlust / qtGes * 100) : " -- ", 1);
    if (Durchgang == 1 && AufAktuellerSeite()) {
        const int y1 = Zeilenkante(zeile), y2 = Zeilenkante(zeile + 1);
        for (int k : {0, 1, 3, 4, 5, 6, 7}) {
            dc.MoveTo(Spaltenkante[size_t(k)], y1);
            dc.LineTo(Spaltenkante[size_t(k)], y2);
        }
        for (int y : {y1, y2}) {
            dc.MoveTo(Spaltenkante[0], y);
            dc.LineTo(Spaltenkante[kSpalten], y);
        }
    }
    ++zeile;
}

void TDatenblattBasis::KeinSchichtaufbauText(TDC& dc, TEinfachBauteil* eb, int pass) {
    char text[128];
    QTX_sprintf(text, "%s%4.3lf%s",
                "\n Bauteil (kein Schichtaufbau eingegeben):          k-Wert = ",
                eb ? eb->k_Wert : 0.0, "  W/m²K \n");
    KommentarZeichnen(dc, text, pass);
}

void TDatenblattBasis::ReferenzBauteilTabelle(TDC& dc, int bereich, int bereiche,
                                              TRBauteil* bauteil, TPBauteil* platzierung,
                                              TEinfachBauteil* eb, int pass) {
    Durchgang = pass;
    if (!bauteil) return;
    TProjekt* p = Projekt();
    const bool datei = DateiFlag() || !p;
    int zeilen = 4;
    if (!datei) {
        int z = 0;
        zeilen = 7 + AnforderungsZeilen(dc, bauteil, z, 0);
        if (!platzierung) zeilen += int(platzierungen(*bauteil, p).size());
    }
    if (bereiche == 1) zeilen -= 2;
    SpaltenLayout();
    SpaltenBreitenSetzen(0, kSpalten);
    Block.InnenOben = Block.Oben;
    TabelleZeichnen(dc, zeilen, kSpalten, 0);
    if (pass != 1 || !AufAktuellerSeite()) return;

    for (int r = 0; r < zeilen; ++r)
        for (int k = 0; k <= kSpalten; ++k) Zelle(r, k) = TRect();
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const auto zelle = [&](int von, int bis, int zeile, const std::string& t, int a,
                           Textstil stil = Textstil::TabellenKopf, int spanne = 1) {
        if (stil != Textstil::TabellenKopf) dc.SelectObject(Texte().Font(stil));
        Spaltentext[size_t(von)] = t;
        ZelleText(dc, von, bis, zeile, spanne, a, 1);
        if (stil != Textstil::TabellenKopf) dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    };
    const bool mehrere = bereiche >= 2;
    const auto bereichsName = [&](int zeile) {
        zelle(1, 2, zeile, " " + (eb ? eb->Name : std::string()) + " ", 0, Textstil::Titel);
        zelle(2, 3, zeile, " ", 1);
        for (int k = 3; k < kSpalten; ++k) zelle(k, k + 1, zeile, " ", 2);
    };
    const auto waagerecht = [&](int zeile, int von) {
        dc.MoveTo(Spaltenkante[size_t(von)], Zeilenkante(zeile));
        dc.LineTo(Spaltenkante[kSpalten], Zeilenkante(zeile));
    };
    const auto senkrecht = [&](int k, int von, int bis) {
        dc.MoveTo(Spaltenkante[size_t(k)], Zeilenkante(von));
        dc.LineTo(Spaltenkante[size_t(k)], Zeilenkante(bis));
    };

    if (datei) {
        zelle(0, 1, 0, " Referenz-Bauteil ", 0, Textstil::TabellenKopf, 2);
        zelle(1, 2, 0, " " + bauteil->Name, 0, Textstil::Titel, 2);
        zelle(2, 7, 0, " ", 2, Textstil::TabellenKopf, 2);
        int r = 2;
        if (mehrere) bereichsName(r++);
        int z = r;
        AnforderungsZeilen(dc, bauteil, z, 1);
        for (int i = 0; i <= r; ++i)
            if (i != 1) waagerecht(i, 0);
        senkrecht(0, 0, r);
        senkrecht(kSpalten, 0, r);
        dc.SelectObject(alt);
        return;
    }

    double A = p->A_Bauteile + p->A_Fenster;
    const double qtGes = p->Q_T;
    double flaeche = 0, qt = 0;
    if (platzierung) {
        flaeche = platzierung->Nettoflaeche;
        qt = platzierung->Waermeverlust;
    } else {
        BauteilFlaechenSumme(bauteil, nullptr, flaeche, qt);
    }
    const auto anteil = [](double wert, double basis) {
        return basis > 0 ? prozent(wert / basis * 100) : std::string(" -- ");
    };

    zelle(0, 2, 0, QTX_format("%s%s", " ", p->Projektangaben[0].c_str()), 0);
    zelle(2, 4, 0, " " + p->Projektangaben[1], 0);
    zelle(4, 7, 0, " " + p->Projektangaben[2], 0);

    zelle(0, 1, 1, platzierung ? " Projekt-Bauteil " : " Referenz-Bauteil ", 0);
    zelle(1, 2, 1, " " + (platzierung ? platzierung->Name : bauteil->Name), 0, Textstil::Titel);
    zelle(2, 3, 1, " k-Wert ", 2);
    zelle(3, 5, 1, " Fläche ", 2);
    zelle(5, 7, 1, " QT ", 2);

    zelle(0, 1, 2, QTX_format("%s%s%s", " ", BauteilKlassenName(bauteil->Bauteilart), " "), 0);
    zelle(1, 2, 2, QTX_format("%s", eintrag(kAngrenzung, bauteil->Angrenzung)), 0);
    const char* einheiten[5] = {" [W/m²K] ", " [m²] ", " [%] ", " [kWh/a] ", " [%] "};
    for (int k = 2; k < kSpalten; ++k) zelle(k, k + 1, 2, einheiten[k - 2], 2);

    zelle(0, 1, 3, platzierung ? "   " + platzierung->Zusatztext : std::string(), 0,
          Textstil::Titel, mehrere ? 3 : 1);
    zelle(1, 2, 3, platzierung ? " " : " Projekt-Bauteile ", 0);
    zelle(2, 3, 3, QTX_format("%s%4.3lf%s", " ", bauteil->k_m, "  "), 1, Textstil::Titel);
    zelle(3, 4, 3, flaechenZahl(flaeche), 1);
    zelle(4, 5, 3, anteil(flaeche, A), 1);
    zelle(5, 6, 3, flaechenZahl(qt), 1);
    zelle(6, 7, 3, anteil(qt, qtGes), 1);

    int zeile = 4;
    if (mehrere) {
        bereichsName(zeile++);
        const double share = eb ? eb->Flaechenanteil : 0;
        const double kB = eb ? eb->k_Wert : 0;
        const double bFlaeche = 0.01 * flaeche * share;
        const double bQt = bauteil->k_m > 0 ? 0.01 * qt * kB * share / bauteil->k_m : 0;
        zelle(1, 2, zeile,
              QTX_format("%s%i%s%i%s%3.2lf%s", "  Bereich ", bereich + 1, " von ", bereiche,
                         " :          ", share, " % "),
              0);
        zelle(2, 3, zeile, QTX_format("%s%4.3lf%s", " ", kB, "  "), 1);
        zelle(3, 4, zeile, flaechenZahl(bFlaeche), 1);
        zelle(4, 5, zeile, prozent(A > 0 ? bFlaeche / A * 100 : 0), 1);
        zelle(5, 6, zeile, flaechenZahl(bQt), 1);
        zelle(6, 7, zeile, anteil(bQt, qtGes), 1);
        ++zeile;
    }
    zelle(0, 2, zeile, " Gesamte Gebäudehüllfläche ", 0);
    zelle(2, 3, zeile, " ", 1);
    zelle(3, 4, zeile, flaechenZahl(A), 1);
    zelle(4, 5, zeile, prozent(100), 1);
    zelle(5, 6, zeile, p->Baumassnahme == 2 ? " -- " : flaechenZahl(qtGes), 1);
    zelle(6, 7, zeile, prozent(100), 1);
    const int gesamt = zeile;
    ++zeile;
    int r = zeile;
    if (AnforderungsZeilen(dc, bauteil, r, 0) > 1)
        AnforderungsZeilen(dc, bauteil, r, 1);
    else
        r = gesamt + 1;
    int platz = r;
    PlatzierungsZeilen(dc, bauteil, platzierung, platz);

    for (int i = 0; i <= r + 1; ++i) {
        if (i == 2 || (mehrere && i == 5)) continue;
        waagerecht(i, mehrere && i == 4 ? 1 : 0);
    }
    senkrecht(0, 0, r + 1);
    senkrecht(kSpalten, 0, r + 1);
    const int ende = mehrere ? 7 : 5;
    senkrecht(1, 3, mehrere ? 6 : 4);
    for (int k : {2, 3, 5}) senkrecht(k, 1, ende);
    for (int k : {4, 6}) senkrecht(k, 3, ende);
    dc.SelectObject(alt);
}
