#include "korvalin/projekt/ProjektEinstellungen.h"

#include "stammwerk/modell/TProjekt.h"

#include <cstddef>

namespace {

// A radio group: all cleared, then the button of the stored index; an
// index outside the group leaves all unchecked.
template <size_t N>
void radioSetzen(std::array<uint16_t, N>& gruppe, int index) {
    gruppe.fill(0);
    if (index >= 0 && size_t(index) < N) gruppe[size_t(index)] = 1;
}

// The index of the checked button; -1 when none is.
template <size_t N>
int radioLesen(const std::array<uint16_t, N>& gruppe) {
    for (size_t i = 0; i < N; ++i)
        if (gruppe[i]) return int(i);
    return -1;
}

template <class T, size_t N>
void radioZurueck(const std::array<uint16_t, N>& gruppe, T& feld) {
    if (int i = radioLesen(gruppe); i >= 0) feld = T(i);
}

uint16_t an(bool b) {
    return b ? 1 : 0;
}

// A flag changes only when its box shows something else than the field
// did, so that values other than 0 and 1 survive an untouched OK.
template <class T>
void flagZurueck(uint16_t box, T& feld) {
    if (box != an(feld != 0)) feld = T(box);
}

} // namespace

void ProjektEinstellungen::Fuellen(const TProjekt& p) {
    auto& v = Vorgaben;
    v.Massnahme.fill(0);
    v.Massnahme2 = 0;
    if (p.Baumassnahme < 2)
        v.Massnahme[p.Baumassnahme] = 1;
    else if (p.Baumassnahme == 2)
        v.Massnahme2 = 1;
    radioSetzen(v.Typ, p.Gebaeudenutzung);
    v.Klein = an(p.KleinesWohngebaeude);
    v.Trennwaende = an(p.ZweiGebaeudetrennwaende);
    v.Fertighaus = an(p.WestAnsatz);
    v.Geschosse = an(p.MehrAlsZweiVollgeschosse);
    radioSetzen(v.Lueftung, p.Lueftungsanlage);
    v.Rueckgewinnung.Zeigen(p.Waermerueckgewinnungsgrad, "%1.0lf");
    radioSetzen(v.Kuehlung, p.Zusatzpruefung);
    v.Maximal = an(p.InterneGewinnePauschal == 1);
    v.Eigene = an(p.InterneGewinnePauschal == 0);
    v.InterneGewinne.Zeigen(p.Q_I_Vorgabe, "%1.0lf");
    radioSetzen(v.Option, p.BueroVorrang);

    const TKlima& k = p.Klima;
    auto& kl = Klima;
    kl.TauInnen.Zeigen(k.ThetaI, "%1.0lf");
    kl.TauAussen.Zeigen(k.ThetaE, "%1.0lf");
    kl.TauFeuchteInnen.Zeigen(k.PhiI, "%1.0lf", 100);
    kl.TauFeuchteAussen.Zeigen(k.PhiE, "%1.0lf", 100);
    kl.TauDauer.Zeigen(k.Tauperiode, "%1.0lf");
    kl.VerdInnen.Zeigen(k.ThetaI_V, "%1.0lf");
    kl.VerdAussen.Zeigen(k.ThetaE_V, "%1.0lf");
    kl.VerdFeuchteInnen.Zeigen(k.PhiI_V, "%1.0lf", 100);
    kl.VerdFeuchteAussen.Zeigen(k.PhiE_V, "%1.0lf", 100);
    kl.VerdDauer.Zeigen(k.Verdunstungsperiode, "%1.0lf");
    kl.OberflaecheWand.Zeigen(k.ThetaOberflaeche_V, "%1.0lf");
    kl.OberflaecheDach.Zeigen(p.Wert20, "%1.0lf");
    kl.Unbeheizt.Zeigen(k.KlimaWert1, "%1.0lf");
    kl.Erdreich.Zeigen(k.KlimaWert2, "%1.0lf");
    kl.Kommentar = k.Titel;
    kl.Schwelle05 = an(k.KlimaMerker2 != 0);
    kl.Schwelle10 = an(k.KlimaMerker2 == 0);
    kl.Weber = an(k.OberflaecheDreifachRsi == 0);
    kl.Schild = an(k.OberflaecheDreifachRsi != 0);

    TemperaturZeigen(Temperatur, p.Temperatur);

    Groessen.Wohnflaeche = an(p.A_N_Art == 1);
    Groessen.Hauptnutzflaeche = an(p.A_N_Art == 2);
    Groessen.Flaeche.Zeigen(p.A_N_Vorgabe, "%3.2lf");
    Groessen.Raumhoehe = an(p.A_N_pauschal != 0);
    Groessen.AusgabeQH = an(p.ProjektMerker == 1);

    Niedrigenergie.Niedrigenergie = an(p.UnterschreitungPruefen != 0);
    Niedrigenergie.Prozent.Zeigen(p.Unterschreitung, "%3.2lf");
    Niedrigenergie.Passivhaus = an(p.ZielwertPruefen != 0);
    Niedrigenergie.Maximum.Zeigen(p.Zielwert, "%3.2lf");
}

void ProjektEinstellungen::Zurueckschreiben(TProjekt& p) const {
    const auto& v = Vorgaben;
    if (v.Massnahme[0])
        p.Baumassnahme = 0;
    else if (v.Massnahme[1])
        p.Baumassnahme = 1;
    else if (v.Massnahme2)
        p.Baumassnahme = 2;
    if (int typ = radioLesen(v.Typ); typ >= 0) {
        p.Gebaeudenutzung = uint16_t(typ);
        p.NormaleInnentemperatur = an(typ != 10);
    }
    flagZurueck(v.Klein, p.KleinesWohngebaeude);
    flagZurueck(v.Trennwaende, p.ZweiGebaeudetrennwaende);
    flagZurueck(v.Fertighaus, p.WestAnsatz);
    flagZurueck(v.Geschosse, p.MehrAlsZweiVollgeschosse);
    radioZurueck(v.Lueftung, p.Lueftungsanlage);
    p.Waermerueckgewinnungsgrad = v.Rueckgewinnung.Lesen();
    radioZurueck(v.Kuehlung, p.Zusatzpruefung);
    radioZurueck(v.Option, p.BueroVorrang);
    flagZurueck(v.Maximal, p.InterneGewinnePauschal);
    p.Q_I_Vorgabe = v.InterneGewinne.Lesen();

    const auto& kl = Klima;
    TKlima& k = p.Klima;
    k.ThetaI = kl.TauInnen.Lesen();
    k.ThetaE = kl.TauAussen.Lesen();
    k.PhiI = kl.TauFeuchteInnen.Lesen();
    k.PhiE = kl.TauFeuchteAussen.Lesen();
    k.Tauperiode = kl.TauDauer.Lesen();
    k.ThetaI_V = kl.VerdInnen.Lesen();
    k.ThetaE_V = kl.VerdAussen.Lesen();
    k.PhiI_V = kl.VerdFeuchteInnen.Lesen();
    k.PhiE_V = kl.VerdFeuchteAussen.Lesen();
    k.Verdunstungsperiode = kl.VerdDauer.Lesen();
    k.ThetaOberflaeche_V = kl.OberflaecheWand.Lesen();
    p.Wert20 = kl.OberflaecheDach.Lesen();
    k.KlimaWert1 = kl.Unbeheizt.Lesen();
    k.KlimaWert2 = kl.Erdreich.Lesen();
    k.Titel = kl.Kommentar;
    if (kl.Schwelle05)
        k.KlimaMerker2 = 1;
    else if (kl.Schwelle10)
        k.KlimaMerker2 = 0;
    if (kl.Weber)
        k.OberflaecheDreifachRsi = 0;
    else if (kl.Schild)
        k.OberflaecheDreifachRsi = 1;

    TemperaturLesen(Temperatur, p.Temperatur);

    p.A_N_Art = Groessen.Wohnflaeche ? 1 : Groessen.Hauptnutzflaeche ? 2 : 0;
    p.A_N_Vorgabe = Groessen.Flaeche.Lesen();
    flagZurueck(Groessen.Raumhoehe, p.A_N_pauschal);
    if (Groessen.AusgabeQH != an(p.ProjektMerker == 1)) p.ProjektMerker = Groessen.AusgabeQH;

    flagZurueck(Niedrigenergie.Niedrigenergie, p.UnterschreitungPruefen);
    p.Unterschreitung = Niedrigenergie.Prozent.Lesen();
    flagZurueck(Niedrigenergie.Passivhaus, p.ZielwertPruefen);
    p.Zielwert = Niedrigenergie.Maximum.Lesen();
}

void ProjektEinstellungen::Uebernehmen(TProjekt& p) const {
    Zurueckschreiben(p);
    p.EinstellungenNeuBerechnen();
}

void AusweisEinstellungenSetzen(TProjekt& p, char variante) {
    ProjektEinstellungen e;
    e.Fuellen(p);
    auto& v = e.Vorgaben;
    v.Massnahme = {1, 0};
    v.Massnahme2 = 0;
    if (variante == 'C')
        v.TypWaehlen(v.Typ.size() - 1);
    else if (radioLesen(v.Typ) < 0 || v.Typ.back())
        v.TypWaehlen(0); // a residential building
    if (variante != 'C') v.Klein = an(variante == 'B');
    e.Uebernehmen(p);
}
