#include "korvalin/shell/VorschauRahmen.h"

#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/TKorpusPrintout.h"
#include "platform/print/PreviewPage.h"
#include "platform/print/Printer.h"
#include "platform/services/MessageBox.h"
#include "platform/window/Application.h"
#include "platform/window/ButtonGadget.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/ControlBar.h"
#include "platform/window/ResponseTable.h"
#include "platform/window/TextGadget.h"

#include <algorithm>

namespace {
constexpr int kRand = 15;    // page 1 from the layout window's edges
constexpr int kAbstand = 30; // between the two pages
} // namespace

VorschauRahmen::VorschauRahmen(TWindow* parent, TPrinter* printer, korpusMDIChild* fenster,
                               std::string_view title, TLayoutWindow* client,
                               std::unique_ptr<TKorpusPrintout> ausdruck)
    : TDecoratedFrame(parent, title, client, false), Drucker(printer), AktuellesFenster(fenster),
      ausdruck_(std::move(ausdruck)), client_(client) {
    const TDeviceCaps caps = ausdruck_ ? Drucker->PdfCaps(*ausdruck_) : Drucker->PdfCaps();
    druckbereich_ = {caps.width, caps.height};

    werkzeugleiste_ = new TControlBar(this);
    werkzeugleiste_->SetFontPoints(10);
    seitentext_ = InsertPreviewButtons(
        *werkzeugleiste_, {CM_VORSCHAU_ZURUECK, CM_VORSCHAU_VOR, CM_VORSCHAU_EINE_SEITE,
                           CM_VORSCHAU_ZWEI_SEITEN, IDG_VORSCHAU_SEITENTEXT});
    Insert(*werkzeugleiste_, Top);

    Responses().Command(CM_VORSCHAU_ZURUECK, [this] { Zurueck(); });
    Responses().Command(CM_VORSCHAU_VOR, [this] { Vor(); });
    Responses().Command(CM_VORSCHAU_EINE_SEITE, [this] { EineSeite(); });
    Responses().Command(CM_VORSCHAU_ZWEI_SEITEN, [this] { ZweiSeiten(); });
    // Two landscape pages do not fit side by side: the button stays grey.
    Responses().CommandEnable(CM_VORSCHAU_ZWEI_SEITEN, [this](TCommandEnabler& ce) {
        ce.Enable(druckbereich_.cx <= druckbereich_.cy);
    });

    // Over the parent's client area, one pixel beyond each edge.
    Attr().Style = WS_POPUP; // its modal loop shows it
    CoverParentClientArea(*this, parent);
}

VorschauRahmen::~VorschauRahmen() {
    // The pages show through the print-out: they go first.
    delete seite2_;
    delete seite1_;
}

const std::string& VorschauRahmen::Seitentext() const {
    return seitentext_->GetText();
}

void VorschauRahmen::SetupWindow() {
    TDecoratedFrame::SetupWindow();
    TPrintSetup& setup = Drucker->GetSetup();
    setup.FromPage = setup.ToPage = setup.MinPage = 1;
    setup.MaxPage = ErsteHoechsteSeite();
    nachHoehe_ = SeiteNachHoehe(client_->GetClientRect().Size());
    prozent_ = SeitenProzent(nachHoehe_);
    seite1_ = new TPreviewPage(client_, *ausdruck_, *Drucker, 1);
    client_->SetChildLayoutMetrics(*seite1_, [this](TSize c) { return seite1Platz(c); });
    seite1_->Create();
    client_->Layout();
}

TRect VorschauRahmen::seite1Platz(TSize client) const {
    const int prozent = prozent_;
    if (nachHoehe_) {
        const int hoehe = std::max(0, client.cy - 2 * kRand);
        return {kRand, kRand, kRand + hoehe * prozent / 100, kRand + hoehe};
    }
    const int breite = std::max(0, client.cx - 2 * kRand);
    return {kRand, kRand, kRand + breite, kRand + breite * prozent / 100};
}

void VorschauRahmen::zeigen(TPreviewPage* seite, int nummer) {
    if (seite) seite->SetPageNumber(nummer);
}

void VorschauRahmen::Zurueck() {
    TPrintSetup& setup = Drucker->GetSetup();
    if (setup.FromPage > setup.MinPage) {
        --setup.FromPage;
        --setup.ToPage;
        zeigen(seite1_, setup.FromPage);
        zeigen(seite2_, setup.ToPage);
    }
    SeitentextSetzen();
}

void VorschauRahmen::Vor() {
    TPrintSetup& setup = Drucker->GetSetup();
    if (setup.ToPage < setup.MaxPage) {
        ++setup.FromPage;
        ++setup.ToPage;
        zeigen(seite1_, setup.FromPage);
        zeigen(seite2_, setup.ToPage);
    }
    SeitentextSetzen();
}

void VorschauRahmen::ZweiSeiten() {
    if (seite2_) return;
    TPrintSetup& setup = Drucker->GetSetup();
    seite2_ = new TPreviewPage(client_, *ausdruck_, *Drucker, setup.FromPage + 1);
    client_->SetChildLayoutMetrics(*seite2_, [this](TSize c) {
        const TRect links = seite1Platz(c);
        const int x = links.right + kAbstand;
        return TRect(x, links.top, x + links.Width(), links.bottom);
    });
    seite2_->Create();
    client_->Layout();
    if (setup.FromPage == setup.MaxPage) {
        if (setup.FromPage > 1) {
            --setup.FromPage;
            setup.ToPage = setup.FromPage + 1;
            zeigen(seite1_, setup.FromPage);
            zeigen(seite2_, setup.ToPage);
        } else {
            zeigen(seite2_, 0); // a document of one page: an empty page beside it
        }
    } else {
        setup.ToPage = setup.FromPage + 1;
        zeigen(seite2_, setup.ToPage);
    }
    SeitentextSetzen();
}

void VorschauRahmen::EineSeite() {
    if (!seite2_) return;
    client_->RemoveChildLayoutMetrics(*seite2_);
    delete seite2_;
    seite2_ = nullptr;
    client_->Layout();
    Drucker->GetSetup().ToPage = Drucker->GetSetup().FromPage;
    SeitentextSetzen();
}

void VorschauRahmen::SeitentextSetzen() {
    seitentext_->SetText(PreviewPageText(Drucker->GetSetup(), seite2_ != nullptr));
}

void VorschauRahmen::Beenden() {
    if (auto* app = TApplication::Current()) app->EndModal(IDCANCEL);
}

void VorschauRahmen::Sperren(int befehl) {
    if (auto* knopf = werkzeugleiste_->GadgetWithId(befehl)) knopf->CommandEnable(false);
}
