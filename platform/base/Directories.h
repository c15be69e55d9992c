#pragma once
// Where the program reads and writes. The original wrote into its program
// directory and the Windows directory; here:
//   programData  per-user data ($XDG_DATA_HOME/korvalin), seeded from the
//                shipped data on first start: catalogues, reference lists
//   config       $XDG_CONFIG_HOME/korvalin: korpus.ini, global.ini, registry
//   temp         per-user temporary folder
//   shippedData  the read-only data/ of the installation
// Tests point all of them at temporary folders with SetDirectories.
#include <filesystem>

struct Directories {
    std::filesystem::path programData;
    std::filesystem::path config;
    std::filesystem::path temp;
    std::filesystem::path shippedData;
};

// From the environment (XDG variables, KORVALIN_DATA_DIR for the shipped data).
Directories DefaultDirectories();

const Directories& CurrentDirectories();
void SetDirectories(const Directories& dirs);

// Creates the folders and copies shipped files that the program data folder
// does not have yet; a user's edited file is never overwritten.
bool PrepareDirectories(const Directories& dirs);
