#include "korvalin/shell/korpusApp.h"

#include "korvalin/shell/DateiVerknuepfung.h"
#include "korvalin/shell/Hauptmenue.h"
#include "korvalin/shell/KorpusBefehle.h"
#include "korvalin/shell/KorpusZustand.h"
#include "korvalin/shell/Symbolleiste.h"
#include "korvalin/shell/TSftTree.h"
#include "korvalin/shell/TStatusBarZeit.h"
#include "korvalin/shell/korpusAboutDlg.h"
#include "korvalin/shell/korpusMDIClient.h"
#include "platform/base/Directories.h"
#include "platform/print/Printer.h"
#include "platform/profile/Profile.h"
#include "platform/profile/RegistryStore.h"
#include "platform/services/Services.h"
#include "platform/window/ControlBar.h"
#include "platform/window/Cursor.h"
#include "platform/window/DecoratedMDIFrame.h"
#include "platform/window/ResponseTable.h"

namespace {
constexpr int kRahmenBreite = 1024, kRahmenHoehe = 720; // where the desktop does not maximise
} // namespace

korpusApp::korpusApp(int cmdShow, std::string_view cmdLine)
    : TApplication("QTX KORVALIN", cmdShow, cmdLine) {
    auto& k = Korpus();
    k.Programmverzeichnis = (CurrentDirectories().programData / "").string();
    k.HilfeDatei = k.Programmverzeichnis + "korvalin.hlp";
    k.EnevHilfeDatei = k.Programmverzeichnis + "qtx_enev.hlp";
    k.ProjektOffen = false;

    auto& r = Responses();
    r.Command(CM_HELPCONTENTS,
              [this] { hilfe(HilfeInhaltOffen, Korpus().HilfeDatei, HELP_FINDER); });
    r.Command(CM_HELPUSING,
              [this] { hilfe(HilfeInhaltOffen, Korpus().HilfeDatei, HELP_HELPONHELP); });
    r.Command(CM_ENEV_INFO,
              [this] { hilfe(EnevHilfeOffen, Korpus().EnevHilfeDatei, HELP_FINDER); });
    r.Command(CM_HELPABOUT, [this] { korpusAboutDlg(GetMainWindow()).Execute(); });
}

korpusApp::~korpusApp() = default;

void korpusApp::hilfe(bool& offen, const std::string& datei, uint32_t befehl) {
    offen = Help().WinHelp(datei, befehl, 0);
}

void korpusApp::InitMainWindow() {
    HinweistexteEintragen();
    SymbolbilderEintragen();
    ProgrammsymbolSetzen();
    client_ = new korpusMDIClient;
    frame_ = new TDecoratedMDIFrame(GetName(), *client_, true);
    frame_->Attr().W = kRahmenBreite;
    frame_->Attr().H = kRahmenHoehe;
    if (GetCmdShow() != SW_SHOWMINNOACTIVE) SetCmdShow(SW_SHOWMAXIMIZED);
    frame_->AssignMenu(Hauptmenue());
    frame_->Insert(*SymbolleisteBauen(), TDecoratedFrame::Top);
    auto* status = new TStatusBarZeit(frame_, TGadget::Recessed);
    Korpus().StatusBar = status;
    frame_->Insert(*status, TDecoratedFrame::Bottom);
    SetMainWindow(frame_);
}

void korpusApp::InitInstance() {
    TApplication::InitInstance();
    if (frame_) frame_->DragAcceptFiles(true);
    SftTree_RegisterApp2();
    RegistryStore registry;
    DateiVerknuepfungSchreiben(registry, ProgrammDatei(), AnwendungsVerzeichnis());
}

bool korpusApp::CanClose() {
    if (!TApplication::CanClose()) return false;
    SftTree_UnregisterApp2();
    if (HilfeInhaltOffen) Help().WinHelp(Korpus().HilfeDatei, HELP_QUIT, 0);
    if (EnevHilfeOffen) Help().WinHelp(Korpus().EnevHilfeDatei, HELP_QUIT, 0);
    return true;
}

bool korpusApp::ProcessAppMsg(MSG& msg) {
    auto* frame = GetMainWindow();
    switch (msg.message) {
    case WM_COMMAND:
        if (!KontextHilfeModus && !IsKeyDown(VK_F1)) return false;
        KontextHilfeModus = false;
        Help().WinHelp(Korpus().HilfeDatei, HELP_CONTEXT, LOWORD(msg.wParam));
        return true;
    case WM_KEYDOWN:
        if (msg.wParam == VK_F1) {
            if (!IsKeyDown(VK_SHIFT)) Help().WinHelp(Korpus().HilfeDatei, HELP_INDEX, 0);
            return true;
        }
        if (msg.wParam == VK_ESCAPE && KontextHilfeModus) {
            hilfeCursor_.reset();
            KontextHilfeModus = false;
            if (frame) {
                TCursor pfeil(TCursor::Arrow);
                frame->SetCursor(&pfeil);
            }
            return true;
        }
        return false;
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_INITMENU:
        if (!KontextHilfeModus) return false;
        if (!hilfeCursor_) hilfeCursor_ = std::make_unique<TCursor>(TCursor::Help);
        if (frame) frame->SetCursor(hilfeCursor_.get());
        return true;
    case WM_ENTERIDLE:
        if (msg.wParam != MSGF_MENU || !IsKeyDown(VK_F1)) return false;
        KontextHilfeModus = true;
        // Return chooses the highlighted item, whose command then comes here.
        if (frame) frame->PostMessage(WM_KEYDOWN, VK_RETURN, 0);
        return true;
    default:
        return false;
    }
}

void korpusApp::EvDropFiles(TDropInfo& drop) {
    auto* frame = GetMainWindow();
    auto* client = frame ? dynamic_cast<korpusMDIClient*>(frame->GetClientWindow()) : nullptr;
    if (!client) return;
    for (const auto& datei : drop.files) client->DateiAbgelegt(datei);
}

void korpusApp::EvWinIniChange(std::string_view section) {
    if (section != "windows" || !printer_) return;
    const std::string device = TProfile("windows", "win.ini").GetString("device", "", 256);
    // "device,driver,port"; the layer's printer is known by its device name only.
    const std::string name = device.substr(0, device.find(','));
    if (!device.empty() && name == printer_->GetSetup().PrinterName) return;
    printer_ = std::make_unique<TPrinter>();
}

TPrinter& korpusApp::GetPrinter() {
    if (!printer_) printer_ = std::make_unique<TPrinter>();
    return *printer_;
}

int OwlMain(int argc, char** argv) {
    std::string zeile;
    for (int i = 1; i < argc; ++i) zeile += (i > 1 ? " " : "") + std::string(argv[i]);
    korpusApp app(SW_SHOWNORMAL, zeile);
    return app.Run();
}
