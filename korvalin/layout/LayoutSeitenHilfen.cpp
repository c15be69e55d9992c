#include "korvalin/layout/LayoutSeitenHilfen.h"

namespace layoutseite {

namespace {
// Group boxes need ids of their own that no page control uses.
int naechsteGruppe() {
    static int id = 9200;
    if (++id > 9299) id = 9201;
    return id;
}
} // namespace

TControlResource Gruppe(const char* text, int l, int t, int r, int b) {
    return {TControlKind::GroupBox, naechsteGruppe(), text, {l, t, r, b}};
}

TControlResource Kasten(int id, const char* text, int x, int y, int w) {
    return {TControlKind::CheckBox, id, text, {x, y, x + w, y + 10}};
}

TControlResource Knopf(int id, const char* text, int x, int y, int w) {
    return {TControlKind::Button, id, text, {x, y, x + w, y + 14}};
}

TControlResource Radio(int id, const char* text, int x, int y, bool ersterDerGruppe, int w) {
    return {TControlKind::RadioButton, id, text, {x, y, x + w, y + 10}, ersterDerGruppe};
}

TControlResource Feld(int id, int x, int y, int w) {
    return {TControlKind::Edit, id, "", {x, y, x + w, y + 12}};
}

TControlResource Liste(int id, int l, int t, int r, int b) {
    return {TControlKind::ListBox, id, "", {l, t, r, b}};
}

TControlResource Auswahl(int id, int x, int y, int w) {
    return {TControlKind::ComboBox, id, "", {x, y, x + w, y + 14}};
}

TControlResource Muster(int l, int t, int r, int b) {
    return {TControlKind::Button, 108, "", {l, t, r, b}};
}

} // namespace layoutseite
