// The project dialog's controls follow its size: the result frames widen,
// the frame of A, V and A/V moves left when narrow, the bottom buttons keep
// their distance from the bottom edge, the trees share the width two to one.
#include "korvalin/projekt/TProjektDialog.h"

#include "platform/window/Control.h"

#include <algorithm>

namespace {
constexpr int kDialog = 0;
// The design rectangles in dialog units.
const std::pair<int, TRect> kEntwurf[] = {
    {kDialog, {0, 0, 354, 247}}, {300, {7, 6, 347, 104}},     {301, {10, 10, 344, 32}},
    {302, {10, 36, 344, 101}},   {200, {14, 11, 339, 19}},    {201, {14, 22, 339, 30}},
    {207, {281, 53, 336, 61}},   {160, {281, 64, 336, 72}},   {208, {281, 76, 336, 84}},
    {110, {138, 87, 339, 99}},   {105, {7, 228, 41, 240}},    {114, {44, 228, 78, 240}},
    {118, {81, 228, 115, 240}},  {106, {118, 228, 152, 240}}, {107, {217, 228, 243, 240}},
    {104, {246, 228, 280, 240}}, {109, {283, 228, 317, 240}}, {103, {320, 228, 346, 240}},
    {120, {7, 108, 209, 226}},   {121, {227, 108, 347, 226}}, {108, {212, 175, 224, 187}},
    {117, {212, 192, 224, 204}}, {215, {249, 51, 339, 85}},   {204, {14, 39, 340, 47}},
    {211, {14, 51, 245, 59}},    {203, {92, 62, 245, 70}},    {206, {92, 73, 245, 81}},
    {213, {253, 53, 279, 61}},   {212, {253, 64, 279, 72}},   {214, {253, 76, 279, 84}},
};
constexpr int kBildKnopf = 28; // pixels
} // namespace

void TProjektDialog::layoutEntwerfen() {
    entwurf_.clear();
    for (const auto& [id, rect] : kEntwurf) entwurf_.push_back({id, MapDialogRect(rect)});
}

void TProjektDialog::EvSize(uint32_t sizeType, const TSize& size) {
    TDialog::EvSize(sizeType, size);
    if (!entwurf_.empty()) layout(size.cx, size.cy);
}

void TProjektDialog::layout(int W, int H) {
    auto entwurf = [this](int id) {
        for (const auto& e : entwurf_)
            if (e.id == id) return e.rect;
        return TRect{};
    };
    auto setzen = [this](int id, int x, int y, int w, int h) {
        if (auto* c = GetDlgItem(id)) c->MoveWindow({x, y, x + w, y + h});
    };
    auto breiter = [&](int id, int w) {
        const TRect r = entwurf(id);
        setzen(id, r.left, r.top, w, r.Height());
    };
    // 1. The result frames and their full-width texts.
    breiter(300, W - entwurf(300).left - 10);
    for (int id : {301, 302}) breiter(id, W - entwurf(id).left - 17);
    for (int id : {200, 201, 204}) breiter(id, W - entwurf(id).left - 20);
    // 2. The frame of A, V and A/V keeps its width and moves left when the
    //    dialog gets narrow, so that its values stay readable; the texts
    //    left of it end before it.
    const TRect f = entwurf(215);
    const int fx = std::max(0, std::min(f.left, W - f.Width() - 20));
    const int dx = fx - f.left;
    for (int id : {215, 213, 207, 212, 160, 214, 208}) {
        const TRect r = entwurf(id);
        setzen(id, r.left + dx, r.top, r.Width(), r.Height());
    }
    for (int id : {211, 203, 206})
        breiter(id, std::max(0, std::min(entwurf(id).Width(), fx - 4 - entwurf(id).left)));
    const int R = fx + f.Width();
    breiter(110, std::max(0, R - entwurf(110).left));
    // 3. The bottom buttons: the envelope's on the left, the reference's right-aligned.
    const int unten = entwurf(kDialog).bottom;
    auto knopf = [&](int id, int x) {
        const TRect r = entwurf(id);
        setzen(id, x, H - (unten - r.top), r.Width(), r.Height());
    };
    for (int id : {105, 114, 118, 106}) knopf(id, entwurf(id).left);
    const int b103 = entwurf(103).Width(), b109 = entwurf(109).Width();
    const int b104 = entwurf(104).Width(), b107 = entwurf(107).Width();
    // Where the dialog is too narrow for both rows, the reference's buttons
    // start after the envelope's instead of covering them.
    const int rechtsAb = W - (b103 + b109 + b104 + b107 + 31);
    const int v = std::max(0, entwurf(106).right + 7 - rechtsAb);
    knopf(103, v + W - b103 - 10);
    knopf(109, v + W - b109 - (b103 + 17));
    knopf(104, v + W - b104 - (b103 + b109 + 24));
    knopf(107, v + W - b107 - (b103 + b109 + b104 + 31));
    // 4. The trees share the width two to one above the buttons.
    const int B = H - (unten - entwurf(105).top);
    const TRect t120 = entwurf(120), t121 = entwurf(121);
    const int L = t120.left, T = t120.top;
    setzen(120, L, T, 2 * W / 3 - 40, B - T - 15);
    setzen(121, 2 * W / 3 + 10, t121.top, W / 3 - 20, B - t121.top - 15);
    // 5. The picture buttons between the trees, 32 pixels apart; where the
    //    trees are low they close up, so that none reaches the bottom buttons.
    const int X = 2 * W / 3 + L + (50 - L) / 2;
    int erster = T + 10, abstand = 32;
    const int grenze = B - 4;
    if (erster + 4 * abstand + kBildKnopf > grenze) {
        erster = T;
        abstand = std::clamp((grenze - T - kBildKnopf) / 4, kBildKnopf, 32);
    }
    const std::pair<int, int> bilder[] = {{515, 0}, {511, 1}, {512, 2}};
    for (const auto& [id, i] : bilder)
        setzen(id, X - 55, erster + i * abstand, kBildKnopf, kBildKnopf);
    setzen(108, X - 54, erster + 3 * abstand, kBildKnopf, kBildKnopf);
    setzen(117, X - 54, erster + 4 * abstand, kBildKnopf, kBildKnopf);
}
