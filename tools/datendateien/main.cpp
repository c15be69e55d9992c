// Turns the readable source tables of data/src into the program's catalogue,
// location and fuel files, writes the user's empty editions, and builds the
// example project from its CAD transfer file, all through the library's own
// writers. Usage: datendateien <source data folder> <output folder>
#include "hilfsmittel/Calculator.h"
#include "hilfsmittel/RuntimeError.h"
#include "platform/base/Cp1252.h"
#include "platform/base/FileIO.h"
#include "platform/services/HelpFile.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TCADBauteilDaten.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TFormelSammlung.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TReferenzSammlung.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

// One table: rows of named fields; '#' lines are comments, the first other
// line names the columns, fields are separated by ';'.
using Zeile = std::map<std::string, std::string>;

// Whether every row must name the source of its values in column "quelle".
enum class Quelle { Pflicht, Keine };

std::vector<std::string> teilen(const std::string& s, char trenner) {
    std::vector<std::string> teile;
    std::stringstream in(s);
    std::string t;
    while (std::getline(in, t, trenner)) teile.push_back(t);
    if (!s.empty() && s.back() == trenner) teile.emplace_back();
    return teile;
}

std::vector<Zeile> tabelle(const fs::path& pfad, Quelle quelle = Quelle::Pflicht) {
    std::ifstream in(pfad);
    if (!in) throw std::runtime_error("cannot read " + pfad.string());
    std::vector<std::string> spalten;
    std::vector<Zeile> zeilen;
    std::string z;
    int nr = 0;
    while (std::getline(in, z)) {
        ++nr;
        if (!z.empty() && z.back() == '\r') z.pop_back();
        if (z.empty() || z[0] == '#') continue;
        const auto felder = teilen(z, ';');
        if (spalten.empty()) {
            spalten = felder;
            if (quelle == Quelle::Pflicht &&
                std::find(spalten.begin(), spalten.end(), "quelle") == spalten.end())
                throw std::runtime_error(pfad.string() + ": no column \"quelle\"");
            continue;
        }
        if (felder.size() != spalten.size())
            throw std::runtime_error(pfad.string() + ":" + std::to_string(nr) + ": " +
                                     std::to_string(felder.size()) + " fields, expected " +
                                     std::to_string(spalten.size()));
        Zeile zeile;
        for (size_t i = 0; i < spalten.size(); ++i) zeile[spalten[i]] = felder[i];
        // A value nobody can trace back is not shipped.
        if (quelle == Quelle::Pflicht &&
            zeile["quelle"].find_first_not_of(" \t") == std::string::npos)
            throw std::runtime_error(pfad.string() + ":" + std::to_string(nr) +
                                     ": row without a source (column \"quelle\")");
        zeilen.push_back(std::move(zeile));
    }
    return zeilen;
}

double zahl(const Zeile& z, const std::string& spalte) {
    const std::string& s = z.at(spalte);
    double v = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), v);
    if (r.ec != std::errc() || r.ptr != s.data() + s.size())
        throw std::runtime_error("not a number in column " + spalte + ": \"" + s + "\"");
    return v;
}

uint16_t u16(const Zeile& z, const std::string& spalte) {
    return uint16_t(zahl(z, spalte));
}

void pruefen(bool ok, const std::string& was) {
    if (!ok) throw std::runtime_error(was);
}

// A name must fit its record's field (width in bytes with the NUL), or the
// record would be stored cut.
const std::string& name(const Zeile& z, size_t breite) {
    const std::string& n = z.at("name");
    const auto bytes = cp1252::Encode(n);
    pruefen(bytes && bytes->size() < breite, "name too long for its field: " + n);
    return n;
}

TBaustoff baustoff(const Zeile& z) {
    TBaustoff b;
    b.Schluessel.Katalog = u16(z, "katalog");
    b.Schluessel.Gruppe = u16(z, "gruppe");
    b.Schluessel.Untergruppe = u16(z, "untergruppe");
    b.Schluessel.Position = u16(z, "position");
    b.Name = name(z, 35);
    b.Rohdichte = zahl(z, "rohdichte");
    b.Mu = zahl(z, "mu");
    b.Zusatzwert1 = zahl(z, "mu2");
    b.Schichtdicke = zahl(z, "dicke");
    b.GrafikArt = u16(z, "grafik");
    if (z.at("r").empty()) {
        b.Lambda = zahl(z, "lambda");
    } else {
        // System materials keep lambda and d; their resistance is derived.
        const double r = zahl(z, "r");
        b.Lambda = r > 0 ? 0.001 * b.Schichtdicke / r : 0.001 * b.Schichtdicke * 10000;
    }
    b.VoreinstellungSpezifischeWaermekapazitaet();
    return b;
}

void baustoffeSchreiben(const fs::path& src, const fs::path& aus, std::vector<TBaustoff>& din) {
    TBaustoffDatei d(aus);
    for (int k = 0; k < 3; ++k) pruefen(d.Oeffnen(k) == 0, "material catalogue not empty");
    for (const Zeile& z : tabelle(src / "baustoffe.csv")) {
        auto b = std::make_unique<TBaustoff>(baustoff(z));
        if (b->Schluessel.Katalog == 0) din.push_back(*b);
        pruefen(d.Einfuegen(b) == 1, d.LetzterFehler());
    }
    for (int k = 0; k < 3; ++k) pruefen(d.Speichern(k) == 1, d.LetzterFehler());
}

void fensterSchreiben(const fs::path& src, const fs::path& aus) {
    TFensterDatei d(aus);
    for (int k = 0; k < 3; ++k) pruefen(d.Oeffnen(k) == 0, "window catalogue not empty");
    for (const Zeile& z : tabelle(src / "fenster.csv")) {
        auto f = std::make_unique<TRFenster>();
        f->Schluessel.Katalog = u16(z, "katalog");
        f->Schluessel.Gruppe = u16(z, "gruppe");
        f->Schluessel.Untergruppe = 0;
        f->Schluessel.Position = u16(z, "position");
        f->Name = name(z, TRFenster::kNameWidth);
        f->k_F = zahl(z, "kf");
        f->g = zahl(z, "g");
        pruefen(f->g >= 0 && f->g <= 1, "g outside 0..1: " + f->Name);
        f->Rahmenanteil = zahl(z, "rahmenanteil");
        f->Textzeilen[0] = "Ug " + z.at("ug") + ", Uf " + z.at("uf") + " W/(m²K)";
        pruefen(d.Einfuegen(f) == 1, d.LetzterFehler());
    }
    for (int k = 0; k < 3; ++k) pruefen(d.Speichern(k) == 1, d.LetzterFehler());
}

const TBaustoff& finde(const std::vector<TBaustoff>& din, const std::string& name) {
    for (const TBaustoff& b : din)
        if (b.Name == name) return b;
    throw std::runtime_error("no DIN material named " + name);
}

// Fills the cross-sections of t from "name@d|name@d|...": one cross-section,
// or several separated by "||", each then led by its area share "NN%=".
void schichtenSetzen(TRBauteil& t, const std::string& schichten,
                     const std::vector<TBaustoff>& din) {
    std::vector<std::string> schnitte;
    for (size_t von = 0;;) {
        const size_t bis = schichten.find("||", von);
        schnitte.push_back(schichten.substr(von, bis - von));
        if (bis == std::string::npos) break;
        von = bis + 2;
    }
    double summe = 0;
    for (size_t n = 0; n < schnitte.size(); ++n) {
        std::string schicht = schnitte[n];
        double anteil = 100;
        if (const size_t p = schicht.find("%="); p != std::string::npos) {
            anteil = zahl(Zeile{{"a", schicht.substr(0, p)}}, "a");
            schicht.erase(0, p + 2);
        }
        pruefen(schnitte.size() == 1 || schicht != schnitte[n],
                "cross-section without its share: " + schnitte[n]);
        summe += anteil;
        while (t.Flaechenanteile.GetItemsInContainer() <= n) t.FlaechenanteilNeu();
        TEinfachBauteil& e = t.Flaechenanteile[n];
        e.Flaechenanteil = anteil;
        while (e.AnzahlSchichten() > 0) e.SchichtLoeschen(short(e.AnzahlSchichten() - 1));
        for (const std::string& s : teilen(schicht, '|')) {
            const auto teil = teilen(s, '@');
            pruefen(teil.size() == 2, "layer without thickness: " + s);
            TBaustoff b = finde(din, teil[0]);
            b.Schichtdicke = zahl(Zeile{{"d", teil[1]}}, "d");
            e.SchichtHinzufuegen(short(e.AnzahlSchichten() - 1), &b);
        }
    }
    pruefen(summe == 100, "cross-section shares do not add up to 100 %: " + schichten);
}

std::vector<TRBauteil> bauteileSchreiben(const fs::path& src, const fs::path& aus,
                                         const std::vector<TBaustoff>& din) {
    TBauteilDatei d(aus);
    for (int k = 1; k < 3; ++k) pruefen(d.Oeffnen(k) == 0, "component catalogue not empty");
    std::vector<TRBauteil> bauteile;
    // The build-ups are examples made of sourced materials, not table values.
    for (const Zeile& z : tabelle(src / "bauteile.csv", Quelle::Keine)) {
        auto t = std::make_unique<TRBauteil>();
        t->Bauteilart = u16(z, "art");
        t->UebergangSetzen(u16(z, "angrenzung"));
        pruefen(t->Angrenzung == u16(z, "angrenzung"), "no such situation: " + z.at("angrenzung"));
        t->Name = name(z, TRBauteil::kNameWidth);
        t->Schluessel.Katalog = 1;
        t->Schluessel.Gruppe = uint16_t(TBauteilDatei::GruppeDerBauteilart(t->Bauteilart));
        t->Schluessel.Untergruppe = 0;
        t->Schluessel.Position = u16(z, "position");
        schichtenSetzen(*t, z.at("schichten"), din);
        // Computed as the component editor computes a catalogue component
        // before it saves it: a new building at normal temperatures, in the
        // DIN climate of its situation, so that its data sheets show results.
        TKlima din4108;
        din4108.StandardDefinition();
        t->KlimaUebernehmen(din4108, 20);
        t->QuerschnitteBerechnen(1, 1);
        t->WSchVO(0, 1, 0);
        bauteile.push_back(*t);
        pruefen(d.Einfuegen(t) == 1, d.LetzterFehler());
    }
    for (int k = 1; k < 3; ++k) pruefen(d.Speichern(k) == 1, d.LetzterFehler());
    return bauteile;
}

void referenzenSchreiben(const fs::path& src, const fs::path& aus) {
    TOrtSammlung orte(aus);
    for (const Zeile& z : tabelle(src / "orte.csv")) {
        TOrt o;
        o.Name = name(z, TOrt::kNameWidth);
        o.Gradtagzahl = zahl(z, "gradtagzahl");
        orte.Einfuegen(o);
    }
    TBrennstoffSammlung brennstoffe(aus);
    for (const Zeile& z : tabelle(src / "brennstoffe.csv")) {
        TBrennstoff b;
        b.Name = name(z, TBrennstoff::kNameWidth);
        b.Heizwert = zahl(z, "heizwert");
        b.Brennwert = zahl(z, "brennwert");
        b.Einheit = z.at("einheit");
        const auto einheit = cp1252::Encode(b.Einheit);
        pruefen(einheit && einheit->size() < TBrennstoff::kEinheitWidth,
                "unit too long for its field: " + b.Einheit);
        b.Preis = zahl(z, "preis");
        b.CO2 = zahl(z, "co2");
        brennstoffe.Einfuegen(b);
    }
    for (int k = 1; k <= 2; ++k) {
        pruefen(orte.Speichern(k) == 1, orte.LetzterFehler());
        pruefen(brennstoffe.Speichern(k) == 1, brennstoffe.LetzterFehler());
    }
    TFormelSammlung formeln(aus);
    pruefen(formeln.Speichern() == 1, formeln.LetzterFehler());
}

// A volume of an example, written as the area and volume calculator keeps a
// formula: variable definitions, then the formula.
struct Volumen {
    const char* name;
    std::vector<std::string> variablen;
    std::string formel;
};

// An example project: its CAD transfer file (under beispiel/), the file it
// is written to, the description of the project sheet (name, street, town,
// client, architect, engineer, date, district, plot), the catalogue
// build-up of each element by the start of its name, and its volumes.
struct Beispiel {
    std::string transfer;
    std::string datei;
    std::string variante;
    std::array<std::string, 9> angaben;
    std::vector<std::pair<std::string, std::string>> aufbauten;
    std::vector<Volumen> volumina;
};

const TRBauteil& aufbau(const Beispiel& b, const std::string& element,
                        const std::vector<TRBauteil>& bauteile) {
    for (const auto& [anfang, name] : b.aufbauten) {
        if (!element.starts_with(anfang)) continue;
        for (const TRBauteil& t : bauteile)
            if (t.Name == name) return t;
        throw std::runtime_error("no catalogue build-up named " + name);
    }
    throw std::runtime_error("no build-up chosen for " + element);
}

TFassade& fassade(TProjekt& pj, const std::string& name) {
    TFassade* f = pj.Fassaden.FirstThat([&](const TFassade& x) { return x.Name == name; });
    pruefen(f != nullptr, "no envelope area " + name);
    return *f;
}

// The facade of a placed component: walls by their direction, roofs on
// "Dach", floors and ceilings over the cellar on "Grundfläche".
TFassade& fassadeDesBauteils(TProjekt& pj, uint16_t art, int16_t richtung) {
    static const char* const waende[] = {"Fassade Nord", "Fassade Süd", "Fassade West",
                                         "Fassade Ost"};
    if (art == 3) return fassade(pj, "Dach");
    if (art == 4 || art == 5) return fassade(pj, "Grundfläche");
    pruefen(richtung >= 0 && richtung < 4, "a wall without its direction");
    return fassade(pj, waende[richtung]);
}

std::unique_ptr<TDimVolumen> volumen(const Volumen& v, uint16_t nummer) {
    auto d = std::make_unique<TDimVolumen>();
    d->Nummer = nummer;
    d->Wert3 = uint32_t(nummer + 1);
    d->Name = v.name;
    d->Formelmodus = 1;
    std::string text;
    for (size_t i = 0; i < v.variablen.size(); ++i) {
        d->Textliste1.Add(TTextString{uint16_t(i), v.variablen[i]});
        text += v.variablen[i];
    }
    d->Formelliste.Add(TTextString{0, v.formel});
    TRuntimeError laufzeit;
    TCalculator rechner(&laufzeit);
    rechner.Calculate(text, 0);
    pruefen(rechner.GetError(nullptr, nullptr) == 0, "bad variables of " + d->Name);
    rechner.Reset();
    d->Wert = rechner.Calculate(v.formel, 0);
    pruefen(rechner.GetError(nullptr, nullptr) == 0 && laufzeit.state == 0 && d->Wert > 0,
            "bad formula of " + d->Name);
    return d;
}

template <class T>
T ausKatalog(const std::vector<T>& liste, const std::string& name) {
    for (const T& x : liste)
        if (x.Name == name) return x;
    throw std::runtime_error("not in the shipped list: " + name);
}

// An example house: its CAD transfer file read into a new variant with the
// envelope areas of a new project, each component type given its catalogue
// build-up, each window type the DIN window Ug 1,1 Uf 1,4. Walls go on the
// facade of their direction, windows into the wall of their direction and
// storey (the storey column of the file).
void beispielSchreiben(const fs::path& daten, const fs::path& aus,
                       const std::vector<TRBauteil>& bauteile, const Beispiel& b) {
    std::ifstream in(daten / "beispiel" / b.transfer, std::ios::binary);
    pruefen(bool(in), "cannot read the transfer file " + b.transfer);
    const std::string datei((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());

    TGesamtProjekt g("");
    auto neu = std::make_unique<TProjekt>();
    neu->Name = b.variante;
    neu->StandardFassadenAnlegen();
    for (size_t i = 0; i < b.angaben.size(); ++i) neu->Projektangaben[i] = b.angaben[i];
    TOrtSammlung orte(aus);
    pruefen(orte.Oeffnen(1) == 1, orte.LetzterFehler());
    neu->Ort = ausKatalog(orte.Liste(), "Leipzig");
    TBrennstoffSammlung brennstoffe(aus);
    pruefen(brennstoffe.Oeffnen(1) == 1, brennstoffe.LetzterFehler());
    neu->Heizsystem.Name = "Öl-Niedertemperaturkessel";
    neu->Heizsystem.Brennstoff = ausKatalog(brennstoffe.Liste(), "Heizöl EL");
    neu->Heizsystem.PreisBerechnen();
    TProjekt& pj = g.ProjektHinzufuegen(std::move(neu));

    std::vector<TCADMeldung> meldungen;
    const int r = pj.CADTransferDateiLesen(datei, &meldungen);
    for (const TCADMeldung& m : meldungen)
        std::fprintf(stderr, "%s:%d: %s\n", b.transfer.c_str(), m.Zeile, m.Text.c_str());
    pruefen(r == 0, "the transfer file " + b.transfer + " did not read cleanly");
    // Direction and storey of each element, by its identifier.
    std::map<int32_t, TCADBauteilDaten> zeilen;
    TCADZeilenleser leser(datei);
    for (std::string_view z; leser.Naechste(z);) {
        TCADBauteilDaten d;
        if (CADZeileParsen(z, d) == CADZeileGelesen)
            zeilen[d.Art == TCADBauteilDaten::ArtFenster ? -d.CADNummer : d.CADNummer] = d;
    }

    TFensterDatei fenster(aus);
    pruefen(fenster.Oeffnen(0) == 0, fenster.LetzterFehler());
    const TRFenster* din = fenster.Liste().FirstThat(
        [](const TRFenster& f) { return f.Name == "Fenster Ug 1,1 Uf 1,4"; });
    pruefen(din != nullptr, "DIN window Ug 1,1 Uf 1,4 missing");

    std::vector<TRBauteil> typen;
    for (const TRBauteil& t : pj.RBauteile) typen.push_back(t);
    for (const TRBauteil& alt : typen) {
        TRBauteil t = aufbau(b, alt.Name, bauteile);
        t.Schluessel = TBauteilSchluessel{};
        t.Name = alt.Name;
        t.Nummer = alt.Nummer;
        TypNummernKopieren(t.PBauteilListe, alt.PBauteilListe);
        t.Feuchteoption = 0;
        t.KlimaUebernehmen(pj.Klima, pj.Wert20);
        t.Temperatur = pj.Temperatur;
        pruefen(pj.BauteilUebernehmen(t) == 1, "type lost: " + t.Name);
        TRBauteil* typ = pj.RBauteilNr(t.Nummer);
        typ->QuerschnitteBerechnen(pj.NormaleInnentemperatur, 1);
        typ->WSchVO(pj.Baumassnahme, pj.NormaleInnentemperatur, pj.KleinesWohngebaeude);
        pj.PBauteileNeuBerechnen(typ);
    }
    for (TRFenster& t : pj.RFenster) {
        const std::string name = t.Name;
        const uint16_t nummer = t.Nummer;
        TTypNummerListe platzierungen;
        TypNummernKopieren(platzierungen, t.PFensterListe);
        t = *din;
        t.Name = name;
        t.Nummer = nummer;
        t.PFensterListe = std::move(platzierungen);
        pj.PFensterNeuBerechnen(&t, 1, 1);
    }

    // Onto the facades: components first, then the windows into their walls.
    const uint16_t cad = fassade(pj, "Neue CAD-Bauteile").Nummer;
    std::vector<TPBauteil*> waende;
    for (TPBauteil& p : pj.PBauteile) waende.push_back(&p);
    for (TPBauteil* p : waende) {
        const TCADBauteilDaten& d = zeilen.at(p->CADNummer);
        TFassade& ziel = fassadeDesBauteils(pj, p->RBauteil->Bauteilart, d.Himmelsrichtung);
        pruefen(pj.AufFassadeVerschieben(TProjekt::Referenz(*p), &ziel) == 1,
                "cannot move " + p->Name);
    }
    std::vector<TPFenster*> fensterListe;
    for (TPFenster& p : pj.PFenster) fensterListe.push_back(&p);
    for (TPFenster* f : fensterListe) {
        const TCADBauteilDaten& d = zeilen.at(-f->CADNummer);
        const TPBauteil* wand = nullptr;
        for (const TPBauteil* w : waende) {
            const TCADBauteilDaten& e = zeilen.at(w->CADNummer);
            if (e.Art == 0 && e.Himmelsrichtung == d.Himmelsrichtung && e.WertB == d.WertB)
                wand = w;
        }
        pruefen(wand != nullptr, "no wall for the window " + f->Name);
        pruefen(pj.InTraegerVerschieben(TProjekt::Referenz(*f), TProjekt::Referenz(*wand)) == 1,
                "cannot insert " + f->Name);
    }
    TFassade* leer = pj.FassadeNr(cad);
    pruefen(leer && leer->Elemente.IsEmpty(), "elements left on the CAD facade");
    pj.FassadeLoeschen(leer);

    uint16_t nummer = 0;
    pj.V = 0;
    for (const Volumen& v : b.volumina) {
        auto d = volumen(v, nummer++);
        pj.V += d->Wert;
        pj.Volumina.Add(std::move(d));
    }
    pj.UmfassungsflaecheBerechnen();
    pj.WSchVO();
    pruefen(pj.VerknuepfungsFehler().empty(), "links of " + b.datei + " disagree");
    pruefen(g.Speichern(aus / b.datei) == 1, g.LetzterFehler());
}

// The two shipped examples, both in Leipzig with an oil boiler: a solid
// house on a ground slab, and a timber-frame house over an unheated cellar.
std::vector<Beispiel> beispiele() {
    // Length, width, storey height and rafter length of each house, in m.
    const std::vector<std::string> hausEG = {"L = 10;", "B = 8;", "H = 2.75;"};
    const std::vector<std::string> hausDG = {"L = 10;", "B = 8;", "S = 4.85;"};
    const std::vector<std::string> holzEG = {"L = 11;", "B = 9;", "H = 2.75;"};
    const std::vector<std::string> holzDG = {"L = 11;", "B = 9;", "S = 5.5;"};
    const std::string eg = "L*B*H";
    const std::string dg = "0.5*B*sqrt(S^2-(B/2)^2)*L";
    return {
        {"divarod.txt",
         "beispiel.pro",
         "Beispiel Einfamilienhaus",
         {"Einfamilienhaus Beispiel", "Am Wiesengrund 12", "04158 Leipzig", "Familie Muster",
          "Planungsbüro Muster", "Dipl.-Ing. Muster", "14.03.1996", "Lindenthal", "412/7"},
         {{"Außenwand", "Außenwand KS 175 + MW 140"},
          {"Giebelwand", "Außenwand KS 175 + MW 140"},
          {"Dach", "Sparrendach MW 180, belüftet"},
          {"Bodenplatte", "Fußboden Stahlbeton + XPS 100"}},
         {{"Erdgeschoss", hausEG, eg}, {"Dachgeschoss", hausDG, dg}}},
        {"holzhaus/divarod.txt",
         "beispiel_holzhaus.pro",
         "Beispiel Holzhaus mit Keller",
         {"Holzhaus mit Keller Beispiel", "Am Wiesengrund 14", "04158 Leipzig", "Familie Beispiel",
          "Planungsbüro Muster", "Dipl.-Ing. Muster", "02.09.1997", "Lindenthal", "412/8"},
         {{"Außenwand", "Holzrahmenwand OSB/OSB MW 160"},
          {"Giebelwand", "Holzrahmenwand OSB/OSB MW 160"},
          {"Dach", "Sparrendach MW 180, belüftet"},
          {"Kellerdecke", "Kellerdecke StB 180 + MW 60"}},
         {{"Erdgeschoss", holzEG, eg}, {"Dachgeschoss", holzDG, dg}}},
    };
}

// The help files ship as written, once the viewer's own reader accepts them.
void hilfeSchreiben(const fs::path& quelle, const fs::path& aus) {
    for (const auto& eintrag : fs::directory_iterator(quelle)) {
        if (eintrag.path().extension() != ".hlp") continue;
        const FileContents inhalt = ReadWholeFile(eintrag.path(), HelpFile::kMaxBytes);
        pruefen(inhalt.ok, inhalt.error);
        const std::string text(inhalt.bytes.begin(), inhalt.bytes.end());
        HelpFileError fehler;
        pruefen(HelpFile::Parse(text, &fehler).IsValid(), eintrag.path().string() + ":" +
                                                              std::to_string(fehler.line) + ": " +
                                                              fehler.message);
        const FileResult r = WriteFileAtomically(aus / eintrag.path().filename(), text);
        pruefen(r.ok, r.error);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <data folder with src/ and beispiel/> <output folder>\n",
                     argv[0]);
        return 2;
    }
    const fs::path daten = argv[1];
    const fs::path aus = argv[2];
    try {
        // Written afresh every time: the catalogues hand out record numbers
        // from what is already there. Only a folder this tool made (it holds
        // the marker) or an empty one is cleared, so a wrong path erases nothing.
        const fs::path marke = aus / ".datendateien";
        // Folders written before the marker existed hold the example project.
        const bool unsere = fs::exists(marke) || fs::exists(aus / "beispiel.pro");
        if (fs::exists(aus) && !fs::is_empty(aus) && !unsere) {
            std::fprintf(stderr, "datendateien: %s is not an output folder of this tool\n",
                         aus.c_str());
            return 1;
        }
        fs::remove_all(aus);
        fs::create_directories(aus);
        std::ofstream(marke) << "written by tools/datendateien\n";
        std::vector<TBaustoff> din;
        baustoffeSchreiben(daten / "src", aus, din);
        fensterSchreiben(daten / "src", aus);
        const auto bauteile = bauteileSchreiben(daten / "src", aus, din);
        referenzenSchreiben(daten / "src", aus);
        for (const Beispiel& b : beispiele()) beispielSchreiben(daten, aus, bauteile, b);
        hilfeSchreiben(daten / "hilfe", aus);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datendateien: %s\n", e.what());
        return 1;
    }
    return 0;
}
