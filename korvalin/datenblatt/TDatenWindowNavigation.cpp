// Scrolling through a sheet's pages: a page runs down line by line, then the
// view jumps to the top of the next page; the keys, the scroll bars and the
// two page dialogs.
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/Seitendialoge.h"
#include "korvalin/datenblatt/TDatenWindow.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/Scroller.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>
#include <cstdlib>

int TDatenWindow::zeilenSchritt() const {
    const TScroller* s = GetScroller();
    return s && s->GetYUnit() > 0 ? s->GetYUnit() : 14;
}

int TDatenWindow::spaltenSchritt() const {
    const TScroller* s = GetScroller();
    return s && s->GetXUnit() > 0 ? s->GetXUnit() : 5;
}

int TDatenWindow::sichtbareZeilen() const {
    return GetClientRect().Height() / zeilenSchritt();
}

int TDatenWindow::scrollPos() const {
    return Seitenlayout().ScrollPosition;
}

void TDatenWindow::scrollPosSetzen(int p) {
    Seitenlayout().ScrollPosition = p;
    if (TScroller* s = GetScroller()) s->SetPos(s->GetXPos(), p);
}

void TDatenWindow::seitenZaehlerSetzen(int seite) {
    Seitenlayout().SichtbareSeite = seite;
}

// The bottom of page `seite` with the at-end flag set and the position past the end.
void TDatenWindow::seiteUnten(int seite) {
    const int yl = zeilenSchritt();
    const int h = GetClientRect().Height();
    const int sp = SeitenHoehe;
    BildschirmSeiteSetzen(seite);
    scrollPosSetzen((sp - h) / yl + seite * ZeilenProSeite);
    VOffset = -(((sp - h) / yl) * yl);
    seitenZaehlerSetzen(seite + 1);
}

void TDatenWindow::ZeilenHoch(int n) {
    const int yl = zeilenSchritt(), v = sichtbareZeilen();
    const int k = BildschirmSeite(), sp = SeitenHoehe;
    int p = scrollPos();
    if (AmEnde) {
        p = std::max(0, p - v - 1);
        AmEnde = false;
        scrollPosSetzen(p);
    }
    if (p == 0) {
        // Nothing to move.
    } else if (p - n < 0) {
        scrollPosSetzen(0);
        VOffset = 0;
        ScrollWindow(0, p * yl);
        Invalidate(true);
    } else if (k * sp <= p * yl - n * yl) {
        scrollPosSetzen(p - n);
        VOffset = -((p * yl - k * sp) - n * yl);
        ScrollWindow(0, n * yl);
        Invalidate(true);
    } else if (k > 0) {
        // Leaving the top of the page shows the bottom of the one before.
        seiteUnten(k - 1);
        Invalidate(true);
    }
    UpdateWindow();
}

void TDatenWindow::ZeilenRunter(int n) {
    if (AmEnde) return;
    const int yl = zeilenSchritt(), v = sichtbareZeilen(), h = GetClientRect().Height();
    const int k = BildschirmSeite(), sp = SeitenHoehe, l = ZeilenProSeite, seiten = Seitenzahl;
    const int p = scrollPos();
    if (v + p + 1 == seiten * l) {
        AmEnde = true;
        scrollPosSetzen(seiten * l);
        Invalidate(true);
    } else if (seiten * l < v + p + n) {
        // Past the end of the last page: its bottom, and the flag.
        seiteUnten(seiten - 1);
        AmEnde = true;
        scrollPosSetzen(seiten * l);
        Invalidate(true);
    } else if ((k + 1) * sp > p * yl + n * yl + h) {
        scrollPosSetzen(p + n);
        VOffset = -((p * yl - k * sp) + n * yl);
        ScrollWindow(0, -n * yl);
        Invalidate(true);
    } else {
        // The bottom of the page reached: the top of the next one.
        VOffset = 0;
        BildschirmSeiteSetzen(std::min(k + 1, seiten - 1));
        scrollPosSetzen(BildschirmSeite() * l);
        seitenZaehlerSetzen(BildschirmSeite() + 1);
        Invalidate(true);
    }
    UpdateWindow();
}

void TDatenWindow::EvVScroll(uint32_t code, int thumbPos, HWND control) {
    if (control) return korpusMDIChild::EvVScroll(code, thumbPos, control);
    if (OffenerEditor()) NeuLayouten();
    const int v = sichtbareZeilen(), l = ZeilenProSeite, seiten = Seitenzahl;
    switch (code) {
    case SB_LINEUP:
        ZeilenHoch(1);
        break;
    case SB_LINEDOWN:
        ZeilenRunter(1);
        break;
    case SB_PAGEUP:
        ZeilenHoch(std::max(v - 5, 0));
        break;
    case SB_PAGEDOWN:
        ZeilenRunter(std::max(v - 5, 0));
        break;
    case SB_THUMBPOSITION: {
        AmEnde = false;
        const int q = thumbPos / l, r = thumbPos % l;
        if (thumbPos <= 0) {
            BildschirmSeiteSetzen(0);
            scrollPosSetzen(0);
            VOffset = 0;
        } else if (seiten * l < v + q * l + r) {
            seiteUnten(seiten - 1);
            AmEnde = true;
            scrollPosSetzen(seiten * l);
        } else if (l < v + r) {
            BildschirmSeiteSetzen(std::min(q + 1, seiten - 1));
            scrollPosSetzen(BildschirmSeite() * l);
            VOffset = 0;
        } else {
            BildschirmSeiteSetzen(q);
            scrollPosSetzen(q * l + r);
            VOffset = -r * zeilenSchritt();
        }
        seitenZaehlerSetzen(BildschirmSeite() + 1);
        Invalidate(true);
        UpdateWindow();
        break;
    }
    default:
        break; // tracking the thumb does nothing
    }
}

void TDatenWindow::EvHScroll(uint32_t code, int thumbPos, HWND control) {
    if (control) return korpusMDIChild::EvHScroll(code, thumbPos, control);
    if (OffenerEditor()) NeuLayouten();
    TScroller* s = GetScroller();
    const int xl = spaltenSchritt();
    const int bereich = s ? s->GetXRange() : 0;
    const auto schieben = [&](int positionen) {
        if (s) s->SetPos(std::clamp(s->GetXPos() + positionen, 0, bereich), s->GetYPos());
        HOffset = std::clamp(HOffset - positionen * xl, -bereich * xl, 0);
        Invalidate(true);
    };
    const int halbe = std::max((GetClientRect().Width() / xl) / 2, 1);
    switch (code) {
    case SB_LINELEFT:
        schieben(-5);
        break;
    case SB_LINERIGHT:
        schieben(5);
        break;
    case SB_PAGELEFT:
        schieben(-halbe);
        break;
    case SB_PAGERIGHT:
        schieben(halbe);
        break;
    case SB_LEFT:
        if (s) s->SetPos(0, s->GetYPos());
        HOffset = 0;
        Invalidate(true);
        break;
    case SB_RIGHT:
        if (s) s->SetPos(bereich, s->GetYPos());
        HOffset = -bereich * xl;
        Invalidate(true);
        break;
    default:
        break; // the thumb does nothing
    }
}

void TDatenWindow::EvMouseWheel(uint32_t, int zDelta, TPoint) {
    const int zeilen = 3 * std::abs(zDelta) / 120;
    if (zeilen == 0) return;
    if (zDelta > 0)
        ZeilenHoch(zeilen);
    else
        ZeilenRunter(zeilen);
}

void TDatenWindow::EvKeyDown(uint32_t key, uint32_t, uint32_t) {
    // Shift, Ctrl and Alt only change the next key: typing "A" into the
    // editor must not end the edit at its Shift.
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) return;
    if (OffenerEditor()) NeuLayouten();
    const bool strg = GetKeyState(VK_CONTROL) < 0;
    const int v = sichtbareZeilen();
    switch (key) {
    case VK_UP:
        ZeilenHoch(1);
        break;
    case VK_DOWN:
        ZeilenRunter(1);
        break;
    case VK_PRIOR:
        ZeilenHoch(std::max(v - 5, 0));
        break;
    case VK_NEXT:
        ZeilenRunter(std::max(v - 5, 0));
        break;
    case VK_F6:
        ZeilenHoch(ZeilenProSeite);
        break;
    case VK_F7:
        ZeilenRunter(ZeilenProSeite);
        break;
    case VK_HOME:
        if (strg) {
            AmEnde = false;
            VOffset = 0;
            BildschirmSeiteSetzen(0);
            scrollPosSetzen(0);
            seitenZaehlerSetzen(1);
            Invalidate(true);
        } else {
            EvHScroll(SB_LEFT, 0, 0);
        }
        break;
    case VK_END:
        if (strg) {
            seiteUnten(Seitenzahl - 1);
            scrollPosSetzen(Seitenzahl * ZeilenProSeite);
            AmEnde = true;
            Invalidate(true);
        } else {
            EvHScroll(SB_RIGHT, 0, 0);
        }
        break;
    case VK_LEFT:
        EvHScroll(SB_LINELEFT, 0, 0);
        break;
    case VK_RIGHT:
        EvHScroll(SB_LINERIGHT, 0, 0);
        break;
    case VK_SCROLL:
        if (TScroller* s = GetScroller()) s->ScrollBy(0, 1);
        break;
    default:
        korpusMDIChild::EvKeyDown(key, 0, 0);
        break;
    }
}

void TDatenWindow::GeheZuSeite() {
    TGoToSeiteDialog dialog(this, std::to_string(BildschirmSeite() + 1), std::max(Seitenzahl, 1));
    if (dialog.Execute() != IDOK) return;
    // The top of the chosen page, as the page changes of scrolling show it.
    BildschirmSeiteSetzen(dialog.Zahl() - 1);
    AmEnde = false;
    VOffset = 0;
    scrollPosSetzen(BildschirmSeite() * ZeilenProSeite);
    seitenZaehlerSetzen(dialog.Zahl());
    Invalidate(true);
}

bool TDatenWindow::SeitenNummerierungMoeglich() const {
    return Blattart != 2 && Blattart != 3 && Blattart != 10;
}

void TDatenWindow::SeitenNummerierung() {
    if (!SeitenNummerierungMoeglich()) return;
    const int abschnitt = Bloecke.size() > 1 ? Bloecke[1].Abschnitt : AktuellerAbschnitt;
    int32_t* schalter = nullptr;
    int32_t projektWert = 1;
    if (Projektblatt && FixDaten) {
        projektWert = FixDaten->ErsteSeite(abschnitt);
    } else if (!Projektblatt && DateiFixDaten && (abschnitt == 4 || abschnitt == 5)) {
        schalter = abschnitt == 4 ? &DateiFixDaten->Bauteilspalten.Schalter
                                  : &DateiFixDaten->Fensterspalten.Schalter;
    } else {
        return;
    }
    TSeitenNummerierungDialog dialog(this, std::to_string(schalter ? *schalter : projektWert));
    if (dialog.Execute() != IDOK) return;
    BlattDatenGeaendert = VorlageGeaendert = true;
    if (schalter)
        *schalter = dialog.Zahl();
    else
        FixDaten->SetErsteSeite(abschnitt, dialog.Zahl());
    Invalidate(true);
}
