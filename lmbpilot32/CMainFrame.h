#pragma once
// The navigator's main frame: the outline with its tool bar, status bar and
// (for the author) properties bar, the program's options and settings, the
// option dialogs and the help calls of the program.
#include "lmbpilot32/NavSettings.h"
#include "platform/window/DecoratedFrame.h"

#include <string>

class CNavDoc;
class CNavView;
class CPropertiesBar;
class RegistryStore;
class TControlBar;
class TStatusBar;

struct NavFrameSetup {
    bool author = false;
    bool showIds = false; // /i: help requests show their ids
    std::string helpFile; // the program's own help file
};

class CMainFrame : public TDecoratedFrame {
public:
    CMainFrame(CNavDoc& doc, CNavView* view, RegistryStore& store, NavFrameSetup setup);

    bool IsAuthor() const { return setup_.author; }
    NavOptions& Options() { return options_; }
    TControlBar& ToolBar() const { return *toolBar_; }
    TStatusBar& StatusBar() const { return *statusBar_; }
    CPropertiesBar* PropertiesBar() const { return properties_; }

    // The reader's menus, bars and title from the navigator file.
    void BuildReaderInterface();
    // The reader's settings for the help file: options, font, window.
    void LoadReaderSettings();
    // The author's frame where the file kept it, if it kept a place.
    void PlaceFromDocument();
    void SaveSettings();
    // Puts the frame into the top-most band or out of it, as the option says.
    void ApplyAlwaysOnTop();
    // The viewer ended: settings are saved when asked, the program ends.
    void Quit();
    bool HiddenByProgram() const { return hidden_; }
    // The library's show request (0x8000): after the start, the frame comes
    // back and to the front; true when the program had hidden it.
    bool Reveal();

    // The program's help call: /i shows the request, a reader's context
    // request shows a pop-up.
    void AppHelp(uint32_t command, uint32_t data);

    bool EvCommand(int id, HWND control, int notifyCode) override;
    void EvCommandEnable(TCommandEnabler& enabler) override;
    void CloseWindow(int retValue = 0) override;
    // The author's file keeps the window's place: a move is a change, once
    // the start is over (message 0x8000, sent a moment after the frame is
    // made, when the window manager has placed it).
    void EvMove(const TPoint& origin) override;
    TResult HandleMessage(uint32_t msg, WPARAM wParam, LPARAM lParam) override;
    // A reader's navigator in dialog mode hides when another program
    // becomes active.
    void EvActivateApp(bool active) override;
    // The reader's viewer comes directly behind the navigator.
    void EvActivate(bool active) override;
    static constexpr uint32_t kEndStartPhase = 0x8000;

protected:
    void SetupWindow() override;
    void EvTimer(uint32_t timerId) override;

private:
    std::string dialogHelp() const { return setup_.author ? setup_.helpFile : std::string(); }
    std::string settingsSection() const;
    void fontCommand(TWindow* parent);
    void colorsCommand(TWindow* parent);
    void userModeOptions();
    void printCommand();
    // Link To Help: the dialog, then the help file gets the navigator's block.
    void linkCommand();
    void copyCommand();
    void showTopicFields(int item);
    // The author's navigator file: Open, Save, Save As and the question
    // before changes are dropped; false when cancelled or not written.
    void openCommand();
    void newCommand();
    // The frame at a kept place; none kept (an empty rectangle) leaves it.
    void moveTo(const NavRect& logical);
    // Ends the navigator when it could not link to its viewer.
    void endUnlinked();
    // Reads the topics of the help file again; first: for a new document.
    void loadTopics(bool first);
    bool saveDocument(bool askName);
    bool saveModified();

    CNavDoc& doc_;
    CNavView* view_;
    RegistryStore& store_;
    NavSettings settings_;
    NavFrameSetup setup_;
    NavOptions options_;
    TControlBar* toolBar_ = nullptr;
    TStatusBar* statusBar_ = nullptr;
    CPropertiesBar* properties_ = nullptr;
    bool contextHelp_ = false;
    bool quitting_ = false;
    bool startPhase_ = true;
    bool hidden_ = false;
};
