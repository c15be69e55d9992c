#include "lmbhook32/OutlineMenu.h"

std::vector<TMenuResource> OutlineMenu() {
    return {MenuItem(CM_OUTLINE_PRINTTOPIC, "&Print Current Topic"),
            MenuItem(CM_OUTLINE_PRINTSUBTOPICS, "Print Current and &Subtopics"),
            MenuItem(CM_OUTLINE_PRINTALL, "Print &All Topics"),
            MenuSeparator(),
            MenuItem(CM_OUTLINE_EXPANDALL, "E&xpand All"),
            MenuItem(CM_OUTLINE_COLLAPSEALL, "C&ollapse All")};
}
