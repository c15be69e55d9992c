#include "korvalin/shell/korpusMDIClient.h"

#include "korvalin/shell/AusstehendeBefehle.h"
#include "korvalin/shell/Einstellungen.h"
#include "korvalin/shell/KatalogZugang.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/MruList.h"
#include "korvalin/shell/ProjektOeffnung.h"
#include "korvalin/shell/ProjektStatus.h"
#include "korvalin/shell/Sicherungskopie.h"
#include "korvalin/shell/TStartUpDialog.h"
#include "korvalin/shell/TextDatei.h"
#include "platform/gdi/Font.h"
#include "platform/profile/Profile.h"
#include "platform/services/MessageBox.h"
#include "platform/services/Services.h"
#include "platform/window/Application.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/ResponseTable.h"

#include <filesystem>
#include <system_error>

namespace {

const char* const kFilter = "Projekt Dateien *.pro |*.pro|Alle Dateien *.* |*.*";

} // namespace

korpusMDIClient::korpusMDIClient() {
    SetBkgndColor(TColor(192, 192, 192));
    Korpus().Client = this;
    befehleEintragen();
    auto& r = Responses();
    r.Message(WM_KOMMANDOZEILE_OEFFNEN, [this](WPARAM, LPARAM) {
        kommandozeileOeffnen();
        return 0;
    });
}

korpusMDIClient::~korpusMDIClient() {
    Destroy();
    if (Korpus().Client == this) Korpus().Client = nullptr;
    Ansichten = {};
    if (mru_) {
        mru_->Speichern();
        if (Korpus().Mru == mru_.get()) Korpus().Mru = nullptr;
    }
}

void korpusMDIClient::SetupWindow() {
    auto& k = Korpus();
    k.Banding = BandingLesen();
    EinstellungenLesen();
    TMDIClient::SetupWindow();

    Dateidaten.flags = OFN_EXPLORER | OFN_CREATEPROMPT | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY |
                       OFN_OVERWRITEPROMPT;
    Dateidaten.filter = kFilter;
    Dateidaten.initialDir = k.Programmverzeichnis;
    Dateidaten.defExt = "pro";
    DragAcceptFiles(true);

    StartUpDialog = new TStartUpDialog(this, StartUpRessource(SystemschriftHoehe()));
    if (StartUpDialog->Create()) StartUpDialog->ShowWindow(SW_SHOW);

    katalogeOeffnen();

    mru_ = MruList::ErzeugenStandard();
    k.Mru = mru_.get();
    mru_->Laden();
    MruMenueAufbauen();

    schriftenPruefen();

    if (auto* app = TApplication::Current(); app && app->GetMainWindow()) {
        auto* frame = app->GetMainWindow();
        if (!k.StatuszeileAnzeigen) frame->PostMessage(WM_COMMAND, IDW_STATUSBAR, 0);
        if (!k.SymbolleisteAnzeigen) frame->PostMessage(WM_COMMAND, IDW_TOOLBAR, 0);
    }
    PostMessage(WM_KOMMANDOZEILE_OEFFNEN);
}

void korpusMDIClient::katalogeOeffnen() {
    auto& kataloge = Kataloge();
    const auto oeffnen = [&](KatalogArt art, std::initializer_list<int> ausgaben) {
        for (int ausgabe : ausgaben)
            kataloge.AlteKatalogePruefen(art, ausgabe, kataloge.Oeffnen(art, ausgabe));
    };
    kataloge.IndexLeeren(KatalogArt::Baustoffe);
    oeffnen(KatalogArt::Baustoffe, {0, 1, 2});
    oeffnen(KatalogArt::Fenster, {0, 1, 2});
    oeffnen(KatalogArt::Bauteile, {1, 2});
}

void korpusMDIClient::schriftenPruefen() {
    auto* app = TApplication::Current();
    const std::string titel = app ? app->GetName() : std::string();
    if (TProfile("TrueType", "win.ini").GetInt("TTEnable", 1) == 0)
        MessageBox("TrueType Schriftarten nicht voreingestellt", titel, MB_OK);
    else if (!IsFaceInstalled("Arial"))
        MessageBox("Arial Font nicht installiert", titel, MB_OK);
}

void korpusMDIClient::kommandozeileOeffnen() {
    auto* app = TApplication::Current();
    const std::string zeile = app ? app->GetCmdLine() : std::string();
    if (zeile.empty()) {
        // The work of a new project lost in a crash is found nowhere else.
        UnbenannteSicherungskopiePruefen(*this);
        return;
    }
    // A relative name would mean another file once the working folder changes.
    std::error_code ec;
    auto pfad = std::filesystem::absolute(std::filesystem::path(zeile), ec).lexically_normal();
    const std::string name = ec ? zeile : pfad.string();
    Dateidaten.fileName = name;
    Oeffnung().Oeffnen(name);
}

bool korpusMDIClient::CanClose() {
    if (BaustoffDateiFenster) {
        if (!BaustoffDateiFenster->CanClose()) return false;
        BaustoffDateiFenster->Destroy();
        delete BaustoffDateiFenster;
        BaustoffDateiFenster = nullptr;
    }
    if (!TMDIClient::CanClose()) return false;
    if (HilfeGeoeffnet) Help().WinHelp(Korpus().HilfeDatei, HELP_QUIT, 0);
    return true;
}

void korpusMDIClient::DateiAbgelegt(std::string_view datei) {
    TextDateiOeffnen(*this, std::string(datei).c_str());
}
