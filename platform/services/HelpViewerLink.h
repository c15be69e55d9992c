#pragma once
// What a library that a help file registers (RegisterRoutine) sees of the
// help viewer. The viewer calls the library's notification entry
//     extern "C" int32_t LDLLHandler(uint16_t notice, int32_t value1, int32_t value2)
// with the notices below; with HELP_NOTICE_CALLBACKS value1 is the viewer's
// handle, which the library hands back to the calls of the table.
//
// A library that a "Reiter" line of the help file names gives the viewer a
// tab page beside the contents and the index, each time the viewer's window
// is shown, through
//     extern "C" int32_t OpenTabDialog(int32_t viewer, int32_t, int32_t)
// which answers a window of the layer made without parent (the viewer takes
// it over and destroys it with its window), or 0 for no page. The page has
// topics shown by running macros through HelpApi (HELP_COMMAND).
#include <cstddef>
#include <cstdint>

enum : uint16_t {
    HELP_NOTICE_CLASSES = 1, // which notices the library wants
    HELP_NOTICE_MINMAX = 2,  // value1: 1 minimised or maximised
    HELP_NOTICE_SIZE = 3,    // the window was sized
    HELP_NOTICE_INIT = 4,    // the library is taken into use
    HELP_NOTICE_TERM = 5,    // the viewer ends
    HELP_NOTICE_JUMPED = 7,  // a topic is shown; value1: its topic number
    HELP_NOTICE_FILE = 8, // another help file is shown; value1 1 (ask the file through the table)
    HELP_NOTICE_ACTIVATE = 9,  // value1: 1 activated, 0 deactivated
    HELP_NOTICE_CALLBACKS = 10 // value1: the viewer's handle
};

// Items of GetInfo.
enum : uint16_t {
    HELP_INFO_VERSION = 1,
    HELP_INFO_MAINWINDOW = 2,
    HELP_INFO_TOPWINDOW = 3,
    HELP_INFO_TOPIC = 7, // topic number of the shown topic, 0 none
};

struct HelpViewerCallbacks {
    uint32_t (*GetInfo)(uint32_t viewer, uint16_t item, uint32_t window);
    // The viewer's help call: command with a number or a text (macros, keys).
    uint32_t (*HelpApi)(uint32_t viewer, const char* file, uint32_t command, const char* text);
    // The shown help file's path, zero-terminated; its length, 0 when none.
    size_t (*CurrentFile)(uint32_t viewer, char* buffer, size_t size);
};

const HelpViewerCallbacks& HelpViewerCallbackTable();
