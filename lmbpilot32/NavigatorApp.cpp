#include "lmbpilot32/NavigatorApp.h"

#include "lmbpilot32/CMainFrame.h"
#include "lmbpilot32/CNavDoc.h"
#include "lmbpilot32/CNavView.h"
#include "lmbpilot32/NavSettings.h"
#include "lmbpilot32/NavTopicInfo.h"
#include "platform/profile/RegistryStore.h"
#include "platform/services/MessageBox.h"

#include <filesystem>
#include <iostream>

namespace {
constexpr const char* kName = "Lumbra Navigator";
constexpr const char* kDirectories = "Software\\Sorvik Systems\\Lumbra\\Directories";

bool load(CNavDoc& doc, const std::string& path, bool quiet) {
    std::string error;
    if (doc.Open(path, &error)) return true;
    if (!quiet) MessageBox(error, kName, MB_OK | MB_ICONSTOP);
    return false;
}
// /g: the topics of the help file into the navigator file named, which keeps
// the author's settings when it exists and else starts from the auto-load
// file. /x saves it and ends.
bool generate(CNavDoc& doc, const NavCommandLine& line) {
    namespace fs = std::filesystem;
    // Under /x no one is there to answer a message box (a build runs it).
    const auto report = [&](const std::string& text) {
        if (line.SaveExit)
            std::cerr << kName << ": " << text << '\n';
        else
            MessageBox(text, kName, MB_OK | MB_ICONSTOP);
    };
    std::error_code ec;
    const std::string file = fs::absolute(line.File, ec).string();
    RegistryStore store;
    bool loaded = false;
    if (!fs::exists(file, ec)) {
        const std::string autoLoad = NavSettings(store).AutoLoadPath();
        if (!fs::exists(autoLoad, ec) || !doc.Open(autoLoad, nullptr)) doc.Reset();
        doc.Values.HelpFileName = HelpFileNameFor(file);
        doc.SetPath(file);
        loaded = LoadTopicInformation(doc, true, store, report);
    } else {
        std::string error;
        if (!doc.Open(file, &error)) {
            report(error);
            return false;
        }
        loaded = LoadTopicInformation(doc, false, store, report);
    }
    if (!line.SaveExit) return true;
    // A file half made is not written over the one there.
    if (!loaded) return false;
    std::string error;
    if (doc.Save(file, &error)) return true;
    report(error);
    return false;
}

} // namespace

NavigatorApp::NavigatorApp(const NavCommandLine& line, CNavDoc& doc)
    : TApplication(kName, line.Hidden ? SW_HIDE : SW_SHOWNORMAL), line_(line), doc_(doc),
      store_(std::make_unique<RegistryStore>()) {}

NavigatorApp::~NavigatorApp() = default;

std::string NavigatorApp::HelpFile() const {
    if (line_.Author) return store_->GetValue(kDirectories, "lumbra.hlp").value_or("") + ">Proc";
    return "lmbpilot32.hlp";
}

void NavigatorApp::InitMainWindow() {
    view_ = new CNavView(nullptr, doc_, line_.Author);
    frame_ = new CMainFrame(doc_, view_, *store_, {line_.Author, line_.ShowIds, HelpFile()});
    frame_->Attr().W = 340;
    frame_->Attr().H = 520;
    SetMainWindow(frame_);
}

void NavigatorApp::InitInstance() {
    TApplication::InitInstance();
    view_->SetEndHandler([this] {
        frame_->Quit();
        PostQuitMessage(0);
    });
    if (!line_.Author) frame_->BuildReaderInterface();
    // A navigator file just made from its help file is not saved yet.
    const bool generated = line_.Generate && doc_.Modified;
    linked_ = view_->StartLink();
    if (!linked_) {
        PostQuitMessage(1);
        return;
    }
    // Placing the frame at the start is no change of the file.
    doc_.Modified = generated;
    if (!line_.Author) {
        frame_->LoadReaderSettings();
        view_->Sync();
    } else {
        frame_->PlaceFromDocument();
    }
    frame_->ApplyAlwaysOnTop();
}

int RunNavigator(std::string_view commandLine) {
    const NavCommandLine line = ParseNavCommandLine(commandLine);
    if (!line.Author && line.File.empty()) {
        MessageBox("This program can only run from within another program", kName,
                   MB_OK | MB_ICONSTOP);
        return 1;
    }
    CNavDoc doc;
    if (line.Generate) {
        if (!generate(doc, line)) return 1;
        if (line.SaveExit) return 0;
    } else if (!line.File.empty()) {
        if (!load(doc, line.File, false)) return 1;
    } else {
        // The author starts with the auto-load file, or a new document
        // that will be saved there.
        RegistryStore store;
        const std::string autoLoad = NavSettings(store).AutoLoadPath();
        if (!std::filesystem::exists(autoLoad) || !load(doc, autoLoad, true)) {
            doc.Reset();
            doc.SetPath(autoLoad);
        }
    }
    NavigatorApp app(line, doc);
    return app.Run();
}
