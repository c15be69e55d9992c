// Page drivers of the sheets of components, windows, facades and the
// comparisons. Each is the list of its blocks in sheet order.
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "korvalin/datenblatt/TDatenblattAufbau.h"
#include "stammwerk/grafik/TBauteilGrafik.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TPFenster.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "stammwerk/modell/TRFenster.h"
#include "tauplot/diagramm/TBauteilGlaser.h"

void TDatenblattAufbau::FassadenblattAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    const Seitenaufteilung a = SeitenAufteilen(10, 2, 2, ListenZeilen(0));
    for (int s = 0; s < a.Anzahl(); ++s) {
        const size_t i = size_t(s);
        if (a.Erstes[i] == a.Ende[i] || a.Zeilen[i] <= 0) continue;
        ZeilenInhaltAusfuehren(dc, a.Erstes[i], a.Ende[i], a.ErsteZeile[i], a.EndZeile[i],
                               a.Zeilen[i] + 10 + 2, s, 2, pass,
                               &TDatenblattBasis::FassadenTabelle);
    }
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::BauteilUebersichtAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    UebersichtEingeschraenkt = UebersichtTypFilter >= 0;
    UebersichtKlasse = UebersichtTypFilter;
    const Seitenaufteilung a =
        SeitenAufteilen(3, 1, 2, ListenZeilen(UebersichtNachFassaden ? 0 : 1));
    const ZeilenInhalt inhalt = UebersichtNachFassaden
                                    ? &TDatenblattBasis::BauteilUebersichtFassaden
                                    : &TDatenblattBasis::BauteilUebersichtTypen;
    for (int s = 0; s < a.Anzahl(); ++s) {
        const size_t i = size_t(s);
        if (a.Erstes[i] == a.Ende[i] || a.Zeilen[i] <= 0) continue;
        ZeilenInhaltAusfuehren(dc, a.Erstes[i], a.Ende[i], a.ErsteZeile[i], a.EndZeile[i],
                               a.Zeilen[i] + 3 + 2, s, 2, pass, inhalt);
    }
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::BauteilFensterblaetterAusgeben(TDC& dc, int pass) {
    const auto bauteile = [&](const std::vector<TRBauteil*>& liste, bool neueSeite) {
        for (TRBauteil* b : liste) {
            if (neueSeite) NeueSeiteVorAbschnitt(pass);
            abschnitt(4); // each sheet numbers its text blocks from 1
            BauteilblattAusgeben(dc, b, pass);
        }
    };
    const auto fenster = [&](const std::vector<TRFenster*>& liste, bool neueSeite) {
        for (TRFenster* f : liste) {
            if (neueSeite) NeueSeiteVorAbschnitt(pass);
            abschnitt(5);
            FensterblattAusgeben(dc, f, pass);
        }
    };
    switch (Quelle) {
    case QuelleProjekt:
        bauteile(GewaehlteBauteile, true);
        if (Blattart != 4) fenster(GewaehlteFenster, true);
        break;
    case QuelleBauteilListe:
        bauteile(BauteilListe, false);
        break;
    case QuelleFensterListe:
        fenster(FensterListe, false);
        break;
    case QuelleBauteil:
        if (Bauteil) TitelSetzen(" Bauteil-Daten " + Bauteil->Name);
        bauteile({Bauteil}, false);
        break;
    case QuelleFenster:
        if (Fenster) TitelSetzen(" Fenster-Daten " + Fenster->Name);
        fenster({Fenster}, false);
        break;
    default:
        break;
    }
}

void TDatenblattAufbau::BauteilblattAusgeben(TDC& dc, TRBauteil* bauteil, int pass) {
    if (!bauteil) return;
    BlockBauteil = bauteil;
    BlockFenster = nullptr;
    const int bereiche = int(bauteil->Flaechenanteile.GetItemsInContainer());
    int i = 0;
    for (TEinfachBauteil& eb : bauteil->Flaechenanteile) {
        const int bereich = i++;
        // The reference table opens each area section: on a page of its own
        // in the proof sheets, from the third block on in the single sheets.
        int umbruch = 0;
        if (Blattart == 0 || Blattart == 4) umbruch = 1;
        if ((Blattart == 5 || Blattart == 9) && BlockNummer >= 3) umbruch = 1;
        if (pass == 0 && !Ruecksetzen && BlockNummer == 0) {
            if (Seiten.size() < 2) Seiten.resize(2);
            Seiten[1] = {1, BlockNummer};
        }
        BlockAusfuehren(dc, pass, umbruch, 1, [&] {
            Block.Bauteil = bauteil;
            Block.Variante = &eb;
            Block.Satznummer = int16_t(bauteil->Nummer);
            Block.Variantennummer = eb.Nummer;
            ReferenzBauteilTabelle(dc, bereich, bereiche, bauteil, nullptr, &eb, pass);
        });
        EingabefeldBlock(dc, pass, int16_t(bauteil->Nummer), eb.Nummer);
        const int n = eb.AnzahlSchichten();
        if (n > 0 && !eb.kWertVorgegeben) {
            TBauteilGrafik* grafik = eb.Grafik.get();
            if (SeitenLayout().Schichtgrafik == 1 && grafik) {
                // The drawing's height in page units; a turned drawing needs more.
                const int hoehe = Grafiklage(*bauteil) & 2 ? 360 : 320;
                FesterBlockAusfuehren(dc, pass, hoehe, 0, [&] {
                    const int material = 0;
                    BauteilGrafikZeichnen(dc, grafik, material,
                                          TRect(0, 0, SeitenBreite, SeitenHoehe), pass);
                });
                EingabefeldBlock(dc, pass, int16_t(bauteil->Nummer), eb.Nummer);
            }
            BlockAusfuehren(dc, pass, 0, 2, [&] {
                Block.Bauteil = bauteil;
                Block.Variante = &eb;
                SchichtTabelleZeichnen(dc, bauteil, &eb, n, pass);
            });
            if (!DateiFlag() && (Blattart == 4 || Blattart == 5) &&
                SeitenLayout().Glasergrafik == 1 && bauteil->Klima.KlimaMerker1 == 0 &&
                eb.Diffusion.Tauwassermenge > 0 && eb.Grafik)
                GlaserBlockAusgeben(dc, bauteil, eb, pass);
            if (!DateiFlag() && (Blattart == 4 || Blattart == 5) &&
                SeitenLayout().Glasergrafik == 1 && bauteil->Klima.KlimaMerker1 == 0)
                BauteilPaarInhaltAusfuehren(dc, bauteil, &eb, bereich, bereiche, 0, pass,
                                            &TDatenblattBasis::TauwasserGrenzwerte);
            // Every failed moisture proof says why, also one failed only at the
            // inner surface, with no condensate inside the layers.
            if (!DateiFlag() && SeitenLayout().Glasergrafik == 1 && eb.sd_Summe > 0 &&
                (eb.FeuchteErfuellt == 0 || eb.Diffusion.Nachweisfehler[1] != 0))
                BauteilInhaltAusfuehren(dc, bauteil, &eb, bereich, bereiche, 0, pass,
                                        &TDatenblattBasis::FeuchteHinweise);
        } else {
            EingabefeldBlock(dc, pass, int16_t(bauteil->Nummer), eb.Nummer);
            BauteilInhaltAusfuehren(dc, bauteil, &eb, bereich, bereiche, 0, pass,
                                    &TDatenblattBasis::KeinSchichtaufbauText);
            EingabefeldBlock(dc, pass, int16_t(bauteil->Nummer), eb.Nummer);
        }
        if (!DateiFlag()) {
            if (eb.FlaechenheizungStatus != 0)
                BlockAusfuehren(dc, pass, 0, 0, [&] { FlaechenheizungPruefung(dc, &eb, pass); });
            if (eb.RolladenkastenStatus != 0)
                BlockAusfuehren(dc, pass, 0, 0, [&] { RolladenkastenPruefung(dc, &eb, pass); });
            EingabefeldBlock(dc, pass, int16_t(bauteil->Nummer), eb.Nummer);
        }
    }
    BlockBauteil = nullptr;
}

void TDatenblattAufbau::FensterblattAusgeben(TDC& dc, TRFenster* fenster, int pass) {
    if (!fenster) return;
    BlockBauteil = nullptr;
    BlockFenster = fenster;
    TProjekt* p = Projekt();
    if (!DateiFlag())
        BlockAusfuehren(dc, pass, 0, 1, [&] { FensterHuelleTabelle(dc, fenster, nullptr, pass); });
    BlockAusfuehren(dc, pass, 0, 2, [&] { ReferenzFensterTabelle(dc, fenster, nullptr, pass); });
    // The assigned project windows; numbers that match nothing are skipped.
    std::vector<TPFenster*> fenster_;
    if (p && !DateiFlag())
        for (const TTypNummer& t : fenster->PFensterListe)
            if (TPFenster* f = p->PFenster.FirstThat(
                    [&](const TPFenster& x) { return x.Nummer == uint16_t(t.Nummer); }))
                fenster_.push_back(f);
    const auto box =
        [&](void (TDatenblattBasis::*pruefung)(TDC&, const TRFenster*, const TPFenster*, int),
            TPFenster* f) {
            BlockAusfuehren(dc, pass, 0, 0, [&] {
                Block.Fenster = fenster;
                Block.Satznummer = int16_t(fenster->Nummer);
                (this->*pruefung)(dc, fenster, f, pass);
            });
        };
    if (!fenster_.empty()) {
        const auto ersterOhne = [&](bool (*ausgenommen)(const TPFenster&)) -> TPFenster* {
            for (TPFenster* f : fenster_)
                if (!ausgenommen(*f)) return f;
            return nullptr;
        };
        if (TPFenster* f =
                ersterOhne([](const TPFenster& x) { return x.FugendurchlassErfuellt != 0; }))
            box(&TDatenblattBasis::FugendurchlassPruefung, f);
        if (TPFenster* f =
                ersterOhne([](const TPFenster& x) { return x.EinfachverglasungErfuellt != 0; }))
            box(&TDatenblattBasis::VerglasungPruefung, f);
    }
    for (TPFenster* f : fenster_) {
        BlockAusfuehren(dc, pass, 0, 2, [&] { ProjektFensterTabelle(dc, fenster, f, pass); });
        if (f->Heizkoerper != 0) {
            box(&TDatenblattBasis::HeizkoerperFensterPruefung, f);
            box(f->HeizkoerperStatus <= 1 ? &TDatenblattBasis::HeizkoerperAbdeckungErfuellt
                                          : &TDatenblattBasis::HeizkoerperAbdeckungNichtErfuellt,
                f);
        }
    }
    EingabefeldBlock(dc, pass, int16_t(fenster->Nummer), -1);
    BlockFenster = nullptr;
}

void TDatenblattAufbau::TemperaturVergleichAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::VergleichTitel);
    if (!DateiFlag()) InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    // Kind 13: the two compared components; kind 12: the ranges of one
    // component in pairs, an odd last range alone.
    const auto paar = [&](TRBauteil* a, TEinfachBauteil* ea, TRBauteil* b, TEinfachBauteil* eb) {
        // The pair's block shows its first component ("Bauteil bearbeiten").
        BlockBauteil = a;
        BlockAusfuehren(dc, pass, 0, 0, [&] { TemperaturVergleich(dc, a, ea, b, eb); });
        BlockBauteil = nullptr;
    };
    const auto bereich = [](TRBauteil* t, int i) -> TEinfachBauteil* {
        return t && i >= 0 && size_t(i) < t->Flaechenanteile.GetItemsInContainer()
                   ? &t->Flaechenanteile[size_t(i)]
                   : nullptr;
    };
    if (Blattart == 12) {
        TRBauteil* t = Vergleich1 ? Vergleich1 : Bauteil;
        const int n = t ? int(t->Flaechenanteile.GetItemsInContainer()) : 0;
        for (int k = 0; k < n; k += 2)
            paar(t, bereich(t, k), k + 1 < n ? t : nullptr, bereich(t, k + 1));
    } else if (Vergleich1) {
        paar(Vergleich1, bereich(Vergleich1, Vergleichswert1), Vergleich2,
             bereich(Vergleich2, Vergleichswert2));
    }
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::GlaserVergleichAusgeben(TDC& dc, int pass) {
    InhaltAusfuehren(dc, 0, pass, &TDatenblattBasis::GlaserVergleichTitel);
    InhaltAusfuehren(dc, 1, pass, &TDatenblattBasis::ProjektKopfTabelle);
    EingabefeldBlock(dc, pass, -1, -1);
    const auto bereich = [](TRBauteil* t, int i) -> TEinfachBauteil* {
        return t && i >= 0 && size_t(i) < t->Flaechenanteile.GetItemsInContainer()
                   ? &t->Flaechenanteile[size_t(i)]
                   : nullptr;
    };
    if (Vergleich1) {
        BlockBauteil = Vergleich1;
        BlockAusfuehren(dc, pass, 0, 0, [&] {
            GlaserVergleich(dc, Vergleich1, bereich(Vergleich1, Vergleichswert1), Vergleich2,
                            bereich(Vergleich2, Vergleichswert2));
        });
        BlockBauteil = nullptr;
    }
    EingabefeldBlock(dc, pass, -1, -1);
}

void TDatenblattAufbau::GlaserBlockAusgeben(TDC& dc, TRBauteil* bauteil, TEinfachBauteil& eb,
                                            int pass) {
    const bool formeln = SeitenLayout().Glaserformeln == 1;
    // Room for the typeset formulas of the condensation cases that have them.
    const int fall = eb.Taupunkt.Fall;
    int hoehe = 650;
    if (formeln && fall == 4)
        hoehe += 300;
    else if (formeln && (fall == 3 || fall == 5))
        hoehe += 200;
    FesterBlockAufNeuerSeite(dc, pass, hoehe, 0, [&] {
        TRect r(Block.Links, Block.Oben, Block.Rechts, Block.Unten);
        const std::string name = BtDatei         ? "Bauteildatei"
                                 : Gesamtprojekt ? Gesamtprojekt->GetFileName(true)
                                                 : "";
        GlaserMaler().PaintGlaser(dc, r, bauteil, eb.Nummer, name.c_str(), &Grafik(), &Texte(),
                                  &Unterlegung(), 0, formeln ? 1 : 0);
    });
}
