#include "korvalin/ausweis/TabellenSeiten.h"

#include "korvalin/ausweis/AusweisSeite.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>

namespace ausweis {

TabellenSeiten::TabellenSeiten(TText& t, TDC& dc, int kappe, int zeilenHoehe,
                               std::function<void()> kopf)
    : Kappe(kappe), t_(t), dc_(dc), zeilenHoehe_(zeilenHoehe), kopf_(std::move(kopf)) {}

int TabellenSeiten::PassendeZeilen() const {
    if (zeilenHoehe_ <= 0) return Kappe;
    const int32_t fuss = t_.AktuelleSeite * t_.SeitenHoehe - int32_t(0.1 * t_.SeitenHoehe);
    return std::max(0, (fuss - t_.TextRect.bottom) / zeilenHoehe_);
}

void TabellenSeiten::NeueSeite() {
    Umbruch(t_, dc_);
    Benutzt = 0;
    if (NachUmbruch) NachUmbruch();
    kopf_();
}

void TabellenSeiten::Gruppe(int n, const Block& block) {
    if (n <= 0) return;
    if (n < Kappe) {
        if (Benutzt + n >= Kappe || PassendeZeilen() < n) NeueSeite();
        // A fresh page always takes a group below the limit; otherwise it goes
        // on in blocks like a long group.
        if (PassendeZeilen() >= n) {
            Benutzt += n;
            block(0, n);
            return;
        }
    }
    int erste = 0;
    const int frei = std::min({Kappe - Benutzt, PassendeZeilen(), n});
    if (frei > 0) {
        block(0, frei);
        erste = frei;
        Benutzt += frei;
    }
    while (erste < n) {
        NeueSeite();
        // At least one row, so that a page too small for its head still ends.
        const int k = std::max(1, std::min({n - erste, Kappe, PassendeZeilen()}));
        block(erste, k);
        Benutzt = k;
        erste += k;
    }
}

} // namespace ausweis
