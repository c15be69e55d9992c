#include "AltDateien.h"

#include "AltFelder.h"
#include "platform/base/ByteStream.h"
#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TFassade.h"
#include "stammwerk/modell/THeizsystem.h"
#include "stammwerk/modell/TJahresverbrauch.h"
#include "stammwerk/modell/TOrt.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TRFenster.h"
#include "stammwerk/modell/TWarmwasserbedarf.h"

#include <cstring>
#include <fstream>
#include <iterator>

namespace altdatei {

const char* const kZeilen[4] = {"Erste Zeile", "Zweite Zeile", "Dritte Zeile", "Vierte Zeile"};

std::string TextZeile(const std::string& text) {
    std::string b(131, '\0');
    std::memcpy(b.data(), text.data(), text.size());
    return b;
}

void ZeilenSchreiben(ByteWriter& w, std::initializer_list<int> welche) {
    for (int i : welche) {
        const std::string z = TextZeile(kZeilen[i]);
        w.WriteBytes({reinterpret_cast<const uint8_t*>(z.data()), z.size()});
    }
}

std::vector<uint8_t> Kopf(const char* version, int16_t typ) {
    ByteImage k(512);
    k.CopyBytes(0, {reinterpret_cast<const uint8_t*>("QTX Datentechnik Weidenfeld"), 27});
    k.CopyBytes(50, {reinterpret_cast<const uint8_t*>("Viroruvizaru 95"), 15});
    k.CopyBytes(80, {reinterpret_cast<const uint8_t*>(version), std::strlen(version)});
    k.SetI16(90, typ);
    return {k.Data(), k.Data() + k.Size()};
}

namespace {

void gesamtKopf(ByteWriter& w, const char* version) {
    w.WriteBytes(Kopf(version));
    w.WriteI16(2); // variants
    ByteImage g(90);
    g.SetText(0, 80, kDateiname);
    g.SetU16(80, 77);
    w.WriteImage(g);
}

void leereVariante(ByteWriter& w, size_t bildGroesse) {
    for (int i = 0; i < 8; ++i) w.WriteI16(0);
    ByteImage b(bildGroesse);
    b.SetText(0, 30, "Variante 2");
    b.SetI16(30, 1);
    w.WriteImage(b);
}

// Window type, placed window, text lines, facade and volume in the current
// layout; the facade lists `elemente`.
void aktuelleListen(ByteWriter& w, std::initializer_list<TTypNummer> elemente) {
    TRFenster typ;
    typ.Nummer = kFensterTyp;
    typ.Name = "Holzfenster";
    typ.k_F = 1.4;
    typ.PFensterListe.AddAfterEquals(std::make_unique<TTypNummer>(TTypNummer{10, kFenster}));
    typ.Speichern(w);
    TPFenster f;
    f.Nummer = kFenster;
    f.RFensterNummer = kFensterTyp;
    f.FassadenNummer = kFassade;
    f.Name = "Fenster Süd";
    f.Bruttoflaeche = f.Nettoflaeche = 2.5;
    f.Orientierung = 1;
    f.Speichern(w);
    ZeilenSchreiben(w, {0, 1});
    ZeilenSchreiben(w, {2});
    TFassade fassade;
    fassade.Nummer = kFassade;
    fassade.Name = "Südfassade";
    fassade.IstFassade = 1;
    for (const TTypNummer& t : elemente)
        fassade.Elemente.AddAfterEquals(std::make_unique<TTypNummer>(t));
    fassade.Speichern(w);
    TDimVolumen v;
    v.Name = "Beheiztes Volumen";
    v.Nummer = 0;
    v.Wert = 450.0;
    v.Speichern(w);
}

void platziert(ByteWriter& w, int saat, int16_t nummer, int16_t typ) {
    w.WriteI16(1); // volumes
    w.WriteI16(1); // entries
    ByteImage b(105);
    Fuellen(b, 0, Platziert(), saat);
    b.SetI16(0, nummer);
    b.SetI16(51, typ);
    w.WriteImage(b);
    TDimVolumen flaeche;
    flaeche.Name = "Wandfläche";
    flaeche.Nummer = 0;
    flaeche.Wert = 12.5;
    flaeche.Speichern(w);
    w.WriteI16(10); // a window inserted into the component
    w.WriteI16(kFenster);
}

} // namespace

std::vector<uint8_t> Version5Datei() {
    ByteWriter w;
    gesamtKopf(w, "5.00");
    for (int16_t n : {1, 1, 1, 1, 2, 1, 1, 1}) w.WriteI16(n);
    ByteImage v(1379);
    Fuellen(v, 0, Variante5(), kSaatVariante);
    TOrt ort;
    ort.Name = "Bremen";
    ort.Gradtagzahl = 3746.0;
    ort.WriteImage(v, 962);
    THeizsystem heizung;
    heizung.Name = "Gaskessel";
    heizung.Wirkungsgrad = 87.5;
    heizung.WriteImage(v, 1012);
    TWarmwasserbedarf wasser;
    wasser.LiterProTag = 120.0;
    wasser.WriteImage(v, 1169);
    TJahresverbrauch verbrauch;
    verbrauch.Kosten = 1234.5;
    verbrauch.WriteImage(v, 1195);
    w.WriteImage(v);

    // Component type: one single-layer component, two lines, one placement.
    w.WriteI16(1);
    w.WriteI16(2);
    w.WriteI16(1);
    ByteImage t(456);
    Fuellen(t, 0, Typ5(), kSaatTyp);
    w.WriteImage(t);
    TEinfachBauteil e;
    e.Name = "Bodenplatte";
    e.Nummer = 0;
    auto s = std::make_unique<TSchicht>();
    s->Name = "Beton";
    s->Schluessel.Gruppe = 1;
    s->Rohdichte = 2400; // kg/m³
    s->Lambda = 2.1;     // W/(m·K)
    s->Mu = 70;
    s->Schichtdicke = 200; // mm
    s->Nummer = 0;
    e.Schichten.Add(std::move(s));
    e.Speichern(w);
    ZeilenSchreiben(w, {0, 3});
    w.WriteI16(0); // kind, replaced by the type's own
    w.WriteI16(kPlatziert);

    platziert(w, kSaatPlatziert, kPlatziert, kTyp);
    aktuelleListen(w, {{4, kPlatziert}, {10, kFenster}});
    leereVariante(w, 1379);
    return w.Take();
}

namespace {

void schicht4(ByteWriter& w, ByteImage& bild, int saat, int16_t position, bool mitZeile) {
    Fuellen(bild, 0, Schicht4(), saat);
    bild.SetI16(508, position);
    w.WriteI16(mitZeile ? 1 : 0);
    w.WriteImage(bild);
    if (mitZeile) ZeilenSchreiben(w, {3});
}

void typ4(ByteWriter& w, int saat, int16_t nummer, int16_t art, int16_t platziert, bool mitAnteil) {
    w.WriteI16(mitAnteil ? 1 : 0);
    w.WriteI16(1);
    w.WriteI16(1);
    ByteImage t(382);
    Fuellen(t, 0, Typ4(), saat);
    t.SetI16(42, nummer);
    t.SetI16(66, art);
    w.WriteImage(t);
    if (mitAnteil) {
        w.WriteI16(2); // layers
        ByteImage e(956);
        Fuellen(e, 0, Einfach4(), kSaatEinfach);
        Fuellen(e, 98, Schicht4(), kSaatEigeneSchicht);
        for (size_t i = 0; i < 27; ++i) e.SetF64(698 + 8 * i, 0.5 + double(i)); // dew points
        w.WriteImage(e);
        ByteImage s(510);
        schicht4(w, s, kSaatSchicht, 0, true);
        schicht4(w, s, kSaatSchicht + 500, 1, false);
    }
    ZeilenSchreiben(w, {1});
    w.WriteI16(art);
    w.WriteI16(platziert);
}

} // namespace

std::vector<uint8_t> Version4Datei() {
    ByteWriter w;
    gesamtKopf(w, "4.00");
    for (int16_t n : {2, 2, 1, 1, 2, 1, 1, 1}) w.WriteI16(n);
    ByteImage v(954);
    Fuellen(v, 0, Variante4(), kSaatVariante);
    w.WriteImage(v);
    typ4(w, kSaatTyp, kTyp, 4, kPlatziert, true);
    typ4(w, kSaatTyp + 500, kTypArt1, 1, kPlatziertArt1, false);
    platziert(w, kSaatPlatziert, kPlatziert, kTyp);
    platziert(w, kSaatPlatziert + 500, kPlatziertArt1, kTypArt1);
    // Version 4 left placed components out of their facade: kPlatziert is missing.
    aktuelleListen(w, {{1, kPlatziertArt1}, {10, kFenster}});
    leereVariante(w, 954);
    return w.Take();
}

std::vector<uint8_t> Version6Datei() {
    ByteWriter w;
    w.WriteBytes(Kopf("6.00"));
    w.WriteI16(0);
    w.WriteImage(ByteImage(270));
    return w.Take();
}

void Schreiben(const std::filesystem::path& pfad, const std::vector<uint8_t>& bytes) {
    std::ofstream out(pfad, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
}

std::vector<uint8_t> Lesen(const std::filesystem::path& pfad) {
    std::ifstream in(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace altdatei
