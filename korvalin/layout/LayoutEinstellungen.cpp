#include "korvalin/layout/LayoutEinstellungen.h"

#include "hilfsmittel/Formatter.h"
#include "hilfsmittel/layout/FirmenLogo.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "korvalin/layout/TEinstellungenPropertyDialog.h"
#include "korvalin/layout/TLogoEinstellungenDialog.h"
#include "korvalin/layout/TZahlenFormatDialog.h"
#include "platform/services/MessageBox.h"

#include <filesystem>

namespace {

bool dateiDa(const std::string& name) {
    std::error_code ec;
    return std::filesystem::exists(std::filesystem::u8path(name), ec);
}

} // namespace

LayoutEinstellungenErgebnis::LayoutEinstellungenErgebnis() = default;
LayoutEinstellungenErgebnis::~LayoutEinstellungenErgebnis() = default;
LayoutEinstellungenErgebnis::LayoutEinstellungenErgebnis(LayoutEinstellungenErgebnis&&) noexcept =
    default;

LayoutEinstellungenErgebnis LayoutEinstellungenBearbeiten(const LayoutEinstellungenAufruf& a) {
    TLogoGroessen eigene;
    TLogoGroessen* logo = a.logo;
    if (!logo) {
        const bool global = a.ziel == LayoutZiel::Programm;
        eigene.Laden(global, global || a.ziel == LayoutZiel::Projekt);
        logo = &eigene;
    }
    TLogoTransferStruct satz = TLogoTransferStruct::Aus(*logo);
    TEinstellungenPropertyDialog sheet(a.parent, satz, a.kopfzeile, a.ziel);

    LayoutEinstellungenErgebnis ergebnis;
    if (sheet.Execute() != IDOK) return ergebnis;
    ergebnis.ok = true;
    SetSPRINTFCharacters(sheet.Zahlenformat->Tausender(), sheet.Zahlenformat->Dezimal());
    logo->LogoInclude = satz.Einbinden == 1 ? 1 : 0;
    if (logo->LogoInclude == 1 && !satz.Dateiname.empty()) {
        auto neu =
            dateiDa(satz.Dateiname) ? std::make_unique<TFirmenLogo>(satz.Dateiname) : nullptr;
        // A file that is there but no picture gets the same message.
        if (neu && neu->HatBild())
            ergebnis.firmenLogo = std::move(neu);
        else
            MessageBox("Logo-Datei kann nicht geöffnet werden", "", MB_OK);
    }
    return ergebnis;
}

LayoutZiel LayoutZielDesMenues() {
    return TIniEinstellungenGroessen::ProjektIniDatei().empty() ? LayoutZiel::Programm
                                                                : LayoutZiel::Projekt;
}
