#include "korvalin/datenblatt/Seitendialoge.h"

#include "korvalin/layout/TSpinEdit.h"
#include "platform/services/MessageBox.h"
#include "platform/window/CommandIds.h"

#include <charconv>

namespace {
using K = TControlKind;

TDialogResource gehezu() {
    TDialogResource r;
    r.size = {172, 93};
    r.controls = {
        {K::GroupBox, -1, "", {8, 6, 164, 58}},
        {K::Static, -1, "Gehe zu Seite", {20, 28, 80, 38}},
        {K::Edit, TSeitenDialog::IDC_SEITE, "", {90, 26, 140, 38}},
        {K::DefButton, IDOK, "OK", {20, 68, 70, 82}},
        {K::Button, IDCANCEL, "Abbrechen", {100, 68, 150, 82}},
    };
    return r;
}

TDialogResource nummerierung() {
    TDialogResource r;
    r.caption = "Seite einrichten";
    r.size = {189, 116};
    r.controls = {
        {K::GroupBox, -1, "Seitennummerierung", {8, 6, 181, 70}},
        {K::Static, -1, "beginnen mit", {20, 34, 90, 44}},
        {K::Edit, TSeitenDialog::IDC_SEITE, "", {100, 32, 150, 44}},
        {K::DefButton, IDOK, "OK", {24, 88, 74, 102}},
        {K::Button, IDCANCEL, "Abbrechen", {114, 88, 164, 102}},
    };
    return r;
}
} // namespace

TSeitenDialog::TSeitenDialog(TWindow* parent, const TDialogResource& r, std::string text, int min,
                             int max)
    : TDialog(parent, r), Spin(new TSpinEdit(this, IDC_SEITE, 4)), text_(std::move(text)),
      min_(min), max_(max) {
    Spin->Step = 1;
    Spin->PageStep = 1;
    Spin->Min = min;
    Spin->Max = max;
    // A page number is typed as well as stepped; OK checks what was typed.
    Spin->SetReadOnly(false);
}

bool TSeitenDialog::ZahlLesen(const std::string& text, int min, int max, int& zahl) {
    size_t a = text.find_first_not_of(' ');
    size_t e = text.find_last_not_of(' ');
    if (a == std::string::npos) return false;
    int n = 0;
    const char* ende = text.data() + e + 1;
    const auto [p, fehler] = std::from_chars(text.data() + a, ende, n);
    if (fehler != std::errc() || p != ende || n < min || n > max) return false;
    zahl = n;
    return true;
}

void TSeitenDialog::SetupWindow() {
    TDialog::SetupWindow();
    Spin->SetText(text_);
    int n = min_;
    ZahlLesen(text_, min_, max_, n);
    Spin->SetValue(n);
}

bool TSeitenDialog::CanClose() {
    if (!TDialog::CanClose()) return false;
    const std::string text = Spin->GetText();
    int n = 0;
    if (!ZahlLesen(text, min_, max_, n)) {
        MessageBox("Bitte eine Seitenzahl von " + std::to_string(min_) + " bis " +
                       std::to_string(max_) + " eingeben.",
                   "Seite", MB_OK | MB_ICONEXCLAMATION);
        Spin->SetFocus();
        return false;
    }
    zahl_ = n;
    text_ = std::to_string(n);
    return true;
}

TGoToSeiteDialog::TGoToSeiteDialog(TWindow* parent, const std::string& text, int seiten)
    : TSeitenDialog(parent, gehezu(), text, 1, seiten) {}

TSeitenNummerierungDialog::TSeitenNummerierungDialog(TWindow* parent, const std::string& text)
    : TSeitenDialog(parent, nummerierung(), text, 0, 100) {}
