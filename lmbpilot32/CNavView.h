#pragma once
// The navigator's view: the topic tree and the navigator's side of the link
// with the help viewer. It turns a chosen topic into a help macro for the
// viewer, follows the viewer's notices and answers the library's requests.
#include "lmbpilot32/NavCommands.h"
#include "platform/window/Window.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CNavDoc;
class MessagePort;
class TTreeControl;
struct NavFont;
struct NavRect;

struct NavFontStyle {
    std::string Name = "Arial";
    bool Bold = false, Italic = false;
};

class CNavView : public TWindow {
public:
    CNavView(TWindow* parent, CNavDoc& doc, bool authorMode);
    ~CNavView() override;

    // Fills the tree and links to the viewer; false when the link fails.
    bool StartLink();
    // Fills the tree anew after the topics changed, keeping the link.
    void Refill();
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
    void SetAutoSync(bool on) { autoSync_ = on; }

    // The outline's font: size in points to a tenth, as the screen shows it.
    void SetTreeFont(const NavFont& font);
    NavFont TreeFont() const;
    // The document's text and background colours.
    void ApplyColors();
    TTreeControl& Tree() const { return *tree_; }

    // Called when the navigator must end (the viewer ended in user mode).
    void SetEndHandler(std::function<void()> handler) { end_ = std::move(handler); }
    // Told the topic that was selected (-1 none).
    void SetSelectHandler(std::function<void(int)> handler) { selectHandler_ = std::move(handler); }
    // Preview mode: the viewer shows as a pop-up, hidden when it loses the
    // activation, shown again by the next topic chosen.
    void SetPreviewMode(bool on) { preview_ = on; }
    // Whether the program hid the frame, and whether it keeps on top.
    void SetFrameState(std::function<bool()> hiddenByProgram, std::function<bool()> alwaysOnTop) {
        hiddenByProgram_ = std::move(hiddenByProgram);
        alwaysOnTop_ = std::move(alwaysOnTop);
    }
    // Shows the frame (the library's 0x8000); true when the program had hidden it.
    void SetShowHandler(std::function<bool()> handler) { show_ = std::move(handler); }
    // Shows a text in the frame's status bar.
    void SetStatusHandler(std::function<void(const std::string&)> handler) {
        status_ = std::move(handler);
    }

    bool EvCommand(int id, HWND control, int notifyCode) override;
    void EvCommandEnable(TCommandEnabler& enabler) override;

protected:
    void SetupWindow() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    void EvTimer(uint32_t timerId) override;

private:
    int32_t linkMessage(uint32_t msg, uint32_t wParam, int32_t lParam);
    void notice(uint32_t code, uint32_t value);
    void viewerActivated(bool active);
    void fillTree();
    void fillTab(int32_t tree, uint32_t address);
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
    bool ended_ = false;
    std::function<void(int)> selectHandler_;
    std::function<void(const std::string&)> status_;
    std::function<bool()> show_;
    std::function<bool()> hiddenByProgram_, alwaysOnTop_;
    bool preview_ = false;
    bool hiddenForViewer_ = false; // the viewer was minimised
    bool viewerHiddenByPreview_ = false;
    bool forceJump_ = false;
    int32_t fontHeight_ = 0; // pixels, negative: character height
    NavFontStyle fontStyle_;
};

// Where a dialog of the given size goes so that it does not cover the
// navigator's tree (screen pixels); unchanged when no side has room.
TPoint PlaceBeside(const TRect& tree, const TSize& dialog, const TSize& screen, TPoint position);
// The frame's rectangle in 1/1023 of the desktop and back.
NavRect ToLogicalRect(const TRect& screen, const TSize& desktop);
TRect ToScreenRect(const NavRect& logical, const TSize& desktop);
