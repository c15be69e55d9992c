#include "altwandler/TConvert_InV6.h"

#include "altwandler/Bildabbildung.h"
#include "altwandler/Lesehilfen.h"
#include "altwandler/Version5.h"
#include "altwandler/Versionscodes.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <memory>

namespace {
constexpr const char* kModul = "conv6";
} // namespace

TConvert_InV6::TConvert_InV6(std::filesystem::path programmverzeichnis, std::filesystem::path datei)
    : verzeichnis_(std::move(programmverzeichnis)), datei_(std::move(datei)) {}

int TConvert_InV6::ConvertGesamtProjekt(TGesamtProjekt* ziel, const std::filesystem::path& datei) {
    TGesamtProjektVersion5 alt;
    const int code = alt.Oeffnen(datei);
    if (code != VersionGelesen) return code;
    return ConvertGesamtProjekt(ziel, &alt);
}

int TConvert_InV6::ConvertGesamtProjekt(TGesamtProjekt* ziel, TGesamtProjektVersion5* alt) {
    for (const auto& v : alt->Projekte) {
        auto neu = std::make_unique<TProjekt>();
        ConvertProjekt(neu.get(), v.get());
        ziel->ProjektHinzufuegen(std::move(neu));
    }
    return VersionGelesen;
}

void TConvert_InV6::ConvertProjekt(TProjekt* neu, TProjektVersion5* alt) {
    // Fields new in the current layout (i16 at 60, the double at 728, the
    // byte at 962, the double at 963) keep the constructor's values.
    ByteImage bild(TProjekt::kImageSize);
    neu->WriteImage(bild, 0);
    BytesAbbilden(alt->Bild, 0, bild, 0,
                  {
                      {0, 0, 60},      // name, numbers, settings, joint coefficient
                      {60, 62, 588},   // switches, climate, temperatures, texts
                      {688, 690, 38},  // ventilation switches, first proof results
                      {726, 736, 226}, // proof results, areas, area switches
                      {952, 971, 427}, // location, heating, hot water, consumption, note
                  });
    neu->ReadImage(bild, 0);

    for (const auto& t : alt->RBauteile) {
        auto r = std::make_unique<TRBauteil>();
        ConvertRBauteil(r.get(), t.get(), neu);
        neu->RBauteile.AddAfterEquals(std::move(r));
    }
    for (const auto& p : alt->PBauteile) {
        auto b = std::make_unique<TPBauteil>();
        ConvertPBauteil(b.get(), p.get(), neu);
        neu->PBauteile.AddAfterEquals(std::move(b));
    }
    for (TRBauteil& t : neu->RBauteile) {
        for (const TTypNummer& ref : t.PBauteilListe) {
            if (ref.Typ == TTypNummer::Fenster) {
                Pruefen(false, kModul, __LINE__);
                continue;
            }
            if (TPBauteil* p = neu->PBauteilNr(ref.Nummer)) p->RBauteil = &t;
        }
    }

    for (const TRFenster& f : alt->RFenster)
        neu->RFenster.AddAfterEquals(std::make_unique<TRFenster>(f));
    for (const TPFenster& f : alt->PFenster) {
        auto p = std::make_unique<TPFenster>(f);
        p->RFenster = nullptr; // never a link into the old generation
        neu->PFenster.AddAfterEquals(std::move(p));
    }
    for (TRFenster& t : neu->RFenster) {
        for (const TTypNummer& ref : t.PFensterListe) {
            if (ref.Typ != TTypNummer::Fenster) {
                Pruefen(false, kModul, __LINE__);
                continue;
            }
            if (TPFenster* p = neu->PFensterNr(ref.Nummer)) p->RFenster = &t;
        }
    }
    // A placed window that no type lists is linked by its type number, as
    // the reader of the current format links it.
    for (TPFenster& p : neu->PFenster)
        if (!p.RFenster) p.RFenster = neu->RFensterNr(p.RFensterNummer);

    TypNummernKopieren(neu->Typnummern, alt->Typnummern);
    InitTextListe(&neu->Textliste1, &alt->Textliste1);
    InitTextListe(&neu->Textliste2, &alt->Textliste2);

    for (const TFassade& f : alt->Fassaden) {
        TFassade& kopie = neu->Fassaden.AddAfterEquals(std::make_unique<TFassade>(f));
        kopie.GroessenBerechnen(&neu->PBauteile, &neu->PFenster, neu->Baumassnahme,
                                neu->NormaleInnentemperatur, neu->WestAnsatz, neu->Zusatzpruefung,
                                neu->Fugenkoeffizient_max);
        kopie.SommerlicherWaermeschutz(neu->Baumassnahme, neu->NormaleInnentemperatur,
                                       neu->Zusatzpruefung);
        kopie.ZweiGebaeudetrennwaende(neu->ZweiGebaeudetrennwaende);
    }
    DimVolumenKopieren(neu->Volumina, alt->Volumina);

    // The proof values of the old file are not taken on trust: the variant
    // is computed anew with the current rules.
    neu->UmfassungsflaecheBerechnen();
    neu->WSchVO();
    neu->FeuchteBerechnen();
}

void TConvert_InV6::ConvertRBauteil(TRBauteil* neu, TRBauteilVersion5* alt, TProjekt* projekt) {
    ByteImage bild(TRBauteil::kImageSize);
    neu->WriteImage(bild, 0);
    BytesAbbilden(alt->Bild, 0, bild, 0,
                  {
                      {0, 0, 44},     // key, name, type number
                      {48, 48, 306},  // marks, kind, surface resistances, climate, temperatures
                      {362, 362, 68}, // results and limits, switches at 426 and 428
                      {430, 431, 18}, // marks, wall variant, values: one byte further on
                  });
    neu->ReadImage(bild, 0);
    neu->Merker2 = 0;           // the byte at 430 is new
    neu->k_max_DIN_Tab2 = -1.0; // new; the old values at 448 and 452 are dropped

    const int normal = projekt ? projekt->NormaleInnentemperatur : 1;
    for (const TEinfachBauteil& e : alt->Flaechenanteile) {
        auto kopie = std::make_unique<TEinfachBauteil>(e);
        kopie->Berechnungen(neu->Klima, neu->Temperatur, neu->Rsi, neu->Rse, neu->Bauteilart,
                            neu->Angrenzung, neu->Umkehrdach != 0, normal, neu->Feuchteoption,
                            neu->DINTab2Anwendbar, 1);
        neu->Flaechenanteile.AddAfterEquals(std::move(kopie));
    }
    neu->Mittlerer_k_wertBerechnen();
    neu->FeuchteBerechnen(0);
    if (projekt)
        neu->WSchVO(projekt->Baumassnahme, projekt->NormaleInnentemperatur,
                    projekt->KleinesWohngebaeude);
    else
        neu->WSchVO(0, 1, 0);
    InitTextListe(&neu->Textliste, &alt->Textliste);
    TypNummernKopieren(neu->PBauteilListe, alt->Platzierungen);
}

void TConvert_InV6::ConvertPBauteil(TPBauteil* neu, TPBauteilVersion5* alt, TProjekt* projekt) {
    neu->ReadImage(alt->Bild, 0); // the same layout
    neu->RBauteil = projekt ? projekt->RBauteilNr(neu->RBauteilNummer) : nullptr;
    DimVolumenKopieren(neu->Flaechenliste, alt->Volumina);
    TypNummernKopieren(neu->Einbauten, alt->Eintraege);
}
