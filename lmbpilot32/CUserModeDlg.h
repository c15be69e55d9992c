#pragma once
// "User Mode Options": what the reader of the help file gets. Its buttons
// open the font command, "Colors", "Menu Commands" and "Toolbar Buttons",
// which store their choices at once, whatever this dialog ends with.
#include "lmbpilot32/CNavDialog.h"

#include <functional>

struct CNavDocValues;

class CUserModeDlg : public CNavDialog {
public:
    using Command = std::function<void(TWindow* parent)>;
    CUserModeDlg(TWindow* parent, CNavDocValues& values, std::string helpFile, Command font,
                 Command colors);
    void SetupWindow() override;

protected:
    void Store() override;

private:
    CNavDocValues& values_;
    Command font_, colors_;
};
