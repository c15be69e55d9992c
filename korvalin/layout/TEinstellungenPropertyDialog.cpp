#include "korvalin/layout/TEinstellungenPropertyDialog.h"

#include "korvalin/layout/TAdresseDialog.h"
#include "korvalin/layout/TGrafikEinstellungenDialog.h"
#include "korvalin/layout/TKopfzeileDialog.h"
#include "korvalin/layout/TLogoEinstellungenDialog.h"
#include "korvalin/layout/TRahmenDialog.h"
#include "korvalin/layout/TSeiteEinrichtenDialog.h"
#include "korvalin/layout/TTextEinstellungenDialog.h"
#include "korvalin/layout/TUnterlegungDialog.h"
#include "korvalin/layout/TZahlenFormatDialog.h"
#include "korvalin/shell/KorpusZustand.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Control.h"
#include "platform/window/ResponseTable.h"

namespace {

TDialogResource sheetResource() {
    const int w = 320, h = 212;
    return {"Einstellungen",
            {w, h},
            {
                {TControlKind::GroupBox, 9190, "", {6, h - 44, w - 6, h - 24}},
                {TControlKind::Button, 101, "Als Standard übernehmen", {12, h - 40, 112, h - 28}},
                {TControlKind::Button, 102, "Standardeinstellungen", {118, h - 40, 218, h - 28}},
                {TControlKind::DefButton, IDOK, "OK", {w - 165, h - 20, w - 115, h - 6}},
                {TControlKind::Button, IDCANCEL, "Abbrechen", {w - 110, h - 20, w - 60, h - 6}},
                {TControlKind::Button, 9, "&Hilfe", {w - 55, h - 20, w - 5, h - 6}},
            }};
}

} // namespace

TEinstellungenPropertyDialog::TEinstellungenPropertyDialog(TWindow* parent,
                                                           TLogoTransferStruct& logo,
                                                           TKopfzeileData* kopf, LayoutZiel ziel,
                                                           Tab::Style style)
    // A page is made when its tab is first opened: OK saves only those.
    : TPropertyDialog(parent, sheetResource(), style | Tab::CreateOnDemandAndKeepIt) {
    Grafik = new TGrafikEinstellungenDialog(this, ziel);
    Unterlegung = new TUnterlegungDialog(this, ziel);
    Rahmen = new TRahmenDialog(this, ziel);
    Text = new TTextEinstellungenDialog(this, ziel);
    Seite = new TSeiteEinrichtenDialog(this, ziel);
    Kopfzeile = new TKopfzeileDialog(this, ziel, kopf);
    Zahlenformat = new TZahlenFormatDialog(this, ziel);
    Logo = new TLogoEinstellungenDialog(this, ziel, logo);
    Adresse = new TAdresseDialog(this, ziel);
    Add("Seite einrichten", Seite, 1);
    Add("Rahmen", Rahmen, 1);
    Add("Kopf-/Fußzeile", Kopfzeile, 1);
    Add("Logo", Logo, 1);
    Add("Text", Text, 1);
    Add("Unterlegung", Unterlegung, 1);
    Add("Grafik", Grafik, 1);
    Add("Zahlenformat", Zahlenformat, 1);
    Add("Adresse", Adresse, 1);
    auto& r = Responses();
    r.Command(9, [] { Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, 1150); });
    r.Command(101, [this] { AlsStandardUebernehmen(); });
    r.Command(102, [this] { Standardeinstellungen(); });
}

void TEinstellungenPropertyDialog::AdjustMargin(TRect& rect) {
    TWindow* knopf = GetDlgItem(101);
    if (!knopf || !knopf->IsCreated()) return TPropertyDialog::AdjustMargin(rect);
    const TRect bildschirm = knopf->GetWindowRect();
    const TPoint links = ScreenToClient({bildschirm.left, bildschirm.top});
    if (GetStyle() & Tab::ButtonsOnRight)
        rect.right = links.x - 8;
    else
        rect.bottom = links.y - 10;
}

void TEinstellungenPropertyDialog::AlsStandardUebernehmen() {
    ForEachPage([](TPropertyPage* p) {
        if (auto* seite = dynamic_cast<TEinstellungenProperty*>(p)) seite->bAlsStandard = 1;
    });
}

void TEinstellungenPropertyDialog::Standardeinstellungen() {
    TEinstellungenProperty* reihe[] = {Text,    Grafik,      Seite,  Kopfzeile,   Logo,
                                       Adresse, Unterlegung, Rahmen, Zahlenformat};
    for (auto* seite : reihe) seite->EinstellungenLaden(true);
    for (auto* seite : reihe) {
        seite->Aktualisieren();
        if (seite->IsCreated()) seite->NachStandardeinstellungen();
    }
}
