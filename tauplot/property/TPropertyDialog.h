#pragma once
// A dialog with a strip of tabs above a stack of pages. Pages are added with
// Add before the dialog runs; OK checks every page, then saves every page,
// then closes. Commands and their enablers go to the current page first.
// All open property dialogs share one key filter (PropdlgKbdProc).
#include "platform/base/Color.h"
#include "platform/window/Dialog.h"
#include "tauplot/property/TabStyle.h"

#include <functional>
#include <vector>

class TPropertyPage;
class TPropertyTab;

class TPropertyDialog : public TDialog {
public:
    TPropertyDialog(TWindow* parent, const TDialogResource& resource, Tab::Style style);
    TPropertyDialog(TWindow* parent, const TDialogResource& resource, Tab::Style style,
                    int bitmapId, int maskedBitmaps);
    ~TPropertyDialog() override;

    virtual void Add(const char* title, TPropertyPage* page, int enabled = 1);
    virtual int SelectTab(int index);
    virtual int SelectNext();
    virtual int SelectPrevious();
    virtual void TabSelected(int index) {}
    virtual bool CanSelectTab(int index) { return true; }
    virtual void AdjustMargin(TRect& rect);
    virtual void CloseAction(int type);
    virtual void CmHelp();
    void CmOk() override;
    void CmCancel() override;

    void SetActiveColor(TColor color);
    void SetFixedTabWidth(int width);
    void SetWideMarginWidth(int width);
    void MoveTabsAfterControl(TWindow* after, int setFocus);
    void SizeTabWnd(TRect& rect);
    int GetEntryCount() const;
    // index -1: the current tab's page.
    TPropertyPage* GetPageRef(int index) const;
    void ForEachPage(const std::function<void(TPropertyPage*)>& fn) const;
    TPropertyPage* FirstPageThat(const std::function<bool(TPropertyPage*)>& fn) const;
    TResult SendMsgToEachPage(uint32_t msg, WPARAM wParam, LPARAM lParam);
    TPropertyTab* GetTabStrip() const { return TabStrip; }
    Tab::Style GetStyle() const { return Style; }

    void SetupWindow() override;
    void EvSize(uint32_t sizeType, const TSize& size) override;
    bool EvCommand(int id, HWND control, int notifyCode) override;
    void EvCommandEnable(TCommandEnabler& enabler) override;

    // The tab strips of the set-up property dialogs, oldest first, and
    // whether the shared key filter is installed.
    static const std::vector<TPropertyTab*>& PropertyTabs();
    static bool KeyFilterInstalled();

protected:
    void CleanupWindow() override;

private:
    void registerStrip();
    void unregisterStrip();
    TPropertyTab* TabStrip;
    Tab::Style Style;
};
