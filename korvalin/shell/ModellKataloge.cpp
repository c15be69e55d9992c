#include "korvalin/shell/KatalogZugang.h"
#include "platform/services/MessageBox.h"
#include "stammwerk/modell/TBaustoffDatei.h"
#include "stammwerk/modell/TBauteilDatei.h"
#include "stammwerk/modell/TFensterDatei.h"
#include "stammwerk/modell/TReferenzSammlung.h"

#include <string>

namespace {

std::string artWort(KatalogArt art) {
    switch (art) {
    case KatalogArt::Baustoffe:
        return "Baustoff";
    case KatalogArt::Bauteile:
        return "Bauteil";
    case KatalogArt::Fenster:
        return "Fenster";
    }
    return {};
}

std::string besitzerWort(int ausgabe) {
    switch (ausgabe) {
    case 0:
        return "DIN";
    case 1:
        return "QTX";
    default:
        return "Anwender";
    }
}

// The version an open code stands for, as the conversion report names it.
std::string versionsText(int code) {
    switch (code) {
    case 2:
        return "1.0";
    case 3:
        return "1.0/2.0";
    case 4:
        return "3.0";
    case 5:
        return "4.0";
    default:
        return "5.0";
    }
}

} // namespace

ModellKataloge::ModellKataloge(const std::filesystem::path& verzeichnis)
    : verzeichnis_(verzeichnis), baustoffe_(std::make_unique<TBaustoffDatei>(verzeichnis)),
      fenster_(std::make_unique<TFensterDatei>(verzeichnis)),
      bauteile_(std::make_unique<TBauteilDatei>(verzeichnis)) {}

ModellKataloge::~ModellKataloge() = default;

void ModellKataloge::IndexLeeren(KatalogArt art) {
    // A fresh catalogue has empty lists and reads its files anew.
    if (art == KatalogArt::Baustoffe) baustoffe_ = std::make_unique<TBaustoffDatei>(verzeichnis_);
}

int ModellKataloge::Oeffnen(KatalogArt art, int ausgabe) {
    switch (art) {
    case KatalogArt::Baustoffe:
        return baustoffe_->Oeffnen(ausgabe);
    case KatalogArt::Fenster:
        return fenster_->Oeffnen(ausgabe);
    case KatalogArt::Bauteile:
        return bauteile_->Oeffnen(ausgabe);
    }
    return 1;
}

void ModellKataloge::AlteKatalogePruefen(KatalogArt art, int ausgabe, int ergebnis) {
    const std::string wer = besitzerWort(ausgabe), was = artWort(art);
    if (ergebnis == 0) {
        // A window or component file read only up to a damaged record lacks
        // the entries after it and stays as it is.
        const std::string* fehler = art == KatalogArt::Fenster && fenster_->Beschaedigt(ausgabe)
                                        ? &fenster_->LetzterFehler()
                                    : art == KatalogArt::Bauteile && bauteile_->Beschaedigt(ausgabe)
                                        ? &bauteile_->LetzterFehler()
                                        : nullptr;
        if (fehler)
            MessageBox(*fehler + "\r\nDie Datei wird nicht überschrieben.", was + "-Datei öffnen",
                       MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (ergebnis >= 2 && ergebnis <= 6) {
        // FIXME: the catalogue converters come with the old-file conversion of catalogues.
        MessageBox("Die " + wer + " " + was + "-Datei liegt in der Version " +
                       versionsText(ergebnis) +
                       " vor und kann in dieser Ausgabe des Programms noch nicht konvertiert "
                       "werden.\r\nDie Datei bleibt unverändert.\r\n" +
                       wer + " " + was + "-Datei steht nicht zur Verfügung!",
                   was + "-Datei konvertieren", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    const std::string titel = was + "-Datei öffnen";
    MessageBox("Fehler bei " + wer + " " + titel +
                   "\r\n - Zu viele Dateien offen oder\r\n - Falsches Datei-Format!\r\n" + wer +
                   " " + was + "-Datei steht nicht zur Verfügung!",
               titel, MB_OK | MB_ICONEXCLAMATION);
}

TOrtSammlung* ModellKataloge::Orte() {
    if (!orte_) {
        orte_ = std::make_unique<TOrtSammlung>(verzeichnis_);
        orte_->Oeffnen();
    }
    return orte_.get();
}

TBrennstoffSammlung* ModellKataloge::Brennstoffe() {
    if (!brennstoffe_) {
        brennstoffe_ = std::make_unique<TBrennstoffSammlung>(verzeichnis_);
        brennstoffe_->Oeffnen();
    }
    return brennstoffe_.get();
}
