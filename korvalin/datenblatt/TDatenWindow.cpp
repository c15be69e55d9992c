#include "korvalin/datenblatt/TDatenWindow.h"

#include "hilfsmittel/layout/BtSeitenGroessen.h"
#include "hilfsmittel/layout/BtTextGroessen.h"
#include "korvalin/datenblatt/DatenblattSchluessel.h"
#include "korvalin/datenblatt/DatenblattZustand.h"
#include "korvalin/datenblatt/TBauteilEdit.h"
#include "korvalin/datenblatt/TFixDaten.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TStatusBarZeit.h"
#include "platform/base/ApplicationState.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/Menu.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Scroller.h"
#include "stammwerk/modell/TGesamtProjekt.h"
#include "stammwerk/modell/TProjekt.h"
#include "stammwerk/modell/TRBauteil.h"
#include "tauplot/diagramm/TText.h"

#include <cstdio>

DatenblattZustand::DatenblattZustand() = default;
DatenblattZustand::~DatenblattZustand() = default;

DatenblattZustand& Datenblaetter() {
    return ApplicationState::Current().Get<DatenblattZustand>();
}

TDatenWindow::TDatenWindow(TMDIClient& parent, std::string_view caption, int blattart, int quelle)
    : korpusMDIChild(parent, caption) {
    Blattart = blattart;
    Quelle = quelle;
}

TDatenWindow::TDatenWindow(TMDIClient& parent, std::string_view caption, int blattart, int umfang,
                           const std::vector<TRBauteil*>& bauteile,
                           const std::vector<TRFenster*>& fenster)
    : TDatenWindow(parent, caption, blattart, QuelleProjekt) {
    Umfang = umfang;
    // Every chosen component and window gets its sheet, however many.
    GewaehlteBauteile = bauteile;
    GewaehlteFenster = fenster;
    initialisieren();
}

TDatenWindow::TDatenWindow(TMDIClient& parent, std::string_view caption, int blattart, int umfang,
                           BauteilListeAusDatei liste)
    : TDatenWindow(parent, caption, blattart, QuelleBauteilListe) {
    Umfang = umfang;
    BauteilListe = std::move(liste.liste);
    initialisieren();
}

TDatenWindow::TDatenWindow(TMDIClient& parent, std::string_view caption, int blattart, int umfang,
                           FensterListeAusDatei liste)
    : TDatenWindow(parent, caption, blattart, QuelleFensterListe) {
    Umfang = umfang;
    FensterListe = std::move(liste.liste);
    initialisieren();
}

TDatenWindow::TDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* bauteil,
                           TEinfachBauteil* variante)
    : TDatenWindow(parent, caption, 5, QuelleBauteil) {
    Bauteil = bauteil;
    BauteilVariante = variante;
    initialisieren();
}

TDatenWindow::TDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* bauteil,
                           int blattart)
    : TDatenWindow(parent, caption, blattart, QuelleBauteil) {
    Bauteil = bauteil;
    initialisieren();
}

TDatenWindow::TDatenWindow(TMDIClient& parent, std::string_view caption, TRFenster* fenster,
                           int variante)
    : TDatenWindow(parent, caption, 5, QuelleFenster) {
    Fenster = fenster;
    FensterVariante = variante;
    initialisieren();
}

TDatenWindow::TDatenWindow(TMDIClient& parent, std::string_view caption, TRBauteil* erster,
                           int wert1, TRBauteil* zweiter, int wert2, int blattart)
    : TDatenWindow(parent, caption, blattart, QuelleVergleich) {
    Vergleich1 = erster;
    Vergleich2 = zweiter;
    Vergleichswert1 = wert1;
    Vergleichswert2 = wert2;
    initialisieren();
}

void TDatenWindow::initialisieren() {
    DatenblattZustand& z = Datenblaetter();
    z.BauteilGrafikGeaendert = false;
    z.EditorMeldung = false;
    EnergiebilanzGewaehlt = z.NachweisAVVerfahren;
    KleineWohngebaeudeGewaehlt = z.NachweisBauteilverfahren;
    Gesamtprojekt = Korpus().AktuellesProjekt;
    // A window a little smaller than most screens; its opener shows it
    // maximised on small ones. Its place is the client's: cascaded from the
    // sheet before it, not all on one another in the corner.
    Attr().W = 800;
    Attr().H = 600;
    ShowScrollBar(SB_BOTH, true);
    DateiFlagsSetzen();
    if (Projektblatt) {
        if (z.OffeneProjektblaetter == 0) projektDatenOeffnen();
        ++z.OffeneProjektblaetter;
        FixDaten = z.FixDaten.get();
    } else {
        DateiFixDaten = new TDateiFixDaten;
        DateiFixDaten->Dateiname = Korpus().Programmverzeichnis + "datei.pbf";
        DateiFixDaten->Oeffnen();
    }
    auto scroller = std::make_unique<TScroller>(this, 0, 0, 0, 0);
    scroller->SetAutoOrg(false);
    SetScroller(std::move(scroller));
    AmEnde = false;
    EinstellungenLaden(Projektblatt);
    SeitenAusrichtung(Querformat(Blattart));
    textLayoutSetzen();
    if (Quelle != QuelleFenster && Quelle != QuelleFensterListe) BauteilGrafikenErneuern();
    befehleEintragen();
    editBefehleEintragen();
}

TDatenWindow::~TDatenWindow() {
    Destroy();
    DatenblattZustand& z = Datenblaetter();
    if (Projektblatt) {
        const bool letztes = --z.OffeneProjektblaetter <= 0;
        // Each sheet saves what it changed; the last one frees the records.
        if (BtDatenGeaendert && z.BtDaten) z.BtDaten->Speichern();
        if (FnDatenGeaendert && z.FnDaten) z.FnDaten->Speichern();
        if (BlattDatenGeaendert && z.FixDaten) z.FixDaten->Speichern();
        if (letztes) {
            z.OffeneProjektblaetter = 0;
            z.BtDaten.reset();
            z.FnDaten.reset();
            z.FixDaten.reset();
        }
    } else {
        if (VorlageGeaendert) DateiFixDaten->Speichern();
        delete DateiFixDaten;
    }
    FixDaten = nullptr;
    DateiFixDaten = nullptr;
}

void TDatenWindow::projektDatenOeffnen() {
    DatenblattZustand& z = Datenblaetter();
    z.BtDaten = std::make_unique<TEBDatenblattDatenArray>();
    z.FnDaten = std::make_unique<TFensterDatenblattDatenArray>();
    z.FixDaten = std::make_unique<TFixDaten>();
    const TProjekt* p = Projekt();
    if (!Gesamtprojekt || !p) return;
    // The side files beside the project: its name, the kind and the variant digit.
    const std::string basis = Gesamtprojekt->GetProjektPfad() + Gesamtprojekt->GetFileName(false);
    const auto name = [&](const char* endung) {
        char text[16];
        std::snprintf(text, sizeof text, "%s%1d", endung, int(p->Nummer));
        return basis + text;
    };
    z.BtDaten->Dateiname = name(".eb");
    z.FnDaten->Dateiname = name(".fb");
    z.FixDaten->Dateiname = name(".pb");
    const std::vector<TBTKey> bauteile = BauteilSchluessel(*p);
    const std::vector<TBTFensterKey> fenster = FensterSchluessel(*p);
    z.BtDaten->Oeffnen(bauteile.data(), int(bauteile.size()));
    z.FnDaten->Oeffnen(fenster.data(), int(fenster.size()));
    z.FixDaten->Oeffnen();
}

void TDatenWindow::CleanupWindow() {
    // Closed with the project: what is typed in place is kept.
    EditorBeenden();
    if (Datenblaetter().SeiteInBearbeitung == this) Datenblaetter().SeiteInBearbeitung = nullptr;
    Austragen();
    korpusMDIChild::CleanupWindow();
}

void TDatenWindow::textLayoutSetzen() {
    TText& t = Seitenlayout();
    t.SeitenBreite = SeitenBreite;
    t.SeitenHoehe = SeitenHoehe;
    t.ZeilenProSeite = ZeilenProSeite;
    t.Seitenanzahl = Seitenzahl;
    t.Einheit = 14;
    t.TextZeilenHoehe = 14;
    t.ZeichenBreite = 5;
}

void TDatenWindow::befehleEintragen() {
    TResponseTable& r = Responses();
    r.Command(CM_FILEPRINT, [this] { CmDrucken(); });
    r.Command(CM_FILEPRINTERSETUP, [this] { CmDruckerEinrichten(); });
    r.Command(CM_FILEPRINTPREVIEW, [this] { CmDruckvorschau(); });
    for (int id : {CM_FILEPRINT, CM_FILEPRINTERSETUP, CM_FILEPRINTPREVIEW})
        r.CommandEnable(id, [](TCommandEnabler& ce) { ce.Enable(true); });
    r.Command(CM_GEHE_ZU_SEITE, [this] { GeheZuSeite(); });
    r.Command(CM_SEITEN_NUMMERIERUNG, [this] { SeitenNummerierung(); });
    r.CommandEnable(CM_SEITEN_NUMMERIERUNG,
                    [this](TCommandEnabler& ce) { ce.Enable(SeitenNummerierungMoeglich()); });
    r.Message(WM_PROJEKT_AKTUALISIEREN, [this](WPARAM modus, LPARAM) -> TResult {
        ProjektAktualisieren(int(modus));
        return 0;
    });
}

void TDatenWindow::SetupWindow() {
    korpusMDIChild::SetupWindow();
    TText& t = Seitenlayout();
    t.Drucken = false;
    t.AktuelleSeite = 0;
    t.ScrollPosition = 0;
    SeitenAusrichtung(Querformat(Blattart));
    if (Quelle == QuelleProjekt) geaenderteGrafikenErneuern();
    TMeasuringDC dc;
    Auslegen(dc);
    textLayoutSetzen();
    if (TScroller* s = GetScroller()) {
        s->SetUnits(5, 14);
        s->SetRange(GetScreenSize().cx < 800 ? 150 : 100, ZeilenProSeite * Seitenzahl);
    }
}

void TDatenWindow::EinstellungenNeuLaden() {
    EinstellungenLaden(Projektblatt);
}

void TDatenWindow::NeuAuslegen() {
    TMeasuringDC dc;
    Auslegen(dc);
    layoutZeigen();
}

void TDatenWindow::layoutZeigen() {
    textLayoutSetzen();
    if (TScroller* s = GetScroller()) s->SetRange(s->GetXRange(), ZeilenProSeite * Seitenzahl);
    if (IsCreated()) Invalidate(true);
}

void TDatenWindow::geaenderteGrafikenErneuern() {
    if (SeitenLayout().Schichtgrafik != 1 || !Datenblaetter().BauteilGrafikGeaendert) return;
    Datenblaetter().BauteilGrafikGeaendert = false;
    BauteilGrafikenErneuern();
}

void TDatenWindow::BauteilGrafikenErneuern() {
    if (!BtDatei && !BtDateiListe) {
        if (TProjekt* p = Projekt())
            for (TRBauteil& b : p->RBauteile) b.SetEBGrafikDatenNeu();
    } else if (BtDateiListe) {
        for (TRBauteil* b : BauteilListe)
            if (b) b->SetEBGrafikDatenNeu();
    } else if (Bauteil) {
        Bauteil->SetEBGrafikDatenNeu();
    }
}

void TDatenWindow::ProjektAktualisieren(int modus) {
    if (modus < 0 || modus > 2) return;
    if (modus <= 1) geaenderteGrafikenErneuern();
    if (modus >= 1) NeuAuslegen();
}

int TDatenWindow::BildschirmSeite() const {
    return Seitenlayout().AktuelleSeite;
}

void TDatenWindow::BildschirmSeiteSetzen(int seite) {
    Seitenlayout().AktuelleSeite = seite;
    AktuelleSeite = seite;
}

void TDatenWindow::Paint(TDC& dc, bool /*erase*/, TRect& /*rect*/) {
    TText& t = Seitenlayout();
    AktuelleSeite = t.Drucken ? t.Seite : t.AktuelleSeite;
    Drucken = t.Drucken;
    if (!t.Drucken) dc.SetViewportOrg({HOffset, VOffset});
    const TFont alt = dc.SelectObject(Texte().Font(Textstil::Tabelle));
    dc.FillRect(TRect(0, 0, SeitenBreite, SeitenHoehe), TBrush(TColor::White));
    Ruecksetzen = false;
    DatenblattAufbauen(dc, 1);
    dc.SelectObject(alt);
    // Page editing: the margins' frame and the band being dragged, from the window's state.
    if (SeitenEditModus && !t.Drucken) SeitenEditRahmen(dc);
    if (!t.Drucken) band_.Paint(dc);
    AktuelleSeite = t.AktuelleSeite;
    Drucken = false;
}

bool TDatenWindow::CanClose() {
    if (!korpusMDIChild::CanClose()) return false;
    if (SeitenEditModus) Datenblaetter().SeitenEditSchliessen = true;
    EditorBeenden();
    return true;
}

void TDatenWindow::EvSize(uint32_t sizeType, const TSize& size) {
    korpusMDIChild::EvSize(sizeType, size);
    Invalidate(true);
}

void TDatenWindow::TitelSetzen(const std::string& titel) {
    if (GetCaption() != titel) SetCaption(titel);
}

void TDatenWindow::StatusSeiteSetzen(const std::string& text) {
    Statustext = text;
    if (!IsCreated() || !IsActive() || Drucken) return;
    if (auto* bar = Korpus().StatusBar) bar->SetText(text);
}

void TDatenWindow::BlattStatusAnzeigen() {
    TDatenblattAufbau::BlattStatusAnzeigen();
    if (!Projektblatt || !IsCreated() || !IsActive()) return;
    if (const TProjekt* p = Projekt()) {
        StatusVariantenfeld(p->Name);
        StatusZustand(Korpus().ProjektGeaendert);
    }
}
