#pragma once
// Puts the groups of a certificate table on pages: a group that fits stays
// whole on the current page, a smaller one that does not starts the next
// page, a larger one fills the page and goes on in blocks, each under a
// repeated head. Both the table's rows per page and the room above the foot
// margin decide, so that no row and no head runs off a page.
#include <functional>

class TDC;
class TText;

namespace ausweis {

class TabellenSeiten {
public:
    // `block(erste, anzahl)` draws one block of the group's rows.
    using Block = std::function<void(int erste, int anzahl)>;

    TabellenSeiten(TText& t, TDC& dc, int kappe, int zeilenHoehe, std::function<void()> kopf);

    void Gruppe(int n, const Block& block);
    // Page break, then the head again.
    void NeueSeite();
    // Rows of the current block height that still fit above the foot margin.
    int PassendeZeilen() const;

    int Kappe;       // rows per page at most
    int Benutzt = 0; // rows on the current page
    std::function<void()> NachUmbruch;

private:
    TText& t_;
    TDC& dc_;
    int zeilenHoehe_;
    std::function<void()> kopf_;
};

} // namespace ausweis
