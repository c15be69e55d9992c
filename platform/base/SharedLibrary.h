#pragma once
// Libraries loaded at run time (help-link libraries, add-ins). A bare file
// name is looked for in the folder of the program's own libraries first, as
// Windows looks in the program's folder, then by the dynamic loader's search.
#include <filesystem>
#include <string>

// nullptr when the file is missing or no loadable library.
void* LoadSharedLibrary(const std::string& file);
void* SharedLibrarySymbol(void* library, const char* name);
void FreeSharedLibrary(void* library);
// Where the program's own libraries lie (the platform layer's folder).
std::filesystem::path ProgramLibraryFolder();
