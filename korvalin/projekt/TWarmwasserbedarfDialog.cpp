#include "korvalin/projekt/TWarmwasserbedarfDialog.h"

#include "korvalin/shell/TSftTree.h"
#include "platform/services/MessageBox.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Window.h"

namespace {

struct Zeile {
    int ebene;
    const char* nutzung;
    const char* bedarf;
    const char* temperatur;
};

constexpr Zeile kTabelle[] = {
    {0, "Wohngebäude", "", ""},
    {1, "Einfache Ansprüche", "10...20l/Tag und Person", "60°"},
    {1, "Höhere Ansprüche", "20...40l/Tag und Person", "60°"},
    {1, "Höchste Ansprüche", "40...80l/Tag und Person", "60°"},
    {0, "Sonstige Nutzung", "", ""},
    {1, "Bürogebäude", "10...40l/Tag und Person", "45°"},
    {1, "Krankenhäuser", "100...300l/Tag und Bett", "60°"},
    {1, "Kasernen", "30...50l/Tag und Person", "45°"},
    {1, "Schulen ohne Duschanlagen", "5...15l/Tag und Schüler", "45°"},
    {1, "Schulen mit Duschanlagen", "30...50l/Tag und Schüler", "45°"},
    {1, "Sportanlagen mit Duschanlagen", "50...70l/Tag und Sportler", "45°"},
};

} // namespace

TWarmwasserbedarfDialog::TWarmwasserbedarfDialog(TWindow* parent)
    : TDialog(parent,
              TDialogResource{"Warmwasserbedarf",
                              {330, 150},
                              {
                                  {TControlKind::Custom, IDC_LISTE, "", {6, 6, 324, 122}},
                                  {TControlKind::DefButton, IDOK, "OK", {140, 130, 190, 144}},
                              }}),
      liste_(new TSftTree(this, IDC_LISTE)) {
    Responses().Notify(IDC_LISTE, TN_EXPANDBUTTON, [this] { umschalten(); });
    Responses().Notify(IDC_LISTE, TN_EXPANDKEY, [this] { umschalten(); });
}

void TWarmwasserbedarfDialog::SetupWindow() {
    TDialog::SetupWindow();
    liste_->SetColumns({{200, TTreeColumn::Left, "Gebäude-Nutzung"},
                        {180, TTreeColumn::Center, "Warmwasserbedarf"},
                        {-1, TTreeColumn::Center, "Temperatur"}});
    liste_->SetBackgroundColor(TColor::White);
    for (const Zeile& z : kTabelle) {
        const int zeile = liste_->AddItem(z.nutzung);
        if (z.ebene == 0) continue;
        liste_->SetLevel(zeile, 1);
        liste_->SetCellText(zeile, 1, z.bedarf);
        liste_->SetCellText(zeile, 2, z.temperatur);
    }
    liste_->Expand(0, false);
    liste_->Expand(4, false);
}

void TWarmwasserbedarfDialog::umschalten() {
    const int zeile = liste_->GetCaret();
    if (zeile < 0) return;
    // With Ctrl the rows below follow.
    liste_->Expand(zeile, !liste_->IsExpanded(zeile), (GetKeyState(VK_CONTROL) & 0x8000) != 0);
}
