#pragma once
// Two tree controls in a window that records their notifications, and a small
// tree to fill them with.
#include "platform/tree/TreeControl.h"
#include "platform/window/ResponseTable.h"

#include <functional>
#include <utility>
#include <vector>

namespace treetest {

// A parent that records every notification of its trees as (id, code).
struct Host : TWindow {
    Host() : TWindow(nullptr) {
        a = new TTreeControl(this, 120, 0, 0, 300, 200);
        b = new TTreeControl(this, 121, 0, 210, 300, 200);
        for (auto* t : {a, b})
            for (int code : {TN_SELCHANGE, TN_DRAGOVER, TN_DRAGOVERTARGET, TN_DROP, TN_DRAGCANCEL,
                             TN_EDITEND, TN_EDITCANCEL, TN_CELLACTIVATE, TN_CELLCLICK,
                             TN_RIGHTCLICK, TN_ROWACTIVATE, TN_SETFOCUS, TN_EXPANDKEY})
                Responses().Notify(t->GetId(), code, [this, t, code] {
                    log.emplace_back(t->GetId(), code);
                    if (onNotify) onNotify(*t, code);
                });
    }
    TTreeControl* a;
    TTreeControl* b;
    std::vector<std::pair<int, int>> log;
    std::function<void(TTreeControl&, int)> onNotify;
};

inline void fill(TTreeControl& t) {
    t.SetColumns({{120, TTreeColumn::Left, "Name"},
                  {60, TTreeColumn::Right, "Fläche"},
                  {-1, TTreeColumn::Left, ""}});
    // Fassade Nord / Wand / Fenster, Dach
    for (auto [text, level] :
         {std::pair{"Fassade Nord", 0}, {"Wand", 1}, {"Fenster", 2}, {"Dach", 0}}) {
        const int row = t.AddItem(text);
        t.SetLevel(row, level);
    }
}

} // namespace treetest
