#include "lmbpilot32/NavigatorApp.h"

#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CNavView.h"
#include "platform/base/FileIO.h"
#include "platform/services/MessageBox.h"
#include "platform/window/FrameWindow.h"
#include "platform/window/MenuResource.h"

namespace {
constexpr const char* kName = "Lumbra Navigator";
} // namespace

std::vector<TMenuResource> NavigatorMenu() {
    const auto item = MenuItem;
    return {MenuPopup("&Topic", {item(CM_NAV_PREVIOUS, "&Previous"), item(CM_NAV_NEXT, "&Next"),
                                 item(CM_NAV_PARENT, "P&arent"), MenuSeparator(),
                                 item(CM_NAV_EXPAND, "&Expand"), item(CM_NAV_COLLAPSE, "&Collapse"),
                                 item(CM_NAV_EXPANDALL, "E&xpand All"),
                                 item(CM_NAV_COLLAPSEALL, "C&ollapse All"), MenuSeparator(),
                                 item(CM_NAV_SYNC, "&Sync")}),
            MenuPopup("&Options", {item(CM_NAV_AUTOSYNC, "&Auto-Sync")}),
            MenuPopup("&Print", {item(CM_NAV_PRINTTOPIC, "&Print Current Topic"),
                                 item(CM_NAV_PRINTSUBTOPICS, "Print Current and &Subtopics"),
                                 item(CM_NAV_PRINTALL, "Print &All Topics")})};
}

NavigatorApp::NavigatorApp(const NavCommandLine& line, CNavDoc& doc)
    : TApplication(kName, line.Hidden ? SW_HIDE : SW_SHOWNORMAL), line_(line), doc_(doc) {}

void NavigatorApp::InitMainWindow() {
    view_ = new CNavView(nullptr, doc_, line_.Author);
    const std::string title = doc_.Values.Title.empty() ? kName : doc_.Values.Title;
    auto* frame = new TFrameWindow(nullptr, title, view_);
    frame->Attr().W = 320;
    frame->Attr().H = 480;
    frame->AssignMenu(NavigatorMenu());
    SetMainWindow(frame);
}

void NavigatorApp::InitInstance() {
    TApplication::InitInstance();
    view_->SetEndHandler([this] { PostQuitMessage(0); });
    linked_ = view_->StartLink();
    if (!linked_) PostQuitMessage(1);
}

int RunNavigator(std::string_view commandLine) {
    const NavCommandLine line = ParseNavCommandLine(commandLine);
    if (!line.Author && line.File.empty()) {
        MessageBox("This program can only run from within another program", kName,
                   MB_OK | MB_ICONSTOP);
        return 1;
    }
    CNavDoc doc;
    if (!line.File.empty()) {
        const FileContents bytes = ReadWholeFile(line.File, 64 * 1024 * 1024);
        std::string error = bytes.error;
        if (!bytes.ok || !doc.Deserialize(bytes.bytes, &error)) {
            MessageBox(line.File + ": " + error, kName, MB_OK | MB_ICONSTOP);
            return 1;
        }
        doc.SetPath(line.File);
    }
    NavigatorApp app(line, doc);
    return app.Run();
}
