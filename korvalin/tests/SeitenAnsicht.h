#pragma once
// A view for the print tests: paragraphs laid out by its TText on pages of
// 891 x 1260 units (the data sheets' page, A4's proportions) or 750 x 1260
// (the certificate's). It counts its pages before its first paint by laying
// them out as its print-out prints them, on a device that measures as the
// printer: text measured on another device breaks into other lines. A data
// sheet draws the printed page at the page's offset; the certificate lays out
// its one long page and lets the print-out pick the band.
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "korvalin/shell/TWBAusweisPrintOut.h"
#include "korvalin/shell/korpusMDIChild.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/print/Printer.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/diagramm/TText.h"

#include <memory>
#include <string>
#include <vector>

namespace shelltest {

class SeitenAnsicht : public korpusMDIChild {
public:
    enum Art { Datenblatt, Ausweis };
    SeitenAnsicht(TMDIClient& client, TPrinter& drucker, int absaetze, Art art = Datenblatt)
        : korpusMDIChild(client, "Datenblatt"), absaetze_(absaetze), art_(art) {
        TText& t = Seitenlayout();
        t.ZeilenProSeite = 90;
        t.TextZeilenHoehe = 14;
        t.Einheit = 14;
        t.SeitenBreite = art == Datenblatt ? 891 : 750;
        t.SeitenHoehe = 1260;
        t.LinkerRand = 0.1;
        Zaehlen(drucker);
        Responses().Command(CM_FILEPRINT, [this] { ++druckbefehle; });
    }

    // The first page printed on a device that draws nothing lays out all.
    void Zaehlen(TPrinter& drucker) {
        TMeasuringDC dc(drucker.PdfCaps());
        std::unique_ptr<TKorpusPrintout> ausdruck;
        if (art_ == Datenblatt)
            ausdruck = std::make_unique<TKorpusPrintout>(&drucker, "", this, true);
        else
            ausdruck = std::make_unique<TWBAusweisPrintOut>(&drucker, "", this, true);
        ausdruck->SetPrintParams(&dc, {drucker.PdfCaps().width, drucker.PdfCaps().height});
        TRect seite(0, 0, drucker.PdfCaps().width, drucker.PdfCaps().height);
        ausdruck->PrintPage(1, seite, 0);
        Seitenlayout().Seitenanzahl = seitenGedruckt;
        gemalt.clear();
    }

    void Paint(TDC& dc, bool, TRect& rect) override {
        TText& t = Seitenlayout();
        gemalt.push_back({t.Drucken, t.Seite, t.VOffset, rect});
        if (t.Drucken) {
            abbildung = dc.GetMapping();
            TPoint ecke{t.SeitenBreite, t.SeitenHoehe};
            dc.LPtoDP(&ecke);
            seitenecke = ecke;
        }
        if (t.Drucken && art_ == Datenblatt) {
            dc.SaveDC();
            dc.SetWindowOrg({0, t.VOffset});
            seitenGedruckt = Auslegen(dc);
            dc.RestoreDC();
            return;
        }
        if (!t.Drucken) t.ScrollPosition = 0;
        seitenGedruckt = Auslegen(dc);
    }

    int Auslegen(TDC& dc) {
        TText& t = Seitenlayout();
        t.AktuelleSeite = 0;
        t.TextRect = TRect();
        t.Seitenumbruch(dc);
        for (int i = 0; i < absaetze_; ++i) {
            if (i % 4 == 0)
                t.PlazierenBold(dc, "Abschnitt " + std::to_string(i / 4 + 1));
            else
                t.Plazieren(dc, Absatz(i));
        }
        return t.AktuelleSeite;
    }

    static std::string Absatz(int i) {
        std::string s = "Absatz " + std::to_string(i) + ":";
        for (int w = 0; w < 30 + 9 * (i % 5); ++w) s += " Wärmedurchgang";
        return s;
    }

    struct Aufruf {
        bool drucken;
        int32_t seite, voffset;
        TRect rect;
    };
    std::vector<Aufruf> gemalt;
    TMapping abbildung;
    TPoint seitenecke;
    int seitenGedruckt = 0;
    int druckbefehle = 0;

private:
    int absaetze_;
    Art art_;
};

// The fewest paragraphs that fill the given number of pages.
inline int AbsaetzeFuer(TMDIClient& client, TPrinter& drucker, int seiten) {
    for (int n = 1; n < 200; ++n) {
        SeitenAnsicht probe(client, drucker, n);
        if (probe.Seitenlayout().Seitenanzahl == seiten) return n;
    }
    return 0;
}

} // namespace shelltest
