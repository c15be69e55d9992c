#pragma once
// Golden files of drawn pages: one line per drawing call of a recording DC
// (kind, logical points, text, font, colours, pen, brush). With
// KORVALIN_UPDATE_GOLDEN=1 in the environment a comparison rewrites the
// golden file instead; a failed comparison shows the unified diff.
#include "platform/gdi/DrawCall.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// Measuring calls (DrawText with DT_CALCRECT) are left out.
std::string PageDump(const std::vector<TDrawCall>& calls);

// The source tree, as it was when the tests were built.
std::filesystem::path SourceTree();
// A golden file of the source tree: SourceTree()/<relative>.
std::filesystem::path GoldenPath(const std::string& relative);

::testing::AssertionResult MatchesGolden(const std::string& dump,
                                         const std::filesystem::path& golden);

} // namespace testsupport
