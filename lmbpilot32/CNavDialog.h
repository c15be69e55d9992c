#pragma once
// The base of the navigator's dialogs: access to their controls by id, and
// the context help they share in author mode (F1 on a control shows its help
// as a pop-up, a right click the viewer's context-menu help).
#include "platform/services/MessageBox.h"
#include "platform/window/Control.h"
#include "platform/window/Dialog.h"

#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

struct NavHelpIds {
    uint32_t dialog = 0;
    std::vector<std::pair<int, uint32_t>> controls;
};

enum : uint32_t { kNavHelpOk = 400069, kNavHelpCancel = 400070 };

class CNavDialog : public TDialog {
public:
    // helpFile empty: no context help (outside author mode).
    CNavDialog(TWindow* parent, const TDialogResource& resource, NavHelpIds ids,
               std::string helpFile);

    void SetupWindow() override;
    // Checks the fields, then Store, then ends.
    void CmOk() override;
    // The context of a help request on the control (F1).
    uint32_t HelpContext(int controlId) const;
    // The context of a right click on the control.
    uint32_t MenuHelpContext(int controlId) const;
    const std::string& HelpFile() const { return helpFile_; }

protected:
    // The controls' values into the caller's fields; only after OK passed
    // the checks, so that a refused OK and Cancel change nothing.
    virtual void Store() {}
    bool IsChecked(int id) const;
    void SetChecked(int id, bool checked);
    std::string Text(int id) const;
    void SetText(int id, std::string_view text);
    // The index of the checked button of a radio group, 0 when none is.
    int RadioIndex(std::initializer_list<int> group) const;
    void SetRadioIndex(std::initializer_list<int> group, int index);
    void Enable(int id, bool enable);
    // Validation on OK: a text of at most maxChars characters, a whole number
    // from low to high. Before SetupWindow.
    void LimitChars(int editId, unsigned maxChars);
    void LimitRange(int editId, int low, int high);

private:
    uint32_t ownContext(int controlId) const;
    void help(int controlId, bool contextMenu);
    NavHelpIds ids_;
    std::string helpFile_;
};
