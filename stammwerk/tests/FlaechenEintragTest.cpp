#include "stammwerk/modell/TDimVolumen.h"
#include "stammwerk/modell/TTypNummer.h"

#include "platform/base/ByteImage.h"
#include "platform/base/ByteStream.h"

#include <gtest/gtest.h>

namespace {

TEST(FlaechenEintrag, TypeReferencesRunComponentsBeforeWindows) {
    TTypNummerListe l;
    l.Add(TTypNummer{10, 1});
    l.Add(TTypNummer{0, 5});
    l.Add(TTypNummer{4, -1});
    std::vector<std::pair<int, int>> folge;
    for (const TTypNummer& t : l) folge.emplace_back(t.Typ, t.Nummer);
    EXPECT_EQ(folge, (std::vector<std::pair<int, int>>{{0, 5}, {4, -1}, {10, 1}}));
    EXPECT_EQ(TypNummerIndex(l, TTypNummer{10, 1}), 2);
    EXPECT_EQ(TypNummerIndexNachNummer(l, 5), 0);
    EXPECT_EQ(TypNummerIndex(l, TTypNummer{10, 5}), -1);
}

TEST(FlaechenEintrag, EqualNumbersNewestFirstAndAFileKeepsItsOrder) {
    TDimVolumenListe l;
    TDimVolumen a, b;
    a.Nummer = b.Nummer = 3;
    a.Name = "alt";
    b.Name = "neu";
    EXPECT_TRUE(a == b);
    l.Add(a);
    l.Add(b);
    EXPECT_EQ(l[0].Name, "neu");

    ByteWriter w;
    for (const TDimVolumen& d : l) d.Speichern(w);
    ByteReader r(w.Bytes());
    TDimVolumenListe wieder;
    ASSERT_TRUE(DimVolumenLesen(r, 2, wieder));
    EXPECT_EQ(wieder[0].Name, "neu");
    EXPECT_EQ(wieder[1].Name, "alt");
}

TEST(FlaechenEintrag, ImageAndLinesRoundTrip) {
    TDimVolumen d;
    d.Name = "Giebel";
    d.Wert3 = 0xA1B2C3D4;
    d.Nummer = 7;
    d.Wert = 12.5;
    d.Formelmodus = 1;
    d.Rechenoption = 2;
    TTextString t;
    t.Nummer = 0;
    t.Text = "5*2,5";
    d.Formelliste.Add(t);
    ByteWriter w;
    d.Speichern(w);
    ASSERT_EQ(w.Size(), 4u + 56 + 131);
    const ByteImage bild(w.Bytes().data(), w.Size());
    EXPECT_EQ(bild.U16(0), 0); // Textliste1 lines
    EXPECT_EQ(bild.U16(2), 1); // Formelliste lines
    EXPECT_EQ(bild.Text(4, 30), "Giebel");
    EXPECT_EQ(bild.U32(4 + 30), 0xA1B2C3D4u);
    EXPECT_EQ(bild.U16(4 + 34), 7);
    EXPECT_EQ(bild.F64(4 + 36), 12.5);
    EXPECT_EQ(bild.U16(4 + 44), 1);
    EXPECT_EQ(bild.U16(4 + 46), 2);

    ByteReader r(w.Bytes());
    TDimVolumen k;
    ASSERT_TRUE(k.Oeffnen(r));
    EXPECT_EQ(k.Wert, 12.5);
    ASSERT_EQ(k.Formelliste.GetItemsInContainer(), 1u);
    EXPECT_EQ(k.Formelliste[0].Text, "5*2,5");

    const TDimVolumen kopie = k;
    EXPECT_EQ(kopie.Formelliste[0].Text, "5*2,5");
    EXPECT_NE(&kopie.Formelliste[0], &k.Formelliste[0]);

    // Cut anywhere: refused, never a crash.
    for (size_t n = 0; n < w.Size(); ++n) {
        ByteReader kurz(std::span(w.Bytes().data(), n));
        TDimVolumen x;
        EXPECT_FALSE(x.Oeffnen(kurz)) << n;
    }
}

} // namespace
