// No word printed over another: every page of the example's sheets, printed
// through the program's print-out onto a recording printer with real font
// metrics. Words are cut from the drawn lines at their blanks, as a PDF
// reader sees them.
#include "korvalin/ausweis/TWaermeBedarfsAusweisWindow.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "korvalin/shell/TWBAusweisPrintOut.h"
#include "korvalin/tests/DatenfensterFixture.h"
#include "platform/gdi/DrawCall.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/print/Printer.h"

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

// Every page of the print-out, as the printer would get it.
std::vector<std::string> Druckpruefung(TPrinter& drucker, TKorpusPrintout& ausdruck) {
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
        for (const std::string& u : Ueberlappungen(Woerter(seitenaufrufe, caps)))
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

TEST_F(Datenfenster, KeinWortUeberEinemAnderenAufDenBlaetternDesBeispiels) {
    Beispiel();
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    p.Massenermittlung();
    TPrinter& drucker = app->GetPrinter();
    for (int art = 0; art <= 14; ++art) {
        auto w = BlattfensterFuerArt(*app->Client(), art, p);
        if (!w || !w->Create()) continue;
        TKorpusPrintout ausdruck(&drucker, w->GetCaption(), w.get(), true);
        const auto befund = Druckpruefung(drucker, ausdruck);
        EXPECT_TRUE(befund.empty()) << "Blatt " << art << Liste(befund);
    }
}

// The certificate in each of its three variants, the project's switches set
// for it; the first paint counts the pages, as on the screen before a print.
TEST_F(Datenfenster, KeinWortUeberEinemAnderenImWaermebedarfsausweisDesBeispiels) {
    Beispiel();
    TProjekt& p = *Korpus().AktuellesProjekt->AktuellesProjekt;
    TPrinter& drucker = app->GetPrinter();
    for (const char variante : {'A', 'B', 'C'}) {
        p.Baumassnahme = 0;
        p.KleinesWohngebaeude = variante == 'B';
        p.NormaleInnentemperatur = variante != 'C';
        p.UmfassungsflaecheBerechnen();
        p.WSchVO();
        TWaermeBedarfsAusweisWindow w(*app->Client(), "Wärmebedarfsausweis");
        w.Methode = variante == 'B' ? 0 : 1;
        ASSERT_TRUE(w.Create());
        TMeasuringDC mass;
        TRect flaeche = w.GetClientRect();
        w.Paint(mass, false, flaeche);
        TWBAusweisPrintOut ausdruck(&drucker, w.GetCaption(), &w, true);
        const auto befund = Druckpruefung(drucker, ausdruck);
        EXPECT_TRUE(befund.empty()) << "Variante " << variante << Liste(befund);
    }
}

} // namespace
