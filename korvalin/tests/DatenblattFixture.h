#pragma once
// A data sheet's page engine without a window, on a portrait page with
// margins of 30 units, and a small runner that lays out and paints blocks the
// way the page drivers do.
#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/TDatenblattBasis.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingDC.h"

#include <functional>
#include <string>
#include <vector>

namespace datenblatt_test {

class TestBlatt : public TDatenblattBasis {
public:
    TestBlatt() {
        Koerper = TRect(30, 30, 861, 1230);
        Block.Abschnitt = AktuellerAbschnitt = 3;
        Block.Links = Block.InnenLinks = Koerper.left + 10;
        Block.Rechts = Block.InnenRechts = Koerper.right - 10;
        Block.Oben = Block.InnenOben = 100;
        Block.Seite = 1;
    }
};

using Inhalt = std::function<void(TDC&, int)>;

// When a block starts a new page: when it does not fit, always, or never
// (the slices of a chunked list).
enum class Umbruch { WennVoll, Immer, Nie };

// One block through the runner protocol: pass 0 measures, places and
// breaks pages; pass 1 draws the frame and, on the current page, the content.
inline void Ausfuehren(TDatenblattBasis& b, TDC& dc, int pass, const Inhalt& inhalt, int art,
                       Umbruch umbruch = Umbruch::WennVoll) {
    b.Durchgang = pass;
    if (pass == 0) {
        b.VorgaengerLaden(b.BlockNummer);
        b.BlockLaden(b.BlockNummer);
        b.Block.Seite = b.Vorgaenger.Seite;
        inhalt(dc, 0);
        if (umbruch == Umbruch::Immer || (umbruch == Umbruch::WennVoll && !b.BlockPasstAufSeite()))
            b.NeueSeite();
        b.BlockAbschliessen(b.BlockNummer, 0, art);
    } else {
        b.VorgaengerLaden(b.BlockNummer);
        b.BlockLaden(b.BlockNummer);
        b.SeitenRahmen(dc, 1);
        if (b.AufAktuellerSeite()) inhalt(dc, 1);
    }
    ++b.BlockNummer;
}

// The texts drawn into cells, by row of a table whose top is `oben`.
struct Zellentext {
    int zeile;
    int links;
    std::string text;
};
inline std::vector<Zellentext> Zellentexte(const TRecordingDC& dc, int oben) {
    std::vector<Zellentext> aus;
    for (const TDrawCall& c : dc.CallsOf(TDrawKind::DrawText)) {
        if (c.flags & DT_CALCRECT) continue;
        aus.push_back(
            {(c.logical[0].y - oben) / TDatenblattBasis::Zeilenhoehe, c.logical[0].x, c.text});
    }
    return aus;
}

} // namespace datenblatt_test
