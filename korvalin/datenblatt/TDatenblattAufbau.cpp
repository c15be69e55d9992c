// The sheet builder: which drivers a sheet kind runs, in which order, with
// which new pages and page borders between them.
#include "korvalin/datenblatt/TDatenblattAufbau.h"

#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"

#include <algorithm>
#include <cstdio>

void TDatenblattAufbau::DateiFlagsSetzen() {
    BtDatei = FnDatei = BtDateiListe = FnDateiListe = false;
    switch (Quelle) {
    case QuelleFenster:
        FnDatei = Fenster && Fenster->Nummer == TRFenster::KeineNummer;
        break;
    case QuelleBauteilListe:
        BtDateiListe = true;
        break;
    case QuelleFensterListe:
        FnDateiListe = true;
        break;
    case QuelleBauteil:
        BtDatei = Bauteil && Bauteil->Nummer == TRBauteil::KeineNummer;
        break;
    case QuelleVergleich:
        BtDatei = BtDateiListe = Vergleich1 && Vergleich1->Nummer == TRBauteil::KeineNummer;
        break;
    default:
        break;
    }
    Projektblatt = !DateiFlag() && !DateiListe();
}

void TDatenblattAufbau::SeitenAusrichtung(bool quer) {
    SeitenBreite = quer ? 1260 : 891;
    SeitenHoehe = quer ? 891 : 1260;
    ZeilenProSeite = quer ? 57 : 90;
    const TBtSeitenGroessen& s = SeitenLayout();
    Koerper = TRect(s.Links, s.Oben, SeitenBreite - s.Rechts, SeitenHoehe - s.Unten);
}

// The settings are read once per run, not once per pass.
void TDatenblattAufbau::Auslegen(TDC& dc) {
    Ruecksetzen = true;
    EinstellungenNeuLaden();
    aufbauen(dc, 0);
    Ruecksetzen = false;
    aufbauen(dc, 0);
}

TBlock& TDatenblattAufbau::DatenblattAufbauen(TDC& dc, int pass) {
    EinstellungenNeuLaden();
    return aufbauen(dc, pass);
}

void TDatenblattAufbau::aufbauVorbereiten(TDC& dc, int pass) {
    Durchgang = pass;
    if (pass == 1) {
        BlockLaden(1);
        // The first page number is the switch of the record of the first block's section.
        ErsteSeite = 1;
        if (Projektblatt && FixDaten && Block.Abschnitt != 11)
            ErsteSeite = FixDaten->ErsteSeite(Block.Abschnitt);
        else if (!Projektblatt && DateiFixDaten && (Block.Abschnitt == 4 || Block.Abschnitt == 5))
            ErsteSeite = Block.Abschnitt == 4 ? DateiFixDaten->Bauteilspalten.Schalter
                                              : DateiFixDaten->Fensterspalten.Schalter;
    }
    KopfzeilenDatenSetzen();
    KopfzeilenTexteSetzen(!Projektblatt);
    SeitenAusrichtung(SeitenBreite > SeitenHoehe);
    BlockNummer = 0;
    NeueSeiteAnstehend = false;
    if (!Ruecksetzen) {
        dc.SetBkMode(TRANSPARENT);
        Zeilenschritt = 14;
        if (pass == 0) Seiten.assign(2, {1, 0});
    } else {
        BlockInitialisieren(0);
    }
    ++BlockNummer;
}

void TDatenblattAufbau::BlattStatusAnzeigen() {
    char text[64];
    std::snprintf(text, sizeof text, "%s%d", "Seite 1          1 / ", Seitenzahl);
    StatusSeiteSetzen(text);
}

void TDatenblattAufbau::randRegel(TDC& dc, int pass) {
    if (pass == 1 && AktuelleSeite + 1 == Block.Seite) SeitenRandZeichnen(dc, true);
}

void TDatenblattAufbau::NeueSeiteVorAbschnitt(int pass) {
    if (pass != 0 || Ruecksetzen) return;
    VorgaengerLaden(BlockNummer);
    BlockLaden(BlockNummer);
    NeueSeite();
}

void TDatenblattAufbau::abschnitt(int id, bool zaehlerZuruecksetzen) {
    AktuellerAbschnitt = id;
    if (zaehlerZuruecksetzen) Block.Zaehler = 0;
}

TBlock& TDatenblattAufbau::aufbauen(TDC& dc, int pass) {
    aufbauVorbereiten(dc, pass);
    BlattStatusAnzeigen();
    const TProjekt* p = Projekt();
    const bool titelseite = (Blattart == 0 || Blattart == 4) && !DateiListe();
    if (titelseite) {
        abschnitt(0);
        Titelseite(dc, pass);
    }
    if ((Blattart == 0 || Blattart == 1) && p) {
        // Kind 1 has no title page and no new page before its first section.
        bool erster = Blattart == 1;
        const auto vorAbschnitt = [&] {
            if (erster)
                randRegel(dc, pass);
            else
                NeueSeiteVorAbschnitt(pass);
            erster = false;
        };
        if (p->Baumassnahme == 2) {
            vorAbschnitt();
            abschnitt(9);
            Anlage3NachweisAusgeben(dc, pass);
        } else {
            if (EnergiebilanzGewaehlt && p->V > 0) {
                vorAbschnitt();
                abschnitt(1);
                WaermeschutzNachweisAusgeben(dc, pass);
            }
            if (p->NormaleInnentemperatur && p->KleinesWohngebaeude && KleineWohngebaeudeGewaehlt) {
                vorAbschnitt();
                abschnitt(8);
                KleineWohngebaeudeAusgeben(dc, pass);
            }
        }
    }
    if (Blattart == 0 && p) {
        if (p->V > 0) {
            NeueSeiteVorAbschnitt(pass);
            abschnitt(10);
            VolumenblattAusgeben(dc, pass);
        }
        if (p->A_Bauteile + p->A_Fenster > 0) {
            NeueSeiteVorAbschnitt(pass);
            abschnitt(11, false);
            FlaechenblattAusgeben(dc, pass);
        }
    }
    if ((Blattart == 0 || Blattart == 4) &&
        (!GewaehlteBauteile.empty() || !GewaehlteFenster.empty())) {
        NeueSeiteVorAbschnitt(pass);
        BauteilFensterblaetterAusgeben(dc, pass);
    }
    if (Blattart == 5 || Blattart == 9 || Blattart == 10) {
        if (pass == 1) SeitenRandZeichnen(dc, true);
        BauteilFensterblaetterAusgeben(dc, pass);
    }
    switch (Blattart) {
    case 6:
        randRegel(dc, pass);
        abschnitt(6);
        FassadenblattAusgeben(dc, pass);
        break;
    case 7:
        randRegel(dc, pass);
        abschnitt(7);
        BauteilUebersichtAusgeben(dc, pass);
        break;
    case 8: {
        bool vorher = false;
        if (p && p->V > 0) {
            randRegel(dc, pass);
            abschnitt(10);
            VolumenblattAusgeben(dc, pass);
            vorher = true;
        }
        if (p && p->A_Bauteile + p->A_Fenster > 0) {
            if (vorher) NeueSeiteVorAbschnitt(pass);
            abschnitt(11, false);
            FlaechenblattAusgeben(dc, pass);
        }
        break;
    }
    case 3:
        randRegel(dc, pass);
        abschnitt(3);
        MassenblattAusgeben(dc, pass);
        break;
    case 2:
        randRegel(dc, pass);
        abschnitt(2);
        EnergieblattAusgeben(dc, pass);
        break;
    case 11:
        randRegel(dc, pass);
        abschnitt(12);
        HeindlblattAusgeben(dc, pass);
        break;
    case 12:
    case 13:
        randRegel(dc, pass);
        abschnitt(13);
        TemperaturVergleichAusgeben(dc, pass);
        break;
    case 14:
        randRegel(dc, pass);
        abschnitt(14);
        GlaserVergleichAusgeben(dc, pass);
        break;
    default:
        break;
    }
    if (pass == 0 && !Ruecksetzen) {
        BlockAnzahl = BlockNummer;
        // Blocks of a longer earlier layout are no part of this one.
        if (Bloecke.size() > size_t(BlockAnzahl)) Bloecke.resize(size_t(BlockAnzahl));
        Seitenzahl = std::max(1, Block.Seite);
    }
    Block.Unten = Koerper.top + 40;
    return Block;
}
