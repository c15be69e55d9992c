#include "korvalin/shell/TSftTree.h"

TSftTree::TSftTree(TWindow* parent, int id, std::string_view title, int x, int y, int w, int h)
    : TTreeControl(parent, id, x, y, w, h) {
    SetCaption(title);
}

TSftTree::TSftTree(TWindow* parent, int resourceId) : TTreeControl(parent, resourceId) {}

int TSftTree::AuswahlSetzen(const int* items, int count, int flag) {
    if (count < 0) return SetSelection(flag != 0, -1);
    int gesetzt = 0;
    for (int i = 0; i < count; ++i)
        if (SetSelection(flag != 0, items[i]) >= 0) ++gesetzt;
    return gesetzt;
}

bool SftTree_RegisterApp2() {
    return true;
}

bool SftTree_UnregisterApp2() {
    return true;
}
