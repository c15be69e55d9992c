#include "tauplot/diagramm/TText.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/Fuelllinie.h"

#include <algorithm>
#include <string>

namespace {

constexpr std::string_view kHersteller = "QTX Datentechnik Weidenfeld";

TFont arial(int32_t height, int32_t weight = FW_NORMAL) {
    return TFont("Arial", height, 0, 0, 0, weight);
}

// Selects a font for one element and puts the old one back.
class FontScope {
public:
    FontScope(TDC& dc, const TFont& font) : dc_(dc), old_(dc.SelectObject(font)) {}
    ~FontScope() { dc_.SelectObject(old_); }

private:
    TDC& dc_;
    TFont old_;
};

void textIn(TDC& dc, std::string_view text, TRect r, uint32_t format) {
    TextMitFuelllinie(dc, text, r, format);
}

const char* massnahmeText(int code) {
    switch (code) {
    case 0:
        return "Zu errichtendes Gebäude";
    case 1:
        return "Bauliche Erweiterung eines Gebäudes";
    case 2:
        return "Einbau oder Ersatz von Außenbauteilen";
    default:
        return "";
    }
}

const char* lueftungText(int code) {
    switch (code) {
    case 0:
        return "Lüftungsanlage: Keine";
    case 1:
        return "Lüftungsanlage: Ohne Wärmerückgewinnung";
    case 2:
        return "Lüftungsanlage: Mit Wärmerückgewinnung";
    case 3:
        return "Lüftungsanlage: Mit elektrisch angetriebener Wärmepumpe";
    default:
        return "";
    }
}

const char* kuehlungText(int code) {
    switch (code) {
    case 0:
        return "Kühlung: Keine";
    case 1:
        return "Kühlung: Unter Einsatz erneuerbarer Energien";
    case 2:
        return "Kühlung: Ohne Einsatz erneuerbarer Energien";
    default:
        return "";
    }
}

} // namespace

std::string_view GebaeudetypText(int code) {
    static constexpr std::string_view texte[] = {
        "Wohngebäude",
        "Büro- und Verwaltungsgebäude",
        "Schule, Bibliothek",
        "Krankenhaus, Altenheim etc.",
        "Aufenthaltsgebäude in Kasernen etc.",
        "Gebäude des Gaststättengewerbes",
        "Waren- oder sonstiges Geschäftshaus",
        "Betriebsgebäude",
        "Gebäude für Sport- / Versammlungszwecke",
        "Sonstiges Gebäude mit ähnlicher Nutzung",
        "Gebäude mit niedrigen Innentemperaturen",
    };
    if (code < 0 || code >= int(std::size(texte))) return {};
    return texte[code];
}

TText::TText(TGesamtProjekt* projekt) : Projekt(projekt) {}

// Whole lines left between `oben` and the foot reserve of the current page.
int32_t TText::ZeilenFrei(int32_t oben, int32_t zeilenHoehe) const {
    // A layout without line heights has no lines to count: every element fits.
    if (zeilenHoehe <= 0) return INT32_MAX;
    const auto frei = int32_t(AktuelleSeite * double(SeitenHoehe) - 0.1 * SeitenHoehe - oben);
    return frei / zeilenHoehe;
}

bool TText::GenuegendPlatz() const {
    return ZeilenFrei(TextRect.top, TabellenZeilenHoehe) >= BenoetigteZeilen;
}

bool TText::GenuegendPlatzFuerText() const {
    const int32_t frei = ZeilenFrei(TextRect.top, TextZeilenHoehe);
    if (frei == INT32_MAX) return true;
    return frei - Reservezeilen >= BenoetigteZeilen;
}

// The certificate asks these below what it has placed: whole lines from the
// current position down to the foot reserve, a whole tenth of the page.
int32_t TText::ZeilenBisFuss() const {
    if (TextZeilenHoehe <= 0) return INT32_MAX;
    const int32_t fuss = AktuelleSeite * SeitenHoehe - int32_t(0.1 * SeitenHoehe);
    return (fuss - TextRect.bottom) / TextZeilenHoehe;
}

bool TText::GenuegendPlatzFuerUnterschrift() const {
    return ZeilenBisFuss() >= 10;
}

bool TText::GenuegendPlatzFuerBereich7() const {
    return ZeilenBisFuss() >= 20;
}

int32_t TText::ScrollerPos() {
    SichtbareSeite = ZeilenProSeite > 0 ? ScrollPosition / ZeilenProSeite : 0;
    if (Drucken) {
        Zeichnen = 1;
        return SichtbareSeite >= 2 ? SichtbareSeite - 2 : 0;
    }
    if (AktuelleSeite >= SichtbareSeite - 2 && AktuelleSeite <= SichtbareSeite + 2) {
        Zeichnen = 1;
        return SichtbareSeite - 2;
    }
    Zeichnen = 0;
    return 0;
}

void TText::SeitenbegrenzungOben(TDC& dc) {
    RandOben = int32_t(0.05 * SeitenHoehe);
    RandObenY = int32_t(0.05 * SeitenHoehe + (AktuelleSeite - 1) * double(SeitenHoehe));
    ScrollerPos();
    if (!Zeichnen) return;
    dc.MoveTo(int32_t(LinkerRand * SeitenBreite), RandObenY);
    dc.LineTo(SeitenBreite, RandObenY);
}

void TText::Seitenumbruch(TDC& dc) {
    ++AktuelleSeite;
    SeitenbegrenzungOben(dc);
    TextRect.bottom = RandObenY;
    if (AktuelleSeite >= 2 && Zeichnen) {
        FontScope font(dc, arial(14));
        Textpuffer = "Seite " + std::to_string(AktuelleSeite);
        const TSize groesse = dc.GetTextExtent(Textpuffer);
        dc.TextOut(int32_t(LinkerRand * SeitenBreite), RandObenY - groesse.cy, Textpuffer);
    }
    TextRect.top = RandObenY + 2 * Einheit;
    UnterschriftY = TextRect.top;
}

void TText::Absatz(TDC& dc, std::string_view text, int32_t weight) {
    FontScope font(dc, arial(14, weight));
    const auto links = int32_t(LinkerRand * SeitenBreite);
    const auto rechts = int32_t(SeitenBreite - 0.5 * LinkerRand * SeitenBreite);
    auto messen = [&] {
        const int32_t oben = TextRect.bottom + 2 * Einheit;
        TextRect = TRect(links, oben, rechts, oben);
        dc.DrawText(text, TextRect, DT_WORDBREAK | DT_CALCRECT | DT_NOPREFIX);
        TextRect.right = rechts;
        BenoetigteZeilen = TextZeilenHoehe > 0 ? TextRect.Height() / TextZeilenHoehe + 4 : 0;
    };
    messen();
    if (!GenuegendPlatzFuerText()) {
        Seitenumbruch(dc);
        messen();
    }
    TextGroesse = TextRect.Size();
    ScrollerPos();
    if (Zeichnen) textIn(dc, text, TextRect, DT_WORDBREAK);
}

void TText::Plazieren(TDC& dc, std::string_view text) {
    Absatz(dc, text, FW_NORMAL);
}

void TText::PlazierenBold(TDC& dc, std::string_view text) {
    Absatz(dc, text, FW_BOLD);
}

void TText::Fussnote(TDC& dc) {
    FontScope font(dc, arial(14));
    Textpuffer = " Dieser Nachweis ist " + std::to_string(Seitenanzahl) + " Seiten lang ";
    const TSize groesse = dc.GetTextExtent(Textpuffer);
    ScrollerPos();
    if (!Zeichnen) return;
    dc.TextOut(int32_t(LinkerRand * SeitenBreite),
               int32_t(0.95 * SeitenHoehe * AktuelleSeite - 2 * groesse.cy), Textpuffer);
}

void TText::Hersteller(TDC& dc) {
    FontScope font(dc, arial(14));
    const TSize groesse = dc.GetTextExtent(kHersteller);
    const auto links = int32_t(LinkerRand * SeitenBreite);
    const auto oben = int32_t(0.06 * SeitenHoehe);
    ScrollerPos();
    if (!Zeichnen) return;
    textIn(dc, kHersteller, TRect(links, oben, links + SeitenBreite, oben + groesse.cy),
           DT_SINGLELINE | DT_LEFT);
}

void TText::Titel(TDC& dc, std::string_view text) {
    const TRect rahmen(int32_t(LinkerRand * SeitenBreite), int32_t(0.05 * SeitenHoehe),
                       SeitenBreite, int32_t(0.95 * SeitenHoehe));
    ZeichneRahmen(dc, rahmen, 0, 1);
    FontScope font(dc, arial(-20));
    const int32_t oben = TextRect.bottom + 8 * Einheit;
    TRect r(rahmen.left, oben, rahmen.right, oben);
    dc.DrawText(text, r, DT_CENTER | DT_CALCRECT | DT_NOPREFIX);
    r.left = rahmen.left;
    r.right = rahmen.right;
    ScrollerPos();
    if (Zeichnen) textIn(dc, text, r, DT_CENTER);
    TextRect = r;
}

void TText::TitelWaerme(TDC& dc) {
    Titel(dc, "Wärmeschutznachweisberechnung für Gebäude \ngemäß \nWärmeschutzverordnung 1995");
}

void TText::TitelFeuchte(TDC& dc) {
    Titel(dc, "Klimabedingter Feuchteschutz \ngemäß \nDIN 4108 Teil 3");
}

void TText::TitelSeiteBeschreiben(TDC& dc, int rows, int cols, int32_t* rowY, int32_t* colX,
                                  int mitAdresse) {
    const TProjekt* pj = Projekt ? Projekt->AktuellesProjekt : nullptr;
    if (!pj || !rowY || !colX || cols < 2) return;
    FontScope font(dc, arial(16));
    ScrollerPos();
    int zeile = 0;
    auto zelle = [&](int spalte, std::string_view text) {
        if (zeile >= rows || !Zeichnen || text.empty()) return;
        TRect r(colX[spalte], rowY[zeile], colX[spalte + 1], rowY[zeile + 1]);
        textIn(dc, text, r, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
    };
    auto reihe = [&](std::string_view label, std::string_view wert) {
        zelle(0, label);
        zelle(1, wert);
        ++zeile;
    };
    reihe("Projektname: ", pj->Projektangaben[0]);
    if (mitAdresse) {
        static constexpr const char* labels[] = {
            "Straße: ", "Ort: ", "Bauherr: ", "Architekt: ", "Bearbeiter: ", "Datum: "};
        for (size_t i = 0; i < std::size(labels); ++i) reihe(labels[i], pj->Projektangaben[i + 1]);
        reihe("", "");
    }
    reihe("Maßnahme: ", massnahmeText(pj->Baumassnahme));
    reihe("Gebäudetyp: ", GebaeudetypText(pj->Gebaeudenutzung));
    if (pj->KleinesWohngebaeude) reihe("", "Kleines Wohngebäude");
    if (pj->WestAnsatz) reihe("", "Fertighaus");
    if (pj->ZweiGebaeudetrennwaende) reihe("", "Reihenmittelhaus");
    if (pj->MehrAlsZweiVollgeschosse) reihe("", "Gebäude mit mehr als zwei Vollgeschossen");
    reihe(lueftungText(pj->Lueftungsanlage), "");
    reihe(kuehlungText(pj->Zusatzpruefung), "");
}

void TText::Tabelle(TDC& dc, int rows, int cols, int32_t* rowY, int32_t* colX,
                    const double* colWidths, int mitGitter) {
    if (!rowY || !colX || !colWidths || rows < 0 || cols < 0) return;
    rowY[0] = TextRect.top;
    colX[0] = TextRect.left;
    for (int i = 1; i <= rows; ++i) rowY[i] = rowY[i - 1] + TabellenZeilenHoehe;
    for (int i = 1; i <= cols; ++i) colX[i] = colX[i - 1] + int32_t(SpaltenEinheit * colWidths[i]);
    // The frame reaches to the owner's row and column counts, kept within
    // what was laid out here.
    const int zeilen = std::clamp(TabellenZeilen, 0, rows);
    const int spalten = std::clamp(TabellenSpalten, 0, cols);
    const TPen altStift = dc.SelectObject(TPen(TColor::Black, 2));
    const TBrush altPinsel = dc.SelectObject(TBrush::Stock(NULL_BRUSH));
    dc.Rectangle(colX[0], rowY[0], colX[spalten], rowY[zeilen]);
    ScrollerPos();
    if (mitGitter && Zeichnen) {
        for (int i = 1; i < rows; ++i) {
            dc.MoveTo(colX[0], rowY[i]);
            dc.LineTo(colX[cols], rowY[i]);
        }
        for (int i = 1; i < cols; ++i) {
            dc.MoveTo(colX[i], rowY[0]);
            dc.LineTo(colX[i], rowY[rows]);
        }
    }
    dc.SelectObject(altPinsel);
    dc.SelectObject(altStift);
    std::fill(rowY, rowY + rows + 1, 0);
    std::fill(colX, colX + cols + 1, 0);
}

void TText::ZeichneRahmen(TDC& dc, const TRect& r, double abstand, int penWidth) {
    ScrollerPos();
    if (!Zeichnen) return;
    const auto d = int32_t(abstand * Einheit);
    const TPen altStift = dc.SelectObject(TPen(TColor::Black, penWidth));
    const TBrush altPinsel = dc.SelectObject(TBrush::Stock(NULL_BRUSH));
    dc.Rectangle(r.left - d, r.top - d, r.right + d, r.bottom + d);
    dc.SelectObject(altPinsel);
    dc.SelectObject(altStift);
}

int32_t TText::IndexMitReturn(TDC& dc, int32_t x, int32_t y, std::string_view base,
                              std::string_view index, int mitGleich) {
    TSize basis, tief;
    {
        FontScope font(dc, arial(14));
        basis = dc.GetTextExtent(base);
    }
    {
        FontScope font(dc, arial(10));
        tief = dc.GetTextExtent(index);
    }
    ScrollerPos();
    if (Zeichnen) {
        {
            FontScope font(dc, arial(14));
            dc.TextOut(x, y, base);
        }
        {
            FontScope font(dc, arial(10));
            dc.TextOut(x + basis.cx, int32_t(y + basis.cy - 0.5 * tief.cy), index);
        }
        if (mitGleich) {
            FontScope font(dc, arial(14));
            dc.TextOut(x + basis.cx + tief.cx, y, " =");
        }
    }
    return x + basis.cx + tief.cx + Einheit;
}

void TText::Index(TDC& dc, int32_t x, int32_t y, std::string_view base, std::string_view index,
                  int mitGleich) {
    IndexMitReturn(dc, x, y, base, index, mitGleich);
}

void TText::IndexMitSymbolAlsBasis(TDC& dc, int32_t x, int32_t y, std::string_view base,
                                   std::string_view index, int mitGleich) {
    ScrollerPos();
    if (!Zeichnen) return;
    {
        FontScope font(dc, TFont("Symbol", 14));
        dc.TextOut(x, y, base);
    }
    {
        FontScope font(dc, arial(10));
        dc.TextOut(x + 7, y + 7, index);
    }
    if (mitGleich) {
        FontScope font(dc, arial(14));
        dc.TextOut(x + 20, y, "=");
    }
}

void TText::Expo(TDC& dc, int32_t x, int32_t y, std::string_view base, std::string_view exponent) {
    ScrollerPos();
    if (!Zeichnen) return;
    TSize basis;
    {
        FontScope font(dc, arial(14));
        basis = dc.GetTextExtent(base);
        dc.TextOut(x, y, base);
    }
    FontScope font(dc, arial(10));
    const TSize hoch = dc.GetTextExtent(exponent);
    dc.TextOut(x + basis.cx, int32_t(y - 0.2 * hoch.cy), exponent);
}

void TText::LocalRectZeile1(TDC& dc, const TRect& r, int32_t width, std::string_view text,
                            std::string_view base, std::string_view exponent,
                            std::string_view unit) {
    ScrollerPos();
    if (!Zeichnen) return;
    const int32_t unten = r.top + Einheit;
    {
        FontScope font(dc, arial(14));
        textIn(dc, text, TRect(r.left, r.top, r.left + width, unten), DT_SINGLELINE | DT_LEFT);
    }
    const int32_t formel = r.left + width + Einheit;
    Expo(dc, formel, r.top, base, exponent);
    const int32_t einheitLinks = formel + 2 * Einheit;
    FontScope font(dc, arial(14));
    textIn(dc, unit, TRect(einheitLinks, r.top, einheitLinks + Einheit, unten),
           DT_SINGLELINE | DT_LEFT);
}

void TText::LocalRectZeile2(TDC& dc, const TRect& r, std::string_view text, std::string_view base,
                            std::string_view exponent, std::string_view unit) {
    ScrollerPos();
    if (!Zeichnen) return;
    const int32_t unten = r.top + Einheit;
    {
        FontScope font(dc, arial(14));
        textIn(dc, text, TRect(r.left, r.top, r.right, unten), DT_SINGLELINE | DT_LEFT);
    }
    Expo(dc, r.right, r.top, base, exponent);
    const int32_t einheitLinks = r.right + Einheit;
    FontScope font(dc, arial(14));
    textIn(dc, unit, TRect(einheitLinks, r.top, einheitLinks + int32_t(1.2 * Einheit), unten),
           DT_SINGLELINE | DT_RIGHT);
}
