#pragma once
// Starting the other side of a link and waiting until it claims its record.
#include <cstdint>
#include <string>
#include <vector>

// The folder of the program's executables (beside the libraries' folder).
std::string ProgramFolder();
// The library's own file.
std::string LibraryFile();
// Starts the program and waits (answering link messages) until the record's
// field leaves the placeholder; clears the placeholder and returns false when
// the start fails or the time-out passes (KORVALIN_LINK_TIMEOUT_MS, 10 s).
bool StartAndAwaitClaim(const std::string& program, const std::vector<std::string>& args, int slot,
                        uint32_t pidField);
