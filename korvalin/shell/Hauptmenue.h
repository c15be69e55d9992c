#pragma once
// Menu resource 100 of the main frame and the hint texts of its commands and
// tool buttons (string resources with the command's id).
#include "platform/window/MenuResource.h"

#include <string>
#include <vector>

std::vector<TMenuResource> Hauptmenue();
void HinweistexteEintragen();
// The command's text in menu 100 without mnemonic and accelerator; empty
// when the menu has no such command.
std::string MenueText(int befehl);
