#include "korvalin/layout/TLogoEinstellungenDialog.h"

#include "korvalin/layout/LayoutSeitenHilfen.h"
#include "platform/services/FileDialogs.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Edit.h"
#include "platform/window/ResponseTable.h"
#include "tauplot/property/SeitenHilfen.h"

#include <filesystem>
#include <memory>

using namespace layoutseite;

namespace {

constexpr int kRadios[] = {105, 106, 102, 103, 104};

TDialogResource logoResource() {
    TDialogResource r{"Logo", kGroesse, {}};
    auto& v = r.controls;
    // The transferring controls first, in the order of the logo record.
    v.push_back(Feld(107, 14, 34, 214));
    v.push_back(Kasten(109, "Logo (Bitmap) einbinden", 14, 8, 150));
    v.push_back(Radio(105, "nur auf der ersten Seite", 22, 76, true, 110));
    v.push_back(Radio(106, "auf allen Seiten", 22, 92, false, 110));
    v.push_back(Radio(102, "links", 162, 76, true, 100));
    v.push_back(Radio(103, "zentriert", 162, 92, false, 100));
    v.push_back(Radio(104, "rechts", 162, 108, false, 100));
    v.push_back(Knopf(108, "Durchsuchen", 234, 33, 56));
    v.push_back(seite::Text("Bitmap-Datei:", 14, 22, 150));
    v.push_back(Gruppe("Plazierung", 14, 60, 146, 128));
    v.push_back(Gruppe("Orientierung", 154, 60, 286, 128));
    return r;
}

bool dateiFehlt(const std::string& name) {
    std::error_code ec;
    return !std::filesystem::exists(std::filesystem::u8path(name), ec);
}

} // namespace

TLogoTransferStruct TLogoTransferStruct::Aus(const TLogoGroessen& logo) {
    TLogoTransferStruct t;
    t.Dateiname = logo.LogoFilename;
    t.Einbinden = logo.LogoInclude ? 1 : 0;
    if (logo.Plazierung == 0) t.ErsteSeite = 1;
    if (logo.Plazierung == 1) t.AlleSeiten = 1;
    if (logo.Orientierung == 0) t.Links = 1;
    if (logo.Orientierung == 1) t.Zentriert = 1;
    if (logo.Orientierung == 2) t.Rechts = 1;
    return t;
}

TLogoEinstellungenDialog::TLogoEinstellungenDialog(TPropertyDialog* sheet, LayoutZiel ziel,
                                                   TLogoTransferStruct& record)
    : TEinstellungenProperty(sheet, logoResource(), ziel) {
    EinstellungenLaden(false);
    new TEdit(this, 107, TLogoGroessen::DateinamePuffer);
    puffer_.Text(record.Dateiname, TLogoGroessen::DateinamePuffer)
        .Check(record.Einbinden)
        .Check(record.ErsteSeite)
        .Check(record.AlleSeiten)
        .Check(record.Links)
        .Check(record.Zentriert)
        .Check(record.Rechts);
    SetTransferBuffer(&puffer_);
    Responses().Command(109, [this] { einbindenGeklickt(); });
    Responses().Command(108, [this] { durchsuchen(); });
}

void TLogoEinstellungenDialog::SetupWindow() {
    TEinstellungenProperty::SetupWindow();
    einbinden_ = Logo.LogoInclude;
    plazierung_ = Logo.Plazierung;
    orientierung_ = Logo.Orientierung;
    Aktualisieren();
}

// Works from the page's copies, taken when the page was first shown: the
// standard settings bring back the file name, not the switches.
void TLogoEinstellungenDialog::Aktualisieren() {
    if (!IsCreated()) return;
    if (einbinden_ == 0) {
        seite::Setzen(*this, 109, false);
        seite::Freigeben(*this, {107, 108}, false);
        for (int id : kRadios) seite::Setzen(*this, id, false);
        seite::Freigeben(*this, {105, 106, 102, 103, 104}, false);
        return;
    }
    seite::Setzen(*this, 109, true);
    seite::Freigeben(*this, {107, 108, 105, 106, 102, 103, 104}, true);
    seite::Setzen(*this, 105, plazierung_ == 0);
    seite::Setzen(*this, 106, plazierung_ == 1);
    seite::Setzen(*this, 102, orientierung_ == 0);
    seite::Setzen(*this, 103, orientierung_ == 1);
    seite::Setzen(*this, 104, orientierung_ == 2);
    Item<TEdit>(107)->SetText(Logo.LogoFilename);
}

void TLogoEinstellungenDialog::einbindenGeklickt() {
    einbinden_ = seite::Gewaehlt(*this, 109) ? 1 : 0;
    Aktualisieren();
}

void TLogoEinstellungenDialog::durchsuchen() {
    // Kept until the program ends, with the last file chosen.
    static std::unique_ptr<TOpenSaveDialog::TData> daten;
    if (!daten) {
        daten = std::make_unique<TOpenSaveDialog::TData>();
        daten->flags = OFN_HIDEREADONLY | OFN_FILEMUSTEXIST;
        daten->filter = "Bitmap Files (*.BMP)|*.bmp|";
        daten->defExt = "BMP";
    }
    if (ExecuteOpenDialog(*daten)) Item<TEdit>(107)->SetText(daten->fileName);
}

bool TLogoEinstellungenDialog::CanClosePage() {
    if (!IsCreated() || !seite::Gewaehlt(*this, 109)) return true;
    const std::string name = Item<TEdit>(107)->GetText();
    if (name.empty() || !dateiFehlt(name)) return true;
    SelectTab(-1);
    MessageBox("Logo-Datei nicht gefunden", "Fehler", MB_OK | MB_ICONEXCLAMATION);
    return false;
}

bool TLogoEinstellungenDialog::SaveData() {
    if (!CanClosePage()) return false; // the file went away after the check
    TransferData(TTransferDirection::GetData);
    Logo.LogoInclude = seite::Gewaehlt(*this, 109) ? 1 : 0;
    if (seite::Gewaehlt(*this, 105)) Logo.Plazierung = 0;
    if (seite::Gewaehlt(*this, 106)) Logo.Plazierung = 1;
    if (seite::Gewaehlt(*this, 102)) Logo.Orientierung = 0;
    if (seite::Gewaehlt(*this, 103)) Logo.Orientierung = 1;
    if (seite::Gewaehlt(*this, 104)) Logo.Orientierung = 2;
    Logo.LogoFilename = Item<TEdit>(107)->GetText();
    if (Logo.LogoFilename.empty()) Logo.LogoInclude = 0;
    return EinstellungenSpeichern(Logo);
}
