#pragma once
// The application object and its start-up hooks, in the framework's order:
// InitMainWindow makes the main window, InitInstance creates and shows it,
// then the message loop runs. Every queued message and every input passes
// ProcessAppMsg first.
#include "platform/window/DropInfo.h"
#include "platform/window/Messages.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class TFrameWindow;
class TWindow;
class TResponseTable;
class TCommandEnabler;
struct TModalRun;

class TApplication {
public:
    explicit TApplication(std::string_view name, int cmdShow = SW_SHOWNORMAL,
                          std::string_view cmdLine = {});
    virtual ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // The application being run, or null.
    static TApplication* Current();

    // InitMainWindow, InitInstance, the message loop; returns the exit code.
    int Run();
    // The start without the loop, for tests: InitMainWindow and InitInstance.
    bool Start();
    // Delivers the queued messages and timers that are due, and deletes the
    // windows closed meanwhile, as the return to the loop does.
    static void PumpWaitingMessages();

    virtual void InitMainWindow() {}
    virtual void InitInstance();
    // Asks the main window.
    virtual bool CanClose();
    // True when the message was dealt with and must not be dispatched.
    virtual bool ProcessAppMsg(MSG& msg) { return false; }
    virtual void EvDropFiles(TDropInfo& drop) {}
    virtual void EvWinIniChange(std::string_view section) {}

    const std::string& GetName() const { return name_; }
    const std::string& GetCmdLine() const { return cmdLine_; }
    int GetCmdShow() const { return cmdShow_; }
    void SetCmdShow(int cmdShow) { cmdShow_ = cmdShow; }
    TFrameWindow* GetMainWindow() const { return mainWindow_; }
    // The application owns its main window.
    void SetMainWindow(TFrameWindow* window);

    // The last stop of every command's route.
    TResponseTable& Responses();
    bool EvCommand(int id);
    void EvCommandEnable(TCommandEnabler& enabler);

    // Ends the message loop.
    void PostQuitMessage(int exitCode);

    // Runs a modal loop for the window (a frame such as a print preview, or
    // null for none): only it takes input until EndModal, whose result this
    // returns. A window that is destroyed first ends its loop with IDCANCEL.
    // Loops nest; EndModal ends the innermost.
    int BeginModal(TWindow* window);
    void EndModal(int result);

private:
    std::string name_;
    std::string cmdLine_;
    int cmdShow_;
    TFrameWindow* mainWindow_ = nullptr;
    std::unique_ptr<TResponseTable> responses_;
    TApplication* previous_;
    std::vector<std::unique_ptr<TModalRun>> modalRuns_;
};

// Whether a key is held down now, as the keyboard last reported it; tests set
// it with SetKeyDown.
bool IsKeyDown(uint32_t virtualKey);
void SetKeyDown(uint32_t virtualKey, bool down);
