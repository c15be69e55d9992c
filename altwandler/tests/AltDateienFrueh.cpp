// Fixture files of project versions 1 to 3, written field by field from the
// documented layouts (AltFelderFrueh.h).
#include "AltDateien.h"
#include "AltFelderFrueh.h"
#include "platform/base/ByteStream.h"
#include "stammwerk/modell/TDimVolumen.h"

namespace altdatei {

namespace {

void volumen(ByteWriter& w, const char* name, double wert) {
    TDimVolumen v;
    v.Name = name;
    v.Nummer = 0;
    v.Wert = wert;
    v.Speichern(w);
}

void schicht3(ByteWriter& w, int saat, int16_t position, bool mitZeile) {
    ByteImage b(474);
    Fuellen(b, 0, Schicht3(), saat);
    b.SetI16(472, position);
    w.WriteI16(mitZeile ? 1 : 0);
    w.WriteImage(b);
    if (mitZeile) ZeilenSchreiben(w, {3});
}

void bauteil3(ByteWriter& w, int saat, int16_t nummer, int16_t art, bool voll) {
    for (int i = 0; i < 3; ++i) w.WriteI16(voll ? 1 : 0);
    ByteImage b(340);
    Fuellen(b, 0, Typ3(), saat);
    b.SetI16(42, nummer);
    b.SetI16(44, -1); // the facade numbers come from the facades
    b.SetI32(46, 200777 + nummer);
    b.SetI16(66, art);
    b.SetF64(86, 40.0 + nummer); // m²
    w.WriteImage(b);
    if (!voll) return;
    w.WriteI16(2); // layers of the partial area
    ByteImage e(652);
    Fuellen(e, 0, Einfach3(), kSaatEinfach);
    Fuellen(e, 46, Schicht3(), kSaatEigeneSchicht);
    w.WriteImage(e);
    // Stored out of order: the reader keeps layers by position.
    schicht3(w, kSaatSchicht + 500, 1, false);
    schicht3(w, kSaatSchicht, 0, true);
    volumen(w, "Wandfläche", 12.5);
    ZeilenSchreiben(w, {1});
}

void fenster3(ByteWriter& w, int16_t nummer, int16_t verglasung) {
    w.WriteI16(1); // volumes
    w.WriteI16(1); // lines
    ByteImage b(501);
    Fuellen(b, 0, Fenster3Typ(), kSaatFenster);
    Fuellen(b, 0, Fenster3Platziert(), kSaatPFenster);
    b.SetI16(72, nummer);
    b.SetI16(78, 1);
    b.SetI16(104, verglasung);
    b.SetF64(124, 3.75); // W/(m²K), the glazing value as entered
    b.SetI16(142, 1);    // taken from the glazing table
    w.WriteImage(b);
    volumen(w, "Fensterfläche", 2.5);
    ZeilenSchreiben(w, {2});
}

void fassade3(ByteWriter& w, int16_t nummer, std::initializer_list<TTypNummer> eintraege,
              bool mitZeile) {
    w.WriteI16(int16_t(eintraege.size()));
    w.WriteI16(mitZeile ? 1 : 0);
    ByteImage b(210);
    Fuellen(b, 0, Fassade3(), kSaatFassade + 100 * nummer);
    b.SetI16(0, nummer);
    w.WriteImage(b);
    for (const TTypNummer& t : eintraege) {
        w.WriteI16(t.Typ);
        w.WriteI16(t.Nummer);
    }
    if (mitZeile) ZeilenSchreiben(w, {0});
}

void schicht1_2(ByteWriter& w, int saat, int16_t position, bool mitZeile) {
    ByteImage b(430);
    Fuellen(b, 0, Schicht1_2(), saat);
    b.SetI16(428, position);
    w.WriteI16(mitZeile ? 1 : 0);
    w.WriteImage(b);
    if (mitZeile) ZeilenSchreiben(w, {3});
}

// A partial area of two layers: 588 bytes in version 2, 550 in version 1.
void anteil1_2(ByteWriter& w, size_t groesse) {
    w.WriteI16(2);
    ByteImage e(588);
    Fuellen(e, 0, Einfach2(), kSaatEinfach);
    Fuellen(e, 42, Schicht1_2(), kSaatEigeneSchicht);
    w.WriteBytes(e.Slice(0, groesse));
    schicht1_2(w, kSaatSchicht + 500, 1, false);
    schicht1_2(w, kSaatSchicht, 0, true);
}

// A window of versions 1 and 2: kind 5 (shaded) with a side length, or
// kind 4 (roof light).
void fenster1_2(ByteWriter& w, bool erster) {
    w.WriteI16(1);
    ByteImage b(383);
    b.SetText(12, 30, erster ? "Fenster links" : "Fenster rechts");
    b.SetF64(46, 0.6); // g
    b.SetF64(54, 2.0); // joint permeability
    b.SetI16(62, 0);   // single glazing
    b.SetI16(68, 1);   // kind of glazing
    b.SetI16(70, 1);   // glazing table
    b.SetI16(299, 7);
    b.SetF64(307, 2.5); // m²
    b.SetF64(331, erster ? 1.25 : 0.0);
    b.SetI16(339, erster ? 5 : 4);
    b.SetF64(343, 2.8); // W/(m²K)
    w.WriteImage(b);
    ZeilenSchreiben(w, {2});
}

struct Bauteil1_2 {
    int saat;
    int16_t nummer, typ;
    double brutto, netto, a, b;
    bool anteil;
    int fenster;
};

// The version-1 image (617 bytes) or the version-2 image (667 bytes).
void bauteil1_2(ByteWriter& w, const Bauteil1_2& t, bool version1) {
    w.WriteI16(t.anteil ? 1 : 0);
    w.WriteI16(int16_t(t.fenster));
    w.WriteI16(1);
    ByteImage b(version1 ? 617 : 667);
    Fuellen(b, 0, version1 ? Typ1() : Typ2(), t.saat);
    const size_t basis = version1 ? 0 : 12; // version 1 has no key
    b.SetI16(basis + 30, t.nummer);
    b.SetI16(basis + 50, t.typ);
    b.SetF64(basis + 70, t.brutto);
    b.SetF64(basis + 78, t.netto);
    if (!version1) {
        b.SetF64(637, t.a);
        b.SetF64(645, t.b);
        b.SetI16(665, 42);
    }
    w.WriteImage(b);
    if (t.anteil) anteil1_2(w, version1 ? 550 : 588);
    for (int i = 0; i < t.fenster; ++i) fenster1_2(w, i == 0);
    ZeilenSchreiben(w, {1});
}

const Bauteil1_2 kBauteile1_2[] = {
    {kSaatTyp, kTyp, 3, 12.0, 10.0, 0, 0, true, 0},
    {kSaatTyp + 500, kTypArt1, 0, 20.0, 15.0, 5.0, 4.0, false, 2},
    {kSaatTyp + 700, 2, 9, 6.0, 6.0, 2.0, 3.0, false, 0},
};

// Type codes of version 3 for the version-2 types of the fixtures.
int16_t typVersion3(int16_t typ) {
    return typ == 9 ? 1 : typ == 0 ? 0 : int16_t(typ + 1);
}

} // namespace

std::vector<uint8_t> Version2Datei() {
    ByteWriter w;
    w.WriteBytes(Kopf("2.00"));
    w.WriteI16(2);
    ByteImage g(90);
    g.SetText(0, 80, kDateiname);
    w.WriteImage(g);

    w.WriteI16(3);
    w.WriteI16(2);
    w.WriteI16(1);
    ByteImage v(632);
    Fuellen(v, 0, Variante2(), kSaatVariante);
    v.SetI16(30, 0); // the main project
    w.WriteImage(v);
    for (const Bauteil1_2& t : kBauteile1_2) {
        w.WriteI16(1); // kind of the entry
        bauteil1_2(w, t, false);
    }
    ZeilenSchreiben(w, {0, 1});
    ZeilenSchreiben(w, {2});

    w.WriteI16(2);
    w.WriteI16(0);
    w.WriteI16(0);
    ByteImage variante(632);
    variante.SetText(0, 30, "Variante 2");
    variante.SetI16(30, 1);
    variante.SetI16(32, 1);
    variante.SetI16(74, 1);
    w.WriteImage(variante);
    for (int16_t nummer : {kTypArt1, int16_t(99)}) {
        w.WriteI16(0); // shared with the main project
        w.WriteI16(nummer);
    }
    return w.Take();
}

std::vector<uint8_t> Version1Datei() {
    ByteWriter w;
    w.WriteBytes(Kopf("1.00"));
    w.WriteI16(3);
    w.WriteI16(2);
    ByteImage v(586);
    Fuellen(v, 0, Variante1(), kSaatVariante);
    w.WriteImage(v);
    for (const Bauteil1_2& t : kBauteile1_2) bauteil1_2(w, t, true);
    ZeilenSchreiben(w, {0, 3});
    return w.Take();
}

std::vector<uint8_t> BaustoffSatz(const char* version, int saat) {
    const std::string v = version;
    const size_t groesse = v == "4.00" ? 342 : v == "3.00" ? 332 : 330;
    const auto tabelle = v == "4.00" ? Schicht4() : v == "3.00" ? Schicht3() : Schicht1_2();
    ByteWriter w;
    w.WriteI16(1);
    ByteImage b(groesse);
    Fuellen(b, 0, Baustoff(tabelle, groesse), saat);
    w.WriteImage(b);
    ZeilenSchreiben(w, {3});
    return w.Take();
}

std::vector<uint8_t> FensterSatz(const char* version, int saat) {
    ByteWriter w;
    if (std::string(version) == "3.00") {
        fenster3(w, int16_t(saat % 100), 3);
    } else {
        fenster1_2(w, true);
    }
    return w.Take();
}

std::vector<uint8_t> BauteilSatz(const char* version, int index) {
    const std::string v = version;
    ByteWriter w;
    const Bauteil1_2& t = kBauteile1_2[index];
    if (v == "3.00")
        bauteil3(w, t.saat, t.nummer, typVersion3(t.typ), t.anteil);
    else if (v == "1.00" || v == "2.00")
        bauteil1_2(w, t, v == "1.00");
    return w.Take();
}

std::vector<uint8_t> Katalogdatei(const char* version, int16_t typ, int32_t letzte,
                                  const std::vector<std::vector<uint8_t>>& saetze) {
    ByteWriter w;
    w.WriteBytes(Kopf(version, typ));
    if (letzte >= 0) w.WriteI32(letzte);
    for (const auto& s : saetze) w.WriteBytes(s);
    return w.Take();
}

std::vector<uint8_t> Version3Datei() {
    ByteWriter w;
    w.WriteBytes(Kopf("3.00"));
    w.WriteI16(2);
    ByteImage g(88);
    g.SetText(0, 80, kDateiname);
    w.WriteImage(g);

    for (int16_t n : {2, 2, 2, 1, 2, 1}) w.WriteI16(n);
    ByteImage v(852);
    Fuellen(v, 0, Variante3(), kSaatVariante);
    v.SetI16(34, 7); // next placed-component number
    w.WriteImage(v);
    bauteil3(w, kSaatTyp, kTyp, 4, true);
    bauteil3(w, kSaatTyp + 500, kTypArt1, 0, false);
    fenster3(w, 0, 0);
    fenster3(w, 1, 24);
    ZeilenSchreiben(w, {0, 1});
    ZeilenSchreiben(w, {2});
    fassade3(w, 0, {{4, kTyp}}, false);
    fassade3(w, 1, {{0, kTypArt1}, {10, 0}, {10, 1}}, true);
    volumen(w, "Beheiztes Volumen", 450.0);

    for (int i = 0; i < 6; ++i) w.WriteI16(0);
    ByteImage leer(852);
    leer.SetText(0, 30, "Variante 2");
    leer.SetI16(30, 1);
    w.WriteImage(leer);
    return w.Take();
}

} // namespace altdatei
