#pragma once
// A top-level window with a menu and a client window. Commands from its menu
// and decorations travel the route: the window with the focus and its
// parents up to the frame, the client, then the application.
#include "platform/window/MenuResource.h"
#include "platform/window/Window.h"

#include <memory>
#include <string>
#include <vector>

class QWidget;
class TMenu;

class TFrameWindow : public TWindow {
public:
    TFrameWindow(TWindow* parent, std::string_view title, TWindow* clientWnd = nullptr);
    ~TFrameWindow() override;

    TWindow* GetClientWindow() const { return client_; }
    // One window in a menu's window list.
    struct TWindowListEntry {
        std::string caption;
        HWND window = 0;
        bool checked = false;
    };
    void AssignMenu(const std::vector<TMenuResource>& resource);
    TMenu* GetMenu() const { return menu_.get(); }

    bool EvCommand(int id, HWND control, int notifyCode) override;
    void EvCommandEnable(TCommandEnabler& enabler) override;
    // What the framework does when the queue is empty: asks the route for the
    // state of every menu item and decoration button.
    virtual void IdleAction();
    std::vector<TWindow*> CommandRoute() const;
    // The hint text area (the decorated frame's status bar).
    virtual void SetHintText(std::string_view text) {}
    // The main window closes only when the application agrees.
    void CloseWindow(int retValue = 0) override;

    // The Qt side: the menu bar shown for the menu.
    void RebuildMenuBar();

    // The title bar's minimise and maximise boxes (shown by default), before
    // or after the window is made.
    void SetMinMaxBoxes(bool shown);
    bool HasMinMaxBoxes() const;

    // The frame became active or lost the activation; the program became
    // active or inactive (no window of the frame's own is active any more).
    virtual void EvActivate(bool active) {}
    virtual void EvActivateApp(bool active) {}

protected:
    void CreateNativeWidget() override;
    void SetupWindow() override;
    void EvKeyDown(uint32_t key, uint32_t repeatCount, uint32_t flags) override;
    // The MDI frame answers its active child.
    virtual TWindow* ActiveCommandChild() const { return nullptr; }
    // Windows listed below the items of a popup when it opens (the MDI
    // frame's window menu), numbered, the checked one marked; a chosen one
    // goes to WindowChosen.
    virtual std::vector<TWindowListEntry> WindowList(const TMenu& popup) const { return {}; }
    virtual void WindowChosen(HWND window) {}
    void UpdateMenuStates();
    // Applies the title bar's boxes and follows the activation (SetupWindow).
    void WatchActivation();
    // Runs one enabler along the route.
    void RouteEnabler(TCommandEnabler& enabler);

private:
    void installAccelerators(QWidget* main);
    void applyMinMaxBoxes();
    bool ownsActiveWindow() const;

    TWindow* client_;
    std::unique_ptr<TMenu> menu_;
    bool minMaxBoxes_ = true;
    bool appActive_ = false;
};
