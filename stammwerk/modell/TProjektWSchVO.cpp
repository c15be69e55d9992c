// Heat-protection proof of a variant under WSchVO 1995: transmission,
// ventilation, internal and solar terms, the limit by A/V, the additional
// requirements and the proofs by components.
#include "hilfsmittel/Rounding.h"
#include "stammwerk/modell/PJStruct.h"
#include "stammwerk/modell/TProjekt.h"

namespace {

// Status codes of the additional requirements: 0 not concerned, 1 met, 2 not met.
constexpr uint16_t kErfuellt = 1;
constexpr uint16_t kNichtErfuellt = 2;

// Folds a requirement status of a type or facade into the variant's mark.
void markeFalten(uint16_t status, uint16_t& marke, uint16_t& zusatzErfuellt) {
    if (status == kNichtErfuellt) {
        marke = kNichtErfuellt;
        zusatzErfuellt = 0;
    } else if (status == kErfuellt && marke != kNichtErfuellt) {
        marke = kErfuellt;
    }
}

// Two results are compared as the proof prints them: to two decimals.
double zweiStellen(double x) {
    return qtx_round(x, 2);
}

} // namespace

void TProjekt::MaxFugenkoeffizientBerechnen() {
    // WSchVO 1995 Anlage 4 Table 1, m³/(h·m·daPa^(2/3)): joint class 3 for
    // buildings up to two full storeys, class 2 above and with ventilation systems.
    Fugenkoeffizient_max = 2.0;
    if ((MehrAlsZweiVollgeschosse && NormaleInnentemperatur) || Lueftungsanlage)
        Fugenkoeffizient_max = 1.0;
}

void TProjekt::EinstellungenNeuBerechnen() {
    for (TRBauteil& t : RBauteile) {
        t.FeuchteBerechnen(1);
        t.WSchVO(Baumassnahme, NormaleInnentemperatur, KleinesWohngebaeude);
    }
    for (TPBauteil& b : PBauteile) b.WSchVO(NormaleInnentemperatur);
    MaxFugenkoeffizientBerechnen();
    for (TRFenster& f : RFenster) PFensterNeuBerechnen(&f, 1, 0);
    for (TFassade& f : Fassaden)
        f.GroessenBerechnen(&PBauteile, &PFenster, Baumassnahme, NormaleInnentemperatur, WestAnsatz,
                            Zusatzpruefung, Fugenkoeffizient_max);
    WSchVO();
}

void TProjekt::UmfassungsflaecheBerechnen() {
    A_Bauteile = 0;
    A_Fenster = 0;
    for (const TPBauteil& p : PBauteile) A_Bauteile += p.Nettoflaeche;
    for (const TPFenster& f : PFenster) A_Fenster += f.Nettoflaeche;
}

int TProjekt::CanStartWSchVO() const {
    if (PBauteile.IsEmpty() && PFenster.IsEmpty()) return 0;
    if (Baumassnahme == 2) return 1;
    if (KleinesWohngebaeude && NormaleInnentemperatur) return 1;
    // m², m³: below these the balance has nothing to divide by.
    if (A_Bauteile + A_Fenster < 0.01 || V < 0.01) return 0;
    return 1;
}

void TProjekt::SetPjGroessen(PJStruct& pj) const {
    pj[0] = V > 0 ? (A_Bauteile + A_Fenster) / V : 0;
    const double teile[6] = {Q_T_Wand, Q_T_Fenster, Q_T_Dach, Q_T_Boden, Q_T_Art6, Q_T_Art5};
    for (size_t i = 0; i < 6; ++i) pj[1 + i] = Q_T > 0 ? teile[i] / Q_T * 100 : 0;
    const double bilanz[4] = {0.9 * Q_T, 0.9 * Q_L, Q_I, Q_S};
    if (!NormaleInnentemperatur) {
        pj[7] = 100;
        pj[8] = pj[9] = pj[10] = 0;
    } else if (Q_H > 0) {
        for (size_t i = 0; i < 4; ++i) pj[7 + i] = bilanz[i] / Q_H * 100;
    }
    for (size_t i = 0; i < 4; ++i) pj[11 + i] = bilanz[i];
}

void TProjekt::WSchVO() {
    Q_T = Q_T_Wand = Q_T_Fenster = Q_T_Dach = Q_T_Boden = Q_T_Art6 = Q_T_Art5 = 0;
    Q_S = k_eq_F_m = k_m_AW = A_AW = Q_H_Nutzflaeche = 0;
    // A run that makes no balance (V = 0) must not leave the balance of an
    // earlier run standing beside its new marks.
    Q_H = Q2_H = Q1_H = Q2_H_max = Q1_H_max = Q2_T = Q2_T_max = Q_L = Q_I = 0;
    MaxFugenkoeffizientBerechnen();

    LueftungsabzugArt = NachweisFlaechenheizung = NachweisSommer = NachweisHeizkoerper = 0;
    NachweisRolladenkasten = AVErfuellt = NachweisErfuellt = 0;
    UnterschreitungStatus = ZielwertStatus = 0;
    NachweisFugen = Baumassnahme == 2 ? 0 : 1;
    NachweisTrennwaende = ZweiGebaeudetrennwaende && Baumassnahme != 2 ? 1 : 0;
    NachweisEinfachverglasung = ZusatzErfuellt = FensterTab2Erfuellt = 1;
    ProjektBauteilverfahren = ProjektDINErfuellt = 1;

    const bool neubau = Baumassnahme == 0 || Baumassnahme == 1;
    const bool bauteilverfahrenGefragt =
        (KleinesWohngebaeude && NormaleInnentemperatur && neubau) || Baumassnahme == 2;

    for (const TPBauteil& p : PBauteile) {
        if (!p.RBauteil) continue;
        const TRBauteil& t = *p.RBauteil;
        markeFalten(t.FlaechenheizungStatus, NachweisFlaechenheizung, ZusatzErfuellt);
        if (NormaleInnentemperatur)
            markeFalten(t.RolladenkastenStatus, NachweisRolladenkasten, ZusatzErfuellt);
        if (!t.DINErfuellt) ProjektDINErfuellt = 0;
        if (!t.BauteilverfahrenErfuellt && bauteilverfahrenGefragt) ProjektBauteilverfahren = 0;

        Q_T += p.Waermeverlust;
        switch (t.Bauteilart) {
        case 0:
        case 2:
        case 7:
        case 8:
        case 9:
            Q_T_Wand += p.Waermeverlust;
            break;
        case 3:
            Q_T_Dach += p.Waermeverlust;
            break;
        case 4:
            Q_T_Boden += p.Waermeverlust;
            break;
        case 5:
            Q_T_Art5 += p.Waermeverlust;
            break;
        case 6:
            Q_T_Art6 += p.Waermeverlust;
            break;
        default: // kind 1 and unknown kinds count in Q_T only
            break;
        }
    }

    for (TFassade& f : Fassaden) {
        k_eq_F_m += f.k_eq_F_m * f.A_Fenster;
        Q_T += f.Q_T_Fenster;
        Q_T_Fenster += f.Q_T_Fenster;
        Q_S += f.Q_S;
        if (f.HeizkoerperVorFenster) {
            if (NachweisHeizkoerper == 0) NachweisHeizkoerper = kErfuellt;
            if (f.HeizkoerperHinweisFrei == 0) {
                NachweisHeizkoerper = kNichtErfuellt;
                ZusatzErfuellt = 0;
            }
        }
        if (NachweisFugen && !f.FugendurchlassErfuellt) {
            NachweisFugen = kNichtErfuellt;
            ZusatzErfuellt = 0;
        }
        if (!f.EinfachverglasungErfuellt) {
            NachweisEinfachverglasung = 0;
            ZusatzErfuellt = 0;
        }
        if (f.IstFassade) {
            f.ZweiGebaeudetrennwaende(ZweiGebaeudetrennwaende);
            k_m_AW += f.k_m_WF * f.A_gesamt;
            A_AW += f.A_gesamt;
        }
        if (f.SommerStatus) {
            if (NachweisSommer == 0) NachweisSommer = kErfuellt;
            if (f.SommerStatus == kNichtErfuellt || f.SonnenschutzStatus == kNichtErfuellt) {
                NachweisSommer = kNichtErfuellt;
                ZusatzErfuellt = 0;
            }
        }
    }

    if (A_Fenster > 0) k_eq_F_m /= A_Fenster;
    // WSchVO 1995 Anlage 1 Ziffer 7 Table 2: windows of small residential
    // buildings at most 0.7 W/(m²K) equivalent on average.
    if (KleinesWohngebaeude && NormaleInnentemperatur && neubau && k_eq_F_m > 0.7) {
        FensterTab2Erfuellt = 0;
        ProjektBauteilverfahren = 0;
    }

    k_m_AW = A_AW > 0 ? k_m_AW / A_AW : 0;
    // WSchVO 1995 Anlage 1 Ziffer 6.2: mean U of the facades at most 1.0 W/(m²K).
    if (NachweisTrennwaende && k_m_AW > 1.0) {
        NachweisTrennwaende = kNichtErfuellt;
        ZusatzErfuellt = 0;
    }

    const double A = A_Bauteile + A_Fenster;
    if (V > 0 && A > 0) {
        if (!NormaleInnentemperatur) {
            // WSchVO 1995 Anlage 2: Q'_T,max = 16 · A/V + 3 kWh/(m³a), 6.2..19.0.
            Q2_T = Q_T / V;
            Q2_T_max = 16 * A / V + 3;
            if (Q2_T_max < 6.2) Q2_T_max = 6.2;
            if (Q2_T_max > 19.0) Q2_T_max = 19.0;
            AVErfuellt = Q2_T_max < Q2_T ? 0 : 1;
            Q_H = Q2_H = Q1_H = Q_H_Nutzflaeche = Q1_H_max = 0;
        } else {
            lueftungUndInterneGewinne();
            // WSchVO 1995 Anlage 1 Ziffer 1.1: Q_H = 0.9 (Q_T + Q_L) - (Q_I + Q_S);
            // per m² of A_N = 0.32 V, hence the factor 3.125.
            Q_H = 0.9 * (Q_T + Q_L) - (Q_I + Q_S);
            Q2_H = Q_H / V;
            Q1_H = Q2_H * 3.125;
            // WSchVO 1995 Anlage 1 Table 1: Q'_H,max = 13.82 + 17.32 · A/V
            // kWh/(m³a), held within 17.3 (A/V <= 0.2) and 32.0 (A/V >= 1.05).
            Q2_H_max = 17.32 * A / V + 13.82;
            if (Q2_H_max < 17.3) Q2_H_max = 17.3;
            if (Q2_H_max > 32.0) Q2_H_max = 32.0;
            Q1_H_max = Q2_H_max * 3.125;
            AVErfuellt = zweiStellen(Q2_H_max) >= zweiStellen(Q2_H) ? 1 : 0;

            if (UnterschreitungPruefen) {
                constexpr long double kProzent = 0.01L;
                const double grenze = double((1 - kProzent * Unterschreitung) * Q2_H_max);
                UnterschreitungStatus =
                    zweiStellen(grenze) >= zweiStellen(Q2_H) ? kErfuellt : kNichtErfuellt;
            }
            if (ZielwertPruefen) {
                double bezug = 0;
                if (A_N_pauschal)
                    bezug = 0.32 * V;
                else if (A_N_Art == 1 || A_N_Art == 2)
                    bezug = A_N_Vorgabe;
                if (bezug <= 0) {
                    ZielwertStatus = 3;
                } else {
                    Q_H_Nutzflaeche = Q_H / bezug;
                    ZielwertStatus = zweiStellen(Q_H_Nutzflaeche) <= zweiStellen(Zielwert)
                                         ? kErfuellt
                                         : kNichtErfuellt;
                }
            }
        }
        if (neubau && ZusatzErfuellt && AVErfuellt) NachweisErfuellt = 1;
    }

    if (Baumassnahme == 2) {
        // WSchVO 1995 Anlage 3 Table 1: replaced windows at most 1.8 W/(m²K).
        for (const TPFenster& f : PFenster)
            if (f.RFenster && f.RFenster->k_F > 1.8) ProjektBauteilverfahren = 0;
        if (ProjektBauteilverfahren) NachweisErfuellt = 1;
    }
    if (neubau && KleinesWohngebaeude && NormaleInnentemperatur && ProjektBauteilverfahren &&
        ZusatzErfuellt)
        NachweisErfuellt = 1;

    if (WerteUnsicher()) {
        NachweisErfuellt = AVErfuellt = ZusatzErfuellt = FensterTab2Erfuellt = 0;
        ProjektBauteilverfahren = ProjektDINErfuellt = 0;
        if (UnterschreitungStatus == kErfuellt) UnterschreitungStatus = kNichtErfuellt;
        if (ZielwertStatus == kErfuellt) ZielwertStatus = kNichtErfuellt;
    }
    JahresverbrauchBerechnen();
}

void TProjekt::lueftungUndInterneGewinne() {
    // WSchVO 1995 Anlage 1 Ziffer 1.4: Q_L = 0.34 · 0.8 h⁻¹ · 0.8 V · 84 kKh/a
    // = 18.28 V kWh/a; ventilation systems reduce it (Ziffer 1.4.2, 1.4.3).
    Q_L = 18.28 * V;
    double R = Q_L;
    if (Zusatzpruefung != 2) {
        if (Lueftungsanlage == 1) {
            R = R * 0.95;
            LueftungsabzugArt = 3;
        } else if (Lueftungsanlage == 2 || Lueftungsanlage == 3) {
            R = R * 0.8;
            // Heat recovery above 65 % lowers the demand in proportion.
            if (Waermerueckgewinnungsgrad > 65) {
                R = R * 65 / Waermerueckgewinnungsgrad;
                LueftungsabzugArt = 2;
            } else {
                LueftungsabzugArt = 1;
            }
        }
    }

    // WSchVO 1995 Anlage 1 Ziffer 1.5: Q_I = 8 V kWh/a, offices 10 V.
    Q_I = (Gebaeudenutzung == 1 ? 10 : 8) * V;
    if (!InterneGewinnePauschal && Q_I_Vorgabe < Q_I) Q_I = Q_I_Vorgabe;

    if (Gebaeudenutzung != 1) {
        Q_L = R;
        return;
    }
    // Offices may take either the higher internal gains or the ventilation
    // reduction with the gains of other buildings, E.
    const double E = 8 * V;
    const bool kleinerMitGewinnen =
        0.9 * Q_L - Q_I <= 0.9 * R - (InterneGewinnePauschal ? 0.8 * Q_I : E);
    if (InterneGewinnePauschal) {
        switch (BueroVorrang) {
        case 0:
            if (kleinerMitGewinnen) {
                LueftungsabzugArt = 0;
            } else {
                Q_L = R;
                Q_I = E;
            }
            break;
        case 1:
            LueftungsabzugArt = 0;
            break;
        case 2:
            Q_L = R;
            Q_I = E;
            break;
        default:
            break;
        }
        return;
    }
    switch (BueroVorrang) {
    case 0:
        if (E < Q_I) {
            if (kleinerMitGewinnen) {
                LueftungsabzugArt = 0;
            } else {
                Q_L = R;
                Q_I = E;
            }
        } else {
            Q_L = R;
        }
        break;
    case 1:
        if (E < Q_I)
            LueftungsabzugArt = 0;
        else
            Q_L = R;
        break;
    case 2:
        if (E < Q_I) Q_I = E;
        Q_L = R;
        break;
    default:
        break;
    }
}

bool TProjekt::WerteUnsicher() const {
    if (WerteErsetzt) return true;
    for (const TRBauteil& t : RBauteile)
        if (t.WerteErsetzt) return true;
    for (const TRFenster& t : RFenster)
        if (t.WerteErsetzt) return true;
    return false;
}
