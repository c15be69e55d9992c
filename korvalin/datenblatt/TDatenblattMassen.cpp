// The quantities sheet's material table: one slice of the project's material
// sums.
#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/ZahlenDarstellungGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TProjekt.h"

void TDatenblattBasis::MassenTabelle(TDC& dc, int anzahl, int erster, int pass) {
    Durchgang = pass;
    constexpr int spalten = 4;
    SpaltenLayout();
    SpaltenBreitenSetzen(1, spalten);
    const int zeilen = anzahl + 2;
    Block.InnenOben = Block.Oben;
    // The grid is drawn on the paint pass only: the layout pass draws nothing.
    TabelleZeichnen(dc, zeilen, spalten, pass);
    if (pass == 1 && AufAktuellerSeite()) MassenZeilenZeichnen(dc, erster, zeilen, spalten);
}

void TDatenblattBasis::MassenZeilenZeichnen(TDC& dc, int erster, int zeilen, int spalten) {
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::TabellenKopf));
    const int kopf[4] = {0, 2, 2, 2};
    Spaltentext[0] = std::string(" ") + " Baustoffbezeichnung ";
    Spaltentext[1] = " Fläche ";
    Spaltentext[2] = " Volumen ";
    Spaltentext[3] = " Masse ";
    TabellenZeile(dc, 0, spalten, 1, kopf, 1);
    Spaltentext[0] = " ";
    Spaltentext[1] = " [ m² ] ";
    Spaltentext[2] = " [ m³ ] ";
    Spaltentext[3] = " [ kg ] ";
    TabellenZeile(dc, 1, spalten, 1, kopf, 1);
    dc.MoveTo(Spaltenkante[0], Zeilenkante(0));
    dc.LineTo(Spaltenkante[size_t(spalten)], Zeilenkante(0));
    dc.MoveTo(Spaltenkante[0], Zeilenkante(0));
    dc.LineTo(Spaltenkante[0], Zeilenkante(2));

    dc.SelectObject(Texte().Font(Textstil::Tabelle));
    const int werte[4] = {0, 1, 1, 1};
    // The exponent form too is written with the user's decimal character.
    const auto zahl = [&](double wert) {
        std::string text = zahlText(" ", wert, "  ");
        if (wert >= double(Zahlen().ExponentLimit))
            for (char& c : text)
                if (c == '.') c = SPRINTFDecimalCharacter();
        return text;
    };
    const TProjekt* p = Projekt();
    int index = 0, zeile = 2;
    if (p)
        for (const TBaustoffSumme& s : p->Massenliste) {
            if (zeile >= zeilen) break;
            if (index++ < erster) continue;
            const TBaustoffSumme summe = s;
            Spaltentext[0] = " " + summe.Name;
            Spaltentext[1] = zahl(summe.Flaeche);
            Spaltentext[2] = zahl(summe.Volumen);
            Spaltentext[3] = zahl(summe.Masse);
            TabellenZeile(dc, zeile++, spalten, 1, werte, 0);
        }
    dc.SelectObject(alt);
}
