#pragma once
// The base of the catalogue browsers (materials, components, windows): a
// modeless dialog that lives as the client of a TDateiWindow and rebuilds
// its list from the catalogue when its window is activated again. It also
// keeps the controls in place as the window is sized, and brings the
// window to the size it had when it was last closed.
#include "platform/services/MessageBox.h"
#include "platform/window/CommandIds.h"
#include "platform/window/Dialog.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <vector>

class TDateiWindow;
class TFont;
class TMDIClient;

class TDateiDialog : public TDialog {
public:
    TDateiDialog(TWindow* parent, const TDialogResource& resource);

    // Rebuilds the list from the catalogue with the current search settings.
    virtual void InhaltAktualisieren() {}

    void EvSize(uint32_t sizeType, const TSize& size) override;

    // A search criterion: its check box and its one or two edits (bis -1
    // for one), with the texts they hold while it is off.
    struct Kriterium {
        int box, von, bis;
        const char* vonText;
        const char* bisText;
    };

    // The lists' bold 8-point font.
    static TFont ListenSchrift();

    // Set by the opener: the client that parents the windows the browser
    // opens, and the host window (none for a modal browser).
    TMDIClient* Client = nullptr;
    TDateiWindow* Fenster = nullptr;

    // Buttons one below the other in the column at the right edge, from the
    // top (dialog units); OK is the default button.
    static void KnopfSpalte(TDialogResource& r, int left, int right,
                            std::vector<std::pair<int, const char*>> knoepfe, int top = 4);

protected:
    // The criteria's check boxes switch them; while the cursor is in one of
    // their edits, Enter runs the search button `suchen`, otherwise OK; the
    // order buttons refill the list.
    void SucheVerbinden(std::span<const Kriterium> kriterien, int suchen,
                        std::initializer_list<int> ordnung);
    // All criteria off: their edits hold the texts and are disabled.
    void KriterienZuruecksetzen(std::span<const Kriterium> kriterien);
    // The check box was clicked: on opens its edits; off resets and
    // disables them and refills the list at once.
    void KriteriumUmschalten(std::span<const Kriterium> kriterien, int id);
    bool Angehakt(int id) const;
    // Where a new entry goes behind the shown rows: after the highest
    // position shown, or first when nothing is shown.
    template <class Schluessel>
    static uint16_t PositionDahinter(const std::vector<Schluessel>& zeilen) {
        int hoechste = -1;
        for (const auto& s : zeilen) hoechste = std::max(hoechste, int(int16_t(s.Position)));
        return uint16_t(hoechste + 1);
    }

    // How a control follows the window's size: the distance in pixels of its
    // right and bottom edges from those of the client area (-1 keeps the
    // edge where the resource puts it); verschieben: it keeps its width and
    // moves with the right edge instead.
    struct Anker {
        int id;
        int rechts = -1;
        int unten = -1;
        bool verschieben = false;
    };
    // Called from SetupWindow; lays the controls out at once.
    void Verankern(std::vector<Anker> anker);
    // The control's place in the resource, in pixels.
    TRect Entwurf(int id) const;
    // A window rectangle stored in korpus.ini: the host window (or the
    // dialog itself when it has none) takes its size. Rectangles with a zero
    // right or bottom edge, or left not below right, are ignored. A size
    // below the smallest the window allows opens at that smallest size.
    void RechteckAnwenden(const TRect& r);
    // The dialog's rectangle into korpus.ini under `schluessel`, never
    // smaller than the window allows.
    void RechteckSpeichern(const char* schluessel) const;
    // The smallest client size of the dialog: what its host window's
    // minimum leaves inside the frame, or the dialog's own minimum.
    TSize Mindestgroesse() const;

private:
    void anordnen(int breite, int hoehe);
    std::vector<std::pair<Anker, TRect>> anker_;
};
