#pragma once
// The navigator's view: the topic tree and the navigator's side of the link
// with the help viewer. It turns a chosen topic into a help macro for the
// viewer, follows the viewer's notices and answers the library's requests.
#include "platform/window/Window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CNavDoc;
class MessagePort;
class TTreeControl;

enum : int {
    CM_NAV_PREVIOUS = 32773,
    CM_NAV_NEXT = 32774,
    CM_NAV_EXPANDALL = 32777,
    CM_NAV_COLLAPSEALL = 32778,
    CM_NAV_AUTOSYNC = 32780,
    CM_NAV_SYNC = 32792,
    CM_NAV_EXPAND = 32793,
    CM_NAV_COLLAPSE = 32794,
    CM_NAV_PARENT = 32797,
    CM_NAV_PRINTTOPIC = 32905,
    CM_NAV_PRINTSUBTOPICS = 32906,
    CM_NAV_PRINTALL = 32907,
};

class CNavView : public TWindow {
public:
    CNavView(TWindow* parent, CNavDoc& doc, bool authorMode);
    ~CNavView() override;

    // Fills the tree and links to the viewer; false when the link fails.
    bool StartLink();
    // The link window (message port) id; 0 before SetupWindow.
    int32_t LinkWindow() const;

    void DisplayTopic(int item);
    void SelectTopic(int item);
    int SelectedTopic() const { return selected_; }
    void Sync();
    void ExpandAll(bool expand);
    bool IsItemExpanded(int item) const;
    void PrintRange(int item, int mode);
    bool AutoSync() const { return autoSync_; }

    // Called when the navigator must end (the viewer ended in user mode).
    void SetEndHandler(std::function<void()> handler) { end_ = std::move(handler); }

    TResult HandleMessage(uint32_t msg, WPARAM wParam, LPARAM lParam) override;
    bool EvCommand(int id, HWND control, int notifyCode) override;
    void EvCommandEnable(TCommandEnabler& enabler) override;

protected:
    void SetupWindow() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;

private:
    int32_t linkMessage(uint32_t msg, uint32_t wParam, int32_t lParam);
    void notice(uint32_t code, uint32_t value);
    void fillTree();
    int rowOf(int item) const;
    int32_t viewerTopic() const;
    void runMacro(const std::string& macro);
    void end();

    CNavDoc& doc_;
    bool author_;
    bool autoSync_;
    TTreeControl* tree_ = nullptr;
    std::unique_ptr<MessagePort> port_;
    std::vector<int> rowItems_; // item of each tree row
    int selected_ = -1;
    int current_ = -1;
    std::string parentButton_;
    std::function<void()> end_;
};
