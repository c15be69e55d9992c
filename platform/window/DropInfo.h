#pragma once
// Files dropped on a window, in the order the desktop gave them, with the
// drop point in the window's client coordinates.
#include "platform/base/Geometry.h"

#include <string>
#include <vector>

struct TDropInfo {
    std::vector<std::string> files;
    TPoint point;
    bool inClientArea = true;
};
