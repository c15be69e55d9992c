// The heat-protection proof of the third program generation (WSchVO 1995 as
// it then computed it), run on version-3 records after a step from version
// 2, whose files hold no proof values. Offsets are those of the version-3
// images.
#include "altwandler/Lesehilfen.h"
#include "altwandler/Version3.h"
#include "stammwerk/modell/InterpolationDINTabelle2.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kModul = "conv4";

// kWh/a per W/K: heating degree hours of the proof, normal or low internal
// temperatures.
double heizfaktor(int normal) {
    return normal ? 84.0 : 30.0;
}

// A flag that holds 0 (none), 1 (noted) or 2 (not fulfilled): raised, never
// lowered. A 2 also clears the flag `erfuellt` when one is given.
void anheben(ByteImage& b, size_t off, int16_t wert, ByteImage* e = nullptr, size_t eOff = 0) {
    if (wert == 2) {
        b.SetI16(off, 2);
        if (e) e->SetI16(eOff, 0);
    } else if (wert == 1 && b.I16(off) != 2) {
        b.SetI16(off, 1);
    }
}

struct Anforderung {
    double faktor, k252, k260normal, k260niedrig, k268, k276;
};

} // namespace

void TBauteilVersion3::WerteBerechnen(int gebaeudeart, int normal, int kleinesWohngebaeude) {
    ByteImage& b = Bild;
    double mittel = 0, summe308 = 0, groesst = 0;
    bool erster = true;
    int mitHeizung = 0;
    for (const auto& e : Flaechenanteile) {
        const ByteImage& f = e->Bild;
        mittel += f.F64(520) * f.F64(532);
        summe308 += f.F64(520) * f.F64(620);
        if (erster || f.F64(610) > groesst) groesst = f.F64(610);
        erster = false;
        if (f.I16(618) == 1) ++mitHeizung;
    }
    b.SetF64(244, 0.01 * mittel);
    b.SetF64(300, groesst);
    b.SetF64(308, 0.01 * summe308);
    const int n = int(Flaechenanteile.size());
    b.SetI16(62, mitHeizung == n ? 1 : mitHeizung > 0 ? 2 : 0);

    for (size_t i = 0; i < 4; ++i) b.SetF64(252 + 8 * i, -1.0);
    b.SetI16(52, 0);
    b.SetI16(50, 0);
    for (size_t off : {56, 58, 60, 316}) b.SetI16(off, 1);

    // Factor of the heat loss and the limits of WSchVO 1995 Anlage 1 and 3
    // and DIN 4108-2 per component type, W/(m²K).
    static const Anforderung tabelle[10] = {
        {1.0, 0.5, 0.5, 0.75, 1.39, 1.39},  {1.0, 0.5, 0.4, 0.75, 1.39, 1.39},
        {0.8, 0.5, 0.5, 0.75, 1.39, 1.39},  {0.8, 0.22, 0.3, 0.4, 0.79, 1.03},
        {0.5, 0.35, 0.5, -1.0, 0.93, 0.93}, {1.0, 0.22, 0.3, 0.4, 0.51, 0.66},
        {0.5, 0.5, 0.5, 0.75, 1.96, 1.96},  {0.7, 0.5, 0.5, 0.75, 1.39, 1.39},
        {0.6, 0.5, 0.5, 0.75, 1.39, 1.39},  {0.5, 0.5, 0.5, 0.75, 1.39, 1.39},
    };
    const int16_t typ = Bauteilart(), untertyp = b.I16(68);
    const double km = b.F64(244);
    if (typ < 0 || typ > 9) {
        Pruefen(false, kModul, __LINE__);
    } else {
        const Anforderung& a = tabelle[typ];
        b.SetF64(284, a.faktor);
        b.SetF64(252, a.k252);
        if (gebaeudeart == 2) b.SetF64(260, normal ? a.k260normal : a.k260niedrig);
        double k268 = a.k268, k276 = a.k276;
        if (typ <= 2 && untertyp == 1) k268 = k276 = 1.32;
        if (typ == 4) {
            if (untertyp == 5) k268 = k276 = 0.81;
            if (untertyp == 7) k268 = 0.81, k276 = 1.27;
        }
        b.SetF64(268, k268);
        b.SetF64(276, k276);
        // -1 stands for "no requirement": nothing can exceed it.
        if (gebaeudeart == 2 && b.F64(260) >= 0 && km > b.F64(260)) b.SetI16(58, 0);
        if (typ == 4 || typ == 6) b.SetI16(316, 0);
    }

    if (typ == 4 && (untertyp == 4 || untertyp == 5) && !normal) {
        bool daemmung = false;
        for (const auto& e : Flaechenanteile)
            for (const auto& s : e->Schichten)
                if (s->Bild.I16(2) == 5) daemmung = true;
        const double flaeche = Flaeche();
        // Floors on the ground of small heated volumes lose less to the soil.
        if (!daemmung && flaeche > 100 && flaeche < 8000) b.SetF64(284, 2.33 / std::cbrt(flaeche));
        if (!daemmung && flaeche >= 8000) b.SetF64(284, 0.12);
    }
    b.SetF64(292, b.F64(284) * Flaeche() * km * heizfaktor(normal));

    for (const auto& e : Flaechenanteile) {
        ByteImage& f = e->Bild;
        if (f.I16(618) == 0) f.SetI16(638, 1);
        anheben(b, 52, f.I16(38), &b, 56);
        anheben(b, 50, f.I16(40), &b, 56);
        if (!normal) continue;
        if (f.I16(618) != 0 && f.I16(638) == 0) b.SetI16(60, 0);
        if (f.I16(618) == 0 && f.F64(532) > b.F64(276)) {
            f.SetI16(638, 0);
            b.SetI16(60, 0);
        }
    }
    if ((gebaeudeart == 0 || gebaeudeart == 1) && kleinesWohngebaeude && b.F64(252) > 0 &&
        b.F64(252) < km)
        b.SetI16(58, 0);
    if (b.I16(316) == 0) {
        b.SetI16(62, 0);
    } else if (normal) {
        if (b.F64(308) < 300)
            b.SetF64(268, InterpolationDINTabelle2(b.F64(308), b.F64(70), b.F64(78), false));
        if (km > b.F64(268)) b.SetI16(60, 0);
    }
}

void TFensterVersion3::WerteBerechnen(int gebaeudeart, int normal, int westAnsatz,
                                      int einfachverglasung, double fugenkoeffizient) {
    ByteImage& b = Bild;
    if (westAnsatz) b.SetI16(415, 2);
    // Solar radiation of the heating period (kWh/m²) and the gain factor
    // of WSchVO 1995 by orientation: north, south, east/west/horizontal.
    double strahlung = 0, faktor = 0;
    switch (b.I16(415)) {
    case 0:
        strahlung = 160.0, faktor = 0.95;
        break;
    case 1:
        strahlung = 400.0, faktor = 2.4;
        break;
    case 2:
    case 3:
    case 4:
        strahlung = 275.0, faktor = 1.65;
        break;
    default:
        Pruefen(false, kModul, __LINE__);
    }
    if (b.F64(425) > 0.5)
        strahlung = 160.0, faktor = 0.95;
    else if (b.F64(417) < 15)
        strahlung = 275.0, faktor = 1.65;

    b.SetI16(82, 1);
    if (gebaeudeart != 2) {
        if (normal) {
            if (b.I16(100) && b.I16(102) == 0) b.SetI16(82, 0);
        } else if (b.I16(100)) {
            if (einfachverglasung) b.SetI16(82, 0);
            b.SetF64(453, std::max(b.F64(453), 5.2));
        }
    }
    const double flaeche = Flaeche(), k = b.F64(453), g = b.F64(84);
    double gewinn = 0, aequivalent = k;
    if (b.F64(108) <= 40.0) {
        aequivalent = k - g * faktor;
        gewinn = flaeche * g * strahlung * 0.46;
    }
    double verlust = flaeche * k * heizfaktor(normal);
    double rahmen = 1.0;
    switch (b.I16(451)) {
    case 0:
        rahmen = 0.7;
        break;
    case 1:
        rahmen = 0.6;
        break;
    case 2:
        rahmen = 0.5;
        break;
    }
    b.SetF64(493, rahmen);
    b.SetF64(469, gewinn * rahmen);
    b.SetF64(485, verlust * rahmen);
    b.SetF64(461, aequivalent * rahmen);

    b.SetI16(78, 1);
    if ((gebaeudeart == 0 || gebaeudeart == 1) && b.I16(449) > 0 && (k > 1.5 || b.I16(449) != 2))
        b.SetI16(78, 0);
    b.SetI16(80, b.F64(92) > fugenkoeffizient ? 0 : 1);
    b.SetF64(391, flaeche);
    b.SetF64(477, b.F64(469));
}

void TProjektVersion3::FassadeBerechnen(TFassadeVersion3& fassade) {
    ByteImage& f = fassade.Bild;
    const int art = Gebaeudeart(), normal = Normal();
    for (size_t off : {42, 50, 58, 66, 74, 82, 90, 98, 116, 124, 132, 140, 148, 156, 164})
        f.SetF64(off, 0.0);
    if (Bild.I16(76)) f.SetI16(114, 2);
    for (size_t off : {196, 198, 200}) f.SetI16(off, 1);
    f.SetI16(202, 0);

    double summe = 0;
    std::vector<TFensterVersion3*> fenster;
    for (const TTypNummer& e : fassade.Eintraege) {
        if (e.Typ == TTypNummer::Fenster) {
            TFensterVersion3* w = FensterNr(e.Nummer);
            if (!w) continue; // names no window of the project
            fenster.push_back(w);
            w->WerteBerechnen(art, normal, Bild.I16(76), Bild.I16(528), Bild.F64(36));
            const ByteImage& b = w->Bild;
            const double a = w->Flaeche(), g = b.F64(84);
            f.SetF64(66, f.F64(66) + a);
            if (b.I16(415) != 0 && b.F64(425) <= 0.5) {
                f.SetF64(82, f.F64(82) + a);
                f.SetF64(98, f.F64(98) + a * b.F64(399) * b.F64(407) * g);
                f.SetF64(90, f.F64(90) + a * g);
                f.SetF64(116, f.F64(116) + a * b.F64(399));
                f.SetF64(124, f.F64(124) + a * b.F64(407));
            }
            f.SetF64(132, f.F64(132) + b.F64(485));
            f.SetF64(140, f.F64(140) + b.F64(485));
            f.SetF64(148, f.F64(148) + b.F64(469));
            summe += a * b.F64(453);
            f.SetF64(164, f.F64(164) + a * b.F64(461));
            if (b.I16(449)) f.SetI16(202, 1);
            if (b.I16(78) == 0) f.SetI16(196, 0);
            if (b.I16(80) == 0) f.SetI16(198, 0);
            if (b.I16(82) == 0) f.SetI16(200, 0);
        } else if (const TBauteilVersion3* c = BauteilNr(e.Nummer)) {
            f.SetF64(58, f.F64(58) + c->Flaeche());
            f.SetF64(132, f.F64(132) + c->Bild.F64(292));
            summe += c->Bild.F64(244) * c->Flaeche();
        }
    }
    const double fensterflaeche = f.F64(66);
    const double gesamt = f.F64(58) + fensterflaeche;
    f.SetF64(58, gesamt);
    f.SetF64(74, gesamt);
    if (fensterflaeche > 0) f.SetF64(164, f.F64(164) / fensterflaeche);
    if (f.F64(82) > 0)
        for (size_t off : {98, 90, 116, 124}) f.SetF64(off, f.F64(off) / f.F64(82));
    if (gesamt > 0) {
        f.SetF64(156, summe / gesamt);
        const double anteil = fensterflaeche / gesamt;
        f.SetF64(50, anteil);
        f.SetF64(42, f.F64(82) / gesamt);
        // WSchVO 1995: solar gains count for at most two thirds of the facade.
        if (anteil > 2.0 / 3.0) {
            const double s = 2.0 / 3.0 / anteil;
            for (TFensterVersion3* w : fenster) {
                w->Bild.SetF64(391, w->Flaeche() * s);
                w->Bild.SetF64(469, w->Bild.F64(477) * s);
            }
            f.SetF64(148, f.F64(148) * s);
            f.SetF64(74, f.F64(74) * s);
        }
    }

    f.SetI16(204, 0);
    f.SetI16(206, 0);
    if (f.I16(40) && art != 2 && f.F64(82) > 0 && (Bild.I16(528) || (normal && f.F64(42) > 0.5))) {
        f.SetI16(204, 1);
        f.SetI16(206, 1);
        const double sommer = f.F64(98) * f.F64(42);
        if (sommer > 0.25) f.SetI16(204, 2);
        const double z = f.F64(116) * f.F64(124);
        if (z > 0) {
            const double q = sommer / z;
            if (q <= 0.25) f.SetI16(206, 0);
            if (q > 0.25 && f.F64(124) > 0.5) f.SetI16(206, 2);
            if (z > 0.999) f.SetI16(206, 0);
        }
    }
}

void TProjektVersion3::SummenBerechnen() {
    double bauteile = 0, fenster = 0;
    for (const auto& b : Bauteile) bauteile += b->Flaeche();
    for (const auto& w : Fenster) fenster += w->Flaeche();
    Bild.SetF64(738, bauteile);
    Bild.SetF64(690, fenster);
}

void TProjektVersion3::NachweisBerechnen() {
    ByteImage& p = Bild;
    const int art = Gebaeudeart(), normal = Normal();
    const bool klein = p.I16(72) != 0;
    const bool wohnbau = art == 0 || art == 1;
    for (size_t off = 578; off < 618; off += 8) p.SetF64(off, 0.0);
    for (size_t off : {674, 682, 772, 780}) p.SetF64(off, 0.0);
    p.SetF64(36, (p.I16(78) && p.I16(80)) || p.I16(524) ? 1.0 : 2.0);
    for (size_t off : {526, 46, 54, 48, 44}) p.SetI16(off, 0);
    p.SetI16(52, art != 2 ? 1 : 0);
    for (size_t off : {56, 58, 60, 62, 64}) p.SetI16(off, 1);
    p.SetI16(50, p.I16(74) && art != 2 ? 1 : 0);
    p.SetI16(770, 0);
    p.SetI16(66, 0);

    for (const auto& c : Bauteile) {
        const ByteImage& b = c->Bild;
        anheben(p, 46, b.I16(52), &p, 58);
        if (normal) anheben(p, 44, b.I16(50), &p, 58);
        if (b.I16(60) == 0) p.SetI16(64, 0);
        if (b.I16(58) == 0 && ((klein && normal && wohnbau) || art == 2)) p.SetI16(62, 0);
        const double verlust = b.F64(292);
        p.SetF64(578, p.F64(578) + verlust);
        const int16_t typ = c->Bauteilart();
        const size_t gruppe = typ == 3 ? 602 : typ == 4 ? 610 : typ == 1 ? 0 : 586;
        if (gruppe) p.SetF64(gruppe, p.F64(gruppe) + verlust);
    }

    for (const auto& fa : Fassaden) {
        ByteImage& f = fa->Bild;
        p.SetF64(682, p.F64(682) + f.F64(164) * f.F64(66));
        p.SetF64(578, p.F64(578) + f.F64(140));
        p.SetF64(594, p.F64(594) + f.F64(140));
        p.SetF64(674, p.F64(674) + f.F64(148));
        if (f.I16(202)) {
            if (p.I16(48) == 0) p.SetI16(48, 1);
            if (f.I16(196) == 0) anheben(p, 48, 2, &p, 58);
        }
        if (p.I16(52) && f.I16(198) == 0) anheben(p, 52, 2, &p, 58);
        if (f.I16(200) == 0) {
            p.SetI16(56, 0);
            p.SetI16(58, 0);
        }
        if (f.I16(40)) {
            f.SetI16(208, 0);
            if (p.I16(74)) f.SetI16(208, f.F64(156) > 1.0 ? 2 : 1);
            p.SetF64(772, p.F64(772) + f.F64(156) * f.F64(58));
            p.SetF64(780, p.F64(780) + f.F64(58));
        }
        if (f.I16(204)) {
            if (p.I16(54) == 0) p.SetI16(54, 1);
            if (f.I16(204) == 2 || f.I16(206) == 2) anheben(p, 54, 2, &p, 58);
        }
    }

    if (p.F64(690) > 0) {
        p.SetF64(682, p.F64(682) / p.F64(690));
        if (klein && normal && wohnbau && p.F64(682) > 0.7) {
            p.SetI16(60, 0);
            p.SetI16(62, 0);
        }
    }
    p.SetF64(772, p.F64(780) > 0 ? p.F64(772) / p.F64(780) : 0.0);
    if (p.I16(50) && p.F64(772) > 1) anheben(p, 50, 2, &p, 58);

    const double volumen = p.F64(746), huelle = p.F64(738) + p.F64(690);
    if (volumen > 0 && huelle > 0) {
        if (normal) {
            // WSchVO 1995 Anlage 1: ventilation 0.34 Wh/(m³K) × 0.8 1/h × 84 kh × V.
            const double unvermindert = 18.28 * volumen;
            double lueftung = unvermindert;
            if (p.I16(528) != 2) {
                switch (p.I16(524)) {
                case 1:
                    lueftung *= 0.95;
                    p.SetI16(526, 3);
                    break;
                case 2:
                    lueftung *= 0.8;
                    p.SetI16(526, 1);
                    break;
                case 3:
                    lueftung *= 0.8;
                    if (p.F64(546) > 65) {
                        lueftung *= 65.0 / p.F64(546);
                        p.SetI16(526, 2);
                    } else {
                        p.SetI16(526, 1);
                    }
                    break;
                }
            }
            double gewinne = volumen * (p.I16(70) == 1 ? 10.0 : 8.0);
            if (p.I16(82) == 0 && p.F64(666) < gewinne) gewinne = p.F64(666);
            bool vermindert = true;
            if (p.I16(70) == 1) {
                if (p.I16(82)) {
                    if (0.9 * lueftung - 0.8 * gewinne >= 0.9 * unvermindert - gewinne)
                        vermindert = false;
                    else
                        gewinne = 8.0 * volumen;
                } else if (8.0 * volumen < gewinne) {
                    vermindert = false;
                }
            }
            if (!vermindert) {
                lueftung = unvermindert;
                p.SetI16(526, 0);
            }
            p.SetF64(650, lueftung);
            p.SetF64(658, gewinne);
            const double bedarf = 0.9 * (p.F64(578) + lueftung) - (gewinne + p.F64(674));
            p.SetF64(530, bedarf);
            p.SetF64(538, bedarf / volumen);
            const double grenze = std::clamp(13.82 + 17.32 * huelle / volumen, 17.3, 32.0);
            p.SetF64(562, grenze);
            p.SetF64(570, 3.125 * grenze);
            p.SetI16(770, p.F64(538) <= grenze ? 1 : 0);
        } else {
            p.SetF64(634, p.F64(578) / volumen);
            const double grenze = std::clamp(16.0 * huelle / volumen + 3.0, 6.2, 19.0);
            p.SetF64(642, grenze);
            p.SetI16(770, p.F64(634) <= grenze ? 1 : 0);
            for (size_t off : {530, 538, 570}) p.SetF64(off, 0.0);
        }
        if (wohnbau && p.I16(58) && p.I16(770)) p.SetI16(66, 1);
    }

    if (art == 2) {
        for (const auto& w : Fenster)
            if (w->Bild.F64(453) > 1.8) p.SetI16(62, 0);
        if (p.I16(62)) p.SetI16(66, 1);
    }
    if (wohnbau && klein && normal && p.I16(62) && p.I16(58)) p.SetI16(66, 1);
}
