// Page frame: border, logo, header and footer of each page, and the page
// display of the status bar.
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "hilfsmittel/layout/FirmenLogo.h"
#include "hilfsmittel/layout/LogoGroessen.h"
#include "hilfsmittel/layout/RahmenGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "stammwerk/modell/TGesamtProjekt.h"

#include <chrono>
#include <cstdio>
#include <filesystem>

void TDatenblattBasis::SeitenRahmen(TDC& dc, int pass) {
    if (pass != 1 || !AufAktuellerSeite()) return;
    const bool seitenanfang = Vorgaenger.Seite < Block.Seite;
    if (seitenanfang) {
        SeitenStatusAnzeigen();
        SeitenRandZeichnen(dc, true);
    }
    // Logo, header and footer once per page: with the block that opens it,
    // or the sheet's first block (the builder draws page 1's border).
    if (!seitenanfang && Block.Nummer > 1) return;
    if (LogoAufDieserSeite()) {
        FirmenLogo()->Plazieren(Koerper.left, Koerper.top, Koerper.right, Koerper.top + LogoHoehe(),
                                Logo().Orientierung);
        FirmenLogo()->Zeichnen(dc, Drucken);
    }
    if ((Blattart == 0 || Blattart == 4) && AktuelleSeite == 0) return;
    if (SeitenLayout().Kopfzeile == 1) KopfzeileZeichnen(dc, pass);
    if (SeitenLayout().Fusszeile == 1) FusszeileZeichnen(dc, pass);
}

void TDatenblattBasis::SeitenRandZeichnen(TDC& dc, bool zeichnen) {
    if (!zeichnen || SeitenLayout().Seitenumrandung != 1) return;
    const TRahmenGroessen& r = Rahmen();
    const TPen altStift = dc.SelectObject(TPen(r.Farbe, r.Stiftdicke, PS_SOLID));
    const TBrush altPinsel = dc.SelectObject(TBrush::Stock(NULL_BRUSH));
    const bool rund = r.Rahmenart == 2 || r.Rahmenart == 3;
    auto rahmen = [&](const TRect& k) {
        if (rund)
            dc.RoundRect(k, TPoint(25, 25));
        else
            dc.Rectangle(k);
    };
    if ((r.Rahmenart == 1 || r.Rahmenart == 3) && LogoAufDieserSeite()) {
        const int band = Koerper.top + LogoHoehe();
        rahmen(TRect(Koerper.left, Koerper.top, Koerper.right, band));
        rahmen(TRect(Koerper.left, band, Koerper.right, Koerper.bottom));
    } else {
        rahmen(Koerper);
    }
    dc.SelectObject(altPinsel);
    dc.SelectObject(altStift);
}

void TDatenblattBasis::kopfFussZeichnen(TDC& dc, const TRect& r, Textstil stil, int erster,
                                        int abstand) {
    const TFont alt = dc.SelectObject(Texte().Font(stil));
    dc.SetTextColor(Texte().Farbe(stil));
    const int altModus = dc.SetBkMode(TRANSPARENT);
    const std::string& links = KopfzeilenTexte[size_t(erster)];
    const std::string& mitte = KopfzeilenTexte[size_t(erster + 1)];
    const std::string& rechts = KopfzeilenTexte[size_t(erster + 2)];
    const int wl = dc.GetTextExtent(links).cx;
    const int wr = dc.GetTextExtent(rechts).cx;
    const uint32_t zeile = DT_SINGLELINE | DT_VCENTER | DT_NOCLIP | DT_NOPREFIX;
    TRect l(r.left, r.top, r.left + wl + abstand, r.bottom);
    TRect m(r.left + wl + abstand, r.top, r.right - (wr + abstand), r.bottom);
    TRect re(r.right - (wr + abstand), r.top, r.right, r.bottom);
    dc.DrawText(links, l, zeile | DT_LEFT);
    dc.DrawText(mitte, m, zeile | DT_CENTER);
    dc.DrawText(rechts, re, zeile | DT_RIGHT);
    dc.SetBkMode(altModus);
    dc.SelectObject(alt);
    dc.SetTextColor(TColor::Black);
}

void TDatenblattBasis::KopfzeileZeichnen(TDC& dc, int /*pass*/) {
    int oben = Koerper.top;
    if (LogoAufDieserSeite()) oben += LogoHoehe();
    kopfFussZeichnen(dc, TRect(Koerper.left + 10, oben, Koerper.right - 10, oben + 30),
                     Textstil::Kopfzeile, TKopfzeileData::KopfL, 10);
}

void TDatenblattBasis::FusszeileZeichnen(TDC& dc, int /*pass*/) {
    kopfFussZeichnen(
        dc, TRect(Koerper.left + 10, Koerper.bottom - 30, Koerper.right - 10, Koerper.bottom),
        Textstil::Fusszeile, TKopfzeileData::FussL, 0);
}

void TDatenblattBasis::SeitenStatusAnzeigen() {
    char text[96];
    std::snprintf(text, sizeof text, "Seite %i           %i / %i", Block.Seite, Block.Seite,
                  Seitenzahl);
    StatusSeiteSetzen(text);
}

void TDatenblattBasis::KopfzeilenDatenSetzen() {
    KopfSeite = AktuelleSeite + 1;
    if (DateiFlag()) {
        Projektpfad = " ";
        Projektname = " ";
        return;
    }
    // A sheet of no project has no file and no name to show.
    Projektpfad.clear();
    Dateiname.clear();
    Projektname.clear();
    if (!Gesamtprojekt) return;
    Projektpfad = Gesamtprojekt->Pfad().string();
    Dateiname = Gesamtprojekt->GetFileName(false);
    // "Projekt" is the name the title page and the project header print, not
    // the variant's.
    if (const TProjekt* p = Projekt()) Projektname = p->Projektangaben[0];
}

TKopfzeilenAngaben TDatenblattBasis::KopfzeilenAngaben() const {
    TKopfzeilenAngaben a;
    a.Seite = KopfSeite;
    a.Seitenzahl = Seitenzahl;
    a.ErsteSeite = ErsteSeite;
    const std::time_t jetzt = std::time(nullptr);
    localtime_r(&jetzt, &a.Heute);
    a.Datei = Dateiname;
    a.Projekt = Projektname;
    std::error_code fehler;
    const std::filesystem::path pfad(Projektpfad);
    if (!Projektpfad.empty() && std::filesystem::is_regular_file(pfad, fehler)) {
        const auto zeit = std::filesystem::last_write_time(pfad, fehler);
        if (!fehler) {
            const auto sys = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
                zeit - std::filesystem::file_time_type::clock::now() +
                std::chrono::system_clock::now());
            const std::time_t t = std::chrono::system_clock::to_time_t(sys);
            std::tm tm{};
            localtime_r(&t, &tm);
            a.ProjektDatum = tm;
        }
    }
    return a;
}

void TDatenblattBasis::KopfzeilenTexteSetzen(bool vorlage) {
    const TKopfzeilenAngaben a = KopfzeilenAngaben();
    for (size_t i = 0; i < KopfzeilenTexte.size(); ++i)
        KopfzeilenTexte[i] =
            KopfzeilenTextErsetzen(Kopfzeilendaten.Texte[i], a, Kopfzeilendaten, vorlage);
}
