// No word printed over another: every page of the example's sheets, printed
// through the program's print-out onto a recording printer with real font
// metrics. Words are cut from the drawn lines at their blanks, as a PDF
// reader sees them. The user's own texts print as typed.
#include "korvalin/ausweis/TWaermeBedarfsAusweisWindow.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "korvalin/shell/TWBAusweisPrintOut.h"
#include "korvalin/tests/DatenfensterFixture.h"
#include "platform/base/Directories.h"
#include "platform/gdi/DrawCall.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/print/Printer.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace datenfenster_test;

struct Wort {
    TRect box;
    std::string text;
};

// The words of the page's text lines in device units.
std::vector<Wort> Woerter(const std::vector<TDrawCall>& calls, const TDeviceCaps& caps) {
    TMeasuringDC mass(caps);
    std::vector<Wort> woerter;
    for (const TDrawCall& c : calls) {
        if (c.kind != TDrawKind::TextRun && c.kind != TDrawKind::TextOut) continue;
        // FIXME: turned text has no true box on the recording DC yet.
        if (c.deviceFont.lfEscapement != 0) continue;
        mass.SelectObject(TFont(c.deviceFont));
        size_t i = 0;
        while (i < c.text.size()) {
            if (c.text[i] == ' ') {
                ++i;
                continue;
            }
            const size_t ende = std::min(c.text.find(' ', i), c.text.size());
            const int32_t x0 = c.deviceBox.left + mass.GetTextExtent(c.text.substr(0, i)).cx;
            const int32_t x1 = x0 + mass.GetTextExtent(c.text.substr(i, ende - i)).cx;
            woerter.push_back(
                {TRect(x0, c.deviceBox.top, x1, c.deviceBox.bottom), c.text.substr(i, ende - i)});
            i = ende;
        }
    }
    return woerter;
}

// Pairs of words whose boxes share more than a quarter of the smaller one.
std::vector<std::string> Ueberlappungen(const std::vector<Wort>& w) {
    std::vector<std::string> paare;
    for (size_t i = 0; i < w.size(); ++i)
        for (size_t j = i + 1; j < w.size(); ++j) {
            const TRect& a = w[i].box;
            const TRect& b = w[j].box;
            const int64_t ix = std::min(a.right, b.right) - std::max(a.left, b.left);
            const int64_t iy = std::min(a.bottom, b.bottom) - std::max(a.top, b.top);
            if (ix <= 0 || iy <= 0) continue;
            // The same word drawn twice in one place reads as one.
            if (w[i].text == w[j].text && a == b) continue;
            const int64_t kleiner =
                std::min(int64_t(a.Width()) * a.Height(), int64_t(b.Width()) * b.Height());
            if (kleiner > 0 && ix * iy * 4 > kleiner)
                paare.push_back(w[i].text + " / " + w[j].text);
        }
    return paare;
}

struct Strecke {
    TPoint a, b;
    int32_t halb; // half the pen's width
};

// Every straight rule of a page: the lines and the sides of rectangles.
std::vector<Strecke> Linien(const std::vector<TDrawCall>& calls) {
    std::vector<Strecke> linien;
    for (const TDrawCall& c : calls) {
        const int32_t halb = c.devicePenWidth / 2;
        if (c.kind == TDrawKind::LineTo) linien.push_back({c.device[0], c.device[1], halb});
        if (c.kind == TDrawKind::Rectangle) {
            const TRect& r = c.deviceBox;
            linien.push_back({{r.left, r.top}, {r.right, r.top}, halb});
            linien.push_back({{r.left, r.bottom}, {r.right, r.bottom}, halb});
            linien.push_back({{r.left, r.top}, {r.left, r.bottom}, halb});
            linien.push_back({{r.right, r.top}, {r.right, r.bottom}, halb});
        }
    }
    return linien;
}

bool Kreuzt(const Strecke& s, const TRect& b) {
    const int32_t x0 = std::min(s.a.x, s.b.x) - s.halb, x1 = std::max(s.a.x, s.b.x) + s.halb;
    const int32_t y0 = std::min(s.a.y, s.b.y) - s.halb, y1 = std::max(s.a.y, s.b.y) + s.halb;
    if (s.a.x == s.b.x)
        return x1 > b.left && x0 < b.right && s.b.y != s.a.y && y1 > b.top && y0 < b.bottom;
    if (s.a.y == s.b.y) return y1 > b.top && y0 < b.bottom && x1 > b.left && x0 < b.right;
    return false;
}

// Words that a rule runs through or touches, or that their rectangle cuts
// off. A word counts with its letters above the baseline: a fill-in rule runs
// in the descent and belongs to its text.
std::vector<std::string> Woerterpruefung(const std::vector<TDrawCall>& calls,
                                         const TDeviceCaps& caps, bool mitLinien) {
    const auto linien = mitLinien ? Linien(calls) : std::vector<Strecke>();
    TMeasuringDC mass(caps);
    // A quarter of a millimetre apart from a rule, or the letters seem to
    // touch it; a clip that only takes the blank beside the last letter
    // cuts nothing.
    const int32_t luft = caps.dpiX / 100, rundung = caps.dpiX / 150;
    std::vector<std::string> befund;
    for (const TDrawCall& c : calls) {
        if (c.kind != TDrawKind::TextRun && c.kind != TDrawKind::TextOut) continue;
        if (c.deviceFont.lfEscapement != 0) continue;
        mass.SelectObject(TFont(c.deviceFont));
        TEXTMETRIC tm;
        mass.GetTextMetrics(tm);
        for (const Wort& w : Woerter({c}, caps)) {
            // Words of the neighbouring pages fall outside this one.
            if (w.box.bottom < 0 || w.box.top > caps.height) continue;
            TRect b(w.box.left, w.box.top + tm.tmInternalLeading, w.box.right,
                    w.box.top + tm.tmAscent);
            const auto wo = [&] {
                return " bei " + std::to_string(w.box.left) + "," + std::to_string(w.box.top);
            };
            if (c.textClip &&
                (b.left < c.textClip->left - rundung || b.right > c.textClip->right + rundung)) {
                befund.push_back("abgeschnitten: " + w.text + wo() + " um " +
                                 std::to_string(std::max(c.textClip->left - b.left,
                                                         b.right - c.textClip->right)));
                continue;
            }
            b.left -= luft;
            b.right += luft;
            for (const Strecke& s : linien)
                if (Kreuzt(s, b)) {
                    befund.push_back("Linie durch " + w.text + wo());
                    break;
                }
        }
    }
    return befund;
}

std::vector<std::string> GekreuzteWoerter(const std::vector<TDrawCall>& calls,
                                          const TDeviceCaps& caps) {
    return Woerterpruefung(calls, caps, true);
}

// Diagram labels sit in tight frames on the sheets: there only the cut.
std::vector<std::string> AbgeschnitteneWoerter(const std::vector<TDrawCall>& calls,
                                               const TDeviceCaps& caps) {
    return Woerterpruefung(calls, caps, false);
}

std::vector<std::string> Ueberlappungen(const std::vector<TDrawCall>& calls,
                                        const TDeviceCaps& caps) {
    return Ueberlappungen(Woerter(calls, caps));
}

// Names typed with "&" that lost it on the way to the page.
const char* const kMitUnd[] = {"Lutz & Partner", "Haus Kern & Co", "Wand A & B", "Fenster K & L"};

std::vector<std::string> VerloreneUnd(const std::vector<TDrawCall>& calls, const TDeviceCaps&) {
    std::vector<std::string> befund;
    for (const TDrawCall& c : calls) {
        if (c.kind != TDrawKind::TextRun && c.kind != TDrawKind::TextOut) continue;
        for (std::string_view name : kMitUnd) {
            const std::string_view vorUnd = name.substr(0, name.find('&'));
            if (c.text.find(vorUnd) != std::string::npos && c.text.find(name) == std::string::npos)
                befund.push_back(c.text);
        }
    }
    return befund;
}

void MitUndBenennen(TProjekt& p) {
    const auto global = CurrentDirectories().config / "global.ini";
    std::filesystem::create_directories(global.parent_path());
    std::ofstream(global) << "[Adresse]\r\nZeile1=Lutz & Partner\r\n";
    p.Projektangaben[0] = kMitUnd[1];
    p.RBauteile[0].Name = kMitUnd[2];
    p.RFenster[0].Name = kMitUnd[3];
}

using Pruefung = std::vector<std::string> (*)(const std::vector<TDrawCall>&, const TDeviceCaps&);

// Every page of the print-out, as the printer would get it.
std::vector<std::string> Druckpruefung(TPrinter& drucker, TKorpusPrintout& ausdruck,
                                       Pruefung pruefung = Ueberlappungen) {
    const TDeviceCaps caps = drucker.PdfCaps(ausdruck);
    TRecordingDC dc(TMetricMode::Real, caps);
    const TSize seite{caps.width, caps.height};
    ausdruck.SetPrintParams(&dc, seite);
    int von = 1, bis = 1, a = 0, b = 0;
    ausdruck.GetDialogInfo(von, bis, a, b);
    drucker.GetSetup().AllPages = true;
    ausdruck.BeginPrinting();
    std::vector<std::string> befund;
    for (int p = 1; ausdruck.HasPage(p); ++p) {
        const size_t erster = dc.Calls().size();
        TRect r(0, 0, seite.cx, seite.cy);
        ausdruck.PrintPage(p, r, 0);
        const std::vector<TDrawCall> seitenaufrufe(dc.Calls().begin() + long(erster),
                                                   dc.Calls().end());
        for (const std::string& u : pruefung(seitenaufrufe, caps))
            befund.push_back("Seite " + std::to_string(p) + ": " + u);
    }
    ausdruck.EndPrinting();
    return befund;
}

std::string Liste(const std::vector<std::string>& befund) {
    std::ostringstream o;
    for (const std::string& b : befund) o << "\n  " << b;
    return o.str();
}

// The example's sheets, each printed and checked page by page.
void BlaetterPruefen(Datenfenster& f, Pruefung pruefung, void (*anpassen)(TProjekt&) = nullptr) {
    f.Beispiel();
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    if (anpassen) anpassen(p);
    p.Massenermittlung();
    TPrinter& drucker = f.app->GetPrinter();
    for (int art = 0; art <= 14; ++art) {
        auto w = BlattfensterFuerArt(*f.app->Client(), art, p);
        if (!w || !w->Create()) continue;
        TKorpusPrintout ausdruck(&drucker, w->GetCaption(), w.get(), true);
        const auto befund = Druckpruefung(drucker, ausdruck, pruefung);
        EXPECT_TRUE(befund.empty()) << "Blatt " << art << Liste(befund);
    }
}

// The certificate in each of its three variants, the project's switches set
// for it; the first paint counts the pages, as on the screen before a print.
void AusweisePruefen(Datenfenster& f, Pruefung pruefung, void (*anpassen)(TProjekt&) = nullptr) {
    f.Beispiel();
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    if (anpassen) anpassen(p);
    TPrinter& drucker = f.app->GetPrinter();
    for (const char variante : {'A', 'B', 'C'}) {
        p.Baumassnahme = 0;
        p.KleinesWohngebaeude = variante == 'B';
        p.NormaleInnentemperatur = variante != 'C';
        p.UmfassungsflaecheBerechnen();
        p.WSchVO();
        TWaermeBedarfsAusweisWindow w(*f.app->Client(), "Wärmebedarfsausweis");
        w.Methode = variante == 'B' ? 0 : 1;
        ASSERT_TRUE(w.Create());
        TMeasuringDC mass;
        TRect flaeche = w.GetClientRect();
        w.Paint(mass, false, flaeche);
        TWBAusweisPrintOut ausdruck(&drucker, w.GetCaption(), &w, true);
        const auto befund = Druckpruefung(drucker, ausdruck, pruefung);
        EXPECT_TRUE(befund.empty()) << "Variante " << variante << Liste(befund);
    }
}

TEST_F(Datenfenster, KeinWortUeberEinemAnderenAufDenBlaetternDesBeispiels) {
    BlaetterPruefen(*this, Ueberlappungen);
}

TEST_F(Datenfenster, KeinWortUeberEinemAnderenImWaermebedarfsausweisDesBeispiels) {
    AusweisePruefen(*this, Ueberlappungen);
}

// The engineer signs these pages: every heading and every value stays
// inside its cell, no rule through it, nothing cut off.
TEST_F(Datenfenster, KeinWortUnterEinerLinieImWaermebedarfsausweisDesBeispiels) {
    AusweisePruefen(*this, GekreuzteWoerter);
}

// A left margin of 2,5 cm for filing narrows every table: a long layer
// name must still stand whole in its cell.
TEST_F(Datenfenster, KeinWortAbgeschnittenAufDenBlaetternMitBreitemHeftrand) {
    const auto global = CurrentDirectories().config / "global.ini";
    std::filesystem::create_directories(global.parent_path());
    std::ofstream(global) << "[Seitenlayout]\r\nOben=30\r\nUnten=30\r\nLinks=106\r\nRechts=30\r\n";
    BlaetterPruefen(*this, AbgeschnitteneWoerter);
}

// "Lutz & Partner" prints as typed, not as a menu's "&K" would.
TEST_F(Datenfenster, NamenMitUndDruckenWieGetipptAufDenBlaettern) {
    BlaetterPruefen(*this, VerloreneUnd, MitUndBenennen);
}

TEST_F(Datenfenster, NamenMitUndDruckenWieGetipptImWaermebedarfsausweis) {
    AusweisePruefen(*this, VerloreneUnd, MitUndBenennen);
}

} // namespace
