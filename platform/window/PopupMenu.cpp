#include "platform/window/PopupMenu.h"

#include "platform/services/Services.h"
#include "platform/window/CommandEnabler.h"
#include "platform/window/Menu.h"
#include "platform/window/Window.h"
#include "platform/window/detail/WindowImpl.h"

#include <QMenu>

namespace {

void fill(QMenu& q, const TMenu& m, int* chosen) {
    for (int i = 0; i < m.GetMenuItemCount(); ++i) {
        const auto* item = m.ItemAt(i);
        if (item->separator)
            q.addSeparator();
        else if (item->popup)
            fill(*q.addMenu(window_detail::Qs(item->text)), *item->popup, chosen);
        else {
            auto* a = q.addAction(window_detail::Qs(item->text));
            a->setEnabled(item->enabled);
            a->setCheckable(item->checked);
            a->setChecked(item->checked);
            const int id = item->id;
            QObject::connect(a, &QAction::triggered, [chosen, id] { *chosen = id; });
        }
    }
}

class QtPopupMenuService : public PopupMenuService {
public:
    int Track(const TMenu& menu, TPoint p) override {
        QMenu q;
        int chosen = 0;
        fill(q, menu, &chosen);
        q.exec(QPoint(p.x, p.y));
        return chosen;
    }
};

void enable(TMenu& menu, TWindow& owner) {
    for (int i = 0; i < menu.GetMenuItemCount(); ++i) {
        const auto* item = menu.ItemAt(i);
        if (item->popup)
            enable(*item->popup, owner);
        else if (!item->separator) {
            TCommandEnabler ce(item->id);
            owner.EvCommandEnable(ce);
            // Items nobody answers for stay as the menu has them.
            if (ce.IsHandled()) {
                menu.EnableMenuItem(item->id, ce.IsEnabled());
                menu.CheckMenuItem(item->id, ce.Check() == TCommandEnabler::Checked);
            }
        }
    }
}

} // namespace

int TrackPopupMenu(TMenu& menu, TPoint screenPoint, TWindow& owner) {
    enable(menu, owner);
    auto& s = CurrentServices();
    if (!s.popupMenus) s.popupMenus = std::make_shared<QtPopupMenuService>();
    const int id = s.popupMenus->Track(menu, screenPoint);
    if (id) owner.PostMessage(WM_COMMAND, WPARAM(id), 0);
    return id;
}
