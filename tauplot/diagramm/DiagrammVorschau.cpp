#include "tauplot/diagramm/DiagrammVorschau.h"

#include "platform/print/PreviewPage.h"
#include "platform/print/Printer.h"
#include "platform/print/Printout.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlBar.h"
#include "platform/window/LayoutWindow.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/TextGadget.h"
#include "tauplot/diagramm/TDiagrammWindow.h"

#include <algorithm>

namespace {
constexpr int kAbstand = 30; // between the two pages
} // namespace

DiagrammVorschau::DiagrammVorschau(TWindow* parent, TPrinter* printer, TDiagrammWindow* fenster)
    : TDecoratedFrame(parent, "Druckvorschau", new TLayoutWindow, false), drucker_(printer),
      ausdruck_(fenster->Ausdruck("Druckvorschau")) {
    client_ = static_cast<TLayoutWindow*>(GetClientWindow());
    const TDeviceCaps caps = drucker_->PdfCaps();
    seite_ = {caps.width, caps.height};
    breit_ = seite_.cx > seite_.cy;

    leiste_ = new TControlBar(this);
    leiste_->SetFontPoints(10);
    text_ = InsertPreviewButtons(
        *leiste_, {CM_ZURUECK, CM_VOR, CM_EINE_SEITE, CM_ZWEI_SEITEN, IDG_SEITENTEXT});
    Insert(*leiste_, Top);

    Responses().Command(CM_ZURUECK, [this] { zurueck(); });
    Responses().Command(CM_VOR, [this] { vor(); });
    Responses().Command(CM_EINE_SEITE, [this] { eineSeite(); });
    Responses().Command(CM_ZWEI_SEITEN, [this] { zweiSeiten(); });
    Responses().CommandEnable(
        CM_ZURUECK, [this](TCommandEnabler& ce) { ce.Enable(drucker_->GetSetup().FromPage != 1); });
    Responses().CommandEnable(CM_VOR, [this](TCommandEnabler& ce) {
        ce.Enable(drucker_->GetSetup().ToPage != drucker_->GetSetup().MaxPage);
    });
    // Two wide pages do not fit side by side.
    Responses().CommandEnable(CM_ZWEI_SEITEN, [this](TCommandEnabler& ce) { ce.Enable(!breit_); });

    // Over the parent's client area, one unit beyond each edge; its caption's
    // close box is the way back to the diagram.
    Attr().Style = WS_POPUP | WS_CAPTION | WS_SYSMENU; // shown by its modal loop
    CoverParentClientArea(*this, parent);
}

DiagrammVorschau::~DiagrammVorschau() {
    // The pages show through the print-out: they go first.
    delete seite2_;
    delete seite1_;
}

const std::string& DiagrammVorschau::Seitentext() const {
    return text_->GetText();
}

void DiagrammVorschau::SetupWindow() {
    TDecoratedFrame::SetupWindow();
    TPrintSetup& s = drucker_->GetSetup();
    s.MinPage = s.MaxPage = s.FromPage = s.ToPage = 1;
    seite1_ = new TPreviewPage(client_, *ausdruck_, *drucker_, 1);
    client_->SetChildLayoutMetrics(*seite1_, [this](TSize c) { return platz(c, 0); });
    seite1_->Create();
    client_->Layout();
    if (auto* k = leiste_->GadgetWithId(CM_ZURUECK)) k->CommandEnable(false);
    if (auto* k = leiste_->GadgetWithId(CM_VOR)) k->CommandEnable(false);
    if (breit_)
        if (auto* k = leiste_->GadgetWithId(CM_ZWEI_SEITEN)) k->CommandEnable(false);
}

void DiagrammVorschau::EvClose() {
    if (auto* app = TApplication::Current()) app->EndModal(IDCANCEL);
}

// Page 1 at 95 % of the client height, its width by the page's proportions;
// a wide page at the whole width. Page 2 beside page 1.
TRect DiagrammVorschau::platz(TSize client, int seite) const {
    TRect r;
    if (!breit_ && seite_.cy > 0) {
        const int hoehe = client.cy * 95 / 100;
        const int breite = int(int64_t(hoehe) * seite_.cx / seite_.cy);
        const int oben = (client.cy - hoehe) / 2;
        r = TRect(oben, oben, oben + breite, oben + hoehe);
    } else {
        const int hoehe = seite_.cx > 0 ? int(int64_t(client.cx) * seite_.cy / seite_.cx) : 0;
        r = TRect(0, 0, client.cx, hoehe);
    }
    if (seite == 1) r = r.Offset(r.Width() + kAbstand, 0);
    return r;
}

void DiagrammVorschau::zurueck() {
    TPrintSetup& s = drucker_->GetSetup();
    if (s.FromPage > s.MinPage) {
        --s.FromPage;
        --s.ToPage;
        seite1_->SetPageNumber(s.FromPage);
        if (seite2_) seite2_->SetPageNumber(s.ToPage);
    }
    seitentext();
}

void DiagrammVorschau::vor() {
    TPrintSetup& s = drucker_->GetSetup();
    if (s.ToPage < s.MaxPage) {
        ++s.FromPage;
        ++s.ToPage;
        seite1_->SetPageNumber(s.FromPage);
        if (seite2_) seite2_->SetPageNumber(s.ToPage);
    }
    seitentext();
}

void DiagrammVorschau::zweiSeiten() {
    if (seite2_) return;
    TPrintSetup& s = drucker_->GetSetup();
    seite2_ = new TPreviewPage(client_, *ausdruck_, *drucker_, 0);
    client_->SetChildLayoutMetrics(*seite2_, [this](TSize c) { return platz(c, 1); });
    seite2_->Create();
    client_->Layout();
    if (s.FromPage == s.MaxPage && s.FromPage > s.MinPage) {
        // On the last page: the one before it and the last.
        --s.FromPage;
        s.ToPage = s.FromPage + 1;
        seite1_->SetPageNumber(s.FromPage);
        seite2_->SetPageNumber(s.ToPage);
    } else if (s.FromPage < s.MaxPage) {
        s.ToPage = s.FromPage + 1;
        seite2_->SetPageNumber(s.ToPage);
    }
    seitentext();
}

void DiagrammVorschau::eineSeite() {
    if (!seite2_) return;
    client_->RemoveChildLayoutMetrics(*seite2_);
    delete seite2_;
    seite2_ = nullptr;
    client_->Layout();
    drucker_->GetSetup().ToPage = drucker_->GetSetup().FromPage;
    seitentext();
}

void DiagrammVorschau::seitentext() {
    text_->SetText(PreviewPageText(drucker_->GetSetup(), seite2_ != nullptr));
}
