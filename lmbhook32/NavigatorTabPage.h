#pragma once
// The navigator's tab page in the help viewer: a tree of the help file's
// topics that the running navigator fills, with commands to show a topic,
// print topics and open or close the tree. It lives in the viewer's process;
// what it shows and does comes from the navigator through the link.
#include "platform/window/Window.h"

#include <cstdint>
#include <memory>
#include <vector>

class MessagePort;
class TTreeControl;

// The tree insertion block of the shared heap: the insertion record
// (parent, insert-after, then the 40-byte item record) and a text buffer.
namespace tab_insert {
constexpr uint32_t kParent = 0, kInsertAfter = 4, kMask = 8, kText = 24, kTextMax = 28, kImage = 32,
                   kSelectedImage = 36, kChildren = 40, kParam = 44, kBuffer = 48,
                   kBufferSize = 260, kBlockSize = 308;
constexpr uint32_t kRoot = 0xFFFF0000u, kLast = 0xFFFF0002u;
constexpr uint32_t kInsertItem = 0x1100; // the tree's insert message
} // namespace tab_insert

class NavigatorTabPage : public TWindow {
public:
    enum : int {
        kTree = 1003,
    };
    // viewer: the viewer's handle, whose macros show the topics.
    NavigatorTabPage(int record, uint32_t viewer);
    ~NavigatorTabPage() override;

    TTreeControl& Tree() const { return *tree_; }
    // The navigator's value stored with the row; -1 for none.
    int32_t ItemData(int row) const;
    // Shows the selected row's topic in the viewer.
    void Display();
    void ExpandAll(bool expand);

    bool EvCommand(int id, HWND control, int notifyCode) override;
    void EvCommandEnable(TCommandEnabler& enabler) override;

protected:
    void SetupWindow() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;

private:
    int32_t insert(uint32_t address);
    int32_t navigator() const;
    void contextMenu();

    int record_;
    uint32_t viewer_;
    TTreeControl* tree_;
    std::unique_ptr<MessagePort> treePort_;
    std::vector<int32_t> data_; // per row
};
