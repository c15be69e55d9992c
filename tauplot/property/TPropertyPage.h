#pragma once
// One page of a property dialog: a dialog embedded in the tab strip's page
// area, shown while its tab is current. Derived pages override SaveData,
// CallHelp and the page hooks. OK and Cancel inside a page act on the
// dialog; Alt+letter looks at the tab titles and the dialog's buttons.
#include "platform/window/Dialog.h"

#include <string>

class TPropertyDialog;
class TPropertyTab;

class TPropertyPage : public TDialog {
public:
    explicit TPropertyPage(const TDialogResource& resource);
    TPropertyPage(TPropertyDialog* dialog, const TDialogResource& resource);

    int TabIndex = 0;
    TPropertyDialog* Dialog = nullptr;

    // The tab strip's operations for this page's tab (index -1).
    virtual int SelectTab(int index = -1);
    virtual int SelectNext();
    virtual int SelectPrevious();
    int EnableTab(int index, int enable);
    int IsTabEnabled(int index) const;
    std::string GetTabText(int index) const;
    int SetTabText(int index, const char* text);

    // Hooks of the tab strip.
    virtual void PageSelected() {}
    virtual bool CanLeavePage() { return true; }
    virtual bool CanClosePage() { return true; }
    virtual void SelectPage() { SelectTab(-1); }
    virtual void TabRightClick(uint32_t modKeys, TPoint point) {}
    // Takes the controls' data into the transfer record.
    virtual bool SaveData();
    virtual void CallHelp() {}

    // The first window up from the dialog that has a frame of its own.
    TWindow* GetParentWindow() const;
    int MessageBox(const std::string& text, const std::string& caption, uint32_t type);
    // Alt+letter: the tab titles, then the controls of dlg (the page itself
    // when null). Nonzero when something was chosen.
    int CheckHotKey(TDialog* dlg, char32_t ch);

    void CmOk() override;
    void CmCancel() override;

protected:
    TPropertyTab* strip() const;

private:
    int resolve(int index) const { return index < 0 ? TabIndex : index; }
};
