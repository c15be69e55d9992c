#include "korvalin/datenblatt/TBlock.h"

TBlock& TBlock::operator=(const TBlock& other) {
    if (this == &other) return *this;
    Nummer = other.Nummer;
    Abschnitt = other.Abschnitt;
    Zaehler = other.Zaehler;
    Links = other.Links;
    Oben = other.Oben;
    Rechts = other.Rechts;
    Unten = other.Unten;
    Breite = other.Breite;
    Hoehe = other.Hoehe;
    Einzug = other.Einzug;
    Abstand = other.Abstand;
    Benutzerblock = other.Benutzerblock;
    Art = other.Art;
    Seite = other.Seite;
    InnenLinks = other.InnenLinks;
    InnenOben = other.InnenOben;
    InnenRechts = other.InnenRechts;
    InnenUnten = other.InnenUnten;
    InnenBreite = other.InnenBreite;
    InnenHoehe = other.InnenHoehe;
    Reserviert = other.Reserviert;
    Bauteil = other.Bauteil;
    Fenster = other.Fenster;
    Variante = other.Variante;
    Satznummer = other.Satznummer;
    Variantennummer = other.Variantennummer;
    if (other.Text) Text = std::make_unique<std::string>(*other.Text);
    Anzeige[0] = other.Anzeige[0];
    Anzeige[1] = other.Anzeige[1];
    return *this;
}
