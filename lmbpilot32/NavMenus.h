#pragma once
// The navigator's menus: the author's full menu and the reader's, which the
// navigator file cuts down to the menus and commands the author allowed.
#include "platform/window/MenuResource.h"

#include <array>
#include <cstdint>
#include <vector>

std::vector<TMenuResource> AuthorMenu();
// File, View, Topic, Options and Help, in this order.
std::vector<TMenuResource> ReaderMenu();
// The reader's menu without the menus and commands whose flags are off, and
// without separators at the start, at the end or after another separator.
std::vector<TMenuResource> ReduceReaderMenu(std::vector<TMenuResource> menu,
                                            const std::array<uint16_t, 22>& flags);

// The commands' status-bar hints and tool tips ("hint\ntip"), for the menus
// and the tool bar.
void RegisterNavigatorHints();
