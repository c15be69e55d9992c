#pragma once
// The tabbed sheet "Einstellungen" with the nine pages of the print layout
// settings. "Als Standard übernehmen" makes OK write every opened page to
// global.ini too; "Standardeinstellungen" shows the values of global.ini.
#include "korvalin/layout/LayoutZiel.h"
#include "tauplot/property/TPropertyDialog.h"

class TAdresseDialog;
class TEinstellungenProperty;
class TGrafikEinstellungenDialog;
class TKopfzeileData;
class TKopfzeileDialog;
class TLogoEinstellungenDialog;
class TRahmenDialog;
class TSeiteEinrichtenDialog;
class TTextEinstellungenDialog;
class TUnterlegungDialog;
class TZahlenFormatDialog;
struct TLogoTransferStruct;

class TEinstellungenPropertyDialog : public TPropertyDialog {
public:
    enum : int { IDD = 4040 };
    TEinstellungenPropertyDialog(TWindow* parent, TLogoTransferStruct& logo, TKopfzeileData* kopf,
                                 LayoutZiel ziel, Tab::Style style = Tab::SingleHeight);

    void AdjustMargin(TRect& rect) override;
    void AlsStandardUebernehmen();
    void Standardeinstellungen();

    TSeiteEinrichtenDialog* Seite;
    TTextEinstellungenDialog* Text;
    TGrafikEinstellungenDialog* Grafik;
    TKopfzeileDialog* Kopfzeile;
    TZahlenFormatDialog* Zahlenformat;
    TLogoEinstellungenDialog* Logo;
    TAdresseDialog* Adresse;
    TUnterlegungDialog* Unterlegung;
    TRahmenDialog* Rahmen;
};
