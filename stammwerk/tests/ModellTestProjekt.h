#pragma once
// A sample project holding every record kind, for the model's file tests,
// the fuzz seeds and the benchmark.
#include "stammwerk/modell/TGesamtProjekt.h"

#include <memory>
#include <string>

namespace modelltest {

inline TBaustoff Baustoff(const char* name, uint16_t gruppe, uint16_t position, double lambda,
                          double rohdichte, double mu, double dicke) {
    TBaustoff b;
    b.Name = name;
    b.Schluessel.Katalog = 0;
    b.Schluessel.Gruppe = gruppe;
    b.Schluessel.Untergruppe = 0;
    b.Schluessel.Position = position;
    b.Schluessel.Nummer = position;
    b.Lambda = lambda;
    b.Rohdichte = rohdichte;
    b.Mu = mu;
    b.Schichtdicke = dicke;
    b.VoreinstellungSpezifischeWaermekapazitaet();
    return b;
}

inline TTextString Zeile(uint16_t nummer, const std::string& text) {
    TTextString t;
    t.Nummer = nummer;
    t.Text = text;
    return t;
}

// A wall type with an insulated field (85 %) and a timber zone (15 %).
inline std::unique_ptr<TRBauteil> Wandtyp(const std::string& name, uint16_t art) {
    auto t = std::make_unique<TRBauteil>();
    t->Name = name;
    t->Bauteilart = art;
    t->Angrenzung = art == 4 ? 4 : 0;
    t->FlaechenanteilNeu();
    t->FlaechenanteilNeu();
    TEinfachBauteil& feld = t->Flaechenanteile[0];
    feld.Name = "Gefach";
    feld.Flaechenanteil = 85;
    const TBaustoff putz = Baustoff("Kalkputz", 1, 0, 0.87, 1800, 15, 15);
    const TBaustoff stein = Baustoff("Kalksandstein", 4, 1, 0.99, 1800, 15, 175);
    const TBaustoff daemmung = Baustoff("Mineralwolle", 5, 2, 0.04, 30, 1, 120);
    const TBaustoff holz = Baustoff("Fichte", 6, 3, 0.13, 600, 40, 120);
    feld.SchichtHinzufuegen(-1, &putz);
    feld.SchichtHinzufuegen(0, &stein);
    feld.SchichtHinzufuegen(1, &daemmung);
    TEinfachBauteil& sparren = t->Flaechenanteile[1];
    sparren.Name = "Holzanteil";
    sparren.Flaechenanteil = 15;
    sparren.SchichtHinzufuegen(-1, &putz);
    sparren.SchichtHinzufuegen(0, &stein);
    sparren.SchichtHinzufuegen(1, &holz);
    t->Textliste.Add(Zeile(0, "Wand nach Zeichnung " + name));
    t->WSchVO(0, 1, 0);
    // Reading a type computes the temperature profile; so does the sample,
    // so that a saved and read project saves the same bytes.
    for (TEinfachBauteil& e : t->Flaechenanteile)
        e.TemperaturVerlauf(t->Temperatur, t->Rsi, t->Rse, 0);
    return t;
}

inline std::unique_ptr<TRFenster> Fenstertyp(const std::string& name, double kF, double g) {
    auto t = std::make_unique<TRFenster>();
    t->Name = name;
    t->k_F = kF;
    t->g = g;
    t->Rahmenanteil = 30;
    t->Textzeilen[0] = "Isolierverglasung";
    t->Textliste.Add(Zeile(1, "Holzfenster"));
    return t;
}

inline TDimVolumen Flaeche(uint16_t nummer, double wert, const char* formel) {
    TDimVolumen d;
    d.Name = "Fläche " + std::to_string(nummer);
    d.Nummer = nummer;
    d.Wert = wert;
    d.Formelliste.Add(Zeile(0, formel));
    return d;
}

// Facades as a new project has them, then `typen` wall types, `bauteile`
// placed components and `fenster` placed windows of three window types,
// volumes and texts.
inline void BeispielVariante(TProjekt& p, int typen, int bauteile, int fenster) {
    const char* namen[] = {"Grundfläche", "Fassade Nord", "Fassade West",
                           "Fassade Süd", "Fassade Ost",  "Dach"};
    const uint16_t richtung[] = {2, 0, 2, 1, 3, 4};
    for (uint16_t i = 0; i < 6; ++i) {
        auto f = std::make_unique<TFassade>();
        f->Nummer = i;
        f->Name = namen[i];
        f->IstFassade = i >= 1 && i <= 4;
        f->Orientierung = richtung[i];
        f->Textliste.Add(Zeile(0, std::string("Ansicht ") + namen[i]));
        p.Fassaden.Add(std::move(f));
    }
    std::vector<TRBauteil*> wandtypen;
    for (int i = 0; i < typen; ++i)
        wandtypen.push_back(&p.BauteilNeu(Wandtyp("Wand " + std::to_string(i), uint16_t(i % 3))));
    std::vector<TRFenster*> fenstertypen;
    for (int i = 0; i < 3; ++i)
        fenstertypen.push_back(
            &p.FensterNeu(Fenstertyp("Fenster " + std::to_string(i), 1.3 + 0.1 * i, 0.6)));

    std::vector<TPBauteil*> waende;
    for (int i = 0; i < bauteile; ++i) {
        auto pb = std::make_unique<TPBauteil>();
        pb->RBauteil = wandtypen[size_t(i % typen)];
        pb->Bruttoflaeche = pb->Nettoflaeche = 10 + i % 7;
        pb->Flaechenliste.Add(Flaeche(0, pb->Bruttoflaeche, "2,5*4"));
        TFassade& f = p.Fassaden[size_t(1 + i % 4)];
        waende.push_back(p.PBauteilEinfuegen(std::move(pb), &f, 0));
    }
    for (int i = 0; i < fenster; ++i) {
        TFassade& f = p.Fassaden[size_t(1 + i % 4)];
        TPFenster* pf = p.PFensterNeu(fenstertypen[size_t(i % 3)], &f, 0);
        pf->Bruttoflaeche = pf->Nettoflaeche = 1.5;
        pf->Flaechenliste.Add(Flaeche(0, 1.5, "1,25*1,2"));
        // Windows go into a wall of their facade where there is one.
        for (TPBauteil* w : waende) {
            if (w->FassadenNummer != f.Nummer) continue;
            pf->Traeger = TTypNummer{int16_t(w->RBauteil->Bauteilart), int16_t(w->Nummer)};
            w->Einbauten.Add(TTypNummer{TTypNummer::Fenster, int16_t(pf->Nummer)});
            w->Nettoflaeche -= pf->Nettoflaeche;
            break;
        }
    }
    for (TPBauteil& w : p.PBauteile) w.WSchVO(p.NormaleInnentemperatur);
    for (TFassade& f : p.Fassaden)
        f.GroessenBerechnen(&p.PBauteile, &p.PFenster, p.Baumassnahme, p.NormaleInnentemperatur,
                            p.WestAnsatz, p.Zusatzpruefung, p.Fugenkoeffizient_max);
    p.Volumina.Add(Flaeche(0, 420.5, "12*10*3,5"));
    p.Volumina.Add(Flaeche(1, 96.0, "8*12"));
    p.Textliste1.Add(Zeile(0, "Bauvorhaben Einfamilienhaus"));
    p.Textliste2.Add(Zeile(0, "Bemerkung zum Nachweis"));
    p.Projektangaben[0] = "Musterstraße 1";
    p.Bemerkung = "geprüft";
}

} // namespace modelltest
