#include "testsupport/ScriptedWindowServices.h"

#include "platform/services/MessageBox.h"
#include "platform/window/Menu.h"
#include "testsupport/ScriptQueue.h"

#include <functional>

#include <gtest/gtest.h>

namespace testsupport {

ScriptedDialogService::~ScriptedDialogService() {
    if (!scripts_.empty()) ADD_FAILURE() << scripts_.size() << " expected dialog(s) never run";
}

int ScriptedDialogService::Execute(TDialog& dialog) {
    captions_.push_back(dialog.GetCaption());
    const auto script = TakeNext(scripts_);
    if (!script) {
        ADD_FAILURE() << "unexpected dialog \"" << dialog.GetCaption() << "\"";
        return IDCANCEL;
    }
    if (!dialog.CreateModal()) return -1;
    (*script)(dialog);
    if (!dialog.Ended()) {
        ADD_FAILURE() << "dialog \"" << dialog.GetCaption() << "\" left open by the script";
        dialog.EndDialog(IDCANCEL);
    }
    const int result = dialog.Result();
    dialog.Destroy();
    return result;
}

ScriptedFileDialogService::~ScriptedFileDialogService() {
    if (!answers_.empty())
        ADD_FAILURE() << answers_.size() << " expected file dialog(s) never shown";
}

std::optional<std::string> ScriptedFileDialogService::next(const TOpenSaveDialog::TData& data) {
    calls_.push_back(data);
    if (auto answer = TakeNext(answers_)) return *answer;
    ADD_FAILURE() << "unexpected file dialog, filter " << data.filter;
    return std::nullopt;
}

std::optional<std::string>
ScriptedFileDialogService::GetOpenFileName(const TOpenSaveDialog::TData& d) {
    return next(d);
}
std::optional<std::string>
ScriptedFileDialogService::GetSaveFileName(const TOpenSaveDialog::TData& d) {
    return next(d);
}

ScriptedChooseService::~ScriptedChooseService() {
    if (!fonts_.empty() || !colors_.empty())
        ADD_FAILURE() << "expected font or colour dialog never shown";
}

bool ScriptedChooseService::ChooseFont(LOGFONT& font, TColor&) {
    const auto answer = TakeNext(fonts_);
    if (!answer) ADD_FAILURE() << "unexpected font dialog";
    if (!answer || !*answer) return false;
    font = **answer;
    return true;
}

bool ScriptedChooseService::ChooseColor(TColor& color) {
    const auto answer = TakeNext(colors_);
    if (!answer) ADD_FAILURE() << "unexpected colour dialog";
    if (!answer || !*answer) return false;
    color = **answer;
    return true;
}

ScriptedPopupMenuService::~ScriptedPopupMenuService() {
    if (!answers_.empty())
        ADD_FAILURE() << answers_.size() << " expected popup menu(s) never shown";
}

int ScriptedPopupMenuService::Track(const TMenu& menu, TPoint point) {
    Shown shown{{}, point};
    // The commands of submenus too, in menu order.
    std::function<void(const TMenu&)> lesen = [&](const TMenu& m) {
        for (int i = 0; i < m.GetMenuItemCount(); ++i) {
            const auto* item = m.ItemAt(i);
            if (!item || item->separator) continue;
            if (item->popup)
                lesen(*item->popup);
            else
                shown.items.emplace_back(item->id, item->enabled);
        }
    };
    lesen(menu);
    calls_.push_back(shown);
    if (auto id = TakeNext(answers_)) return *id;
    ADD_FAILURE() << "unexpected popup menu";
    return 0;
}

} // namespace testsupport
