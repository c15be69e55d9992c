#pragma once
// The pop-up menu of a navigator outline, in the navigator's window and in
// the viewer's tab page alike: printing and opening or closing the tree.
#include "platform/window/MenuResource.h"

#include <vector>

enum : int {
    CM_OUTLINE_PRINTTOPIC = 32905,
    CM_OUTLINE_PRINTSUBTOPICS = 32906,
    CM_OUTLINE_PRINTALL = 32907,
    CM_OUTLINE_EXPANDALL = 32777,
    CM_OUTLINE_COLLAPSEALL = 32778,
};

std::vector<TMenuResource> OutlineMenu();
