#include "korvalin/bauteil/TDateiDialog.h"

#include "hilfsmittel/ProfileValues.h"
#include "korvalin/bauteil/TDateiWindow.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Mapping.h"
#include "platform/gdi/ReferenceScreen.h"
#include "platform/profile/Profile.h"
#include "platform/window/CheckBox.h"
#include "platform/window/Control.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/ResponseTable.h"

#include <algorithm>

TDateiDialog::TDateiDialog(TWindow* parent, const TDialogResource& resource)
    : TDialog(parent, resource) {}

void TDateiDialog::KnopfSpalte(TDialogResource& r, int left, int right,
                               std::vector<std::pair<int, const char*>> knoepfe, int top) {
    for (const auto& [id, text] : knoepfe) {
        const auto art = id == IDOK ? TControlKind::DefButton : TControlKind::Button;
        r.controls.push_back({art, id, text, {left, top, right, top + 13}});
        top += 17;
    }
}

TRect TDateiDialog::Entwurf(int id) const {
    for (const auto& c : Resource().controls)
        if (c.id == id) return MapDialogRect(c.rect);
    return {};
}

void TDateiDialog::Verankern(std::vector<Anker> anker) {
    anker_.clear();
    for (const Anker& a : anker) anker_.emplace_back(a, Entwurf(a.id));
    const TRect c = GetClientRect();
    anordnen(c.Width(), c.Height());
}

void TDateiDialog::EvSize(uint32_t sizeType, const TSize& size) {
    TDialog::EvSize(sizeType, size);
    if (size.cx > 0 && size.cy > 0) anordnen(size.cx, size.cy);
}

void TDateiDialog::anordnen(int breite, int hoehe) {
    for (const auto& [a, entwurf] : anker_) {
        TRect r = entwurf;
        if (a.rechts >= 0 && a.verschieben) {
            r.right = breite - a.rechts;
            r.left = r.right - entwurf.Width();
        } else if (a.rechts >= 0) {
            r.right = std::max(r.left, breite - a.rechts);
        }
        if (a.unten >= 0) r.bottom = std::max(r.top, hoehe - a.unten);
        if (auto* c = GetDlgItem(a.id)) c->MoveWindow(r, true);
    }
}

TSize TDateiDialog::Mindestgroesse() const {
    if (!Fenster) return GetMinimumSize();
    const TRect aussen = Fenster->GetWindowRect(), innen = Fenster->GetClientRect();
    const TSize rahmen{aussen.Width() - innen.Width(), aussen.Height() - innen.Height()};
    const TSize fenster = Fenster->GetMinimumSize();
    return {std::max(0, fenster.cx - rahmen.cx), std::max(0, fenster.cy - rahmen.cy)};
}

namespace {
TRect mindestens(TRect r, TSize mindest) {
    r.right = std::max(r.right, r.left + mindest.cx);
    r.bottom = std::max(r.bottom, r.top + mindest.cy);
    return r;
}
} // namespace

void TDateiDialog::RechteckSpeichern(const char* schluessel) const {
    TProfile("Einstellungen", "korpus.ini")
        .WriteString(schluessel,
                     ProfileMakeRectangle(mindestens(GetWindowRect(), Mindestgroesse())));
}

void TDateiDialog::RechteckAnwenden(const TRect& gespeichert) {
    if (gespeichert.right == 0 || gespeichert.bottom == 0 || gespeichert.left >= gespeichert.right)
        return;
    const TRect r = mindestens(gespeichert, Mindestgroesse());
    if (!Fenster) {
        MoveWindow(r);
        return;
    }
    // The dialog fills the host's client area; the frame comes on top.
    const TRect aussen = Fenster->GetWindowRect(), innen = Fenster->GetClientRect();
    const TPoint oben = Fenster->GetParent()
                            ? Fenster->GetParent()->ScreenToClient({aussen.left, aussen.top})
                            : TPoint{aussen.left, aussen.top};
    const int w = r.Width() + aussen.Width() - innen.Width();
    const int h = r.Height() + aussen.Height() - innen.Height();
    Fenster->MoveWindow({oben.x, oben.y, oben.x + w, oben.y + h});
}

bool TDateiDialog::Angehakt(int id) const {
    auto* c = Item<TCheckBox>(id);
    return c && c->GetCheck() == BF_CHECKED;
}

void TDateiDialog::KriterienZuruecksetzen(std::span<const Kriterium> kriterien) {
    for (const auto& k : kriterien) {
        Item<TCheckBox>(k.box)->SetCheck(BF_UNCHECKED);
        for (auto [e, text] : {std::pair{k.von, k.vonText}, std::pair{k.bis, k.bisText}}) {
            if (e < 0) continue;
            GetDlgItem(e)->SetWindowText(text);
            GetDlgItem(e)->EnableWindow(false);
        }
    }
}

void TDateiDialog::KriteriumUmschalten(std::span<const Kriterium> kriterien, int id) {
    for (const auto& k : kriterien) {
        if (k.box != id) continue;
        const bool an = Angehakt(id);
        for (auto [e, text] : {std::pair{k.von, k.vonText}, std::pair{k.bis, k.bisText}}) {
            if (e < 0) continue;
            if (!an) GetDlgItem(e)->SetWindowText(text);
            GetDlgItem(e)->EnableWindow(an);
        }
        if (!an) InhaltAktualisieren();
    }
}

TFont TDateiDialog::ListenSchrift() {
    return TFont("MS Sans Serif", -MulDiv(8, kReferenceScreenDpi, 72), 0, 0, 0, FW_BOLD);
}

void TDateiDialog::SucheVerbinden(std::span<const Kriterium> kriterien, int suchen,
                                  std::initializer_list<int> ordnung) {
    auto& r = Responses();
    for (const auto& k : kriterien) {
        r.Command(k.box, [this, kriterien, id = k.box] { KriteriumUmschalten(kriterien, id); });
        for (int e : {k.von, k.bis}) {
            if (e < 0) continue;
            r.Notify(e, EN_SETFOCUS, [this, suchen] { SetDefaultButton(suchen); });
            r.Notify(e, EN_KILLFOCUS, [this] { SetDefaultButton(IDOK); });
        }
    }
    r.Command(suchen, [this] { InhaltAktualisieren(); });
    for (int id : ordnung) r.Command(id, [this] { InhaltAktualisieren(); });
}
