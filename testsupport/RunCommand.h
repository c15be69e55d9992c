#pragma once
// Runs a shell command and returns what it wrote to its standard output
// (pdftotext, pdfinfo and the like in tests).
#include <string>

namespace testsupport {

std::string RunCommand(const std::string& command);

} // namespace testsupport
