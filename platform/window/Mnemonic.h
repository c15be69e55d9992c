#pragma once
// The mnemonic of a text: the character after its "&" ("&&" is a literal
// ampersand), in upper case; 0 when the text has none.
#include <string_view>

char32_t MnemonicOf(std::string_view text);
