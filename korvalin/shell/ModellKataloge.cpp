#include "altwandler/TConvert_InV6.h"
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
        katalogKonvertieren(art, ausgabe, ergebnis);
        return;
    }
    const std::string titel = was + "-Datei öffnen";
    MessageBox("Fehler bei " + wer + " " + titel +
                   "\r\n - Zu viele Dateien offen oder\r\n - Falsches Datei-Format!\r\n" + wer +
                   " " + was + "-Datei steht nicht zur Verfügung!",
               titel, MB_OK | MB_ICONEXCLAMATION);
}

void ModellKataloge::katalogKonvertieren(KatalogArt art, int ausgabe, int code) {
    const std::string wer = besitzerWort(ausgabe), was = artWort(art), v = versionsText(code);
    TConvert_InV6 wandler(verzeichnis_, "");
    const auto besitzer = short(ausgabe);
    std::string endung;
    int r = KatalogNichtLesbar;
    std::filesystem::path pfad;
    switch (art) {
    case KatalogArt::Baustoffe:
        pfad = baustoffe_->Pfad(ausgabe);
        if (code == 3) r = wandler.ConvertBaustoffDateiV1_2_V6(baustoffe_.get(), besitzer, endung);
        if (code == 4) r = wandler.ConvertBaustoffDateiV3_V6(baustoffe_.get(), besitzer, endung);
        if (code == 5) r = wandler.ConvertBaustoffDateiV4_V6(baustoffe_.get(), besitzer, endung);
        break;
    case KatalogArt::Fenster:
        pfad = fenster_->Pfad(ausgabe);
        if (code == 3) r = wandler.ConvertFensterDateiV1_2_V6(fenster_.get(), besitzer, endung);
        if (code == 4) r = wandler.ConvertFensterDateiV3_V6(fenster_.get(), besitzer, endung);
        break;
    case KatalogArt::Bauteile: {
        pfad = bauteile_->Pfad(ausgabe);
        using Wandler = int (TConvert_InV6::*)(TBauteilDatei*, short, std::string&);
        static const Wandler schritte[] = {
            &TConvert_InV6::ConvertBauteilDateiV1_V6, &TConvert_InV6::ConvertBauteilDateiV2_V6,
            &TConvert_InV6::ConvertBauteilDateiV3_V6, &TConvert_InV6::ConvertBauteilDateiV4_V6,
            &TConvert_InV6::ConvertBauteilDateiV5_V6};
        r = (wandler.*schritte[code - 2])(bauteile_.get(), besitzer, endung);
        break;
    }
    }
    std::string text;
    if (r == KatalogKonvertiert) {
        const std::string kopie = pfad.stem().string() + "." + endung;
        text = "Die " + wer + " " + was + "-Datei Version " + v +
               " wurde in die Version 6.0 konvertiert.\r\nEine Sicherungskopie der Version " + v +
               " wurde unter " + kopie + " gespeichert.";
    } else {
        const std::string grund =
            r == KatalogOhneSicherung ? "die Sicherungskopie kann nicht angelegt werden"
            : r == KatalogNichtGeschrieben
                ? "die neue Datei kann nicht geschrieben werden"
                : "sie ist beschädigt oder keine " + was + "-Datei dieser Art";
        text = "Die " + wer + " " + was + "-Datei Version " + v +
               " kann nicht konvertiert werden: " + grund +
               ".\r\nDie Datei bleibt unverändert.\r\n" + wer + " " + was +
               "-Datei steht nicht zur Verfügung!";
    }
    MessageBox(text, was + "-Datei konvertieren", MB_OK | MB_ICONEXCLAMATION);
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
