#pragma once
// The navigator's command ids, shared by its menus, tool bar and dialogs.
#include "lmbhook32/OutlineMenu.h"

enum : int {
    // Topic navigation (the view).
    CM_NAV_PREVIOUS = 32773,
    CM_NAV_NEXT = 32774,
    CM_NAV_EXPANDALL = CM_OUTLINE_EXPANDALL,
    CM_NAV_COLLAPSEALL = CM_OUTLINE_COLLAPSEALL,
    CM_NAV_AUTOSYNC = 32780,
    CM_NAV_SYNC = 32792,
    CM_NAV_EXPAND = 32793,
    CM_NAV_COLLAPSE = 32794,
    CM_NAV_PARENT = 32797,
    // The outline's menu: the same commands in the viewer's tab page.
    CM_NAV_PRINTTOPIC = CM_OUTLINE_PRINTTOPIC,
    CM_NAV_PRINTSUBTOPICS = CM_OUTLINE_PRINTSUBTOPICS,
    CM_NAV_PRINTALL = CM_OUTLINE_PRINTALL,
    // Program, frame and document.
    CM_NAV_FONT = 32770,
    CM_NAV_SEARCH = 32772,
    CM_NAV_PROPERTIESBAR = 32776,
    CM_NAV_USERMODE = 32795,
    CM_NAV_ALWAYSONTOP = 32796,
    CM_NAV_LINKTOHELP = 32798,
    CM_NAV_UPDATETOPICS = 32802,
    CM_NAV_COLORS = 32799,
    CM_NAV_PREVIEWMODE = 32801,
    CM_NAV_SAVEONEXIT = 32804,
    CM_NAV_SAVESETTINGS = 32805,
    CM_NAV_DRAGDROP = 32808,
    CM_NAV_FILENEW = 57600,
    CM_NAV_FILEOPEN = 57601,
    CM_NAV_FILESAVE = 57603,
    CM_NAV_FILESAVEAS = 57604,
    CM_NAV_PRINT = 57607,
    CM_NAV_COPY = 57634,
    CM_NAV_ABOUT = 57664,
    CM_NAV_EXIT = 57665,
    CM_NAV_HELPCONTENTS = 57666,
    CM_NAV_CONTEXTHELP = 57668,
    // Bars: their window ids are the commands that show and hide them.
    CM_NAV_TOOLBAR = 59392,
    CM_NAV_STATUSBAR = 59393,
};
