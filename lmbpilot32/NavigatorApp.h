#pragma once
// The navigator program: a frame with the topic tree of one navigator file,
// linked to the help viewer.
#include "lmbpilot32/NavCommandLine.h"
#include "platform/window/Application.h"

#include <memory>
#include <string>

class CMainFrame;
class CNavDoc;
class CNavView;
class RegistryStore;

class NavigatorApp : public TApplication {
public:
    NavigatorApp(const NavCommandLine& line, CNavDoc& doc);
    ~NavigatorApp() override;

    void InitMainWindow() override;
    void InitInstance() override;
    CNavView* View() const { return view_; }
    CMainFrame* Frame() const { return frame_; }
    bool Linked() const { return linked_; }
    // The program's help file: in author mode the authoring system's, in its
    // "Proc" window; else the program's own.
    std::string HelpFile() const;

private:
    NavCommandLine line_;
    CNavDoc& doc_;
    std::unique_ptr<RegistryStore> store_;
    CNavView* view_ = nullptr;
    CMainFrame* frame_ = nullptr;
    bool linked_ = false;
};

// Runs the program for its command line; the exit code.
int RunNavigator(std::string_view commandLine);
