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

} // namespace

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
