#pragma once
// Opens the print layout settings sheet. The data-sheet windows call it with
// their own header and footer data and logo settings; the program's menu
// calls it without a window.
#include "korvalin/layout/LayoutZiel.h"

#include <memory>

class TFirmenLogo;
class TKopfzeileData;
class TLogoGroessen;
class TWindow;

struct LayoutEinstellungenAufruf {
    TWindow* parent = nullptr;
    LayoutZiel ziel = LayoutZiel::Projekt;
    TKopfzeileData* kopfzeile = nullptr; // the window's; none: only the file changes
    TLogoGroessen* logo = nullptr;       // the window's; none: read from the target's file
};

struct LayoutEinstellungenErgebnis {
    LayoutEinstellungenErgebnis();
    ~LayoutEinstellungenErgebnis();
    LayoutEinstellungenErgebnis(LayoutEinstellungenErgebnis&&) noexcept;
    bool ok = false;
    // After OK with the logo switched on and its file readable: the window's
    // new logo; none otherwise.
    std::unique_ptr<TFirmenLogo> firmenLogo;
};

// Runs the sheet modally. After OK the number formatter takes the separators
// of the number format page, the window's logo settings take the logo
// page's switch, and a logo file that cannot be read is reported.
LayoutEinstellungenErgebnis LayoutEinstellungenBearbeiten(const LayoutEinstellungenAufruf& aufruf);

// The target the program's menu opens: the open project's file, else global.ini.
LayoutZiel LayoutZielDesMenues();
