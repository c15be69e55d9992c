#pragma once
// The navigator program: a frame with the topic tree of one navigator file,
// linked to the help viewer.
#include "lmbpilot32/NavCommandLine.h"
#include "platform/window/Application.h"

#include <vector>

class CNavDoc;
class CNavView;
struct TMenuResource;

class NavigatorApp : public TApplication {
public:
    NavigatorApp(const NavCommandLine& line, CNavDoc& doc);

    void InitMainWindow() override;
    void InitInstance() override;
    CNavView* View() const { return view_; }
    bool Linked() const { return linked_; }

private:
    NavCommandLine line_;
    CNavDoc& doc_;
    CNavView* view_ = nullptr;
    bool linked_ = false;
};

std::vector<TMenuResource> NavigatorMenu();
// Runs the program for its command line; the exit code.
int RunNavigator(std::string_view commandLine);
