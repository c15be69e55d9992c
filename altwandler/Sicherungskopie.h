#pragma once
// The backup copy of a project file before it is converted: same folder and
// name, ending "BAK". The user confirms the copy (and overwriting an older
// one); every refusal or failure is shown.
#include <filesystem>

// The name of the backup copy of `datei`.
std::filesystem::path SicherungskopieName(const std::filesystem::path& datei);

// 1 the copy was made and holds the file's bytes; 0 refused by the user, not
// possible (the file itself ends in "BAK", in any case) or failed. The
// project file is never changed.
int SicherungskopieErstellen(const std::filesystem::path& datei);
