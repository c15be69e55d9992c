#include "korvalin/ausweis/TWaermeBedarfsAusweisWindow.h"

#include "korvalin/ausweis/AusweisBefehl.h"
#include "korvalin/ausweis/AusweisBloecke.h"
#include "korvalin/ausweis/AusweisSeite.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/PreviewWBAusweisWindow.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/TWBAusweisPrintOut.h"
#include "korvalin/shell/korpusApp.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/MeasuringDC.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlCodes.h"
#include "platform/window/LayoutWindow.h"
#include "platform/window/MDIClient.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/Scroller.h"
#include "stammwerk/modell/TProjekt.h"
#include "tauplot/diagramm/TText.h"

#include <algorithm>

namespace {

constexpr int32_t kZeilenProSeite = 90;
constexpr int32_t kZeilenhoehe = 14; // logical units
constexpr int32_t kHorizontal = 5;   // horizontal scroll unit
constexpr int32_t kHorizontalBereich = 50;
constexpr int32_t kZeilenschritt = 10; // lines per arrow step

} // namespace

TWaermeBedarfsAusweisWindow::TWaermeBedarfsAusweisWindow(TMDIClient& parent, std::string_view title)
    : korpusMDIChild(parent, title) {
    SetScroller(std::make_unique<TScroller>(this, kHorizontal, kZeilenhoehe, 0, 0));
    ShowScrollBar(SB_BOTH);
    TText& t = Seitenlayout();
    t.SichtbareSeite = 0;
    t.ScrollPosition = 0;
    layoutWerte();
    auto& r = Responses();
    r.Command(9123, [this] { SendMessage(WM_SYSCOMMAND, 0xF040, 0); });
    r.Command(9125, [this] { SendMessage(WM_SYSCOMMAND, 0xF050, 0); });
    r.Command(CM_FILEPRINT, [this] { CmFilePrint(); });
    r.Command(CM_FILEPRINTERSETUP, [this] { CmFilePrintSetup(); });
    r.Command(CM_FILEPRINTPREVIEW, [this] { CmFilePrintPreview(); });
    for (int id : {int(CM_FILEPRINT), int(CM_FILEPRINTERSETUP), int(CM_FILEPRINTPREVIEW)})
        r.CommandEnable(id, [](TCommandEnabler& ce) {
            ce.Enable(dynamic_cast<korpusApp*>(TApplication::Current()) != nullptr);
        });
    r.Message(WM_PROJEKT_AKTUALISIEREN, [this](WPARAM, LPARAM) {
        VarianteNachAenderung();
        Invalidate(true);
        return 0;
    });
}

TWaermeBedarfsAusweisWindow::~TWaermeBedarfsAusweisWindow() {
    auto& e = Korpus().Ansichten;
    if (e.WBAusweis == this) e.WBAusweis = nullptr;
}

void TWaermeBedarfsAusweisWindow::layoutWerte() {
    ausweis::LayoutWerteSetzen(Seitenlayout());
}

void TWaermeBedarfsAusweisWindow::SetupWindow() {
    korpusMDIChild::SetupWindow();
    layoutWerte();
    Stiftfarbe = TColor::Black;
    varianteZeigen(ausweis::VarianteWaehlen(Seitenlayout(), Methode));
}

void TWaermeBedarfsAusweisWindow::varianteZeigen(ausweis::Variante v) {
    Gezeigt = v;
    SetCaption(ausweis::VarianteTitel(v));
}

void TWaermeBedarfsAusweisWindow::VarianteNachAenderung() {
    using ausweis::Variante;
    constexpr const char* titel = "Waermebedarfsausweis";
    Variante neu = ausweis::VarianteWaehlen(Seitenlayout(), Methode);
    if (neu == Gezeigt || !IsCreated()) return;
    const TProjekt* p = ausweis::Projekt(Seitenlayout());
    if (Gezeigt == Variante::A && neu == Variante::B && p && p->V >= 0.01) {
        // "Kleines Wohngebäude" was ticked: both methods are open now.
        Methode = MessageBox("Bei den gewählten Projekteinstellungen besteht die Möglichkeit der "
                             "Wahl zwischen \nA/V - Verfahren (ja) und Bauteilverfahren (nein).",
                             titel, MB_YESNO | MB_ICONQUESTION) == IDYES
                      ? 1
                      : 0;
        varianteZeigen(ausweis::VarianteWaehlen(Seitenlayout(), Methode));
        return;
    }
    varianteZeigen(neu);
    if (neu == Variante::Keine) {
        MessageBox(AusweisNichtVorgesehen(p ? p->Baumassnahme : 0) +
                       "\n\nDer Wärmebedarfsausweis wird geschlossen.",
                   titel, MB_OK | MB_ICONEXCLAMATION);
        PostMessage(WM_CLOSE);
        return;
    }
    MessageBox("Nach der Änderung der Projekteinstellungen zeigt das Fenster jetzt den " +
                   ausweis::VarianteTitel(neu) + ".",
               titel, MB_OK | MB_ICONINFORMATION);
}

bool TWaermeBedarfsAusweisWindow::CanClose() {
    if (!korpusMDIChild::CanClose()) return false;
    auto& e = Korpus().Ansichten;
    if (e.WBAusweis == this) e.WBAusweis = nullptr;
    return true;
}

int32_t TWaermeBedarfsAusweisWindow::ScrollBereich(int32_t seiten, int32_t zeilenProSeite,
                                                   int32_t zeilenImBild) {
    // The pages end 30 lines below the last position; a lower view still
    // reaches the last line.
    const int32_t rest = std::clamp(zeilenImBild, 0, zeilenProSeite / 2 - 15);
    return std::max(0, zeilenProSeite * seiten - rest);
}

void TWaermeBedarfsAusweisWindow::Paint(TDC& dc, bool erase, TRect& rect) {
    TText& t = Seitenlayout();
    if (erase && !t.Drucken) dc.FillRect(rect, TBrush(TColor::White));
    dc.SetBkMode(TRANSPARENT);
    ausweis::FontWahl schrift(dc, ausweis::Arial(14));
    t.AktuelleSeite = 1;
    if (!t.Drucken && Korpus().AktuellesProjekt) {
        StatusProjektAnzeigen();
        StatusZustand(Korpus().ProjektGeaendert);
    }
    if (!gezaehlt_) {
        // The first paint counts the pages, so that its scroll range is right.
        TMeasuringDC mass;
        const bool drucken = t.Drucken;
        t.Drucken = true;
        ausweis::AusweisLayout(t, mass, Methode);
        t.Drucken = drucken;
        t.Seitenanzahl = t.AktuelleSeite;
        t.AktuelleSeite = 1;
        gezaehlt_ = true;
    }
    TScroller* s = GetScroller();
    if (!t.Drucken && s) {
        ZeilenImBild = GetClientRect().Height() / t.Einheit;
        s->SetUnits(kHorizontal, t.Einheit);
        s->SetRange(kHorizontalBereich,
                    ScrollBereich(t.Seitenanzahl, t.ZeilenProSeite, ZeilenImBild));
        t.ScrollPosition = s->GetYPos();
    }
    {
        const TPen alt = dc.SelectObject(TPen(Stiftfarbe, 1));
        ausweis::AusweisLayout(t, dc, Methode);
        dc.SelectObject(alt);
    }
    const bool anders = t.Seitenanzahl != t.AktuelleSeite;
    t.Seitenanzahl = t.AktuelleSeite;
    // An edit that changed the page count moves the range at once.
    if (anders && !t.Drucken && s)
        s->SetRange(kHorizontalBereich,
                    ScrollBereich(t.Seitenanzahl, t.ZeilenProSeite, ZeilenImBild));
}

void TWaermeBedarfsAusweisWindow::EvSize(uint32_t sizeType, const TSize& size) {
    korpusMDIChild::EvSize(sizeType, size);
    Invalidate(true);
}

void TWaermeBedarfsAusweisWindow::EvVScroll(uint32_t code, int thumbPos, HWND) {
    TScroller* s = GetScroller();
    if (!s) return;
    const int32_t x = s->GetXPos(), y = s->GetYPos(), L = ZeilenImBild;
    switch (code) {
    case SB_LINEUP:
        s->ScrollTo(x, y - kZeilenschritt);
        break;
    case SB_LINEDOWN:
        s->ScrollTo(x, y + kZeilenschritt);
        break;
    case SB_PAGEUP:
        s->ScrollTo(x, y - L - 1);
        break;
    case SB_PAGEDOWN:
        s->ScrollTo(x, y + L - 1);
        break;
    case SB_THUMBTRACK:
        s->ScrollTo(0, thumbPos);
        break;
    default:
        break;
    }
}

void TWaermeBedarfsAusweisWindow::EvKeyDown(uint32_t key, uint32_t, uint32_t) {
    TScroller* s = GetScroller();
    if (!s) return;
    const int32_t x = s->GetXPos(), y = s->GetYPos(), L = ZeilenImBild;
    const int32_t seite = Seitenlayout().ZeilenProSeite + 5;
    const bool strg = GetKeyState(VK_CONTROL) < 0;
    constexpr uint32_t kF6 = VK_F1 + 5, kF7 = VK_F1 + 6;
    switch (key) {
    case VK_UP:
        s->ScrollTo(x, y - kZeilenschritt);
        break;
    case VK_DOWN:
    case VK_SCROLL:
        s->ScrollTo(x, y + kZeilenschritt);
        break;
    case VK_LEFT:
        s->ScrollTo(x - kHorizontal, y);
        break;
    case VK_RIGHT:
        s->ScrollTo(x + kHorizontal, y);
        break;
    case VK_PRIOR:
        s->ScrollTo(x, y - L - 1);
        break;
    case VK_NEXT:
        s->ScrollTo(x, y + L - 1);
        break;
    case kF7:
        s->ScrollTo(x, y - seite);
        break;
    case kF6:
        s->ScrollTo(x, y + seite);
        break;
    case VK_HOME:
        if (strg)
            s->ScrollTo(x, 0);
        else
            s->ScrollTo(0, y);
        break;
    case VK_END:
        if (strg)
            s->ScrollTo(x, s->GetYRange());
        else
            s->ScrollTo(s->GetXRange(), y);
        break;
    default:
        break;
    }
}

namespace {
korpusApp* programm() {
    return dynamic_cast<korpusApp*>(TApplication::Current());
}
} // namespace

void TWaermeBedarfsAusweisWindow::CmFilePrint() {
    auto* app = programm();
    if (!app) return;
    TPrinter& drucker = app->GetPrinter();
    TWBAusweisPrintOut ausdruck(&drucker, GetCaption(), this, true);
    ++app->Drucken;
    const TPrintResult ergebnis = drucker.Print(ausdruck, TPrintPrompt::Dialog);
    --app->Drucken;
    if (!ergebnis && !ergebnis.cancelled && !ergebnis.error.empty())
        MessageBox(ergebnis.error, "Drucken", MB_OK | MB_ICONEXCLAMATION);
}

void TWaermeBedarfsAusweisWindow::CmFilePrintSetup() {
    if (auto* app = programm()) app->GetPrinter().Setup();
}

void TWaermeBedarfsAusweisWindow::CmFilePrintPreview() {
    auto* app = programm();
    if (!app || !app->Client()) return;
    ++app->Drucken;
    auto* vorschau = new PreviewWBAusweisWindow(app->Client(), &app->GetPrinter(), this,
                                                "Druckvorschau", new TLayoutWindow);
    if (vorschau->Create()) app->BeginModal(vorschau);
    vorschau->Destroy();
    delete vorschau;
    --app->Drucken;
}
