#pragma once
// A dialog as its resource described it: caption, size and controls in dialog
// units (x: a quarter, y: an eighth of the font's average character), in
// creation order. Without sizes the controls are laid out top to bottom.
#include "platform/base/Geometry.h"

#include <string>
#include <vector>

enum class TControlKind {
    Static,
    Edit,
    Button,
    DefButton,
    CheckBox,
    RadioButton,
    GroupBox,
    ComboBox,
    ListBox,
    ScrollBar,
    Custom
};

struct TControlResource {
    TControlKind kind;
    int id;
    std::string text;
    TRect rect; // dialog units; empty = laid out
    // Edit: multi-line; radio button: first of a group; combo box: editable.
    bool flag = false;
};

struct TDialogResource {
    std::string caption;
    TSize size; // dialog units; empty = as the layout needs
    std::vector<TControlResource> controls;
    // A bordered pop-up without caption that does not take the focus.
    bool popup = false;
    // A child inside another window (a page of a tabbed dialog): no frame of
    // its own; its controls join the Tab cycle of the dialog around it.
    bool embedded = false;
};
