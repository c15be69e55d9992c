// Record images of materials, text lines, layers, cross-sections, climate and
// temperatures: sizes, field offsets, byte-exact round trips, refusal of cut data.
#include "platform/base/ByteStream.h"
#include "stammwerk/modell/TBSZeiger.h"
#include "stammwerk/modell/TBaustoff.h"
#include "stammwerk/modell/TEinfachBauteil.h"
#include "stammwerk/modell/TKlima.h"
#include "stammwerk/modell/TTemperatur.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

template <class R>
std::vector<uint8_t> gespeichert(const R& r) {
    ByteWriter w;
    r.Speichern(w);
    return w.Take();
}

TTextString zeile(uint16_t nummer, const char* text) {
    TTextString z;
    z.Nummer = nummer;
    z.Text = text;
    return z;
}

TBaustoff beton() {
    TBaustoff b;
    b.Schluessel = {0, 2, 1, 5, 17};
    b.Name = "Normalbeton";
    b.Rohdichte = 2400;
    b.Lambda = 2.1;
    b.Mu = 70;
    b.Zusatzwert1 = 150;
    b.Schichtdicke = 240;
    b.Waermekapazitaet = 1000;
    b.Zusatzwert2 = 0.5;
    b.Kennzeichen = 1;
    b.Texte = {"DIN 4108-4", "Tabelle 1", "Zeile 2.1", "", "Größe"};
    b.Zusatzangabe1 = 1;
    b.Zusatzangabe2 = 0x01020304;
    b.Zusatzangabe3 = 7;
    b.Zusatzangabe4 = 8;
    b.Zusatzangabe5 = 9;
    b.GrafikArt = 3;
    return b;
}

std::vector<uint16_t> nummern(const TTextListe& l) {
    std::vector<uint16_t> n;
    for (const TTextString& z : l) n.push_back(z.Nummer);
    return n;
}
std::vector<std::string> texte(const TTextListe& l) {
    std::vector<std::string> t;
    for (const TTextString& z : l) t.push_back(z.Text);
    return t;
}

TEST(ModellSchluessel, EqualityAndOrderIgnoreNummer) {
    TBaustoffSchluessel a{2, 4, 1, 0, 10}, b{2, 4, 1, 0, 99};
    EXPECT_TRUE(a == b);
    TBaustoffSchluessel c{0, 4, 2, 0, 0}; // (Gruppe 4, Untergruppe 2, Katalog 0)
    EXPECT_TRUE(a < c);                   // group, subdivision, then catalogue
    EXPECT_FALSE(c < a);
    TBaustoffSchluessel neu; // all 0xFF: -1 in every part
    EXPECT_TRUE((neu < TBaustoffSchluessel{0, 0, 0, 0, 0}));
    EXPECT_EQ(neu.Nummer, -1);
    EXPECT_FALSE((neu == TBaustoffSchluessel{0, 0, 0, 0, 0}));
}

TEST(ModellSchluessel, SystemMaterialsAndVentilatedAirLayer) {
    for (uint16_t g = 0; g < 15; ++g) {
        TBaustoffSchluessel k{0, g, 0, 3, 0};
        EXPECT_EQ(k.IsSystemBaustoff(), g >= 9 && g <= 12) << g;
        EXPECT_EQ(k.IsBelueftet(), g == 9) << g;
    }
    EXPECT_TRUE((TBaustoffSchluessel{0, 9, 7, 3, 0}.IsBelueftet())); // subdivision ignored
    EXPECT_FALSE((TBaustoffSchluessel{1, 9, 0, 3, 0}.IsBelueftet()));
    EXPECT_FALSE((TBaustoffSchluessel{0, 9, 0, 2, 0}.IsBelueftet()));
}

TEST(ModellBaustoff, DefaultHeatCapacityByGroup) {
    // J/(kg·K), the material groups' defaults.
    const std::pair<uint16_t, double> faelle[] = {{1, 1000}, {5, 1500},  {6, 2100}, {7, 1500},
                                                  {9, 1000}, {10, 0},    {11, 0},   {13, 0},
                                                  {0, 0},    {0xFFFF, 0}};
    for (auto [gruppe, c] : faelle) {
        TBaustoff b;
        b.Waermekapazitaet = 123;
        b.Schluessel.Gruppe = gruppe;
        b.VoreinstellungSpezifischeWaermekapazitaet();
        EXPECT_EQ(b.Waermekapazitaet, c) << gruppe;
    }
}

TEST(ModellBaustoff, ImageFieldsAtTheirOffsets) {
    const TBaustoff b = beton();
    const std::vector<uint8_t> d = gespeichert(b);
    ASSERT_EQ(d.size(), 352u); // count + 350-byte image, no comment lines
    EXPECT_EQ(b.Speicherbedarf(), 352);
    ByteImage img(d.data() + 2, 350);
    EXPECT_EQ(img.U16(0), 0);
    EXPECT_EQ(img.U16(2), 2);
    EXPECT_EQ(img.I32(8), 17);
    EXPECT_EQ(img.Text(12, 35), "Normalbeton");
    EXPECT_EQ(img.F64(47), 2400);
    EXPECT_EQ(img.F64(55), 2.1);
    EXPECT_EQ(img.F64(79), 240);
    EXPECT_EQ(img.F64(95), 0.5);
    EXPECT_EQ(img.U16(103), 1);
    EXPECT_EQ(img.Text(105 + 4 * 45, 45), "Größe");
    EXPECT_EQ(img.RawText(105 + 4 * 45, 45), "Gr\xF6\xDF"
                                             "e"); // Windows-1252 in the file
    EXPECT_EQ(img.U32(330), 0u);                   // list pointer written as zeros
    EXPECT_EQ(img.U32(336), 0x01020304u);
    EXPECT_EQ(img.U16(348), 3);
}

TEST(ModellBaustoff, RoundTripsByteForByteWithComments) {
    TBaustoff b = beton();
    b.Textliste.Add(zeile(2, "zweite"));
    b.Textliste.Add(zeile(1, "erste"));
    const std::vector<uint8_t> d = gespeichert(b);
    ASSERT_EQ(d.size(), 352u + 2 * 131);
    EXPECT_EQ(b.Speicherbedarf(), 352 + 2 * 131);

    TBaustoff c;
    c.Textliste.Add(zeile(9, "wird ersetzt"));
    ByteReader r(d);
    ASSERT_EQ(c.Oeffnen(r), 0);
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(texte(c.Textliste), (std::vector<std::string>{"erste", "zweite"}));
    EXPECT_EQ(gespeichert(c), d);
}

TEST(ModellBaustoff, CutDataIsRefused) {
    TBaustoff b = beton();
    b.Textliste.Add(zeile(1, "a"));
    const std::vector<uint8_t> d = gespeichert(b);
    for (size_t n = 0; n < d.size(); ++n) {
        TBaustoff c;
        ByteReader r(std::span(d.data(), n));
        const int rc = c.Oeffnen(r);
        EXPECT_EQ(rc, n < 2 ? 1 : -1) << n;
    }
    // A count of comment lines that the data cannot hold.
    std::vector<uint8_t> gross = d;
    gross[0] = 0xFF;
    gross[1] = 0xFF;
    TBaustoff c;
    ByteReader r(gross);
    EXPECT_EQ(c.Oeffnen(r), -1);
}

TEST(ModellBaustoff, CopiesAreDeep) {
    TBaustoff b = beton();
    b.Textliste.Add(zeile(1, "a"));
    TBaustoff c(b);
    c.Textliste[0].Text = "geaendert";
    EXPECT_EQ(b.Textliste[0].Text, "a");
    TBaustoff d;
    d.Textliste.Add(zeile(5, "alt"));
    d = b;
    EXPECT_EQ(texte(d.Textliste), (std::vector<std::string>{"a"}));
    EXPECT_EQ(gespeichert(d), gespeichert(b));
    d = d; // self-assignment keeps everything
    EXPECT_EQ(gespeichert(d), gespeichert(b));
}

TEST(ModellBaustoff, TextPaddingIsZero) {
    TBaustoff b;
    b.Name = "ein sehr langer Name, der bleibt";
    b.Name = "ab";
    const std::vector<uint8_t> d = gespeichert(b);
    for (size_t i = 2 + 12 + 2; i < 2 + 47; ++i) EXPECT_EQ(d[i], 0) << i;
}

TEST(ModellBSZeiger, IndexOrderByNameThenKey) {
    TBaustoff a, b;
    a.Name = "beton";
    b.Name = "Beton";
    a.Schluessel = {0, 2, 0, 2, 1};
    b.Schluessel = {0, 2, 0, 1, 2};
    TBSZeiger za{&a}, zb{&b};
    EXPECT_TRUE(zb < za); // names equal without case: the key decides
    EXPECT_FALSE(za < zb);
    b.Name = "Ziegel";
    zb = TBSZeiger{&b}; // a renamed entry is made anew
    EXPECT_TRUE(za < zb);
}

TEST(ModellTextString, ReadSortsByNumber) {
    ByteWriter w;
    zeile(3, "c").Schreiben(w);
    zeile(1, "a").Schreiben(w);
    zeile(2, "b").Schreiben(w);
    TTextListe l;
    ByteReader r(w.Bytes());
    ASSERT_EQ(AddTextStringToList(r, 3, &l), 1);
    EXPECT_EQ(nummern(l), (std::vector<uint16_t>{1, 2, 3}));
    ByteWriter w2;
    ASSERT_EQ(WriteTextStringListToFile(w2, 3, &l), 1);
    ASSERT_EQ(w2.Size(), 3 * 131u);
    EXPECT_EQ(ByteImage(w2.Bytes().data(), 131).Text(2, 129), "a");
}

TEST(ModellTextString, EqualNumbersKeepTheirOrderThroughSaveAndLoad) {
    ByteWriter w;
    for (const char* t : {"r1", "r2", "r3"}) zeile(0xFFFF, t).Schreiben(w);
    TTextListe l;
    ByteReader r(w.Bytes());
    ASSERT_EQ(AddTextStringToList(r, 3, &l), 1);
    EXPECT_EQ(texte(l), (std::vector<std::string>{"r1", "r2", "r3"}));
    ByteWriter w2;
    WriteTextStringListToFile(w2, 3, &l);
    EXPECT_EQ(w2.Bytes(), w.Bytes());
    TTextListe kopie;
    InitTextListe(&kopie, &l);
    EXPECT_EQ(texte(kopie), (std::vector<std::string>{"r1", "r2", "r3"}));
}

TEST(ModellTextString, CountZeroAndCutData) {
    TTextListe l;
    ByteReader leer(std::span<const uint8_t>{});
    EXPECT_EQ(AddTextStringToList(leer, 0, &l), 1);
    ByteWriter w0;
    EXPECT_EQ(WriteTextStringListToFile(w0, 0, &l), 1);
    EXPECT_EQ(w0.Size(), 0u);

    ByteWriter w;
    for (uint16_t i = 0; i < 3; ++i) zeile(i, "x").Schreiben(w);
    std::vector<uint8_t> d = w.Take();
    d.resize(2 * 131 + 50); // ends inside the third line
    ByteReader r(d);
    EXPECT_EQ(AddTextStringToList(r, 3, &l), 0);
    EXPECT_EQ(l.GetItemsInContainer(), 2u);
}

TEST(ModellListe, NewEqualElementGoesFirst) {
    // The list rule of the model: before the first element not less than it.
    TISListImp<TSchicht> l;
    TSchicht a, b;
    a.Nummer = b.Nummer = 1;
    a.Name = "alt";
    b.Name = "neu";
    l.Add(a);
    l.Add(b);
    TSchicht c;
    c.Nummer = 0;
    l.Add(c);
    EXPECT_EQ(l[0].Nummer, 0);
    EXPECT_EQ(l[1].Name, "neu");
    EXPECT_EQ(l[2].Name, "alt");
}

TSchicht schicht(int16_t nummer, double d, double lambda) {
    TSchicht s;
    static_cast<TBaustoff&>(s) = beton();
    s.Nummer = nummer;
    s.Schichtdicke = d;
    s.Lambda = lambda;
    return s;
}

TEinfachBauteil dreiSchichten() {
    TEinfachBauteil e;
    e.Name = "Außenwand";
    e.Nummer = 0;
    for (int16_t i = 0; i < 3; ++i) e.Schichten.Add(schicht(i, 100 + i, 0.5 + i));
    return e;
}

TEST(ModellSchicht, ImageOffsetsAndSize) {
    TSchicht s = schicht(4, 240, 0.8);
    s.Temperatur = {11.5, 12};
    s.ThetaVerlauf = {1, 2, 3};
    s.mu = 70;
    s.muZweiterWert = 1;
    s.Tauwassermenge = {0.25, 0.5};
    s.TaupunktMarke = {1, -1};
    s.Speicherart = 0;
    s.ChSinMinusShCos = 0.125;
    const std::vector<uint8_t> d = gespeichert(s);
    ASSERT_EQ(d.size(), 602u);
    EXPECT_EQ(s.Speicherbedarf(), 662); // 602 × 1.1 = 662.2
    ByteImage img(d.data() + 2, 600);
    EXPECT_EQ(img.F64(79), 240);
    EXPECT_EQ(img.F64(350), 11.5);
    EXPECT_EQ(img.F64(382), 3);
    EXPECT_EQ(img.F64(422), 70);
    EXPECT_EQ(img.U16(430), 1);
    EXPECT_EQ(img.F64(496), 0.5);
    EXPECT_EQ(img.I16(530), -1);
    EXPECT_EQ(img.F64(532), -1); // Flaechenmasse default
    EXPECT_EQ(img.I16(540), 4);
    EXPECT_EQ(img.U16(542), 0);
    EXPECT_EQ(img.F64(592), 0.125);

    TSchicht t;
    ByteReader r(d);
    ASSERT_EQ(t.Oeffnen(r), 1);
    EXPECT_EQ(gespeichert(t), d);
    for (size_t n : {size_t(0), size_t(1), size_t(300), d.size() - 1}) {
        TSchicht u;
        ByteReader k(std::span(d.data(), n));
        EXPECT_EQ(u.Oeffnen(k), 0) << n;
    }
}

TEST(ModellEinfachBauteil, ImageOffsetsAndDefaults) {
    TEinfachBauteil e;
    const std::vector<uint8_t> d = gespeichert(e);
    ASSERT_EQ(d.size(), 2u + 1136);
    ByteImage img(d.data() + 2, 1136);
    EXPECT_EQ(img.Text(0, 30), "Bereich 1");
    EXPECT_EQ(img.I16(30), -1);
    EXPECT_EQ(img.U32(32), 0u);
    EXPECT_EQ(img.U32(94), 0u);
    EXPECT_EQ(img.I16(98 + 540), -1); // outer-surface record
    EXPECT_EQ(img.F64(698), 100);
    EXPECT_EQ(img.I16(742 + 28), -1); // TDiffusion::Neu
    EXPECT_EQ(img.I16(788), 2);       // TTaupunkt reset value
    EXPECT_EQ(img.I16(1022), -1);
    EXPECT_EQ(img.F64(1024), -1);
    EXPECT_EQ(img.U16(1040), 1);
    EXPECT_EQ(img.F64(1094), -1);
    EXPECT_EQ(img.F64(1118), -1);
    EXPECT_EQ(img.F64(1128), 0);
}

TEST(ModellEinfachBauteil, RoundTripsByteForByte) {
    TEinfachBauteil e = dreiSchichten();
    e.Schichten[1].Textliste.Add(zeile(0xFFFF, "Kommentar"));
    e.Beschreibung = "Süd";
    e.k_Wert = 0.347;
    e.Diffusion.Nachweisfehler[4] = 1;
    e.Diffusion.ErsterTaupunkt = {2, -1};
    e.Taupunkt.Fall = 3;
    e.Taupunkt.W_T_Stelle = {0.125, 0};
    e.Taupunkt.ZuerstTrocken = 2;
    e.Aussenoberflaeche.Dampfdruck = {208, 1000};
    e.Oberflaechentauwasser_belastet = 0.01;
    const std::vector<uint8_t> d = gespeichert(e);
    ASSERT_EQ(d.size(), 2u + 1136 + 3 * 602 + 131);
    ByteImage img(d.data() + 2, 1136);
    EXPECT_EQ(img.F64(710), 0.347);
    EXPECT_EQ(img.I16(742 + 36 + 8), 1);
    EXPECT_EQ(img.I16(788), 3);
    EXPECT_EQ(img.F64(788 + 190), 0.125);
    EXPECT_EQ(img.I16(788 + 214), 2);
    EXPECT_EQ(img.F64(98 + 406), 208);

    TEinfachBauteil f;
    f.Schichten.Add(schicht(7, 1, 1));
    ByteReader r(d);
    ASSERT_TRUE(f.Oeffnen(r));
    EXPECT_TRUE(r.AtEnd());
    EXPECT_EQ(f.AnzahlSchichten(), 3);
    EXPECT_EQ(gespeichert(f), d);
}

TEST(ModellEinfachBauteil, CutDataIsRefused) {
    const std::vector<uint8_t> d = gespeichert(dreiSchichten());
    for (size_t n = 0; n < d.size(); n += (n < 1200 ? 1 : 7)) {
        TEinfachBauteil f;
        ByteReader r(std::span(d.data(), n));
        EXPECT_FALSE(f.Oeffnen(r)) << n;
        EXPECT_EQ(f.AnzahlSchichten(), 0) << n;
    }
    std::vector<uint8_t> gross = d;
    gross[0] = gross[1] = 0xFF; // 65535 layers announced
    TEinfachBauteil f;
    ByteReader r(gross);
    EXPECT_FALSE(f.Oeffnen(r));
    EXPECT_EQ(f.AnzahlSchichten(), 0);
}

TEST(ModellEinfachBauteil, StorageEstimate) {
    EXPECT_EQ(dreiSchichten().Speicherbedarf(), 3748); // (3 × 662 + 1138) × 1.2 = 3748.8
}

TEST(ModellEinfachBauteil, CopiesAreDeep) {
    TEinfachBauteil e = dreiSchichten();
    e.Aussenoberflaeche.Textliste.Add(zeile(1, "aussen"));
    TEinfachBauteil f(e);
    f.Schichten[0].Schichtdicke = 1;
    EXPECT_EQ(e.Schichten[0].Schichtdicke, 100);
    EXPECT_EQ(f.Aussenoberflaeche.Textliste.GetItemsInContainer(), 1u);
    TEinfachBauteil g;
    g.Schichten.Add(schicht(0, 5, 5));
    g = e;
    EXPECT_EQ(gespeichert(g), gespeichert(e));
    EXPECT_EQ(g.Name, "Außenwand");
    g = g;
    EXPECT_EQ(gespeichert(g), gespeichert(e));
}

std::vector<std::pair<int16_t, double>> lage(const TEinfachBauteil& e) {
    std::vector<std::pair<int16_t, double>> v;
    for (const TSchicht& s : e.Schichten) v.emplace_back(s.Nummer, s.Schichtdicke);
    return v;
}

TEST(ModellEinfachBauteil, InsertAndDeleteRenumber) {
    TEinfachBauteil e;
    TBaustoff b;
    b.Schichtdicke = 9;
    e.SchichtHinzufuegen(-1, &b);
    EXPECT_EQ(lage(e), (std::vector<std::pair<int16_t, double>>{{0, 9}}));

    TEinfachBauteil f = dreiSchichten(); // thicknesses 100, 101, 102
    f.SchichtHinzufuegen(0, &b);
    EXPECT_EQ(lage(f),
              (std::vector<std::pair<int16_t, double>>{{0, 100}, {1, 9}, {2, 101}, {3, 102}}));
    f.SchichtHinzufuegen(4, &b); // beyond the end: nothing
    f.SchichtHinzufuegen(-2, &b);
    EXPECT_EQ(f.AnzahlSchichten(), 4);

    TEinfachBauteil g = dreiSchichten();
    g.SchichtLoeschen(0);
    EXPECT_EQ(lage(g), (std::vector<std::pair<int16_t, double>>{{0, 101}, {1, 102}}));
    TEinfachBauteil h = dreiSchichten();
    h.SchichtLoeschen(3);
    EXPECT_EQ(h.AnzahlSchichten(), 3);

    // Changing a layer's material keeps its results.
    TEinfachBauteil k = dreiSchichten();
    k.Schichten[1].Temperatur = {5, 6};
    k.SchichtAendern(1, &b);
    EXPECT_EQ(k.Schichten[1].Schichtdicke, 9);
    EXPECT_EQ(k.Schichten[1].Nummer, 1);
    EXPECT_EQ(k.Schichten[1].Temperatur[0], 5);
}

TEST(ModellEinfachBauteil, TemperatureProfileNeedsLayersAndNoGivenU) {
    TEinfachBauteil e;
    EXPECT_FALSE(e.TemperaturVerlaufAnzeigenMoeglich());
    e = dreiSchichten();
    EXPECT_TRUE(e.TemperaturVerlaufAnzeigenMoeglich());
    e.kWertVorgegeben = 1;
    EXPECT_FALSE(e.TemperaturVerlaufAnzeigenMoeglich());
}

TEST(ModellKlima, StandardDefinitionAndImage) {
    TKlima k;
    k.ThetaI = 99;
    k.KlimaMerker2 = 1;
    k.Titel = "x";
    k.Zusatztext = "y";
    k.StandardDefinition();
    ByteImage img(TKlima::kImageSize);
    k.WriteImage(img, 0);
    EXPECT_EQ(img.U16(2), 0);
    EXPECT_EQ(img.F64(4), 20);
    EXPECT_EQ(img.F64(20), -10);
    EXPECT_EQ(img.F64(36), 5);
    EXPECT_EQ(img.F64(60), 0.5);
    EXPECT_EQ(img.F64(92), 1440);
    EXPECT_EQ(img.F64(100), 2160);
    EXPECT_EQ(img.U16(108), 0);
    EXPECT_EQ(img.U16(110), 1);
    EXPECT_EQ(img.Text(112, 50), "Randbedingungen nach DIN 4108 Teil 3");
    EXPECT_EQ(img.Text(162, 50), "");
    TKlima l;
    l.ReadImage(img, 0);
    ByteImage img2(TKlima::kImageSize);
    l.WriteImage(img2, 0);
    EXPECT_EQ(img, img2);
}

TEST(ModellTemperatur, DefaultsAndImage) {
    TTemperatur t;
    ByteImage img(TTemperatur::kImageSize);
    t.WriteImage(img, 0);
    const double erwartet[] = {12, 25, 65, -10, 12, 20, 20};
    for (size_t i = 0; i < 7; ++i) EXPECT_EQ(img.F64(8 * i), erwartet[i]) << i;
}

} // namespace
