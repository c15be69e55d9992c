// Version "3.00" project files: the step to version 4 and on to the current
// model field by field, the numbering of placed items, facade entries, the
// glazing table and the climate, and the saved file read back.
#include "altwandler/Version3.h"
#include "AltDateien.h"
#include "AltFelderFrueh.h"
#include "AltPruefen.h"
#include "altwandler/ProjektKonvertierung.h"
#include "altwandler/TConvert_InV4.h"
#include "altwandler/TConvert_InV5.h"
#include "altwandler/TConvert_InV6.h"
#include "altwandler/Version4.h"
#include "altwandler/Version5.h"
#include "platform/base/ByteStream.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TDateiKopf.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "testsupport/ScriptedServices.h"
#include "testsupport/TempDir.h"

#include <gtest/gtest.h>

using namespace altdatei;

namespace {

constexpr int16_t kWand = kTypArt1; // the component of kind 0

TProjekt& umwandeln(TGesamtProjekt& neu, const std::vector<uint8_t>& bytes) {
    TGesamtProjektVersion3 alt;
    EXPECT_EQ(alt.Lesen(bytes), 0);
    TGesamtProjektVersion4 v4;
    EXPECT_EQ(TConvert_InV4("/prog/").ConvertGesamtProjekt(&v4, &alt), 0);
    EXPECT_EQ(v4.Bild.Text(0, 80), kDateiname);
    TGesamtProjektVersion5 v5;
    TConvert_InV5("/prog/").ConvertGesamtProjekt(&v5, &v4);
    TConvert_InV6("/prog/", "/x/alt.pro").ConvertGesamtProjekt(&neu, &v5);
    EXPECT_EQ(neu.Projekte.GetItemsInContainer(), 2u);
    return ErsteVariante(neu);
}

void umgewandeltPruefen(TProjekt& p) {
    FelderPruefen(p, Variante3(), kSaatVariante);
    // Version 4 added a climate value; a converted record always holds 5 °C.
    EXPECT_EQ(p.Klima.KlimaWert1, 5.0);

    // Components split into types and placed components, numbered from the
    // project's next number (7) on.
    ASSERT_EQ(p.RBauteile.GetItemsInContainer(), 2u);
    const TRBauteil* typ = p.RBauteilNr(kTyp);
    const TRBauteil* wand = p.RBauteilNr(kWand);
    ASSERT_TRUE(typ && wand);
    FelderPruefen(*typ, Typ3(), kSaatTyp);
    EXPECT_EQ(wand->Bauteilart, 0);
    EXPECT_EQ(p.NaechsteBauteilNummer, 9);
    ASSERT_EQ(p.PBauteile.GetItemsInContainer(), 2u);
    const TPBauteil* a = p.PBauteilNr(7);
    const TPBauteil* b = p.PBauteilNr(8);
    ASSERT_TRUE(a && b);
    EXPECT_EQ(a->RBauteil, typ);
    EXPECT_EQ(b->RBauteil, wand);
    EXPECT_EQ(a->Name, typ->Name);
    EXPECT_EQ(a->Wert4, 200777u + kTyp);
    EXPECT_EQ(a->Bruttoflaeche, 43.0);
    EXPECT_EQ(a->Nettoflaeche, 43.0);
    EXPECT_EQ(a->Flaechenliste[0].Name, "Wandfläche");
    EXPECT_EQ(typ->PBauteilListe[0], (TTypNummer{4, 7}));

    ASSERT_EQ(typ->Flaechenanteile.GetItemsInContainer(), 1u);
    const TEinfachBauteil& e = typ->Flaechenanteile[0];
    EXPECT_EQ(e.Name, "Feld 3000");
    ASSERT_EQ(e.Schichten.GetItemsInContainer(), 2u);
    EXPECT_EQ(e.Schichten[0].Name, "Feld 5005");
    EXPECT_EQ(e.Schichten[1].Nummer, 1);
    EXPECT_EQ(e.Schichten[0].Textliste.GetItemsInContainer(), 1u);

    // Window types 0 and 2, placed windows 1 and 3, each tied to its type.
    ASSERT_EQ(p.RFenster.GetItemsInContainer(), 2u);
    ASSERT_EQ(p.PFenster.GetItemsInContainer(), 2u);
    const TRFenster* t0 = p.RFensterNr(0);
    const TRFenster* t2 = p.RFensterNr(2);
    ASSERT_TRUE(t0 && t2);
    for (const TRFenster* t : {t0, t2}) FelderPruefen(*t, Fenster3Typ(), kSaatFenster);
    // Glazing table: index 0 is single glazing, 5.8 W/(m²K); index 24 is
    // outside the table and keeps the entered value.
    EXPECT_EQ(t0->Wert7, 5.8);
    EXPECT_EQ(t2->Wert7, 3.75);
    for (int n : {1, 3}) {
        SCOPED_TRACE(n);
        const TPFenster* f = p.PFensterNr(n);
        ASSERT_NE(f, nullptr);
        FelderPruefen(*f, Fenster3Platziert(), kSaatPFenster);
        EXPECT_EQ(f->RFensterNummer, n - 1);
        EXPECT_EQ(f->RFenster, p.RFensterNr(n - 1));
        EXPECT_EQ(f->Name, t0->Name);
        EXPECT_EQ(f->Flaechenliste[0].Name, "Fensterfläche");
    }
    EXPECT_EQ(t0->PFensterListe[0], (TTypNummer{10, 1}));

    // Entries of the facades are made anew from the placed items' facades.
    ASSERT_EQ(p.Fassaden.GetItemsInContainer(), 2u);
    FelderPruefen(p.Fassaden[0], Fassade3(), kSaatFassade);
    FelderPruefen(p.Fassaden[1], Fassade3(), kSaatFassade + 100);
    const TTypNummerListe& pool = p.Fassaden[0].Elemente;
    const TTypNummerListe& sued = p.Fassaden[1].Elemente;
    ASSERT_EQ(pool.GetItemsInContainer(), 1u);
    EXPECT_EQ(pool[0], (TTypNummer{4, 7}));
    ASSERT_EQ(sued.GetItemsInContainer(), 3u);
    EXPECT_EQ(sued[0], (TTypNummer{0, 8}));
    EXPECT_EQ(sued[1], (TTypNummer{10, 1}));
    EXPECT_EQ(sued[2], (TTypNummer{10, 3}));
    EXPECT_EQ(p.Fassaden[1].Textliste.GetItemsInContainer(), 1u);

    EXPECT_EQ(p.Textliste1.GetItemsInContainer(), 2u);
    EXPECT_EQ(p.Textliste2.GetItemsInContainer(), 1u);
    ASSERT_EQ(p.Volumina.GetItemsInContainer(), 1u);
    EXPECT_EQ(p.Volumina[0].Wert, 450.0);
}

} // namespace

TEST(Version3, EveryFieldLandsInTheCurrentModelWithNumberedPlacedItems) {
    testsupport::ScriptedServices services; // no report expected
    TGesamtProjekt neu("/tmp");
    TProjekt& p = umwandeln(neu, Version3Datei());
    umgewandeltPruefen(p);
    NeuBerechnetPruefen(p);
    const TProjekt& leer = neu.Projekte[0];
    EXPECT_EQ(leer.Name, "Variante 2");
    EXPECT_TRUE(leer.RBauteile.IsEmpty());
}

TEST(Version3, PartialAreasLayersAndMaterialsKeepTheirValuesUpToTheCurrentRecords) {
    // The chain computes every cross-section anew: the carried values are
    // seen in the records of the step to version 5.
    testsupport::ScriptedServices services;
    TGesamtProjektVersion3 alt;
    ASSERT_EQ(alt.Lesen(Version3Datei()), 0);
    TRBauteilVersion4 typ;
    TConvert_InV4("/prog/").ConvertBauteil(&typ, alt.Projekte[1]->BauteilNr(kTyp), nullptr,
                                           nullptr);
    ASSERT_EQ(typ.Flaechenanteile.size(), 1u);
    TEinfachBauteil e;
    TConvert_InV5("/prog/").ConvertEinfachBauteil(&e, typ.Flaechenanteile[0].get());
    FelderPruefen(e, Einfach3(), kSaatEinfach);
    FelderPruefen(e.Aussenoberflaeche, Schicht3(), kSaatEigeneSchicht);
    ASSERT_EQ(e.Schichten.GetItemsInContainer(), 2u);
    FelderPruefen(e.Schichten[0], Schicht3(), kSaatSchicht);
    EXPECT_EQ(e.Schichten[0].Textliste.GetItemsInContainer(), 1u);
    EXPECT_TRUE(e.Schichten[1].Textliste.IsEmpty());
    // A catalogue record has no placement.
    EXPECT_TRUE(typ.Platzierungen.IsEmpty());
}

TEST(Version3, ConvertedProjectIsSavedAndReadsBackByMeaning) {
    testsupport::ScriptedServices services;
    testsupport::TempDir dir;
    const auto datei = dir / "drei.pro";
    const auto original = Version3Datei();
    Schreiben(datei, original);
    services.Messages().Answer(IDYES);
    services.Messages().Answer(IDOK);
    ASSERT_EQ(ProjektKonvertieren(datei, dir.Path()), Konvertierung::Konvertiert);
    EXPECT_NE(services.Messages().Calls()[0].text.find("in der Version 3.0 vor."),
              std::string::npos);
    EXPECT_EQ(Lesen(dir / "drei.BAK"), original);
    // The seeded values lie outside every dialog's range: opening replaces
    // them, so the file's own variants are read without that check.
    TGesamtProjekt g(dir.Path());
    ASSERT_EQ(g.Oeffnen(datei), 0);
    EXPECT_FALSE(g.ErsetzteWerte().empty());
    const auto bytes = ReadWholeFile(datei).bytes;
    ByteReader in(bytes);
    in.Skip(TDateiKopf::kImageSize);
    const int16_t anzahl = in.ReadI16();
    in.Skip(TGesamtProjekt::kImageSize);
    TGesamtProjekt gelesen(dir.Path());
    for (int i = 0; i < anzahl; ++i) {
        auto v = std::make_unique<TProjekt>();
        ASSERT_EQ(v->Oeffnen(in), 0);
        gelesen.ProjektHinzufuegen(std::move(v));
    }
    EXPECT_TRUE(in.AtEnd());
    umgewandeltPruefen(ErsteVariante(gelesen));
}

TEST(Version3, AFileWithoutProjectsConvertsToNoVariant) {
    testsupport::ScriptedServices services;
    auto bytes = Version3Datei();
    bytes.resize(512 + 2 + 88);
    bytes[512] = 0;
    bytes[513] = 0;
    TGesamtProjektVersion3 alt;
    ASSERT_EQ(alt.Lesen(bytes), 0);
    EXPECT_TRUE(alt.Projekte.empty());
    EXPECT_EQ(alt.AktuellesProjekt, nullptr);
    TGesamtProjektVersion4 v4;
    TConvert_InV4("/prog/").ConvertGesamtProjekt(&v4, &alt);
    EXPECT_TRUE(v4.Projekte.empty());
}

TEST(Version3, ItemsOfNoFacadeAreEnteredInNone) {
    testsupport::ScriptedServices services;
    TGesamtProjektVersion3 alt;
    ASSERT_EQ(alt.Lesen(Version3Datei()), 0);
    // The wall and the second window leave the facade that named them.
    auto& eintraege = alt.Projekte[1]->Fassaden[1]->Eintraege;
    ASSERT_EQ(alt.Projekte[1]->Fassaden[1]->Nummer(), 1);
    eintraege = {{10, 0}};
    alt.Projekte[1]->BauteilNr(kWand)->Bild.SetI16(44, -1);
    alt.Projekte[1]->FensterNr(1)->Bild.SetF64(433, -1.0);
    TGesamtProjektVersion4 v4;
    TConvert_InV4("/prog/").ConvertGesamtProjekt(&v4, &alt);
    const TProjektVersion4& p = *v4.Projekte[1];
    ASSERT_EQ(p.Fassaden.GetItemsInContainer(), 2u);
    EXPECT_EQ(p.Fassaden[0].Elemente.GetItemsInContainer(), 1u);
    ASSERT_EQ(p.Fassaden[1].Elemente.GetItemsInContainer(), 1u);
    EXPECT_EQ(p.Fassaden[1].Elemente[0], (TTypNummer{10, 1}));
}
